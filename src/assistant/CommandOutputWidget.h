#pragma once

#include "CommandLevelWidget.h"

// The "Out Level" page: mute, fixed gain and gain step of one output.
class CommandOutputWidget : public CommandLevelWidget
{
    Q_OBJECT

public:
    explicit CommandOutputWidget(const DataModel *model, QWidget *parent = nullptr);
};
