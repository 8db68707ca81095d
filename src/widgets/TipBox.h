#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;

// A small pop-up note shown for a control (for example the value a knob is being turned to).
// Only one is open at a time: opening a new one closes the previous. It closes itself when its
// time is up or when it loses activation, and deletes itself on close. Arrow keys pressed while
// it has the keyboard go on to the control it was opened for, so turning by keys continues.
class TipBox : public QWidget
{
    Q_OBJECT

public:
    explicit TipBox(QWidget *target, const QString &title, const QString &detail = QString());
    ~TipBox() override;

    static TipBox *current();
    static void closeCurrent();

    void setTitle(const QString &title);
    QString title() const;
    void setDetail(const QString &detail);
    QString detail() const;
    QWidget *target() const { return m_target; }

    // Shows the box with its top-left corner at a global position, closing it after msec
    // milliseconds (never when msec is 0 or less).
    void showAt(const QPoint &globalPosition, int msec);

public slots:
    void timeout();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToText();

    QPointer<QWidget> m_target;
    QLabel *m_title;
    QLabel *m_detail;
    QTimer m_timer;
};
