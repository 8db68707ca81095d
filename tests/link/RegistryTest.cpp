#include "link/LocalText.h"
#include "model/DataModel.h"
#include "support/Announcements.h"
#include "support/DeviceListRecorder.h"
#include "support/RegistryRows.h"
#include "support/TestLinkEnvironment.h"

#include <QDir>
#include <QLoggingCategory>
#include <QSqlError>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList g_debugLines;

void recordDebug(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QLatin1String(context.category) == QLatin1String("vexatarn.link"))
        g_debugLines.append(message);
}

const char CreateStatement[] =
        "create table devices (ID INTEGER PRIMARY KEY,DeviceID unsigned int,IPAddress unsigned "
        "int,Model varchar(16),ARMVersion varchar(3),DSPVersion char(3),Location "
        "varchar(16),Description varchar(16),SerialNumber varchar(16))";

// Runs statements on a registry file through a connection of the test's own.
bool execOn(const QString &file, const QStringList &statements)
{
    const QString name = QStringLiteral("test-exec");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        ok = db.open();
        for (const QString &s : statements) {
            QSqlQuery q(db);
            ok = ok && q.exec(s);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QByteArray fileBytes(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The registry on real files: what is stored, what loads back, and that a file it cannot read
// is never touched.
class RegistryTest : public QObject
{
    Q_OBJECT

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

private slots:
    void initTestCase()
    {
        QTcpServer probe; // a loopback port nobody listens on: attempts fail at once
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        m_closedPort = probe.serverPort();
    }

    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void cleanup()
    {
        m_model.reset();
        m_dir.reset();
        qInstallMessageHandler(nullptr);
        QLoggingCategory::setFilterRules(QString());
    }

    void firstStartCreatesFileAndTable()
    {
        QVERIFY(!QFile::exists(file()));
        startModel();
        QCOMPARE(m_model->deviceCount(), 0);
        QVERIFY(m_model->registry().isOpen());
        QVERIFY(QFile::exists(file()));
        const QString name = QStringLiteral("test-schema");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(file());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("select sql from sqlite_master where name = 'devices'"));
            QVERIFY(q.next());
            // SQLite keeps the statement as given, save the leading keywords in capitals.
            QCOMPARE(q.value(0).toString(),
                     QString::fromLatin1(CreateStatement).replace(0, 12, "CREATE TABLE"));
        }
        QSqlDatabase::removeDatabase(name);

        // The second start finds the table and loads it.
        startModel();
        QVERIFY(m_model->registry().isOpen());
        QCOMPARE(m_model->deviceCount(), 0);
    }

    void storedDevicesLoadBackOffline()
    {
        startModel();
        UdpBrowsingPacket p = announcement(0x80000001u, "192.168.1.10");
        p.fault = 1;
        m_model->processAnnouncement(p.serialise(), 0);
        p.armVersion = {1, 0, 3};
        p.dspVersion = {0, 255, 7};
        p.runTime = 5;
        m_model->processAnnouncement(p.serialise(), 0);
        const QVariantList row = registryRows(file()).value(0);
        QCOMPARE(row.value(1).toLongLong(), qint64(0x80000001u));
        QCOMPARE(row.value(2).toLongLong(), qint64(QHostAddress("192.168.1.10").toIPv4Address()));

        m_clock.advance(10'000);
        startModel();
        QCOMPARE(m_model->deviceCount(), 1);
        const DeviceEntry &e = m_model->device(0);
        QVERIFY(!e.online);
        QCOMPARE(e.lastSeen, m_clock.now);
        QVERIFY(e.localAddress.isNull());
        QCOMPARE(e.packet.deviceId, 0x80000001u);
        QCOMPARE(QHostAddress(e.packet.ipAddress), QHostAddress("192.168.1.10"));
        QCOMPARE(e.packet.armVersion, (UdpBrowsingPacket::Version {1, 0, 3}));
        QCOMPARE(e.packet.dspVersion, (UdpBrowsingPacket::Version {0, 255, 7}));
        QCOMPARE(e.packet.model, p.model);
        QCOMPARE(e.packet.serialNumber, p.serialNumber);
        QCOMPARE(e.packet.location, p.location);
        QCOMPARE(e.packet.description, p.description);
        // Status lives in memory only.
        QCOMPARE(e.packet.preset, UdpBrowsingPacket::Text {});
        QCOMPARE(e.packet.fault, quint8(0));
        QCOMPARE(e.packet.runTime, 0u);
    }

    void quotedAndChineseTextsRoundTrip()
    {
        const QString location = QStringLiteral("O'Neil \"\u4e3b\u5385\"");
        const QString description = QStringLiteral("'); drop--");
        const QString model = QStringLiteral("\u63a7\u5236\u5ba4\u4e00\u4e8c\u4e09\u56db\u4e94");
        QCOMPARE(LocalText::encode(QStringLiteral("\u4e3b\u5385")).toHex(), QByteArray("d6f7ccfc"));
        QCOMPARE(LocalText::encode(model).size(), 16); // a full field, no terminator

        startModel();
        UdpBrowsingPacket p = announcement(3, "10.0.0.3");
        m_model->processAnnouncement(p.serialise(), 0);
        p.location = UdpBrowsingPacket::fromString(location);
        p.description = UdpBrowsingPacket::fromString(description);
        p.model = UdpBrowsingPacket::fromString(model);
        m_model->processAnnouncement(p.serialise(), 0);
        const QVariantList row = registryRows(file()).value(0);
        QCOMPARE(row.value(3).toString(), model);
        QCOMPARE(row.value(6).toString(), location);
        QCOMPARE(row.value(7).toString(), description);

        startModel();
        QCOMPARE(m_model->deviceCount(), 1);
        QCOMPARE(UdpBrowsingPacket::textString(m_model->device(0).packet.location), location);
        QCOMPARE(m_model->device(0).packet.description, p.description);
        QCOMPARE(m_model->device(0).packet.model, p.model);
    }

    void rowsWrittenElsewhereAreCutToTheirFields()
    {
        QVERIFY(execOn(file(),
                       {CreateStatement,
                        "insert into devices values (NULL, 12, 167772161, "
                        "'ABCDEFGHIJKLMNOPQRST', '1', x'0102030405', NULL, '', 'SN')"}));
        startModel();
        QCOMPARE(m_model->deviceCount(), 1);
        const UdpBrowsingPacket &p = m_model->device(0).packet;
        QCOMPARE(p.deviceId, 12u);
        QCOMPARE(UdpBrowsingPacket::textBytes(p.model), QByteArray("ABCDEFGHIJKLMNOP"));
        QCOMPARE(p.armVersion, (UdpBrowsingPacket::Version {'1', 0, 0}));
        QCOMPARE(p.dspVersion, (UdpBrowsingPacket::Version {1, 2, 3}));
        QCOMPARE(p.location, UdpBrowsingPacket::Text {});
        QCOMPARE(UdpBrowsingPacket::textBytes(p.serialNumber), QByteArray("SN"));
    }

    void removingDeletesTheRow()
    {
        startModel();
        m_model->processAnnouncement(announcement(1, "10.0.0.1").serialise(), 0);
        m_model->processAnnouncement(announcement(2, "10.0.0.2").serialise(), 0);
        const qint64 firstRowId = registryRows(file()).value(0).value(0).toLongLong();
        m_model->removeDevice(0);
        QList<QVariantList> rows = registryRows(file());
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].value(1).toLongLong(), 2);

        // Heard again: a new row under a new ID.
        m_model->processAnnouncement(announcement(1, "10.0.0.1").serialise(), 0);
        rows = registryRows(file());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].value(1).toLongLong(), 1);
        QVERIFY(rows[1].value(0).toLongLong() > firstRowId);
    }

    void deviceAddedByHandTakesItsRealIdentifier()
    {
        startModel();
        DeviceListRecorder recorder(m_model.get());
        QCOMPARE(m_model->addDeviceByAddress(QHostAddress("127.0.0.1").toIPv4Address()), 0);
        QCOMPARE(registryRows(file()).value(0).value(1).toLongLong(), 42215);
        m_model->selectDevice(0, true);
        recorder.take();

        m_model->deviceIdReported(42215); // already its own: nothing
        QVERIFY(recorder.take().isEmpty());
        m_model->deviceIdReported(0x00C0FFEE);
        QCOMPARE(recorder.take(), QStringList {QStringLiteral("DeviceID(0,%1)").arg(0x00C0FFEE)});
        QCOMPARE(m_model->device(0).packet.deviceId, 0x00C0FFEEu);
        QCOMPARE(registryRows(file()).value(0).value(1).toLongLong(), 0x00C0FFEE);

        startModel();
        QCOMPARE(m_model->device(0).packet.deviceId, 0x00C0FFEEu);
    }

    void knownIdentifierMovesTheSelection()
    {
        startModel();
        m_model->processAnnouncement(announcement(900, "10.0.0.5").serialise(), 0);
        m_model->addDeviceByAddress(QHostAddress("127.0.0.1").toIPv4Address());
        m_model->selectDevice(1, true);
        DeviceListRecorder recorder(m_model.get());

        m_model->deviceIdReported(900);
        const QStringList lines = recorder.take();
        QCOMPARE(lines.first(), QStringLiteral("IPAddress(0,127.0.0.1)"));
        QVERIFY(lines.contains("Selection(0,0)"));
        QCOMPARE(m_model->currentIndex(), 0);
        QCOMPARE(m_model->device(1).packet.deviceId, 42215u); // left as it was
        const QList<QVariantList> rows = registryRows(file());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].value(2).toLongLong(), qint64(QHostAddress("127.0.0.1").toIPv4Address()));
        QCOMPARE(rows[1].value(1).toLongLong(), 42215);
    }

    void failedStatementsAreLoggedWithTheirName()
    {
        // A registry of another shape: the insert fails; memory keeps the device.
        QVERIFY(execOn(file(), {"create table devices (ID INTEGER PRIMARY KEY, DeviceID int)"}));
        QLoggingCategory::setFilterRules(QStringLiteral("vexatarn.link.debug=true"));
        g_debugLines.clear();
        qInstallMessageHandler(recordDebug);
        startModel();
        m_model->processAnnouncement(announcement(1, "10.0.0.1").serialise(), 0);
        UdpBrowsingPacket p = announcement(1, "10.0.0.1");
        p.model = UdpBrowsingPacket::toText("Other");
        m_model->processAnnouncement(p.serialise(), 0);
        qInstallMessageHandler(nullptr);
        QCOMPARE(m_model->deviceCount(), 1);
        QCOMPARE(g_debugLines.filter(QRegularExpression("^sqlAdd, \\d+$")).size(), 1);
        QCOMPARE(g_debugLines.filter(QRegularExpression("^sqlUpdateModel, \\d+$")).size(), 1);
    }

    void unreadableRegistryIsLeftUntouched_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("zero length") << "empty";
        QTest::newRow("directory") << "directory";
        QTest::newRow("SQLite header then garbage") << "header";
        QTest::newRow("damaged pages") << "damaged";
    }

    void unreadableRegistryIsLeftUntouched()
    {
        QFETCH(QString, kind);
        QByteArray content;
        if (kind == "garbage") {
            content = QByteArray("not a database at all\n").repeated(300);
        } else if (kind == "header") {
            content = QByteArray("SQLite format 3\0", 16) + QByteArray(5000, '\xA5');
        } else if (kind == "damaged") {
            startModel();
            for (quint32 id = 1; id <= 40; ++id)
                m_model->processAnnouncement(announcement(id, "10.0.0.1").serialise(), 0);
            m_model.reset();
            content = fileBytes(file());
            QVERIFY(content.size() >= 8192);
            content.replace(4096 + 8, 4000, QByteArray(4000, '\x5A'));
            QFile::remove(file());
        }
        if (kind == "directory") {
            QVERIFY(QDir(m_dir->path()).mkdir("devices.db"));
        } else {
            QFile f(file());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const QStringList before = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden);

        startModel();
        QVERIFY(!m_model->registry().isOpen());
        QCOMPARE(m_model->deviceCount(), 0);
        // The program goes on: devices appear, change and go in memory.
        m_model->processAnnouncement(announcement(5, "10.0.0.5").serialise(), 0);
        UdpBrowsingPacket p = announcement(5, "10.0.0.6");
        m_model->processAnnouncement(p.serialise(), 0);
        m_model->addDeviceByAddress(QHostAddress("10.0.0.7").toIPv4Address());
        QCOMPARE(m_model->deviceCount(), 2);
        QCOMPARE(QHostAddress(m_model->device(0).packet.ipAddress), QHostAddress("10.0.0.6"));
        m_model->removeDevice(1);
        m_model.reset();

        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        if (kind == "directory") {
            QVERIFY(QFileInfo(file()).isDir());
            QVERIFY(QDir(file()).isEmpty());
        } else {
            QCOMPARE(fileBytes(file()), content);
        }
    }
};

QTEST_GUILESS_MAIN(RegistryTest)
#include "RegistryTest.moc"
