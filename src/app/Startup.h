#pragma once

#include "CommandLine.h"

// The program's start-up and teardown, kept out of main() so that tests can drive it.
class Startup
{
public:
    // Before the application object exists: the high-DPI attribute from cfg.ini.
    static void prepareApplication();

    // With the application object in place: font, style, text codec, settings, splash, device
    // model, main window, the optional device version question, the device chosen on the command
    // line, the event loop and the teardown (main window first, then the device model). Returns
    // the exit code: the event loop's, or 0 when the device version question is cancelled.
    static int run(const CommandLine::Result &commandLine = CommandLine::Result());
};
