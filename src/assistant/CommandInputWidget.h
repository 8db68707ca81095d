#pragma once

#include "CommandLevelWidget.h"

// The "Level Pre Mix" page: mute, fixed gain and gain step of one input.
class CommandInputWidget : public CommandLevelWidget
{
    Q_OBJECT

public:
    explicit CommandInputWidget(const DataModel *model, QWidget *parent = nullptr);
};
