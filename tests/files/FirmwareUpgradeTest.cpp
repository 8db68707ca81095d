#include "UpgradeTestSupport.h"

#include "files/FirmwareUpgrade.h"
#include "model/MessageCatalogue.h"

#include <QSignalSpy>

using namespace upgradetest;
using State = FirmwareUpgrade::State;
using Outcome = FirmwareUpgrade::Outcome;

// The upgrade state machine against a loopback peer: the checks before the first block, the
// block sequence byte for byte, the device's statuses and the watchdog on the fake clock.
class FirmwareUpgradeTest : public QObject
{
    Q_OBJECT

    static constexpr quint16 DeviceId = 0x5654;

    LoopbackDevice m_device;
    std::unique_ptr<FirmwareUpgrade> m_upgrade;
    QTemporaryDir m_dir;
    QByteArray m_stream; // everything the peer received since the test began

    QList<QByteArray> sent()
    {
        // A short last frame may wait for the acknowledgement of the one before it (delayed
        // ACK, 40 ms on loopback).
        m_stream += m_device.peer->readAll();
        while (m_device.peer->waitForReadyRead(100))
            m_stream += m_device.peer->readAll();
        return upgradeFrames(m_stream);
    }

    void ready(quint16 identifier = DeviceId)
    {
        m_device.reply(Msg::UpgradeData, ByteWriter().u8(0).u8(0).u16(identifier));
    }
    void ack(int block)
    {
        m_device.reply(Msg::UpgradeData, ByteWriter().u8(0).u8(1).u16(quint16(block)));
    }
    void status(quint8 code) { m_device.reply(Msg::UpgradeStatus, QByteArray(1, char(code))); }

    void setArmMinor(quint8 minor) { m_device.model->deviceInfo().armVersion = {3, minor, 4}; }

    bool startWith(const QByteArray &bytes)
    {
        return m_upgrade->start(writeFile(m_dir, QStringLiteral("image.img"), bytes));
    }

    // Moves the model's clock and lets the watchdog look at it.
    void pass(qint64 ms)
    {
        m_device.clock.advance(ms);
        m_upgrade->checkWatchdog();
    }

private slots:
    void initTestCase() { QVERIFY(m_device.connect()); }

    void init()
    {
        m_device.drain();
        m_stream.clear();
        m_upgrade = std::make_unique<FirmwareUpgrade>(m_device.model.get());
        connect(m_device.model.get(), &DataModel::tcpSyncToUI, m_upgrade.get(),
                &FirmwareUpgrade::tcpSyncToUI);
        setArmMinor(1);
    }

    void cleanup() { m_upgrade.reset(); }

    void imageChecks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<quint16>("identifier");
        QTest::addColumn<quint8>("armMinor");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("10 bytes") << image(10, DeviceId, 5) << DeviceId << quint8(0) << false;
        QTest::newRow("11 bytes") << image(11, DeviceId, 5) << DeviceId << quint8(0) << true;
        QTest::newRow("version 0x80 against 0")
                << image(600, DeviceId, 0x80) << DeviceId << quint8(0) << false;
        QTest::newRow("version 0x7F against 127")
                << image(600, DeviceId, 0x7F) << DeviceId << quint8(127) << true;
        QTest::newRow("older than the device")
                << image(600, DeviceId, 4) << DeviceId << quint8(5) << false;
        QTest::newRow("same as the device")
                << image(600, DeviceId, 5) << DeviceId << quint8(5) << true;
        QTest::newRow("other hardware") << image(600, 0x5655, 9) << DeviceId << quint8(1) << false;
        QTest::newRow("byte order of the identifier")
                << image(600, 0x5456, 9) << DeviceId << quint8(1) << false;
    }
    void imageChecks()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(quint16, identifier);
        QFETCH(quint8, armMinor);
        QFETCH(bool, accepted);
        setArmMinor(armMinor);
        QVERIFY(startWith(bytes));
        ready(identifier);
        const QList<QByteArray> frames = sent();
        QCOMPARE(frames.value(0), frame(hex("0000")));
        if (!accepted) {
            QCOMPARE(frames.size(), 1); // no block
            QCOMPARE(m_upgrade->state(), State::Refused);
            QCOMPARE(m_upgrade->text(), QStringLiteral("File format is error!"));
            return;
        }
        QCOMPARE(m_upgrade->state(), State::Transferring);
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames[1], frame(hex("0001 0000") + bytes.left(512)));
    }

    // No file chosen sends nothing; an unreadable one is refused when the device answers; a
    // status while idle shows nothing.
    void choicesThatCannotBeSent()
    {
        QVERIFY(!m_upgrade->start(QString()));
        status(254);
        QCOMPARE(m_upgrade->state(), State::Idle);
        QCOMPARE(sent().size(), 0);
        QVERIFY(m_upgrade->start(m_dir.filePath(QStringLiteral("missing.img"))));
        ready();
        QCOMPARE(sent().size(), 1);
        QCOMPARE(m_upgrade->text(), QStringLiteral("File format is error!"));
    }

    void elevenBytesGoAsOneBlock()
    {
        QSignalSpy finished(m_upgrade.get(), &FirmwareUpgrade::finished);
        const QByteArray bytes = image(11, DeviceId, 1);
        QVERIFY(startWith(bytes));
        ready();
        ack(0);
        QCOMPARE(sent(), QList<QByteArray>({frame(hex("0000")), frame(hex("00010000") + bytes)}));
        QCOMPARE(finished.value(0).value(0).value<Outcome>(), Outcome::Completed);
    }

    void aKilobyteGoesAsThreeBlocks()
    {
        QSignalSpy progress(m_upgrade.get(), &FirmwareUpgrade::progressChanged);
        const QByteArray bytes = image(1024, DeviceId, 1);
        QVERIFY(startWith(bytes));
        ready();
        QCOMPARE(m_upgrade->text(), QStringLiteral("Upgrading..."));
        QStringList labels;
        ack(0);
        labels << m_upgrade->text();
        ack(1);
        labels << m_upgrade->text();
        QCOMPARE(labels, QStringList({"Upgrading...33%", "Upgrading...66%"}));
        ack(2);
        QCOMPARE(m_upgrade->outcome(), Outcome::Completed);
        QCOMPARE(sent(),
                 QList<QByteArray>({frame(hex("0000")), frame(hex("00010000") + bytes.left(512)),
                                    frame(hex("00010100") + bytes.mid(512)),
                                    frame(hex("00010200"))}));
        QCOMPARE(progress.last(), QList<QVariant>({2, 3}));
    }

    void onlyTheAcknowledgementOfTheBlockJustSentMovesOn()
    {
        const QByteArray bytes = image(2000, DeviceId, 1);
        QVERIFY(startWith(bytes));
        ready();
        ack(0);
        ack(0); // repeated
        ack(3); // out of turn
        ready(); // a second ready answer starts nothing
        QCOMPARE(sent().size(), 3); // start, block 0, block 1
        QCOMPARE(m_upgrade->value(), 1);
    }

    void statuses_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("253 ignored") << 253 << QStringLiteral("Upgrading...50%");
        QTest::newRow("254") << 254 << QStringLiteral("File is error!");
        QTest::newRow("255") << 255 << QStringLiteral("File format is error!");
    }
    void statuses()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QVERIFY(startWith(image(1000, DeviceId, 1)));
        ready();
        ack(0);
        status(quint8(code));
        QCOMPARE(m_upgrade->text(), text);
        ack(1); // the last block: completes, unless the device refused
        QCOMPARE(sent().size(), 3);
        QCOMPARE(m_upgrade->state(), code >= 254 ? State::Refused : State::Idle);
    }

    void watchdog_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("acknowledgements stop") << QStringLiteral("silent");
        QTest::newRow("refusal closes after 3 s") << QStringLiteral("refused");
        QTest::newRow("cancel closes within 5 s") << QStringLiteral("cancelled");
        QTest::newRow("acknowledgements come back") << QStringLiteral("resumed");
    }
    void watchdog()
    {
        QFETCH(QString, path);
        QSignalSpy finished(m_upgrade.get(), &FirmwareUpgrade::finished);
        QVERIFY(startWith(image(4000, DeviceId, 1)));
        pass(60000); // no watchdog before the device answers
        QCOMPARE(m_upgrade->state(), State::Requested);
        ready();
        pass(2000);
        ack(0); // restarts the 3 s
        if (path == QLatin1String("refused")) {
            status(254);
            pass(2999);
            QCOMPARE(m_upgrade->state(), State::Refused);
            pass(1);
            QCOMPARE(finished.value(0).value(0).value<Outcome>(), Outcome::FileError);
            QCOMPARE(m_upgrade->state(), State::Idle);
            return;
        }
        if (path == QLatin1String("cancelled")) {
            m_upgrade->cancel();
            ack(1);
            QCOMPARE(sent().size(), 3); // start, 0, 1: nothing after the cancel
            pass(2999);
            QCOMPARE(m_upgrade->state(), State::Cancelled);
            pass(1);
            QCOMPARE(finished.value(0).value(0).value<Outcome>(), Outcome::Cancelled);
            return;
        }
        pass(2999);
        QCOMPARE(m_upgrade->state(), State::Transferring);
        pass(1);
        QCOMPARE(m_upgrade->state(), State::Failed);
        QCOMPARE(m_upgrade->text(), QStringLiteral("Upgrade failed!"));
        if (path == QLatin1String("resumed")) {
            ack(1);
            QCOMPARE(m_upgrade->text(), QStringLiteral("Upgrading...25%"));
            pass(2999);
            QCOMPARE(m_upgrade->state(), State::Transferring);
            return;
        }
        pass(1999);
        QCOMPARE(m_upgrade->state(), State::Failed);
        pass(1);
        QCOMPARE(m_upgrade->state(), State::Idle);
        QCOMPARE(finished.value(0).value(0).value<Outcome>(), Outcome::Failed);
    }

    // The block counter is a u16: 65535 blocks still fit, 65536 would wrap to block 0.
    void blockCountsBeyondTheCounterAreRefusedBeforeTheStart_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("started");
        QTest::newRow("65535 blocks") << qint64(65534) * 512 + 511 << true;
        QTest::newRow("65536 blocks") << qint64(65535) * 512 << false;
    }
    void blockCountsBeyondTheCounterAreRefusedBeforeTheStart()
    {
        QFETCH(qint64, size);
        QFETCH(bool, started);
        const QString path = m_dir.filePath(QStringLiteral("large.img"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size)); // sparse
        file.close();
        QCOMPARE(m_upgrade->start(path), started);
        QCOMPARE(sent().size(), started ? 1 : 0);
        if (!started) {
            QCOMPARE(m_upgrade->state(), State::Refused);
            QCOMPARE(m_upgrade->text(), QStringLiteral("File format is error!"));
        }
    }

    void anImageShortenedDuringTheTransferStops()
    {
        const QByteArray bytes = image(1500, DeviceId, 1);
        const QString path = writeFile(m_dir, QStringLiteral("shrinking.img"), bytes);
        QVERIFY(m_upgrade->start(path));
        ready();
        QFile::resize(path, 600);
        ack(0);
        QCOMPARE(m_upgrade->text(), QStringLiteral("File is error!"));
        QCOMPARE(sent().size(), 2); // start and block 0 only
    }

    // Percentages round down, and an empty count divides by nothing.
    void percentages()
    {
        QCOMPARE(FirmwareUpgrade::percent(8192, 8193), 99);
        QCOMPARE(FirmwareUpgrade::percent(0, 0), 0);
    }
};

QTEST_MAIN(FirmwareUpgradeTest)
#include "FirmwareUpgradeTest.moc"
