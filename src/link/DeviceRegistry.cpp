#include "DeviceRegistry.h"

#include "wire/LinkLog.h"
#include "wire/LocalText.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSet>
#include <QVariant>

#include <algorithm>

namespace {

const char CreateStatement[] =
        "create table devices (ID INTEGER PRIMARY KEY,DeviceID unsigned int,IPAddress unsigned "
        "int,Model varchar(16),ARMVersion varchar(3),DSPVersion char(3),Location "
        "varchar(16),Description varchar(16),SerialNumber varchar(16))";
const char Driver[] = "QSQLITE";
const QByteArray SqliteMagic("SQLite format 3\0", 16);

const char BusyOption[] = "QSQLITE_BUSY_TIMEOUT=0"; // a locked file is never waited for
constexpr unsigned StoredFields = UdpBrowsingPacket::IPAddressField | UdpBrowsingPacket::ModelField
        | UdpBrowsingPacket::ARMVersionField | UdpBrowsingPacket::DSPVersionField
        | UdpBrowsingPacket::SerialNumberField | UdpBrowsingPacket::LocationField
        | UdpBrowsingPacket::DescriptionField;

void fail(const char *operation, int line)
{
    qCDebug(lcLink, "%s, %d", operation, line);
}

// SQLITE_BUSY and SQLITE_LOCKED, with their extended codes: another program holds the file.
bool isBusy(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 5 || code == 6;
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

// Plain ASCII (most rows) is the same in the device's encoding; only other texts go through
// the converter, which is slow to set up for every field of thousands of rows.
UdpBrowsingPacket::Text textFrom(const QVariant &value)
{
    const QString text = value.toString().left(64); // at most 16 bytes are kept
    const bool ascii = std::all_of(text.cbegin(), text.cend(),
                                   [](QChar c) { return c.unicode() < 0x80; });
    return UdpBrowsingPacket::toText((ascii ? text.toLatin1() : LocalText::encode(text)).left(16));
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
    flush(); // one last try; a file still locked keeps what it had
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

void DeviceRegistry::setProblem(Problem problem)
{
    if (m_problem == Problem::None)
        m_problem = problem;
}

// A registry that exists is opened for writing only after it has been read as a sound SQLite
// database; anything else (no SQLite header, damaged pages, not a plain file) stays untouched.
// A file that another program holds locked is neither: *locked says to try again later.
bool DeviceRegistry::fileMayBeOpened(bool *locked) const
{
    *locked = false;
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
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;") + QLatin1String(BusyOption));
        if (db.open()) {
            QSqlQuery check(db);
            if (check.exec(QStringLiteral("PRAGMA quick_check")))
                sound = check.next() && check.value(0).toString() == QLatin1String("ok");
            else
                *locked = isBusy(check.lastError());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return sound;
}

QVector<UdpBrowsingPacket> DeviceRegistry::load(LoadResult *result)
{
    LoadResult dummy;
    LoadResult &outcome = result ? *result : dummy;
    outcome = LoadResult::Unreadable;
    QVector<UdpBrowsingPacket> packets;
    if (m_open) {
        outcome = LoadResult::Loaded;
        return packets;
    }
    bool locked = false;
    if (!fileMayBeOpened(&locked)) {
        if (locked) {
            outcome = LoadResult::Locked;
            return packets;
        }
        fail("open", __LINE__);
        setProblem(Problem::Unreadable);
        m_pending.clear();
        m_lastChange.clear();
        return packets;
    }
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
            ? QSqlDatabase::database(m_connectionName, false)
            : QSqlDatabase::addDatabase(QLatin1String(Driver), m_connectionName);
    db.setDatabaseName(m_fileName);
    db.setConnectOptions(QLatin1String(BusyOption));
    if (!db.isOpen() && !db.open()) {
        fail("open", __LINE__);
        setProblem(Problem::Unreadable);
        return packets;
    }

    QSqlQuery query(db);
    query.exec(QLatin1String(CreateStatement)); // fails harmlessly when the table exists
    query.setForwardOnly(true); // read once, front to back: nothing cached
    if (!query.exec(QStringLiteral("select * from devices order by ID limit %1").arg(MaxRows))) {
        if (isBusy(query.lastError())) {
            outcome = LoadResult::Locked;
            return packets;
        }
        qCDebug(lcLink) << query.lastError().type();
        setProblem(Problem::Unreadable);
        return packets;
    }
    m_open = true;
    outcome = LoadResult::Loaded;
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
    // Devices heard while the file was locked may have a row already: theirs is updated.
    if (!m_pending.empty()) {
        QSet<quint32> stored;
        for (const UdpBrowsingPacket &p : packets)
            stored.insert(p.deviceId);
        for (Change &change : m_pending) {
            if (change.kind == Change::Insert && stored.contains(change.id)) {
                change.kind = Change::Update;
                change.fields = StoredFields;
            }
        }
    }
    return packets;
}

int DeviceRegistry::pendingCount() const
{
    return int(std::count_if(m_pending.begin(), m_pending.end(),
                             [](const Change &c) { return c.kind != Change::None; }));
}

void DeviceRegistry::sqlAdd(const UdpBrowsingPacket &packet)
{
    if (m_problem == Problem::Unreadable) {
        fail("sqlAdd", __LINE__);
        return;
    }
    Change change;
    change.kind = Change::Insert;
    change.id = packet.deviceId;
    change.packet = packet;
    m_lastChange.insert(packet.deviceId, m_pending.size());
    m_pending.push_back(change);
}

// The queued change an update of the device joins: its insert or update not yet written, or
// a new one.
DeviceRegistry::Change &DeviceRegistry::updateFor(quint32 id, unsigned field)
{
    const auto last = m_lastChange.constFind(id);
    if (last != m_lastChange.constEnd()) {
        Change &change = m_pending[*last];
        if (change.kind == Change::Insert || change.kind == Change::Update) {
            change.fields |= field;
            return change;
        }
    }
    Change change;
    change.kind = Change::Update;
    change.id = id;
    change.packet.deviceId = id;
    change.fields = field;
    m_lastChange.insert(id, m_pending.size());
    m_pending.push_back(change);
    return m_pending.back();
}

void DeviceRegistry::sqlUpdateDeviceId(quint32 oldId, quint32 newId)
{
    if (m_problem == Problem::Unreadable) {
        fail("sqlUpdateDeviceId", __LINE__);
        return;
    }
    Change change;
    change.kind = Change::ChangeId;
    change.id = oldId;
    change.newId = newId;
    m_lastChange.remove(oldId);
    m_lastChange.remove(newId);
    m_pending.push_back(change);
}

void DeviceRegistry::sqlUpdateIPAddress(quint32 id, quint32 address)
{
    if (m_problem == Problem::Unreadable)
        return fail("sqlUpdateIPAddress", __LINE__);
    updateFor(id, UdpBrowsingPacket::IPAddressField).packet.ipAddress = address;
}

void DeviceRegistry::sqlUpdateModel(quint32 id, const UdpBrowsingPacket::Text &model)
{
    if (m_problem == Problem::Unreadable)
        return fail("sqlUpdateModel", __LINE__);
    updateFor(id, UdpBrowsingPacket::ModelField).packet.model = model;
}

void DeviceRegistry::sqlUpdateARMVersion(quint32 id, const UdpBrowsingPacket::Version &version)
{
    if (m_problem == Problem::Unreadable)
        return fail("sqlUpdateARMVersion", __LINE__);
    updateFor(id, UdpBrowsingPacket::ARMVersionField).packet.armVersion = version;
}

void DeviceRegistry::sqlUpdateDSPVersion(quint32 id, const UdpBrowsingPacket::Version &version)
{
    if (m_problem == Problem::Unreadable)
        return fail("sqlUpdateDSPVersion", __LINE__);
    updateFor(id, UdpBrowsingPacket::DSPVersionField).packet.dspVersion = version;
}

void DeviceRegistry::sqlUpdateLocation(quint32 id, const UdpBrowsingPacket::Text &location)
{
    if (m_problem == Problem::Unreadable)
        return fail("sqlUpdateLocation", __LINE__);
    updateFor(id, UdpBrowsingPacket::LocationField).packet.location = location;
}

void DeviceRegistry::sqlUpdateDescription(quint32 id, const UdpBrowsingPacket::Text &description)
{
    if (m_problem == Problem::Unreadable)
        return fail("sqlUpdateDescription", __LINE__);
    updateFor(id, UdpBrowsingPacket::DescriptionField).packet.description = description;
}

void DeviceRegistry::sqlUpdateSerialNumber(quint32 id, const UdpBrowsingPacket::Text &serialNumber)
{
    if (m_problem == Problem::Unreadable)
        return fail("sqlUpdateSerialNumber", __LINE__);
    updateFor(id, UdpBrowsingPacket::SerialNumberField).packet.serialNumber = serialNumber;
}

void DeviceRegistry::sqlRemove(quint32 id)
{
    if (m_problem == Problem::Unreadable)
        return fail("sqlRemove", __LINE__);
    const auto last = m_lastChange.constFind(id);
    if (last != m_lastChange.constEnd()) {
        Change &change = m_pending[*last];
        m_lastChange.remove(id);
        if (change.kind == Change::Insert) {
            change.kind = Change::None; // never written: nothing to delete
            return;
        }
    }
    Change change;
    change.kind = Change::Remove;
    change.id = id;
    m_pending.push_back(change);
}

bool DeviceRegistry::flush()
{
    if (m_pending.empty() || m_problem == Problem::Unreadable)
        return true;
    if (!m_open)
        return false; // the file was locked at start: the changes wait until it is read
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        if (isBusy(begin.lastError()))
            return false;
        fail("flush", __LINE__);
        setProblem(Problem::Unwritable);
        m_pending.clear();
        m_lastChange.clear();
        return true;
    }
    for (const Change &change : m_pending) {
        if (write(change) == Outcome::Busy) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    QSqlQuery commit(db);
    if (!commit.exec(QStringLiteral("COMMIT"))) {
        const bool busy = isBusy(commit.lastError());
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        if (busy)
            return false;
        fail("flush", __LINE__);
        setProblem(Problem::Unwritable);
    }
    m_pending.clear();
    m_lastChange.clear();
    return true;
}

DeviceRegistry::Outcome DeviceRegistry::write(const Change &change)
{
    using P = UdpBrowsingPacket;
    const P &p = change.packet;
    const quint32 id = change.id;
    switch (change.kind) {
    case Change::None:
        return Outcome::Done;
    case Change::Insert: {
        QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
        query.prepare(
                QStringLiteral("insert into devices values (NULL, ?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(qint64(p.deviceId));
        query.addBindValue(qint64(p.ipAddress));
        query.addBindValue(textValue(p.model));
        query.addBindValue(versionValue(p.armVersion));
        query.addBindValue(versionValue(p.dspVersion));
        query.addBindValue(textValue(p.location));
        query.addBindValue(textValue(p.description));
        query.addBindValue(textValue(p.serialNumber));
        if (query.exec())
            return Outcome::Done;
        if (isBusy(query.lastError()))
            return Outcome::Busy;
        fail("sqlAdd", __LINE__);
        setProblem(Problem::Unwritable);
        return Outcome::Failed;
    }
    case Change::ChangeId:
        return execNumeric(QStringLiteral("UPDATE devices SET DeviceID = %1 WHERE DeviceID = %2")
                                   .arg(change.newId)
                                   .arg(id),
                           "sqlUpdateDeviceId", __LINE__);
    case Change::Remove:
        return execNumeric(QStringLiteral("DELETE FROM devices WHERE DeviceID = %1").arg(id),
                           "sqlRemove", __LINE__);
    case Change::Update:
        break;
    }
    const struct
    {
        unsigned field;
        const char *column;
        QVariant value;
        const char *operation;
    } columns[] = {
            {P::IPAddressField, "IPAddress", qint64(p.ipAddress), "sqlUpdateIPAddress"},
            {P::ModelField, "Model", textValue(p.model), "sqlUpdateModel"},
            {P::ARMVersionField, "ARMVersion", versionValue(p.armVersion), "sqlUpdateARMVersion"},
            {P::DSPVersionField, "DSPVersion", versionValue(p.dspVersion), "sqlUpdateDSPVersion"},
            {P::LocationField, "Location", textValue(p.location), "sqlUpdateLocation"},
            {P::DescriptionField, "Description", textValue(p.description), "sqlUpdateDescription"},
            {P::SerialNumberField, "SerialNumber", textValue(p.serialNumber),
             "sqlUpdateSerialNumber"},
    };
    for (const auto &column : columns) {
        if (!(change.fields & column.field))
            continue;
        const QString name = QLatin1String(column.column);
        const Outcome outcome = execNamed(
                QStringLiteral("UPDATE devices SET %1 = :%1 WHERE DeviceID = :DeviceID").arg(name),
                name, column.value, id, column.operation, __LINE__);
        if (outcome == Outcome::Busy)
            return outcome;
    }
    return Outcome::Done;
}

DeviceRegistry::Outcome DeviceRegistry::execNumeric(const QString &statement,
                                                    const char *operation, int line)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (query.exec(statement))
        return Outcome::Done;
    if (isBusy(query.lastError()))
        return Outcome::Busy;
    fail(operation, line);
    setProblem(Problem::Unwritable);
    return Outcome::Failed;
}

DeviceRegistry::Outcome DeviceRegistry::execNamed(const QString &statement, const QString &field,
                                                  const QVariant &value, quint32 id,
                                                  const char *operation, int line)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.prepare(statement);
    query.bindValue(QLatin1Char(':') + field, value);
    query.bindValue(QStringLiteral(":DeviceID"), qint64(id));
    if (query.exec())
        return Outcome::Done;
    if (isBusy(query.lastError()))
        return Outcome::Busy;
    fail(operation, line);
    setProblem(Problem::Unwritable);
    return Outcome::Failed;
}
