#include "DeviceCommands.h"

#include "ExitCode.h"

int DeviceCommands::preset()
{
    return fail(ExitCode::Usage, QStringLiteral("preset commands are not available"));
}

int DeviceCommands::presetTransfer()
{
    return preset();
}

int DeviceCommands::label()
{
    return fail(ExitCode::Usage, QStringLiteral("label commands are not available"));
}
