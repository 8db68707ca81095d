#pragma once

#include <QDoubleSpinBox>

// A spin box without the toolkit's context menu, which offers nothing for device values.
class DoubleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit DoubleSpinBox(QWidget *parent = nullptr);
};
