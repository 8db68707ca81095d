// The factory test panel: chips that failed their detection blink, the aging test and the +48V
// button send their requests, the temperature follows the device, and Ctrl+T opens it.
#include "app/AppTestEnvironment.h"
#include "model/LoopbackDevice.h"

#include "admin/TestDialog.h"
#include "app/Appearance.h"
#include "app/MainWindow.h"
#include "model/MessageCatalogue.h"
#include "wire/ByteWriter.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// The frames of the stream (whole frames only), as hex without the header's fixed bytes.
QList<QByteArray> framesOf(const QByteArray &stream, quint8 type)
{
    QList<QByteArray> frames;
    int at = 0;
    while (at + 12 <= stream.size()) {
        const int length = quint8(stream[at + 8]) | (quint8(stream[at + 9]) << 8);
        if (stream[at + 4] == char(type))
            frames.append(stream.mid(at + 4, 6 + length).toHex());
        at += 12 + length;
    }
    return frames;
}

QStringList repeated(const QString &text)
{
    QStringList list;
    for (int i = 0; i < TestDialog::ChipCount; ++i)
        list << text;
    return list;
}

} // namespace

class TestDialogTest : public QObject
{
    Q_OBJECT

    LoopbackDevice m_device;

    QStringList rows(const TestDialog &dialog, const char *what)
    {
        QStringList out;
        for (const QString &chip : TestDialog::chipNames()) {
            auto *label = dialog.findChild<QLabel *>(chip);
            out << (qstrcmp(what, "text") == 0 ? label->text()
                                               : label->property("status").toString());
        }
        return out;
    }

private slots:
    void initTestCase() { QVERIFY(m_device.connect()); }

    void failedChipsBlink()
    {
        TestDialog dialog(m_device.model.get());
        connect(m_device.model.get(), &DataModel::tcpSyncToUI, &dialog, &TestDialog::tcpSyncToUI);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Test"));
        QCOMPARE(rows(dialog, "text"), repeated(QStringLiteral("Normal")));
        // PCA9539-1 and WM8978 failed.
        m_device.reply(Msg::SysChipDetect, hex("11000000"));
        QCOMPARE(rows(dialog, "text"),
                 QStringList({"Error", "Normal", "Normal", "Normal", "Error", "Normal", "Normal"}));
        QCOMPARE(rows(dialog, "status"), QStringList({"2", "1", "1", "1", "2", "1", "1"}));
        dialog.timeout();
        QCOMPARE(rows(dialog, "status"), QStringList({"0", "1", "1", "1", "0", "1", "1"}));
        dialog.timeout();
        QCOMPARE(rows(dialog, "status"), QStringList({"2", "1", "1", "1", "2", "1", "1"}));
        // Each blink asks for the mask and the temperature again.
        m_device.drain();
        dialog.timeout();
        QCOMPARE(framesOf(m_device.received(24), 2),
                 QList<QByteArray>({"020216000000", "020209000000"}));
        m_device.reply(Msg::SysChipDetect, hex("00000000"));
        QCOMPARE(rows(dialog, "status"), repeated(QStringLiteral("1")));
        m_device.reply(Msg::SysTemperature, ByteWriter().f32(36.0f));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("temperatureLabel"))->text(),
                 QStringLiteral("36.0 ℃"));
    }

    void agingTestAndPhantomPower()
    {
        TestDialog dialog(m_device.model.get());
        dialog.show();
        for (int ch = 0; ch < 16; ++ch) {
            m_device.model->input(ch).delay = ch == 2 ? 1.5f : 0.0f;
            m_device.model->output(ch).delay = ch == 15 ? 2.0f : 0.0f;
        }
        m_device.drain();
        auto *aging = dialog.findChild<QPushButton *>(QStringLiteral("agingTestButton"));
        QTest::mouseClick(aging, Qt::LeftButton);
        QList<QByteArray> frames = framesOf(m_device.received(50 * 12), 3);
        QCOMPARE(frames.size(), 2 + 16 + 32);
        QCOMPARE(frames[0],
                 QByteArray("030903010100"
                            "00"));
        QCOMPARE(frames[1],
                 QByteArray("030904010400"
                            "000020c1")); // -10 dB
        QCOMPARE(frames[2],
                 QByteArray("030901010200"
                            "0001"));
        QCOMPARE(frames[17],
                 QByteArray("030901010200"
                            "0f01"));
        QCOMPARE(frames[20],
                 QByteArray("030601010500"
                            "020000c03f")); // input 3: 1.5 ms
        QCOMPARE(frames[49],
                 QByteArray("030e01010500"
                            "0f00000040")); // output 16: 2 ms
        QCOMPARE(m_device.model->mirror().signalGenerator.outputs[7], quint8(1));
        QCOMPARE(aging->text(), QStringLiteral("Stop"));

        QTest::mouseClick(aging, Qt::LeftButton);
        frames = framesOf(m_device.received(48 * 12), 3);
        QCOMPARE(frames.size(), 16 + 32);
        QCOMPARE(frames[0],
                 QByteArray("030901010200"
                            "0000"));
        QCOMPARE(m_device.model->mirror().signalGenerator.outputs[7], quint8(0));

        auto *phantom = dialog.findChild<QPushButton *>(QStringLiteral("phantomButton"));
        QCOMPARE(phantom->text(), QStringLiteral("+48V"));
        QTest::mouseClick(phantom, Qt::LeftButton);
        frames = framesOf(m_device.received(16 * 12), 3);
        QCOMPARE(frames.size(), 16);
        QCOMPARE(frames[0],
                 QByteArray("030105010200"
                            "0001"));
        QCOMPARE(frames[15],
                 QByteArray("030105010200"
                            "0f01"));
        QCOMPARE(m_device.model->input(9).phantom, quint8(1));
    }

    void controlTOpensThePanel()
    {
        writeSettingsFile(settingsPath(), QByteArray());
        SystemSettings settings;
        Appearance appearance(&settings);
        MainWindow window(&settings, m_device.model.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.findChild<TestDialog *>());
        auto *shortcut = window.findChild<QShortcut *>(QStringLiteral("testShortcut"));
        QVERIFY(shortcut);
        QCOMPARE(shortcut->key(), QKeySequence(QStringLiteral("Ctrl+T")));
        emit shortcut->activated();
        auto *dialog = window.findChild<TestDialog *>();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        // Its reports reach it through the main window.
        m_device.reply(Msg::SysChipDetect, hex("40000000"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("PCA9554"))->text(),
                 QStringLiteral("Error"));
        m_device.reply(Msg::SysTemperature, ByteWriter().f32(41.5f));
        QVERIFY(dialog->grab().save(AppTestEnvironment::startDirectory()
                                    + QStringLiteral("/factory-test.png")));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<TestDialogTest>(argc, argv);
}

#include "TestDialogTest.moc"
