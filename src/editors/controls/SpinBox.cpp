#include "editors/controls/SpinBox.h"

SpinBox::SpinBox(QWidget *parent) : QSpinBox(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
}
