#pragma once

#include "SimFaults.h"
#include "SimIdentity.h"
#include "SimTiming.h"

#include <QHostAddress>
#include <QStringList>

#include <optional>

class QCommandLineParser;

namespace sim {

// Everything the command line of vexatarn-sim sets.
struct SimOptions
{
    QHostAddress bind {QHostAddress::LocalHost};
    quint16 controlPort = 2698;
    QHostAddress announceTo {QHostAddress::LocalHost};
    quint16 broadcastPort = 6697;
    quint16 commandPort = 6001;
    // 106, or 110 with the inserted word 7; 0: the form of the control firmware's family (110
    // when its major version is 5, as after an upgrade into that family).
    int announceForm = 0;
    SimIdentity identity;
    SimFaults faults;
    QStringList hardwareFaults; // "dsp", "codec", "+5V", ...
    SimTiming timing;
    // A network change moves the control server and the announcer to the new address.
    bool followNetwork = false;
    bool usbDrive = true; // a drive is in the USB port
    int presetSceneSize = 0; // bytes of scene each saved preset keeps
    bool verbose = false;
    bool quiet = false;

    // Declares every option on the parser (with --help and --version).
    static void declare(QCommandLineParser &parser);
    // Reads the parsed options; nothing and an error text when one is invalid.
    static std::optional<SimOptions> read(const QCommandLineParser &parser, QString *error);
    // Parses an argument list (the program name first), for tests.
    static std::optional<SimOptions> parse(const QStringList &arguments, QString *error);
};

} // namespace sim
