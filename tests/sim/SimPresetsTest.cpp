#include "SimClient.h"

#include "Crc32.h"
#include "PresetImage.h"

#include "wire/ByteReader.h"

#include <QFile>
#include <QTemporaryDir>

using namespace sim;

// Presets on the simulated processor: save, load with progress, rename, delete, and the export
// and import block exchanges through files, as a control program runs them.
class SimPresetsTest : public SimTestCase
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QByteArray list() { return m_client->ask({3, 32, 1}); }
    static QByteArray slotEntry(bool used, const char *name)
    {
        return QByteArray(1, char(used)) + QByteArray(name).leftJustified(16, '\0');
    }
    static QByteArray entryOf(const QByteArray &list, int slot)
    {
        return list.mid(1 + 17 * slot, 17);
    }

    // Exports through the block exchange into a file, as the preset dialog does.
    QByteArray exportTo(const QString &path, quint8 funcId, const QByteArray &start)
    {
        const QList<SimClient::Reply> head = m_client->query({3, 32, funcId}, start);
        if (head.size() != 1 || head[0].payload.size() != 4)
            return {};
        ByteReader in(head[0].payload);
        in.skip(2);
        const quint16 blocks = in.u16();
        QByteArray image;
        for (quint16 b = 0; b < blocks; ++b) {
            const QByteArray reply =
                    m_client->ask({3, 32, funcId}, ByteWriter().u8(0).u8(1).u16(b));
            if (reply.left(4) != QByteArray(ByteWriter().u8(0).u8(1).u16(b)) || reply.size() < 5)
                return {};
            image += reply.mid(4);
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
            return {};
        return image;
    }

    // Imports a file; returns the number of blocks acknowledged, -1 when the check word does
    // not match the file.
    int importFrom(const QString &path, quint8 funcId, const QByteArray &start)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return -2;
        const QByteArray image = file.readAll();
        const QList<SimClient::Reply> head = m_client->set({3, 32, funcId}, start);
        if (head.size() != 1 || head[0].payload.size() != 6)
            return -3;
        const QByteArray word = head[0].payload.mid(2);
        if (word != (funcId == 19 ? image.left(4) : image.right(4)))
            return -1;
        const int blocks = image.size() / 512 + 1;
        int acknowledged = 0;
        for (int b = 0; b < blocks; ++b) {
            const QByteArray block =
                    ByteWriter().u8(0).u8(1).u16(quint16(b)).bytes(image.mid(b * 512, 512));
            const QList<SimClient::Reply> ack = m_client->set({3, 32, funcId}, block);
            if (ack.size() != 1
                || ack[0].payload != QByteArray(ByteWriter().u8(0).u8(1).u16(quint16(b))))
                break;
            ++acknowledged;
        }
        return acknowledged;
    }

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void init() { QVERIFY(m_dir.isValid() && open(testOptions())); }
    void cleanup() { stop(); }

    void saveRenameLoadAndDelete()
    {
        m_client->set({3, 7, 2}, hex("00") + f32(-7));
        const QList<SimClient::Reply> saved = m_client->set({3, 32, 2}, hex("04"));
        QCOMPARE(saved.size(), 1);
        QVERIFY(saved[0].id == MessageId({3, 32, 1}));
        QCOMPARE(quint8(saved[0].payload[0]), quint8(4));
        QCOMPARE(entryOf(saved[0].payload, 4), slotEntry(true, "Preset 5"));
        m_client->set({3, 32, 5}, hex("04") + QByteArray("Sixteen bytes ok"));
        QCOMPARE(entryOf(list(), 4), slotEntry(true, "Sixteen bytes ok"));
        QCOMPARE(m_device->announcement().mid(87, 16), QByteArray("Sixteen bytes ok"));

        m_client->set({3, 7, 2}, hex("00") + f32(3));
        m_client->send({3, 32, 9}, Frame::WriteRequest, hex("04"));
        const QList<SimClient::Reply> progress = m_client->take(6);
        QCOMPARE(progress.size(), 6);
        QByteArray percentages;
        for (const SimClient::Reply &p : progress) {
            QVERIFY(p.id == MessageId({3, 32, 9}));
            percentages += p.payload;
        }
        QCOMPARE(percentages, hex("00 14 28 3c 50 64"));
        QCOMPARE(m_client->ask({3, 7, 2}).left(4), f32(-7));

        QCOMPARE(m_client->set({3, 32, 9}, hex("09")).size(), 0); // an empty slot
        m_client->set({3, 32, 4}, hex("04"));
        QCOMPARE(entryOf(list(), 4), slotEntry(false, ""));
        QCOMPARE(quint8(list()[0]), quint8(0xFF));
        QCOMPARE(m_client->set({3, 32, 5}, hex("05") + QByteArray(17, 'x')).size(), 0);
    }

    void oneSlotExportedAndImportedRestoresIt()
    {
        m_client->set({3, 4, 3}, hex("0506 0101") + f32(2500) + f32(6) + hex("20"));
        m_client->set({3, 32, 2}, hex("02"));
        m_client->set({3, 32, 5}, hex("02") + QByteArray("Lecture"));
        const QByteArray image = exportTo(path("one.pst"), 18, hex("000002"));
        QVERIFY(image.size() > 1024);
        QCOMPARE(image.left(4),
                 QByteArray(ByteWriter().u32(
                         PresetImage::checkWord(PresetImage::OneSlot, m_device->store().config))));

        m_client->set({3, 4, 5}, hex("05")); // filters of input 6 back to the start
        const int blocks = image.size() / 512 + 1;
        QCOMPARE(importFrom(path("one.pst"), 19, hex("00000b")), blocks);
        QCOMPARE(entryOf(list(), 11), slotEntry(true, "Lecture"));
        m_client->send({3, 32, 9}, Frame::WriteRequest, hex("0b"));
        QCOMPARE(m_client->take(6).size(), 6);
        QCOMPARE(m_client->ask({3, 4, 3}, hex("0506")),
                 hex("0506 0101") + f32(2500) + f32(6) + hex("20"));
        QCOMPARE(exportTo(path("again.pst"), 18, hex("00000b")), image);
    }

    void allSlotsExportedAndImportedRestoreThem()
    {
        for (quint8 slot : {1, 30}) {
            m_client->set({3, 11, 3}, hex("00") + f32(-float(slot)));
            m_client->set({3, 32, 2}, QByteArray(1, char(slot)));
        }
        const QByteArray before = list();
        const QByteArray image = exportTo(path("all.pstl"), 16, hex("0000"));
        QVERIFY(!image.isEmpty());
        QCOMPARE(image.right(4),
                 QByteArray(ByteWriter().u32(
                         PresetImage::checkWord(PresetImage::AllSlots, m_device->store().config))));
        for (quint8 slot : {0, 1, 30})
            m_client->set({3, 32, 4}, QByteArray(1, char(slot)));
        QVERIFY(list() != before);
        QCOMPARE(importFrom(path("all.pstl"), 17, hex("0000")), image.size() / 512 + 1);
        QCOMPARE(list().mid(1), before.mid(1));
        m_client->send({3, 32, 9}, Frame::WriteRequest, hex("1e"));
        QCOMPARE(m_client->take(6).size(), 6);
        QCOMPARE(m_client->ask({3, 11, 3}).left(4), f32(-30));
    }

    void aDamagedImageIsRefused_data()
    {
        QTest::addColumn<int>("offset"); // byte to flip; -1 cuts the last byte
        QTest::newRow("flipped set-up byte") << 700;
        QTest::newRow("flipped name byte") << 30;
        QTest::newRow("flipped body check") << -2;
        QTest::newRow("cut short") << -1;
    }
    void aDamagedImageIsRefused()
    {
        QFETCH(int, offset);
        m_client->set({3, 32, 2}, hex("03"));
        QByteArray image = exportTo(path("good.pst"), 18, hex("000003"));
        if (offset == -1)
            image.chop(1);
        else {
            const int at = offset >= 0 ? offset : image.size() + offset;
            image[at] = char(image[at] ^ 0x40);
        }
        QFile file(path("bad.pst"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(image);
        file.close();
        const QByteArray before = list();
        const int blocks = image.size() / 512 + 1;
        QCOMPARE(importFrom(path("bad.pst"), 19, hex("000008")), blocks - 1); // last one refused
        QCOMPARE(list(), before);
    }

    void anImageOfAnotherKindFailsTheCheckWord()
    {
        m_client->set({3, 32, 2}, hex("03"));
        exportTo(path("one.pst"), 18, hex("000003"));
        QCOMPARE(importFrom(path("one.pst"), 17, hex("0000")), -1);
    }

    void transfersNeedALogin()
    {
        SimClient stranger;
        QVERIFY(stranger.open(m_device->controlPort()));
        const QList<SimClient::Reply> reply = stranger.query({3, 32, 16}, hex("0000"));
        QCOMPARE(reply.size(), 1);
        QVERIFY(reply[0].id == MessageId({2, 1, 1}));
        QCOMPARE(m_client->query({3, 32, 18}, hex("000007")).value(0).payload,
                 hex("00000000")); // unused slot: no blocks
    }

    // A preset keeps its scene; images grow by it and carry it through export and import.
    void scenesTravelWithTheirPresets()
    {
        m_device->store().setSceneSize(3000);
        QCOMPARE(m_device->store().presets[0].scene, presetScene(0, 3000));
        m_client->set({3, 32, 2}, hex("02"));
        QCOMPARE(m_device->store().presets[2].scene, presetScene(2, 3000));
        QVERIFY(presetScene(2, 3000) != presetScene(3, 3000));
        const QByteArray image = exportTo(path("scene.pst"), 18, hex("000002"));
        QVERIFY(image.size() > 3000);
        QCOMPARE(importFrom(path("scene.pst"), 19, hex("000006")), image.size() / 512 + 1);
        QCOMPARE(m_device->store().presets[6].scene, presetScene(2, 3000));

        const QByteArray all = exportTo(path("scene.pstl"), 16, hex("0000"));
        m_device->store().setSceneSize(0);
        m_client->set({3, 32, 4}, hex("02"));
        QCOMPARE(importFrom(path("scene.pstl"), 17, hex("0000")), all.size() / 512 + 1);
        QCOMPARE(m_device->store().presets[2].scene, presetScene(2, 3000));
    }

    // Asked to, the processor drops the link in the middle of a block exchange.
    void aTransferCanBeCutOff()
    {
        m_device->faults().dropAfterPresetBlocks = 1;
        m_client->set({3, 32, 2}, hex("01"));
        QCOMPARE(m_client->query({3, 32, 16}, hex("0000")).size(), 1);
        QCOMPARE(m_client->ask({3, 32, 16}, hex("00010000")).left(4), hex("00010000"));
        QSignalSpy closed(m_device.get(), &SimDevice::connectionClosed);
        m_client->send({3, 32, 16}, Frame::ReadRequest, hex("00010100"));
        QVERIFY(closed.wait(5000));
        QTRY_COMPARE(m_client->socket.state(), QAbstractSocket::UnconnectedState);

        QString error;
        const auto options = SimOptions::parse(
                {"vexatarn-sim", "--preset-scene-size", "4096", "--drop-after-preset-blocks", "3"},
                &error);
        QVERIFY2(options, qPrintable(error));
        QCOMPARE(options->presetSceneSize, 4096);
        QCOMPARE(options->faults.dropAfterPresetBlocks, 3);
        QVERIFY(!SimOptions::parse({"vexatarn-sim", "--preset-scene-size", "1048577"}, &error));
        QVERIFY(!SimOptions::parse({"vexatarn-sim", "--drop-after-preset-blocks", "-1"}, &error));
    }

    void imagesFollowTheirLayout()
    {
        QCOMPARE(crc32(QByteArray("123456789")), quint32(0xCBF43926));
        const ChannelConfig config = *ChannelConfig::fromName(QStringLiteral("16x16"));
        const ChannelConfig other = *ChannelConfig::fromName(QStringLiteral("8x8"));
        QVERIFY(PresetImage::checkWord(PresetImage::OneSlot, config)
                != PresetImage::checkWord(PresetImage::OneSlot, other));
        QVERIFY(PresetImage::checkWord(PresetImage::OneSlot, config)
                != PresetImage::checkWord(PresetImage::AllSlots, config));
        PresetSlot slot;
        slot.used = true;
        slot.name = "Name";
        slot.audio.inputs[4].delay = 12.5f;
        const QByteArray image = PresetImage::exportSlot(slot, config);
        const auto back = PresetImage::importSlot(image, config);
        QVERIFY(back);
        QCOMPARE(back->name, QByteArray("Name"));
        QCOMPARE(back->audio.serialize(), slot.audio.serialize());
        QVERIFY(!PresetImage::importSlot(image, other));
        QVERIFY(!PresetImage::importSlot(image + hex("00"), config));
        // A set-up whose numbers are not finite is refused even with sound check words.
        QByteArray audio = slot.audio.serialize();
        audio.replace(2, 4, f32(qQNaN()));
        QVERIFY(!SimAudio().deserialize(audio));
    }
};

QTEST_MAIN(SimPresetsTest)
#include "SimPresetsTest.moc"
