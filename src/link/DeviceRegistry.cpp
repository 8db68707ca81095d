#include "DeviceRegistry.h"

#include "wire/LinkLog.h"
#include "wire/LocalText.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char CreateStatement[] =
        "create table devices (ID INTEGER PRIMARY KEY,DeviceID unsigned int,IPAddress unsigned "
        "int,Model varchar(16),ARMVersion varchar(3),DSPVersion char(3),Location "
        "varchar(16),Description varchar(16),SerialNumber varchar(16))";
const char Driver[] = "QSQLITE";
const QByteArray SqliteMagic("SQLite format 3\0", 16);

void fail(const char *operation, int line)
{
    qCDebug(lcLink, "%s, %d", operation, line);
}

QString uniqueConnectionName(const char *purpose)
{
    static int serial = 0;
    return QStringLiteral("vexatarn-%1-%2").arg(QLatin1String(purpose)).arg(++serial);
}

QVariant textValue(const UdpBrowsingPacket::Text &text)
{
    return UdpBrowsingPacket::textString(text);
}

QVariant versionValue(const UdpBrowsingPacket::Version &version)
{
    return QByteArray(reinterpret_cast<const char *>(version.data()), int(version.size()));
}

UdpBrowsingPacket::Text textFrom(const QVariant &value)
{
    return UdpBrowsingPacket::toText(LocalText::encode(value.toString()).left(16));
}

UdpBrowsingPacket::Version versionFrom(const QVariant &value)
{
    const QByteArray bytes = value.toByteArray();
    UdpBrowsingPacket::Version version {};
    for (int i = 0; i < int(version.size()) && i < bytes.size(); ++i)
        version[size_t(i)] = quint8(bytes[i]);
    return version;
}

} // namespace

DeviceRegistry::DeviceRegistry(const QString &fileName) : m_fileName(fileName)
{
    // The program's one registry uses the default connection; a second live registry (tests)
    // gets its own.
    m_connectionName = QSqlDatabase::contains(QLatin1String(QSqlDatabase::defaultConnection))
            ? uniqueConnectionName("registry")
            : QLatin1String(QSqlDatabase::defaultConnection);
}

DeviceRegistry::~DeviceRegistry()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

// A registry that exists is opened for writing only after it has been read as a sound SQLite
// database; anything else (no SQLite header, damaged pages, not a plain file) stays untouched.
bool DeviceRegistry::fileMayBeOpened() const
{
    const QFileInfo info(m_fileName);
    if (!info.exists())
        return true; // first start: created below
    if (!info.isFile())
        return false;
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly) || file.read(SqliteMagic.size()) != SqliteMagic)
        return false;
    file.close();

    const QString name = uniqueConnectionName("registry-check");
    bool sound = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(Driver), name);
        db.setDatabaseName(m_fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery check(db);
            sound = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()
                    && check.value(0).toString() == QLatin1String("ok");
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return sound;
}

QVector<UdpBrowsingPacket> DeviceRegistry::load()
{
    QVector<UdpBrowsingPacket> packets;
    if (!fileMayBeOpened()) {
        fail("open", __LINE__);
        return packets;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(Driver), m_connectionName);
    db.setDatabaseName(m_fileName);
    if (!db.open()) {
        fail("open", __LINE__);
        return packets;
    }
    m_open = true;

    QSqlQuery query(db);
    query.exec(QLatin1String(CreateStatement)); // fails harmlessly when the table exists
    if (!query.exec(QStringLiteral("select * from devices"))) {
        qCDebug(lcLink) << query.lastError().type();
        return packets;
    }
    while (query.next()) {
        UdpBrowsingPacket p;
        p.deviceId = quint32(query.value(1).toLongLong());
        p.ipAddress = quint32(query.value(2).toLongLong());
        p.model = textFrom(query.value(3));
        p.armVersion = versionFrom(query.value(4));
        p.dspVersion = versionFrom(query.value(5));
        p.location = textFrom(query.value(6));
        p.description = textFrom(query.value(7));
        p.serialNumber = textFrom(query.value(8));
        packets.append(p);
    }
    return packets;
}

void DeviceRegistry::sqlAdd(const UdpBrowsingPacket &packet)
{
    if (!m_open) {
        fail("sqlAdd", __LINE__);
        return;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName));
    query.prepare(QStringLiteral("insert into devices values (NULL, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(qint64(packet.deviceId));
    query.addBindValue(qint64(packet.ipAddress));
    query.addBindValue(textValue(packet.model));
    query.addBindValue(versionValue(packet.armVersion));
    query.addBindValue(versionValue(packet.dspVersion));
    query.addBindValue(textValue(packet.location));
    query.addBindValue(textValue(packet.description));
    query.addBindValue(textValue(packet.serialNumber));
    if (!query.exec())
        fail("sqlAdd", __LINE__);
}

bool DeviceRegistry::execNumeric(const QString &statement, const char *operation, int line)
{
    if (m_open) {
        QSqlQuery query(QSqlDatabase::database(m_connectionName));
        if (query.exec(statement))
            return true;
    }
    fail(operation, line);
    return false;
}

bool DeviceRegistry::execNamed(const QString &statement, const QString &field,
                               const QVariant &value, quint32 id, const char *operation, int line)
{
    if (m_open) {
        QSqlQuery query(QSqlDatabase::database(m_connectionName));
        query.prepare(statement);
        query.bindValue(QLatin1Char(':') + field, value);
        query.bindValue(QStringLiteral(":DeviceID"), qint64(id));
        if (query.exec())
            return true;
    }
    fail(operation, line);
    return false;
}

void DeviceRegistry::sqlUpdateDeviceId(quint32 oldId, quint32 newId)
{
    execNumeric(QStringLiteral("UPDATE devices SET DeviceID = %1 WHERE DeviceID = %2")
                        .arg(newId)
                        .arg(oldId),
                "sqlUpdateDeviceId", __LINE__);
}

void DeviceRegistry::sqlUpdateIPAddress(quint32 id, quint32 address)
{
    execNumeric(QStringLiteral("UPDATE devices SET IPAddress = %1 WHERE DeviceID = %2")
                        .arg(address)
                        .arg(id),
                "sqlUpdateIPAddress", __LINE__);
}

void DeviceRegistry::sqlUpdateModel(quint32 id, const UdpBrowsingPacket::Text &model)
{
    execNamed(QStringLiteral("UPDATE devices SET Model = :Model WHERE DeviceID = :DeviceID"),
              QStringLiteral("Model"), textValue(model), id, "sqlUpdateModel", __LINE__);
}

void DeviceRegistry::sqlUpdateARMVersion(quint32 id, const UdpBrowsingPacket::Version &version)
{
    execNamed(QStringLiteral(
                      "UPDATE devices SET ARMVersion = :ARMVersion WHERE DeviceID = :DeviceID"),
              QStringLiteral("ARMVersion"), versionValue(version), id, "sqlUpdateARMVersion",
              __LINE__);
}

void DeviceRegistry::sqlUpdateDSPVersion(quint32 id, const UdpBrowsingPacket::Version &version)
{
    execNamed(QStringLiteral(
                      "UPDATE devices SET DSPVersion = :DSPVersion WHERE DeviceID = :DeviceID"),
              QStringLiteral("DSPVersion"), versionValue(version), id, "sqlUpdateDSPVersion",
              __LINE__);
}

void DeviceRegistry::sqlUpdateLocation(quint32 id, const UdpBrowsingPacket::Text &location)
{
    execNamed(QStringLiteral("UPDATE devices SET Location = :Location WHERE DeviceID = :DeviceID"),
              QStringLiteral("Location"), textValue(location), id, "sqlUpdateLocation", __LINE__);
}

void DeviceRegistry::sqlUpdateDescription(quint32 id, const UdpBrowsingPacket::Text &description)
{
    execNamed(QStringLiteral(
                      "UPDATE devices SET Description = :Description WHERE DeviceID = :DeviceID"),
              QStringLiteral("Description"), textValue(description), id, "sqlUpdateDescription",
              __LINE__);
}

void DeviceRegistry::sqlUpdateSerialNumber(quint32 id, const UdpBrowsingPacket::Text &serialNumber)
{
    execNamed(QStringLiteral("UPDATE devices SET SerialNumber = :SerialNumber WHERE DeviceID = "
                             ":DeviceID"),
              QStringLiteral("SerialNumber"), textValue(serialNumber), id, "sqlUpdateSerialNumber",
              __LINE__);
}

void DeviceRegistry::sqlRemove(quint32 id)
{
    execNumeric(QStringLiteral("DELETE FROM devices WHERE DeviceID = %1").arg(id), "sqlRemove",
                __LINE__);
}
