#include "widgets/TableWidget.h"

TableWidget::TableWidget(QWidget *parent) : QTableWidget(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
}
