#pragma once

#include "Outgoing.h"
#include "PresetTransfer.h"
#include "SimFaults.h"
#include "UpgradeReceiver.h"

#include "wire/MessageId.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

namespace sim {

class MessageTable;
class SimStore;

// The processor's side of one control connection, without the socket: login state, the answers
// to queries and sets, and the preset and firmware block exchanges. Queries are answered at
// once; sets other than the login need a logged-in session and are otherwise answered with a
// "not logged in" login reply.
class SimSession
{
public:
    struct Result
    {
        QVector<Outgoing> replies;
        int loadPreset = -1; // a preset load to run with progress reports
        std::optional<FirmwareVersion> installed; // a firmware image arrived whole: reboot
        QString note; // a line for the log
        bool drop = false; // drop the connection without answering
    };

    SimSession(SimStore &store, const MessageTable &table, const SimFaults &faults);

    // What the processor says when a program connects: nobody is logged in.
    Outgoing greeting() const;
    Result handle(MessageId id, quint8 flag, const QByteArray &payload);
    bool loggedIn() const { return m_loggedIn; }

private:
    Result login(quint8 funcId, const QByteArray &password);
    Result setPassword(quint8 funcId, const QByteArray &password);
    Result preset(quint8 funcId, const QByteArray &payload);
    Result upgrade(const QByteArray &payload);
    static Outgoing loginReply(quint8 funcId, quint8 status);

    SimStore &m_store;
    const MessageTable &m_table;
    const SimFaults &m_faults;
    bool m_loggedIn = false;
    PresetTransfer m_presets;
    int m_presetBlocks = 0; // blocks of the running preset exchange
    UpgradeReceiver m_upgrade;
};

} // namespace sim
