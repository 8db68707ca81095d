#pragma once

#include "UdpBrowsingPacket.h"

#include <QHash>
#include <QString>
#include <QVector>

#include <vector>

// The local SQLite registry of every processor ever discovered or added by hand (table
// "devices" in "devices.db"), so the device list shows known devices before any announcement.
// Identity data only. Changes are queued and written together in one transaction by flush(),
// which the once-a-second tick calls; a file locked by another program is never waited for:
// the batch stays queued and is tried again a second later.
//
// A file that is there but is not a readable registry (not SQLite, damaged, a directory) is
// left exactly as it is: the registry is empty for the run and nothing is written to it.
class DeviceRegistry
{
public:
    // More rows than any installation has; a file holding more shows the first ones and keeps
    // the rest untouched.
    static constexpr int MaxRows = 4000;

    enum class LoadResult { Loaded, Locked, Unreadable };
    enum class Problem { None, Unreadable, Unwritable };

    static QString defaultFileName() { return QStringLiteral("devices.db"); }

    explicit DeviceRegistry(const QString &fileName = defaultFileName());
    ~DeviceRegistry();
    DeviceRegistry(const DeviceRegistry &) = delete;
    DeviceRegistry &operator=(const DeviceRegistry &) = delete;

    // Opens the database (creating file and table when there is none) and returns up to
    // MaxRows rows as packets; all fields other than the stored ones are zero. A file locked
    // by another program gives Locked and nothing: call again later.
    QVector<UdpBrowsingPacket> load(LoadResult *result = nullptr);
    // Open and safe to write.
    bool isOpen() const { return m_open; }
    const QString &connectionName() const { return m_connectionName; }
    // What the user is to be told about: the file could not be read, or not written.
    Problem problem() const { return m_problem; }

    // Queued; written by the next flush().
    void sqlAdd(const UdpBrowsingPacket &packet);
    void sqlUpdateDeviceId(quint32 oldId, quint32 newId);
    void sqlUpdateIPAddress(quint32 id, quint32 address);
    void sqlUpdateModel(quint32 id, const UdpBrowsingPacket::Text &model);
    void sqlUpdateARMVersion(quint32 id, const UdpBrowsingPacket::Version &version);
    void sqlUpdateDSPVersion(quint32 id, const UdpBrowsingPacket::Version &version);
    void sqlUpdateLocation(quint32 id, const UdpBrowsingPacket::Text &location);
    void sqlUpdateDescription(quint32 id, const UdpBrowsingPacket::Text &description);
    void sqlUpdateSerialNumber(quint32 id, const UdpBrowsingPacket::Text &serialNumber);
    void sqlRemove(quint32 id);

    // Writes the queued changes in one transaction without waiting for a lock. Returns false
    // when the file was busy and the changes stay queued.
    bool flush();
    int pendingCount() const;

private:
    struct Change
    {
        enum Kind { None, Insert, Update, ChangeId, Remove };
        Kind kind = None;
        quint32 id = 0;
        quint32 newId = 0;
        unsigned fields = 0; // Update: the UdpBrowsingPacket fields to write
        UdpBrowsingPacket packet;
    };
    enum class Outcome { Done, Failed, Busy };

    bool fileMayBeOpened(bool *locked) const;
    Change &updateFor(quint32 id, unsigned field);
    Outcome write(const Change &change);
    Outcome execNumeric(const QString &statement, const char *operation, int line);
    Outcome execNamed(const QString &statement, const QString &field, const QVariant &value,
                      quint32 id, const char *operation, int line);
    void setProblem(Problem problem);

    QString m_fileName;
    QString m_connectionName;
    bool m_open = false;
    Problem m_problem = Problem::None;
    std::vector<Change> m_pending;
    QHash<quint32, size_t> m_lastChange; // identifier -> its latest queued change
};
