#include "files/PresetExport.h"
#include "files/PresetImport.h"
#include "model/LoopbackDevice.h"
#include "model/MessageCatalogue.h"
#include "wire/ByteWriter.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>
#include <sys/resource.h>

// Preset export and import against a loopback peer that only records what the model sends:
// the frames of each step, the files they leave, and how they end (cancel, drop, full disk).
class PresetTransferTest : public QObject
{
    Q_OBJECT

    LoopbackDevice m_device;
    QTemporaryDir m_dir;

    static QByteArray hex(const char *text) { return QByteArray::fromHex(text); }
    static QByteArray pattern(int size, int seed)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 7 + seed) & 0xFF);
        return bytes;
    }
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }
    // Nothing but the files the test made: no temporary file stays behind.
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files, QDir::Name); }

    // The device's reply, handed to the transfer as the preset dialog does.
    void reply(PresetBlockTransfer &transfer, quint8 funcId, const QByteArray &payload)
    {
        transfer.deviceMessage(3, 32, funcId, 255, 255, payload);
    }
    QByteArray sent() { return m_device.received(1); }
    // Nothing arrives at the peer within a short wait.
    bool nothingSent()
    {
        m_device.peer->waitForReadyRead(30);
        return m_device.peer->readAll().isEmpty();
    }
    static QByteArray frame(quint8 funcId, quint8 flag, const QByteArray &payload)
    {
        return Frame::build({3, 32, funcId}, flag, payload);
    }
    static QList<int> percents(const QSignalSpy &spy)
    {
        QList<int> out;
        for (const QList<QVariant> &args : spy)
            out << args[2].toInt();
        return out;
    }
    static PresetBlockTransfer::Outcome outcome(const QSignalSpy &ended)
    {
        return ended.value(0).value(0).value<PresetBlockTransfer::Outcome>();
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<PresetBlockTransfer::Outcome>();
        QVERIFY(m_dir.isValid());
        QVERIFY(m_device.connect());
        m_device.drain();
    }

    void init()
    {
        for (const QString &name : files())
            QFile::remove(m_dir.filePath(name));
        m_device.drain();
    }

    void exportWritesTheBlocksInOrder_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("lastSize");
        QTest::addColumn<QList<int>>("percents");
        QTest::newRow("one slot, N = 1")
                << int(PresetBlockTransfer::OneSlot) << 1 << 300 << QList<int> {-1, 0};
        QTest::newRow("all slots, N = 4")
                << int(PresetBlockTransfer::AllSlots) << 4 << 1 << QList<int> {-1, 0, 0, 25, 50};
        QTest::newRow("all slots, last block full")
                << int(PresetBlockTransfer::AllSlots) << 2 << 512 << QList<int> {-1, 0, 0};
    }
    void exportWritesTheBlocksInOrder()
    {
        QFETCH(int, scope);
        QFETCH(int, blocks);
        QFETCH(int, lastSize);
        QFETCH(QList<int>, percents);
        const bool all = scope == PresetBlockTransfer::AllSlots;
        const quint8 func = all ? 16 : 18;
        // An older, longer file is replaced whole.
        writeFile(path("target"), QByteArray(5000, 'x'));

        PresetExport transfer(m_device.model.get());
        QSignalSpy progress(&transfer, &PresetBlockTransfer::progressChanged);
        QSignalSpy ended(&transfer, &PresetBlockTransfer::ended);
        QVERIFY(transfer.start(PresetBlockTransfer::Scope(scope), 7, path("target")));
        QCOMPARE(sent().toHex(' '), frame(func, 0, all ? hex("0000") : hex("000007")).toHex(' '));

        reply(transfer, func, ByteWriter().u8(0).u8(0).u16(quint16(blocks)));
        QByteArray image;
        for (int b = 0; b < blocks; ++b) {
            QCOMPARE(sent().toHex(' '),
                     frame(func, 0, ByteWriter().u8(0).u8(1).u16(quint16(b))).toHex(' '));
            const QByteArray data = pattern(b == blocks - 1 ? lastSize : 512, b);
            image += data;
            QCOMPARE(contents(path("target")), QByteArray(5000, 'x')); // not before the end
            reply(transfer, func, ByteWriter().u8(0).u8(1).u16(quint16(b)).bytes(data));
        }
        QCOMPARE(ended.size(), 1);
        QCOMPARE(outcome(ended), PresetBlockTransfer::Completed);
        QCOMPARE(this->percents(progress), percents);
        QCOMPARE(contents(path("target")), image);
        QCOMPARE(files(), QStringList {"target"});
        QVERIFY(nothingSent());
    }

    // Replies that do not belong to the exchange change nothing and send nothing.
    void strayRepliesAreIgnored()
    {
        PresetExport transfer(m_device.model.get());
        QSignalSpy ended(&transfer, &PresetBlockTransfer::ended);
        reply(transfer, 16, hex("00000100")); // not started
        QVERIFY(nothingSent());
        QVERIFY(transfer.start(PresetBlockTransfer::AllSlots, 0, path("t.pstl")));
        sent();
        reply(transfer, 18, hex("00000200")); // the other export
        reply(transfer, 16, hex("0000020000")); // 5 bytes
        reply(transfer, 16, hex("01000200"));
        reply(transfer, 16, hex("0001000041")); // a block before the count
        QVERIFY(nothingSent());
        reply(transfer, 16, hex("00000200"));
        QCOMPARE(sent(), frame(16, 0, hex("00010000")));
        reply(transfer, 16, hex("00010100") + QByteArray(512, 'a')); // not the block asked for
        reply(transfer, 16, hex("000100")); // too short
        QVERIFY(nothingSent());
        QVERIFY(ended.isEmpty());
        transfer.cancel();
    }

    // Every way an export can stop leaves the old file as it was, tells why, and sends nothing
    // more.
    void aStoppedExportLeavesTheTargetAlone_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled") << "cancel" << int(PresetBlockTransfer::Cancelled) << "";
        QTest::newRow("nothing to export") << "empty" << int(PresetBlockTransfer::Empty) << "";
        for (const char *how : {"short", "long", "full"}) // middle block short, too long; disk full
            QTest::newRow(how) << how << int(PresetBlockTransfer::Failed) << "Export failed!";
    }
    void aStoppedExportLeavesTheTargetAlone()
    {
        QFETCH(QString, how);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        writeFile(path("old.pstl"), "old content");
        PresetExport transfer(m_device.model.get());
        QSignalSpy ended(&transfer, &PresetBlockTransfer::ended);
        QVERIFY(transfer.start(PresetBlockTransfer::AllSlots, 0, path("old.pstl")));
        sent();
        reply(transfer, 16, ByteWriter().u8(0).u8(0).u16(how == "empty" ? 0 : 3));
        if (how != "empty") {
            sent();
            // The file-size limit of a full disk: writes past 600 bytes fail (EFBIG).
            rlimit saved {};
            getrlimit(RLIMIT_FSIZE, &saved);
            if (how == "full") {
                signal(SIGXFSZ, SIG_IGN);
                rlimit small = saved;
                small.rlim_cur = 600;
                QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            }
            reply(transfer, 16, hex("00010000") + QByteArray(512, 'a'));
            sent();
            if (how == "cancel")
                transfer.cancel();
            const int size = how == "short" ? 100 : how == "long" ? 513 : 512;
            reply(transfer, 16, hex("00010100") + QByteArray(size, 'b'));
            setrlimit(RLIMIT_FSIZE, &saved);
        }
        QVERIFY(nothingSent());
        QCOMPARE(ended.size(), 1);
        QCOMPARE(int(this->outcome(ended)), outcome);
        QCOMPARE(ended[0][1].toString(), message);
        QCOMPARE(contents(path("old.pstl")), QByteArray("old content"));
        QCOMPARE(files(), QStringList {"old.pstl"});
    }

    void anUnwritableTargetFailsBeforeAnythingIsSent()
    {
        for (const QString &target :
             {path("missing/folder/x.pst"), QStringLiteral("/proc/self/x.pst")}) {
            PresetExport transfer(m_device.model.get());
            QSignalSpy ended(&transfer, &PresetBlockTransfer::ended);
            QVERIFY(!transfer.start(PresetBlockTransfer::OneSlot, 1, target));
            QCOMPARE(ended.size(), 1);
            QCOMPARE(ended[0][1].toString(), QStringLiteral("Export failed!"));
            QVERIFY(nothingSent());
        }
    }

    void importSendsTheFileInBlocks_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("percents");
        QTest::newRow("one slot, 1024 bytes")
                << int(PresetBlockTransfer::OneSlot) << 1024 << QList<int> {-1, 33, 66};
        QTest::newRow("all slots, 5 bytes")
                << int(PresetBlockTransfer::AllSlots) << 5 << QList<int> {-1};
    }
    void importSendsTheFileInBlocks()
    {
        QFETCH(int, scope);
        QFETCH(int, size);
        QFETCH(QList<int>, percents);
        const bool all = scope == PresetBlockTransfer::AllSlots;
        const quint8 func = all ? 17 : 19;
        const QByteArray image = pattern(size, 3);
        writeFile(path("in"), image);
        PresetImport transfer(m_device.model.get());
        QSignalSpy progress(&transfer, &PresetBlockTransfer::progressChanged);
        QSignalSpy ended(&transfer, &PresetBlockTransfer::ended);
        QVERIFY(transfer.start(PresetBlockTransfer::Scope(scope), 9, path("in")));
        QCOMPARE(sent().toHex(' '), frame(func, 1, all ? hex("0000") : hex("000009")).toHex(' '));
        const QByteArray word = all ? image.right(4) : image.left(4);
        reply(transfer, func, hex("0000") + word);
        const int blocks = size / 512 + 1;
        for (int b = 0; b < blocks; ++b) {
            const QByteArray data = image.mid(b * 512, 512);
            QCOMPARE(sent().toHex(' '),
                     frame(func, 1, ByteWriter().u8(0).u8(1).u16(quint16(b)).bytes(data))
                             .toHex(' '));
            reply(transfer, func, ByteWriter().u8(0).u8(1).u16(quint16(b)));
        }
        QCOMPARE(this->percents(progress), percents);
        QCOMPARE(outcome(ended), PresetBlockTransfer::Completed);
        QVERIFY(nothingSent());
    }

    // Files the device must never see: nothing goes out, or only the request for the check word.
    void badFilesAreRefused_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QByteArray>("word"); // the device's; empty: refused before asking
        QTest::newRow("4 bytes") << int(PresetBlockTransfer::OneSlot) << qint64(4) << QByteArray();
        QTest::newRow("missing") << int(PresetBlockTransfer::AllSlots) << qint64(-1)
                                 << QByteArray();
        // 65535 x 512 bytes need 65536 blocks: the u16 block number would wrap around.
        QTest::newRow("65536 blocks")
                << int(PresetBlockTransfer::AllSlots) << qint64(65535) * 512 << QByteArray();
        QTest::newRow("one slot, word of the last bytes")
                << int(PresetBlockTransfer::OneSlot) << qint64(600) << pattern(600, 5).right(4);
        QTest::newRow("all slots, word of the first bytes")
                << int(PresetBlockTransfer::AllSlots) << qint64(600) << pattern(600, 5).left(4);
    }
    void badFilesAreRefused()
    {
        QFETCH(int, scope);
        QFETCH(qint64, size);
        QFETCH(QByteArray, word);
        if (size >= 0) {
            QFile file(path("bad"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (size > 4096)
                QVERIFY(file.resize(size)); // sparse: the size is what counts
            else
                file.write(pattern(int(size), 5));
        }
        PresetImport transfer(m_device.model.get());
        QSignalSpy ended(&transfer, &PresetBlockTransfer::ended);
        const bool started = transfer.start(PresetBlockTransfer::Scope(scope), 0, path("bad"));
        QCOMPARE(started, !word.isEmpty());
        if (started) {
            sent();
            reply(transfer, scope == PresetBlockTransfer::AllSlots ? 17 : 19, hex("0000") + word);
        }
        QVERIFY(nothingSent());
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0][1].toString(), QStringLiteral("File format is error!"));
    }

    void importIgnoresAcknowledgementsOutOfTurn()
    {
        writeFile(path("in.pst"), pattern(2000, 1));
        PresetImport transfer(m_device.model.get());
        QSignalSpy ended(&transfer, &PresetBlockTransfer::ended);
        QVERIFY(transfer.start(PresetBlockTransfer::OneSlot, 0, path("in.pst")));
        sent();
        reply(transfer, 19, hex("00010000")); // before the check word
        reply(transfer, 19, hex("0000") + pattern(4, 1) + hex("00")); // 7 bytes
        QVERIFY(nothingSent());
        reply(transfer, 19, hex("0000") + pattern(4, 1));
        sent();
        reply(transfer, 19, hex("00010300"));
        reply(transfer, 19, hex("0001000000"));
        QVERIFY(nothingSent());
        transfer.cancel();
        reply(transfer, 19, hex("00010000"));
        QVERIFY(nothingSent());
        QCOMPARE(ended.size(), 1);
        QCOMPARE(outcome(ended), PresetBlockTransfer::Cancelled);
    }

    // Last: the device goes away in the middle of an exchange; both stop with their message and
    // the file stays as it was.
    void aDroppedLinkEndsTheExchange()
    {
        writeFile(path("old.pstl"), "old content");
        writeFile(path("in.pstl"), pattern(3000, 2));
        PresetExport exporting(m_device.model.get());
        PresetImport importing(m_device.model.get());
        QSignalSpy exportEnded(&exporting, &PresetBlockTransfer::ended);
        QSignalSpy importEnded(&importing, &PresetBlockTransfer::ended);
        QVERIFY(exporting.start(PresetBlockTransfer::AllSlots, 0, path("old.pstl")));
        reply(exporting, 16, hex("00000300"));
        reply(exporting, 16, hex("00010000") + QByteArray(512, 'a'));
        QVERIFY(importing.start(PresetBlockTransfer::AllSlots, 0, path("in.pstl")));
        reply(importing, 17, hex("0000") + pattern(3000, 2).right(4));
        m_device.peer->abort();
        QTRY_COMPARE(exportEnded.size(), 1);
        QTRY_COMPARE(importEnded.size(), 1);
        QCOMPARE(exportEnded[0][1].toString(), QStringLiteral("Export failed!"));
        QCOMPARE(importEnded[0][1].toString(), QStringLiteral("Import failed!"));
        QCOMPARE(contents(path("old.pstl")), QByteArray("old content"));
        QCOMPARE(files(), (QStringList {"in.pstl", "old.pstl"}));
        // Without a link nothing starts.
        QVERIFY(!exporting.start(PresetBlockTransfer::AllSlots, 0, path("old.pstl")));
        QCOMPARE(exportEnded.last()[1].toString(), QStringLiteral("Export failed!"));
        QCOMPARE(contents(path("old.pstl")), QByteArray("old content"));
    }
};

QTEST_GUILESS_MAIN(PresetTransferTest)
#include "PresetTransferTest.moc"
