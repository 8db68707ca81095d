#include "widgets/DoubleSpinBox.h"

DoubleSpinBox::DoubleSpinBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
}
