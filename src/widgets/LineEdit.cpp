#include "widgets/LineEdit.h"

LineEdit::LineEdit(QWidget *parent) : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
}
