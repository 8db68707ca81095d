#pragma once

#include <QTableWidget>

// A table without the toolkit's context menu, which offers nothing for device values.
class TableWidget : public QTableWidget
{
    Q_OBJECT

public:
    explicit TableWidget(QWidget *parent = nullptr);
};
