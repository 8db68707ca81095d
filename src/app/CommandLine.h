#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

class DataModel;

// The program's command line:
//   --connect HOST   select at start the processor with this IPv4 address (added by address when
//                    the registry has none), so the program connects at once
//   --help, --version
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Pass {
        // Before the window system is up: only help, version and a bad --connect are answered;
        // the toolkit's own options are still among the arguments and pass unnoticed.
        Early,
        // With the application object in place (its own options removed): every error counts.
        Full,
    };

    struct Result
    {
        bool run = true; // false: the program ends at once with exitCode
        int exitCode = 0;
        QString output; // for standard output
        QString error; // for standard error
        std::optional<quint32> connectAddress; // IPv4, as QHostAddress::toIPv4Address()
    };

    // arguments as QCoreApplication::arguments() gives them (the program first).
    static Result parse(const QStringList &arguments, Pass pass = Pass::Full);

    // Writes the output and the error of a result that ends the program; returns its exit code.
    static int answer(const Result &result);

    // Selects the device with this address and returns its index. When no entry has it yet, the
    // device is given waitMs to announce itself (so it is listed under its real identity, not a
    // provisional one); after that, or at once with waitMs 0, it is added by address. Returns -1
    // while waiting.
    static int connectAtStart(DataModel &model, quint32 address, int waitMs = 0);
};
