#pragma once

#include "UdpBrowsingPacket.h"

#include <QString>
#include <QVector>

// The local SQLite registry of every processor ever discovered or added by hand (table
// "devices" in "devices.db"), so the device list shows known devices before any announcement.
// Identity data only; each change is written through at once with one statement.
//
// A file that is there but is not a readable registry (not SQLite, damaged, a directory) is
// left exactly as it is: the registry is empty for the run and nothing is written to it.
class DeviceRegistry
{
public:
    static QString defaultFileName() { return QStringLiteral("devices.db"); }

    explicit DeviceRegistry(const QString &fileName = defaultFileName());
    ~DeviceRegistry();
    DeviceRegistry(const DeviceRegistry &) = delete;
    DeviceRegistry &operator=(const DeviceRegistry &) = delete;

    // Opens the database (creating file and table when there is none) and returns every row as
    // a packet; all fields other than the stored ones are zero.
    QVector<UdpBrowsingPacket> load();
    // Open and safe to write.
    bool isOpen() const { return m_open; }
    const QString &connectionName() const { return m_connectionName; }

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

private:
    bool fileMayBeOpened() const;
    bool execNumeric(const QString &statement, const char *operation, int line);
    bool execNamed(const QString &statement, const QString &field, const QVariant &value,
                   quint32 id, const char *operation, int line);

    QString m_fileName;
    QString m_connectionName;
    bool m_open = false;
};
