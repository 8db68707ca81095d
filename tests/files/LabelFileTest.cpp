#include "files/LabelFile.h"
#include "files/LabelSync.h"
#include "model/LoopbackDevice.h"
#include "model/MessageCatalogue.h"
#include "wire/LocalText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The .lbl file: its fixed layout for 16 and 17 channels, fields without terminator, the
// atomic export, and an import that sends only the labels that differ.
class LabelFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    LoopbackDevice m_device;

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    static LabelFile::Labels labels(int channels)
    {
        LabelFile::Labels l;
        for (int ch = 0; ch < channels; ++ch) {
            l.inputs << QString();
            l.outputs << QString();
            l.touchScreen << QString();
        }
        return l;
    }
    static QByteArray gbk(const QString &text) { return LocalText::encode(text); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid() && m_device.connect()); }

    void layoutAndWidths_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("size");
        QTest::newRow("16 channels") << 16 << 672;
        QTest::newRow("17 channels") << 17 << 714;
    }
    void layoutAndWidths()
    {
        QFETCH(int, channels);
        QFETCH(int, size);
        QCOMPARE(LabelFile::fileSize(channels), size);
        QCOMPARE(LabelFile::encode(labels(channels), channels), QByteArray(size, '\0'));

        LabelFile::Labels l = labels(channels);
        l.inputs[0] = QStringLiteral("Sixteen bytes ok"); // a full field: no terminator
        l.inputs[channels - 1] = QStringLiteral("Podium");
        l.outputs[1] = QString::fromUtf8("主扩声左右声道八"); // 8 double-byte characters
        l.touchScreen[channels - 1] = QStringLiteral("TenBytes!!");
        const QByteArray bytes = LabelFile::encode(l, channels);
        QCOMPARE(bytes.size(), size);
        QCOMPARE(bytes.left(16), QByteArray("Sixteen bytes ok"));
        QCOMPARE(bytes.mid(16 * (channels - 1), 16), QByteArray("Podium").leftJustified(16, '\0'));
        QCOMPARE(bytes.mid(16 * channels + 16, 16), gbk(l.outputs[1]));
        QCOMPARE(bytes.right(10), QByteArray("TenBytes!!"));

        QVERIFY(LabelFile::write(path("labels.lbl"), l, channels, nullptr));
        LabelFile::Labels back;
        QString error;
        QVERIFY(LabelFile::read(path("labels.lbl"), channels, &back, &error));
        QCOMPARE(back.inputs, l.inputs);
        QCOMPARE(back.outputs, l.outputs);
        QCOMPARE(back.touchScreen, l.touchScreen);
        // The file of the other channel count is refused.
        const int other = channels == 16 ? 17 : 16;
        QVERIFY(!LabelFile::read(path("labels.lbl"), other, &back, &error));
        QCOMPARE(error, QStringLiteral("File is error!"));
    }

    void longLabelsAreCutAtWholeCharacters()
    {
        QCOMPARE(LabelFile::fieldBytes(QStringLiteral("Seventeen bytes!!"), 16),
                 QByteArray("Seventeen bytes!"));
        // Six double-byte characters are 12 bytes: five fit into 10, never half of the sixth.
        QCOMPARE(LabelFile::fieldBytes(QString::fromUtf8("一二三四五六"), 10),
                 gbk(QString::fromUtf8("一二三四五")));
        QCOMPARE(LabelFile::fieldBytes(QString::fromUtf8("a一二三四五"), 10),
                 gbk(QString::fromUtf8("a一二三四")));
    }

    void filesThatCannotBeUsed()
    {
        LabelFile::Labels l;
        QString error;
        QVERIFY(!LabelFile::read(path("missing.lbl"), 16, &l, &error));
        QCOMPARE(error, QStringLiteral("File is error!"));
        QVERIFY(!LabelFile::read(m_dir.path(), 16, &l, &error)); // a folder
        QCOMPARE(error, QStringLiteral("File is error!"));

        QFile old(path("old.lbl"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        error.clear();
        QVERIFY(!LabelFile::write(QStringLiteral("/proc/self/x.lbl"), labels(16), 16, &error));
        QCOMPARE(error, QStringLiteral("Export failed!"));
        QVERIFY(!LabelFile::write(path("no/such/folder/x.lbl"), labels(16), 16, &error));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files),
                 (QStringList {"labels.lbl", "old.lbl"}));
    }

    void channelCountFollowsBootModeAndFirmware()
    {
        QCOMPARE(LabelFile::channelCount(0, 0), 16);
        QCOMPARE(LabelFile::channelCount(1, 1), 16);
        QCOMPARE(LabelFile::channelCount(2, 0), 17);
        QCOMPARE(LabelFile::channelCount(0, 5), 17);
    }

    // Only labels that differ go to the model and the device, inputs, outputs, touch screen.
    void importSendsOnlyWhatDiffers()
    {
        DataModel &model = *m_device.model;
        model.input(2).label = QStringLiteral("Lectern");
        model.output(0).label = QStringLiteral("Hall");
        model.input(0).shortLabel = QStringLiteral("Mic");
        LabelFile::Labels file = LabelSync::fromModel(model, 16);
        QCOMPARE(file.inputs[2], QStringLiteral("Lectern"));
        m_device.drain();
        QVERIFY(LabelSync::applyAll(model, file, 16).isEmpty());
        m_device.peer->waitForReadyRead(30);
        QVERIFY(m_device.peer->readAll().isEmpty());

        file.inputs[2].clear();
        file.outputs[15] = QStringLiteral("Sixteen bytes ok");
        file.touchScreen[0] = QStringLiteral("TenBytes!!");
        const QVector<LabelSync::Change> changes = LabelSync::applyAll(model, file, 16);
        QCOMPARE(changes.size(), 3);
        QCOMPARE(int(changes[0].kind), int(LabelSync::Input));
        QCOMPARE(changes[1].channel, 15);
        QCOMPARE(int(changes[2].kind), int(LabelSync::TouchScreen));
        const QByteArray expected = Frame::build(Msg::InputLabels, 1, QByteArray::fromHex("02"))
                + Frame::build(Msg::OutputLabels, 1,
                               "\x0f"
                               "Sixteen bytes ok")
                + Frame::build(Msg::InputShortLabels, 1, QByteArray("\x00TenBytes!!", 11));
        QCOMPARE(m_device.received(expected.size()).toHex(' '), expected.toHex(' '));
        QCOMPARE(model.input(2).label, QString());
        QCOMPARE(model.output(15).label, QStringLiteral("Sixteen bytes ok"));
        QCOMPARE(model.input(0).shortLabel, QStringLiteral("TenBytes!!"));
    }
};

QTEST_GUILESS_MAIN(LabelFileTest)
#include "LabelFileTest.moc"
