#include "Dialog.h"

#include <QKeyEvent>
#include <QPushButton>

Dialog::Dialog(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags) { }

// Handled here rather than by filtering the dialog's own events: a filter on itself would pass
// every event of the construction (children being added) to a subclass's eventFilter before the
// subclass's members exist.
bool Dialog::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QDialog::event(event);
}

void Dialog::showEvent(QShowEvent *event)
{
    // Buttons added after construction become auto-default again inside a dialog: clear on
    // every show. A default button would take Enter while it has focus, so none stays default.
    const auto buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QDialog::showEvent(event);
}
