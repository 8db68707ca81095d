#pragma once

#include <QTimer>
#include <QWidget>

// A caption that scrolls its text one pixel per timer tick, left (or, in vertical mode, up),
// looping seamlessly. It scrolls only while shown and while the pointer is outside it, so a
// user can stop it to read.
class ScrollCaptionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ScrollCaptionWidget(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }
    void setInterval(int msec);
    int interval() const { return m_timer.interval(); }
    void setVertical(bool vertical);
    bool isVertical() const { return m_vertical; }

    int offset() const { return m_offset; }
    // The offset at which the text has gone round once and the scrolling starts over.
    int period() const;
    bool isScrolling() const { return m_timer.isActive(); }

    QSize sizeHint() const override;

public slots:
    void scrollTimerTimeout();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QString loopText() const;

    QString m_text;
    QTimer m_timer;
    int m_offset = 0;
    bool m_vertical = false;
};
