#include "CommandInputWidget.h"

CommandInputWidget::CommandInputWidget(const DataModel *model, QWidget *parent)
    : CommandLevelWidget(Inputs, model, parent)
{
}
