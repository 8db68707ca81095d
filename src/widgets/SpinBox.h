#pragma once

#include <QSpinBox>

// A spin box without the toolkit's context menu, which offers nothing for device values.
class SpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit SpinBox(QWidget *parent = nullptr);
};
