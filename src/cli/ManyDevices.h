#pragma once

#include <QTextStream>

struct CliArguments;

// Runs one command on several processors at once: one vexatarn-cli per device, each with a
// single -H, their result lines prefixed with the device's address. The exit code is the worst
// of theirs (3 over 1 over 0).
namespace ManyDevices {

int run(const CliArguments &arguments, QTextStream &out, QTextStream &err);

} // namespace ManyDevices
