#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// A frameless confirmation pop-up with a content area, "OK" and "Cancel", and optionally a
// line edit. The edit's maximum length counts bytes in the device's 8-bit text encoding, so a
// name typed in Chinese fits the device's fixed-size field.
class AlertWidget : public QDialog
{
    Q_OBJECT

public:
    explicit AlertWidget(QWidget *parent = nullptr);

    QWidget *contentWidget() const { return m_content; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Puts a message into the content area.
    void setMessage(const QString &text);
    QString message() const;

    // Adds the line edit "alertWidgetEdit" below the message, holding at most maxBytes bytes.
    QLineEdit *addLineEdit(int maxBytes);
    QLineEdit *lineEdit() const { return m_edit; }

    // The length of a text in the device's 8-bit encoding.
    static int encodedLength(const QString &text);

public slots:
    void lineEditTextEdited(const QString &text);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void retranslate();

    QWidget *m_content;
    QVBoxLayout *m_contentLayout;
    QLabel *m_message;
    QLineEdit *m_edit = nullptr;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
