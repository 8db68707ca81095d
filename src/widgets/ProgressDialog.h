#pragma once

#include <QProgressDialog>

// The window-modal progress of a transfer with the device (presets, firmware): no percentage
// text, a left-aligned label, and "Cancel" kept at the bottom-right corner. Built cancelled
// (hidden) until a transfer shows it.
class ProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    explicit ProgressDialog(QWidget *parent = nullptr);

    QPushButton *cancelButton() const { return m_cancelButton; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void placeCancelButton();

    QPushButton *m_cancelButton;
};
