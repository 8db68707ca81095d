#pragma once

#include "SimFaults.h"
#include "SimIdentity.h"

#include <QHostAddress>
#include <QStringList>

#include <optional>

class QCommandLineParser;

// Pacing of what the processor does by itself.
struct SimTiming
{
    int announceMs = 1000; // between announcements
    int rebootMs = 5000; // a firmware upgrade's reboot, until the processor announces again
    int loadStepMs = 200; // between the progress reports of a preset load (five steps)
    int tickMs = 100; // housekeeping: USB player, Dante module, connection faults
};

// Everything the command line of vexatarn-sim sets.
struct SimOptions
{
    QHostAddress bind {QHostAddress::LocalHost};
    quint16 controlPort = 2698;
    QHostAddress announceTo {QHostAddress::LocalHost};
    quint16 broadcastPort = 6697;
    quint16 commandPort = 6001;
    int announceForm = 106;
    SimIdentity identity;
    SimFaults faults;
    QStringList hardwareFaults; // "dsp", "codec", "+5V", ...
    SimTiming timing;
    bool verbose = false;
    bool quiet = false;

    // Declares every option on the parser (with --help and --version).
    static void declare(QCommandLineParser &parser);
    // Reads the parsed options; nothing and an error text when one is invalid.
    static std::optional<SimOptions> read(const QCommandLineParser &parser, QString *error);
    // Parses an argument list (the program name first), for tests.
    static std::optional<SimOptions> parse(const QStringList &arguments, QString *error);
};
