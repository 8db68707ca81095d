#pragma once

#include <QWidget>

// A caption that reads from bottom to top, for narrow channel strips.
class RotateText : public QWidget
{
    Q_OBJECT

public:
    explicit RotateText(QWidget *parent = nullptr);
    explicit RotateText(const QString &text, QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }

    QSize sizeHint() const override;
    // The whole text, never cut.
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
