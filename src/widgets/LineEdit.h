#pragma once

#include <QLineEdit>

// A line edit without the toolkit's context menu, which offers nothing for device values.
class LineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineEdit(QWidget *parent = nullptr);
};
