#pragma once

#include <QTextStream>

struct CliArguments;

// Listens for the processors' announcements for a while and lists them, one line (or one JSON
// object) per processor.
namespace Discover {

int run(const CliArguments &arguments, QTextStream &out, QTextStream &err);

} // namespace Discover
