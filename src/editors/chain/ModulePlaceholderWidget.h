#pragma once

#include <QWidget>

class QLabel;

// The page of a module whose editor this version of the program does not offer yet: it names
// the module and says so, instead of showing controls that would do nothing.
class ModulePlaceholderWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ModulePlaceholderWidget(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    QString title() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_titleLabel;
    QLabel *m_textLabel;
};
