#include "CommandOutputWidget.h"

CommandOutputWidget::CommandOutputWidget(const DataModel *model, QWidget *parent)
    : CommandLevelWidget(Outputs, model, parent)
{
}
