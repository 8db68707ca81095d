#include "wire/LocalText.h"
#include "model/DataModel.h"
#include "support/Announcements.h"
#include "support/DeviceListRecorder.h"
#include "support/RegistryRows.h"
#include "support/TestLinkEnvironment.h"

#include <QDir>
#include <QLoggingCategory>
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

// Runs statements on a registry file through a connection of the test's own; the first value
// of the last statement's result goes to *value.
bool execOn(const QString &file, const QStringList &statements, QVariant *value = nullptr)
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
            if (ok && value && q.next())
                *value = q.value(0);
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

quint32 ip(const char *address)
{
    return QHostAddress(QString::fromLatin1(address)).toIPv4Address();
}

} // namespace

// The registry on real files: what is stored, what loads back, and that a file it cannot read
// is never touched.
class RegistryTest : public QObject
{
    Q_OBJECT

    using P = UdpBrowsingPacket;
    FakeClock m_clock;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DataModel> m_model;
    quint16 m_closedPort = 0;

    QString file() const { return m_dir->filePath("devices.db"); }
    // The rows once the queued changes are written.
    QList<QVariantList> rows()
    {
        if (m_model)
            m_model->registry().flush();
        return registryRows(file());
    }

    void startModel()
    {
        m_model.reset();
        m_model = std::make_unique<DataModel>(testLinkSettings(m_closedPort),
                                              testLinkEnvironment(m_clock, file()));
    }
    void hear(const P &p) { m_model->processAnnouncement(p.serialise(), 0); }

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
        QVariant schema;
        QVERIFY(execOn(file(), {"select sql from sqlite_master where name = 'devices'"}, &schema));
        // SQLite keeps the statement as given, save the leading keywords in capitals.
        QCOMPARE(schema.toString(),
                 QString::fromLatin1(CreateStatement).replace(0, 12, "CREATE TABLE"));

        startModel(); // the second start finds the table and loads it
        QVERIFY(m_model->registry().isOpen());
        QCOMPARE(m_model->deviceCount(), 0);
    }

    void storedDevicesLoadBackOffline()
    {
        startModel();
        P p = announcement(0x80000001u, "192.168.1.10");
        p.fault = 1;
        hear(p);
        p.armVersion = {1, 0, 3};
        p.dspVersion = {0, 255, 7};
        p.runTime = 5;
        hear(p);
        const QVariantList row = rows().value(0);
        QCOMPARE(row.value(1).toLongLong(), qint64(0x80000001u));
        QCOMPARE(row.value(2).toLongLong(), qint64(ip("192.168.1.10")));

        m_clock.advance(10'000);
        startModel();
        QCOMPARE(m_model->deviceCount(), 1);
        const DeviceEntry &e = m_model->device(0);
        QVERIFY(!e.online);
        QCOMPARE(e.lastSeen, m_clock.now);
        QVERIFY(e.localAddress.isNull());
        QCOMPARE(e.packet.deviceId, 0x80000001u);
        QCOMPARE(e.packet.ipAddress, ip("192.168.1.10"));
        QCOMPARE(e.packet.armVersion, (P::Version {1, 0, 3}));
        QCOMPARE(e.packet.dspVersion, (P::Version {0, 255, 7}));
        QCOMPARE(e.packet.model, p.model);
        QCOMPARE(e.packet.serialNumber, p.serialNumber);
        QCOMPARE(e.packet.location, p.location);
        QCOMPARE(e.packet.description, p.description);
        // Status lives in memory only.
        QCOMPARE(e.packet.preset, P::Text {});
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
        P p = announcement(3, "10.0.0.3");
        hear(p);
        p.location = P::fromString(location);
        p.description = P::fromString(description);
        p.model = P::fromString(model);
        hear(p);
        const QVariantList row = rows().value(0);
        QCOMPARE(row.value(3).toString(), model);
        QCOMPARE(row.value(6).toString(), location);
        QCOMPARE(row.value(7).toString(), description);

        startModel();
        QCOMPARE(m_model->deviceCount(), 1);
        QCOMPARE(P::textString(m_model->device(0).packet.location), location);
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
        const P &p = m_model->device(0).packet;
        QCOMPARE(p.deviceId, 12u);
        QCOMPARE(P::textBytes(p.model), QByteArray("ABCDEFGHIJKLMNOP"));
        QCOMPARE(p.armVersion, (P::Version {'1', 0, 0}));
        QCOMPARE(p.dspVersion, (P::Version {1, 2, 3}));
        QCOMPARE(p.location, P::Text {});
        QCOMPARE(P::textBytes(p.serialNumber), QByteArray("SN"));
    }

    void removingDeletesTheRow()
    {
        startModel();
        for (int twice = 0; twice < 2; ++twice) {
            hear(announcement(1, "10.0.0.1"));
            hear(announcement(2, "10.0.0.2"));
        }
        const qint64 firstRowId = rows().value(0).value(0).toLongLong();
        m_model->removeDevice(0);
        QCOMPARE(rows().size(), 1);
        QCOMPARE(rows()[0].value(1).toLongLong(), 2);

        // Heard again: a new row under a new ID.
        hear(announcement(1, "10.0.0.1"));
        hear(announcement(1, "10.0.0.1"));
        QCOMPARE(rows().size(), 2);
        QCOMPARE(rows()[1].value(1).toLongLong(), 1);
        QVERIFY(rows()[1].value(0).toLongLong() > firstRowId);
    }

    void deviceAddedByHandTakesItsRealIdentifier()
    {
        startModel();
        DeviceListRecorder recorder(m_model.get());
        QCOMPARE(m_model->addDeviceByAddress(ip("127.0.0.1")), 0);
        QCOMPARE(rows().value(0).value(1).toLongLong(), 42215);
        m_model->selectDevice(0, true);
        recorder.take();

        m_model->deviceIdReported(42215); // already its own: nothing
        QVERIFY(recorder.take().isEmpty());
        m_model->deviceIdReported(0x00C0FFEE);
        QCOMPARE(recorder.take(), QStringList {QStringLiteral("DeviceID(0,%1)").arg(0x00C0FFEE)});
        QCOMPARE(m_model->device(0).packet.deviceId, 0x00C0FFEEu);
        QCOMPARE(rows().value(0).value(1).toLongLong(), 0x00C0FFEE);
        startModel();
        QCOMPARE(m_model->device(0).packet.deviceId, 0x00C0FFEEu);
    }

    void knownIdentifierMovesTheSelection()
    {
        startModel();
        hear(announcement(900, "10.0.0.5"));
        hear(announcement(900, "10.0.0.5"));
        m_model->addDeviceByAddress(ip("127.0.0.1"));
        m_model->selectDevice(1, true);
        DeviceListRecorder recorder(m_model.get());

        m_model->deviceIdReported(900);
        const QStringList lines = recorder.take();
        QCOMPARE(lines.first(), QStringLiteral("IPAddress(0,127.0.0.1)"));
        QVERIFY(lines.contains("Selection(0,0)"));
        QCOMPARE(m_model->currentIndex(), 0);
        QCOMPARE(m_model->device(1).packet.deviceId, 42215u); // left as it was
        const QList<QVariantList> stored = rows();
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[0].value(2).toLongLong(), qint64(ip("127.0.0.1")));
        QCOMPARE(stored[1].value(1).toLongLong(), 42215);
    }

    void failedStatementsAreLoggedWithTheirName()
    {
        // A registry of another shape: the insert fails; memory keeps the device.
        QVERIFY(execOn(file(), {"create table devices (ID INTEGER PRIMARY KEY, DeviceID int)"}));
        QLoggingCategory::setFilterRules(QStringLiteral("vexatarn.link.debug=true"));
        g_debugLines.clear();
        qInstallMessageHandler(recordDebug);
        startModel();
        P p = announcement(1, "10.0.0.1");
        hear(p);
        hear(p);
        m_model->registry().flush();
        p.model = P::toText("Other");
        hear(p);
        m_model->registry().flush();
        qInstallMessageHandler(nullptr);
        QCOMPARE(m_model->deviceCount(), 1);
        QCOMPARE(g_debugLines.filter(QRegularExpression("^sqlAdd, \\d+$")).size(), 1);
        QCOMPARE(g_debugLines.filter(QRegularExpression("^sqlUpdateModel, \\d+$")).size(), 1);
    }

    void unreadableRegistryIsLeftUntouched_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"garbage", "empty", "directory", "header", "damaged"})
            QTest::newRow(kind) << kind;
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
            for (quint32 id = 1; id <= 80; ++id)
                hear(announcement((id + 1) / 2, "10.0.0.1")); // each twice
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
        hear(announcement(5, "10.0.0.5"));
        hear(announcement(5, "10.0.0.6"));
        m_model->addDeviceByAddress(ip("10.0.0.7"));
        QCOMPARE(m_model->deviceCount(), 2);
        QCOMPARE(m_model->device(0).packet.ipAddress, ip("10.0.0.6"));
        m_model->removeDevice(1);
        m_model.reset();

        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        if (kind == "directory")
            QVERIFY(QFileInfo(file()).isDir() && QDir(file()).isEmpty());
        else
            QCOMPARE(fileBytes(file()), content);
    }
};

QTEST_GUILESS_MAIN(RegistryTest)
#include "RegistryTest.moc"
