#pragma once

// What vexatarn-cli reports to the shell.
namespace ExitCode {
enum : int {
    Done = 0,
    Failed = 1, // the device refused, or a check failed (a file, a check word, differences)
    Usage = 2, // the command line is wrong; nothing was sent
    NoConnection = 3, // no connection, login refused, or a time-out
};
}
