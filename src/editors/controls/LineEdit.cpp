#include "editors/controls/LineEdit.h"

LineEdit::LineEdit(QWidget *parent) : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
}
