#include "model/DataModel.h"
#include "support/Announcements.h"
#include "support/DeviceListRecorder.h"
#include "support/RegistryRows.h"
#include "support/TestLinkEnvironment.h"

#include <QSqlError>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

quint32 ip(const char *address)
{
    return QHostAddress(QString::fromLatin1(address)).toIPv4Address();
}

// A connection of another program holding devices.db locked, as long as it lives.
class ForeignLock
{
public:
    ForeignLock(const QString &file, const char *mode)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name());
        db.setDatabaseName(file);
        m_locked = db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN %1").arg(mode));
    }
    ~ForeignLock() { release(); }
    bool locked() const { return m_locked; }
    void release()
    {
        if (!QSqlDatabase::contains(name()))
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(name());
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(name());
    }

private:
    static QString name() { return QStringLiteral("foreign-lock"); }
    bool m_locked = false;
};

} // namespace

// The device list at the size of a campus and under a flood of spoofed identities: lookups that
// stay right through every change, the bound and what gives way past it, and registry writes that
// are batched, never wait for a lock and say once when they fail.
class DirectoryScaleTest : public QObject
{
    Q_OBJECT

    using P = UdpBrowsingPacket;
    FakeClock m_clock;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DataModel> m_model;
    quint16 m_closedPort = 0;

    QString file() const { return m_dir->filePath("devices.db"); }
    void startModel()
    {
        m_model.reset();
        m_model = std::make_unique<DataModel>(testLinkSettings(m_closedPort),
                                              testLinkEnvironment(m_clock, file()));
    }
    void hear(const P &p) { m_model->processAnnouncement(p.serialise(), 0); }
    void hear(quint32 id, quint32 address)
    {
        P p = announcement(id, "127.0.0.1");
        p.ipAddress = address;
        hear(p);
    }
    // One second of the 10 ms tick.
    void second()
    {
        m_clock.advance(1000);
        for (int i = 0; i < 100; ++i)
            m_model->timeout();
    }
    QList<QVariantList> storedRows()
    {
        m_model->registry().flush();
        return registryRows(file());
    }
    // Every lookup answers as a walk through the list would.
    void verifyIndexes(const char *step)
    {
        DeviceDirectory &d = m_model->directory();
        QHash<quint32, int> ids, addresses;
        for (int i = d.count() - 1; i >= 0; --i) {
            ids.insert(d.entry(i).packet.deviceId, i);
            addresses.insert(d.entry(i).packet.ipAddress, i);
        }
        for (auto it = ids.cbegin(); it != ids.cend(); ++it)
            QVERIFY2(d.indexOf(it.key()) == it.value(), step);
        for (auto it = addresses.cbegin(); it != addresses.cend(); ++it)
            QVERIFY2(d.indexOfAddress(it.key()) == it.value(), step);
        for (quint32 gone : {0u, 999999u})
            QVERIFY2(d.indexOf(gone) == (ids.contains(gone) ? ids[gone] : -1), step);
    }

private slots:
    void initTestCase()
    {
        QTcpServer probe; // a loopback port nobody listens on: attempts fail at once
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        m_closedPort = probe.serverPort();
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_clock.now = 1'700'000'000'000;
    }
    void cleanup()
    {
        m_model.reset();
        m_dir.reset();
    }

    void lookupsFollowEveryChange()
    {
        startModel();
        for (quint32 id = 1; id <= 40; ++id)
            hear(id, ip("127.0.0.1") + id % 7); // addresses shared by several
        verifyIndexes("announced");
        const struct
        {
            const char *step;
            std::function<void(DataModel &)> change;
        } steps[] = {
                {"removed first", [](DataModel &m) { m.removeDevice(0); }},
                {"removed middle", [](DataModel &m) { m.removeDevice(17); }},
                {"removed last", [](DataModel &m) { m.removeDevice(m.deviceCount() - 1); }},
                {"address moved", [this](DataModel &) { hear(9, ip("127.0.0.200")); }},
                {"address back", [this](DataModel &) { hear(9, ip("127.0.0.3")); }},
                {"added by hand", [](DataModel &m) { m.addDeviceByAddress(ip("127.0.0.3")); }},
                {"identifier taken",
                 [](DataModel &m) {
                     m.selectDevice(m.deviceCount() - 1, true);
                     m.deviceIdReported(777);
                 }},
                {"identifier of another",
                 [](DataModel &m) {
                     m.selectDevice(2, true);
                     m.deviceIdReported(777); // known: that entry takes over
                 }},
                {"removed selected", [](DataModel &m) { m.removeDevice(m.currentIndex()); }},
        };
        for (const auto &s : steps) {
            s.change(*m_model);
            verifyIndexes(s.step);
        }
    }

    // A real site fits; a flood of spoofed identities fills the list up to the bound, never
    // reaches the file, and gives its room back once gone. What the file held, what the user
    // added or selected stays.
    void floodStopsAtTheBoundAndGivesWay()
    {
        startModel();
        for (quint32 id = 1; id <= 3; ++id) {
            hear(id, ip("127.1.0.0") + id);
            hear(id, ip("127.1.0.0") + id);
        }
        m_model.reset(); // remembered
        startModel();
        QCOMPARE(m_model->deviceCount(), 3);
        m_model->addDeviceByAddress(ip("127.1.0.9"));
        hear(50, ip("127.1.0.50")); // heard once, but the user connects to it
        m_model->selectDevice(4, true);
        m_model->selectDevice(-1, true);

        const int max = DeviceDirectory::MaxDevices;
        quint32 spoofed = 0x10000000;
        for (int i = 0; i < max + 500; ++i)
            hear(spoofed++, ip("127.2.0.0") + quint32(i));
        QCOMPARE(m_model->deviceCount(), max);
        QCOMPARE(m_model->directory().refusedCount(), 505);

        QSignalSpy removed(m_model.get(), &DataModel::deviceListRemove);
        second();
        QCOMPARE(removed.count(), 0); // all still online: nothing gives way yet
        second();
        second(); // gone for 2 s: a tenth of the list a second gives way, the oldest first
        QCOMPARE(removed.count(), DeviceDirectory::ReleasedPerSecond);
        QCOMPARE(m_model->deviceCount(), max - DeviceDirectory::ReleasedPerSecond);
        QCOMPARE(m_model->directory().indexOf(0x10000000), -1);
        QVERIFY(m_model->directory().indexOf(0x10000000 + quint32(max) - 6) >= 0); // the last taken

        hear(60, ip("127.1.0.60")); // a real newcomer now fits and is remembered
        hear(60, ip("127.1.0.60"));
        for (int round = 0; round < 30; ++round)
            second();
        for (quint32 id : {1u, 2u, 3u, 42215u, 50u, 60u})
            QVERIFY2(m_model->directory().indexOf(id) >= 0, qPrintable(QString::number(id)));
        QList<qint64> stored;
        for (const QVariantList &row : storedRows())
            stored << row.value(1).toLongLong();
        QCOMPARE(stored, (QList<qint64> {1, 2, 3, 42215, 60}));
        QVERIFY(m_model->deviceCount() < max);
    }

    // A file with more rows than the bound shows the first ones and is not written to.
    void aHugeFileShowsTheBoundAndStaysAsItIs()
    {
        const int rows = DeviceRegistry::MaxRows + 5;
        {
            DeviceRegistry registry(file());
            registry.load();
            for (int i = 0; i < rows; ++i)
                registry.sqlAdd(announcement(quint32(i + 1), "127.3.0.1"));
            QVERIFY(registry.flush());
        }
        QFile f(file());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        startModel();
        QCOMPARE(m_model->deviceCount(), DeviceDirectory::MaxDevices);
        QCOMPARE(m_model->device(0).packet.deviceId, 1u);
        hear(announcement(99999, "127.3.0.2")); // full: not taken
        QCOMPARE(m_model->deviceCount(), DeviceDirectory::MaxDevices);
        second();
        m_model.reset();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    // Changes wait for the tick and go in one batch; a file another program holds is never
    // waited for: the batch stays and is written once the file is free.
    void writesAreBatchedAndNeverWaitForALock()
    {
        startModel();
        const QString name = m_model->registry().connectionName();
        QVERIFY(QSqlDatabase::database(name, false).connectOptions().contains(
                "QSQLITE_BUSY_TIMEOUT=0"));
        for (int twice = 0; twice < 2; ++twice) {
            hear(1, ip("127.4.0.1"));
            hear(2, ip("127.4.0.2"));
        }
        hear(1, ip("127.4.0.11"));
        P changed = announcement(2, "127.4.0.2");
        changed.location = P::toText("Stage");
        hear(changed);
        QCOMPARE(registryRows(file()).size(), 0); // nothing before the tick
        QCOMPARE(m_model->registry().pendingCount(), 2); // two rows, the changes joined in

        ForeignLock lock(file(), "EXCLUSIVE");
        QVERIFY(lock.locked());
        QSignalSpy problem(m_model.get(), &DataModel::deviceRegistryProblem);
        second();
        second();
        QCOMPARE(m_model->registry().pendingCount(), 2);
        lock.release();
        second();
        QCOMPARE(m_model->registry().pendingCount(), 0);
        const QList<QVariantList> rows = registryRows(file());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].value(2).toLongLong(), qint64(ip("127.4.0.11")));
        QCOMPARE(rows[1].value(6).toString(), QStringLiteral("Stage"));
        QCOMPARE(problem.count(), 0); // a lock is not a failure
    }

    // A file locked at start is read as soon as it is free; what was heard meanwhile is
    // merged, not doubled.
    void aFileLockedAtStartIsReadLater()
    {
        startModel();
        for (quint32 id : {1u, 2u}) {
            hear(id, ip("127.5.0.0") + id);
            hear(id, ip("127.5.0.0") + id);
        }
        m_model.reset();

        ForeignLock lock(file(), "EXCLUSIVE");
        QVERIFY(lock.locked());
        startModel();
        QCOMPARE(m_model->deviceCount(), 0);
        QCOMPARE(m_model->registry().problem(), DeviceRegistry::Problem::None);
        hear(2, ip("127.5.0.22"));
        hear(2, ip("127.5.0.22"));
        DeviceListRecorder recorder(m_model.get());
        second();
        QCOMPARE(m_model->deviceCount(), 1);
        lock.release();
        second();
        QCOMPARE(recorder.take(), QStringList {"Add(1,0)"});
        QCOMPARE(m_model->deviceCount(), 2);
        const QList<QVariantList> rows = storedRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].value(1).toLongLong(), 2);
        QCOMPARE(rows[1].value(2).toLongLong(), qint64(ip("127.5.0.22")));
    }

    // The user is told once what is not saved: a file that cannot be read (found at start) or
    // a registry that refuses the writes.
    void failuresAreToldOnce()
    {
        {
            QFile f(file());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a registry");
        }
        startModel();
        QCOMPARE(m_model->registry().problem(), DeviceRegistry::Problem::Unreadable);
        QFile::remove(file());

        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other-shape");
        db.setDatabaseName(file());
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec("create table devices (ID INTEGER PRIMARY KEY, DeviceID int)"));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("other-shape");
        startModel();
        QCOMPARE(m_model->registry().problem(), DeviceRegistry::Problem::None);
        QSignalSpy problem(m_model.get(), &DataModel::deviceRegistryProblem);
        for (quint32 id = 1; id <= 3; ++id) {
            hear(id, ip("127.6.0.1"));
            hear(id, ip("127.6.0.1"));
            second();
        }
        QCOMPARE(problem.count(), 1);
        QCOMPARE(m_model->registry().problem(), DeviceRegistry::Problem::Unwritable);
        QCOMPARE(m_model->registry().pendingCount(), 0); // refused, not piled up
        QCOMPARE(m_model->deviceCount(), 3);
    }
};

QTEST_GUILESS_MAIN(DirectoryScaleTest)
#include "DirectoryScaleTest.moc"
