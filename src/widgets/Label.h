#pragma once

#include <QLabel>

// A label that reports double clicks (e.g. to rename what it names).
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);
    explicit Label(const QString &text, QWidget *parent = nullptr);

signals:
    void mouseDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
