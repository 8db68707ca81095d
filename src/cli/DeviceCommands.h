#pragma once

#include "CliArguments.h"

#include <QTextStream>

class DeviceSession;

// The commands on one connected processor: each reads or writes the model's mirror and uses its
// send operations and the core's transfers, prints its result on out, and returns an exit code
// with a one-line reason in error().
class DeviceCommands
{
public:
    DeviceCommands(const CliArguments &arguments, DeviceSession &session, QTextStream &out);

    // Checks what can be checked before connecting (files to read, folders to write into).
    static int checkFiles(const CliArguments &arguments, const QString &address, QString *error);
    // FILE with {address} and {id} replaced.
    static QString expandFile(const QString &file, const QString &address, quint32 deviceId);

    int run();
    QString error() const { return m_error; }

private:
    int info();
    int get();
    int set();
    int systemMute();
    int upgrade();
    int snapshotSave();
    int snapshotDiff();
    int preset();
    int presetTransfer();
    int label();
    int fail(int code, const QString &error);
    int lost();
    QString file() const;
    QString levelText(int side, int channel) const;

    const CliArguments &m_args;
    DeviceSession &m_session;
    QTextStream &m_out;
    QString m_error;
};
