#include "editors/controls/TableWidget.h"

TableWidget::TableWidget(QWidget *parent) : QTableWidget(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
}
