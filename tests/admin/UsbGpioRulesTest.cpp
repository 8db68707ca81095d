#include "admin/GpioParameters.h"
#include "admin/RecordSources.h"
#include "admin/UsbPlayback.h"
#include "model/SetPayload.h"

#include <QtTest>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A port record as a device might send it: function, parameter and 63 bytes of its own.
GpioPort storedPort(quint8 kind, quint8 parameter)
{
    GpioPort port;
    port.kind = kind;
    port.settings[0] = parameter;
    for (int i = 1; i < GpioPort::SettingsSize; ++i)
        port.settings[size_t(i)] = quint8(0xA0 + i);
    return port;
}

QByteArray storedTail()
{
    QByteArray tail;
    for (int i = 1; i < GpioPort::SettingsSize; ++i)
        tail.append(char(0xA0 + i));
    return tail;
}

QString values(const QVector<GpioParameters::Item> &items)
{
    QStringList list;
    for (const GpioParameters::Item &item : items)
        list << QString::number(item.value);
    return list.join(QLatin1Char(' '));
}

QString codes(const QVector<RecordSources::Channel> &channels)
{
    QStringList list;
    for (const RecordSources::Channel &c : channels)
        list << QString::number(c.code);
    return list.join(QLatin1Char(' '));
}

QString range(int first, int last)
{
    QStringList list;
    for (int i = first; i <= last; ++i)
        list << QString::number(i);
    return list.join(QLatin1Char(' '));
}

} // namespace

Q_DECLARE_METATYPE(GpioPort)

// The rules of the GPIO and USB dialogs that need no widget: record edits byte for byte, the
// parameter and source lists under the channel masks, time texts and command payloads.
class UsbGpioRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void gpioEditsKeepTheDevicesBytes_data()
    {
        QTest::addColumn<GpioPort>("port");
        QTest::addColumn<QByteArray>("expected");
        using namespace GpioParameters;
        const GpioPort mute = storedPort(Mute, 20);
        QTest::newRow("Load Preset on port 2")
                << withFunction(mute, LoadPreset) << hex("02 02 00") + storedTail();
        QTest::newRow("then preset 5") << withParameter(withFunction(mute, LoadPreset), 4)
                                       << hex("02 02 04") + storedTail();
        QTest::newRow("None") << withFunction(mute, None) << hex("02 00 00") + storedTail();
        QTest::newRow("Mute output 16")
                << withParameter(storedPort(None, 0), 31) << hex("02 00 1f") + storedTail();
    }

    void gpioEditsKeepTheDevicesBytes()
    {
        QFETCH(GpioPort, port);
        QFETCH(QByteArray, expected);
        const QByteArray payload = SetPayload::gpioPort(2, port);
        QCOMPARE(payload.size(), 66);
        QCOMPARE(payload.toHex(' '), expected.toHex(' '));
    }

    void gpioParameterLists_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<quint32>("inputMask");
        QTest::addColumn<quint32>("outputMask");
        QTest::addColumn<QString>("expected");
        using namespace GpioParameters;
        QTest::newRow("None offers nothing") << int(None) << 0u << 0u << QString();
        QTest::newRow("Mute, all channels") << int(Mute) << 0u << 0u << range(0, 31);
        QTest::newRow("Mute, inputs 9..16 hidden")
                << int(Mute) << 0xFFu << 0u << range(0, 7) + QLatin1Char(' ') + range(16, 31);
        QTest::newRow("Mute, 8x8")
                << int(Mute) << 0x1FFu << 0x1FFu << range(0, 7) + QLatin1Char(' ') + range(16, 23);
        QTest::newRow("Mute, 12x12")
                << int(Mute) << 0xF0u << 0xF0u << range(0, 11) + QLatin1Char(' ') + range(16, 27);
        QTest::newRow("Load Preset ignores masks")
                << int(LoadPreset) << 0xFFu << 0xFFu << range(0, 31);
    }

    void gpioParameterLists()
    {
        QFETCH(int, function);
        QFETCH(quint32, inputMask);
        QFETCH(quint32, outputMask);
        QFETCH(QString, expected);
        QCOMPARE(values(GpioParameters::items(quint8(function), inputMask, outputMask)), expected);
    }

    void gpioHiddenParameterSelectsNothing()
    {
        using namespace GpioParameters;
        const auto list = items(Mute, 0xFF, 0);
        QCOMPARE(indexOfValue(list, 12), -1); // input 13, hidden
        QCOMPARE(indexOfValue(list, 16), 8); // output 1 follows input 8
        QCOMPARE(indexOfValue(items(None, 0, 0), 0), -1);
        QCOMPARE(indexOfValue(items(LoadPreset, 0, 0), 40), -1);
    }

    void timeTexts_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("duration");
        QTest::addColumn<QString>("play");
        QTest::addColumn<QString>("record");
        QTest::newRow("nothing") << 0 << 0 << "00:00 / 00:00"
                                 << "00:00";
        QTest::newRow("3599 s") << 61 << 3599 << "01:01 / 59:59"
                                << "01:01";
        QTest::newRow("3600 s") << 61 << 3600 << "00:01:01 / 01:00:00"
                                << "01:01";
        QTest::newRow("longest") << 65535 << 65535 << "18:12:15 / 18:12:15"
                                 << "18:12:15";
        QTest::newRow("past a short end") << 3725 << 61 << "62:05 / 01:01"
                                          << "01:02:05";
    }

    void timeTexts()
    {
        QFETCH(int, position);
        QFETCH(int, duration);
        QFETCH(QString, play);
        QFETCH(QString, record);
        QCOMPARE(UsbPlayback::playTimeText(position, duration), play);
        QCOMPARE(UsbPlayback::recordTimeText(quint32(position)), record);
    }

    void commandPayloads_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("expected");
        using namespace UsbPlayback;
        QTest::newRow("play while stopped") << playPausePayload(0) << hex("00");
        QTest::newRow("pause while playing") << playPausePayload(1) << hex("01");
        QTest::newRow("resume while paused") << playPausePayload(2) << hex("02");
        QTest::newRow("unknown state: no payload") << playPausePayload(3) << QByteArray();
        QTest::newRow("play a file")
                << playFilePayload(QStringLiteral("会.mp3")) << hex("03 e4 bc 9a 2e 6d 70 33");
        QTest::newRow("previous") << simpleCommand(Previous) << hex("04");
        QTest::newRow("next") << simpleCommand(Next) << hex("05");
        QTest::newRow("seek 125") << seekPayload(125) << hex("06 7d 00");
        QTest::newRow("seek past the u16") << seekPayload(70000) << hex("06 ff ff");
        QTest::newRow("repeat list") << playModePayload(3) << hex("07 03");
        QTest::newRow("record while recording") << recordButtonPayload(1) << hex("00");
        QTest::newRow("record while idle") << recordButtonPayload(0) << hex("01");
        QTest::newRow("choose a recording")
                << chooseRecordingPayload(QStringLiteral("R.wav")) << hex("02 52 2e 77 61 76");
        using namespace RecordSources;
        QTest::newRow("left of output 1 on") << channelPayload(Left, 18, 1) << hex("00 12 01");
        QTest::newRow("right of input 3 off") << channelPayload(Right, 2, 0) << hex("01 02 00");
        QTest::newRow("clear right") << clearPayload(Right) << hex("01") + QByteArray(36, '\0');
    }

    void commandPayloads()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, expected);
        QCOMPARE(payload.toHex(' '), expected.toHex(' '));
    }

    void usbQuestionConditions_data()
    {
        QTest::addColumn<int>("bootMode");
        QTest::addColumn<int>("armMajor");
        QTest::addColumn<int>("mode1");
        QTest::addColumn<int>("mode2");
        QTest::addColumn<bool>("asks");
        QTest::newRow("boot mode 1, inputs on line") << 1 << 0 << 1 << 1 << true;
        QTest::newRow("firmware 1, one input on USB") << 0 << 1 << 2 << 0 << true;
        QTest::newRow("firmware 1, both on USB") << 0 << 1 << 2 << 2 << false;
        QTest::newRow("boot mode 2, firmware 5") << 2 << 5 << 0 << 0 << false;
        QTest::newRow("boot mode 0, firmware 0") << 0 << 0 << 0 << 0 << false;
    }

    void usbQuestionConditions()
    {
        QFETCH(int, bootMode);
        QFETCH(int, armMajor);
        QFETCH(int, mode1);
        QFETCH(int, mode2);
        QFETCH(bool, asks);
        QCOMPARE(UsbPlayback::asksSwitchToUsb(bootMode, quint8(armMajor), quint32(mode1),
                                              quint32(mode2)),
                 asks);
    }

    void recordSourceLists()
    {
        using namespace RecordSources;
        QCOMPARE(codes(channels(0, 0)), range(0, 15) + QLatin1Char(' ') + range(18, 33));
        QCOMPARE(codes(channels(0x1FF, 0xFF)), range(0, 7) + QLatin1Char(' ') + range(18, 25));
        for (int choice = LeftAndRight; choice <= Off; ++choice) {
            const Choice c = Choice(choice);
            QCOMPARE(choiceOf(leftFlag(c), rightFlag(c)), c);
        }
        QCOMPARE(choiceOf(1, 1), LeftAndRight);
        QCOMPARE(choiceOf(0, 1), RightOnly);
    }
};

QTEST_GUILESS_MAIN(UsbGpioRulesTest)
#include "UsbGpioRulesTest.moc"
