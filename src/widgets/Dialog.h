#pragma once

#include <QDialog>

// Base of the application's dialogs: Enter never closes one. Return and Enter key presses that
// reach the dialog are swallowed, and each time the dialog is shown its push buttons lose the
// auto-default and default roles (so a focused button does not take Enter either). Escape still
// cancels.
class Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
};
