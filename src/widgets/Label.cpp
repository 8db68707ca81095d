#include "widgets/Label.h"

Label::Label(QWidget *parent) : QLabel(parent) { }

Label::Label(const QString &text, QWidget *parent) : QLabel(text, parent) { }

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit mouseDoubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
