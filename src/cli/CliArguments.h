#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

// The command line of vexatarn-cli, parsed and checked before anything is sent: the global
// options, the command with its words, and the values it names (channels and slots as indices,
// counted from 1 on the command line).
struct CliArguments
{
    enum Side { Inputs, Outputs };

    // Global options.
    QList<QHostAddress> hosts;
    quint16 controlPort = 2698;
    quint16 broadcastPort = 6697;
    QString password; // --password, else VEXATARN_PASSWORD, else the built-in one
    double waitSeconds = 3.0; // discover
    double timeoutSeconds = 10.0; // connection, login and each exchange
    bool json = false;
    bool help = false;
    bool version = false;

    // The command: "info", "get", "set", "mute", "preset", "label", "upgrade", "snapshot",
    // "discover", "frame"; action is its second word where it has one ("save", "in", ...).
    QString command;
    QString action;
    Side side = Inputs;
    int channel = 0; // index
    QString parameter; // "level" or "mute"
    double level = 0.0; // dB
    bool on = false;
    int slot = 0; // index 0..31
    QString name;
    QString file;
    // The frame command's text, when the command is "frame".
    QString frameText;

    // Every argument but the -H options, to run the same command for one device at a time.
    QStringList argumentsWithoutHosts;

    // Parses the arguments (the program name first). False with a one-line message in error
    // on a usage error.
    bool parse(const QStringList &arguments, QString *error);
    bool needsDevice() const
    {
        return command != QLatin1String("discover") && command != QLatin1String("frame");
    }
    // The built-in password of the processors, used when none is given.
    static QString builtInPassword();
    static QString helpText();

private:
    bool parseCommand(const QStringList &words, QString *error);
    bool parseFrame(const QStringList &words, QString *error);
};
