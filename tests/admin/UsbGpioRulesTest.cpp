#include "admin/GpioParameters.h"
#include "admin/RecordSources.h"
#include "admin/UsbPlayback.h"

#include <QtTest>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

template<typename List, typename Value> QString join(const List &list, Value value)
{
    QStringList out;
    for (const auto &item : list)
        out << QString::number(value(item));
    return out.join(QLatin1Char(' '));
}

QString range(int first, int last)
{
    QStringList list;
    for (int i = first; i <= last; ++i)
        list << QString::number(i);
    return list.join(QLatin1Char(' '));
}

} // namespace

// The rules of the GPIO and USB dialogs that the dialog tests do not reach: the parameter and
// source lists under the channel masks, time texts at their edges and payloads past their range.
class UsbGpioRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void gpioParameterLists_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<quint32>("inputMask");
        QTest::addColumn<quint32>("outputMask");
        QTest::addColumn<QString>("expected");
        using namespace GpioParameters;
        QTest::newRow("None offers nothing") << int(None) << 0u << 0u << QString();
        QTest::newRow("Mute, all channels") << int(Mute) << 0u << 0u << range(0, 31);
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
        QCOMPARE(join(GpioParameters::items(quint8(function), inputMask, outputMask),
                      [](const GpioParameters::Item &i) { return i.value; }),
                 expected);
    }

    void timeTexts_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("duration");
        QTest::addColumn<QString>("play");
        QTest::addColumn<QString>("record");
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

    // What the dialog test's buttons do not send: states and values outside the usual.
    void commandPayloads()
    {
        using namespace UsbPlayback;
        QCOMPARE(playPausePayload(3), QByteArray()); // unknown state: nothing
        QCOMPARE(playFilePayload(QStringLiteral("会.mp3")).toHex(' '),
                 hex("03 e4 bc 9a 2e 6d 70 33").toHex(' '));
        QCOMPARE(seekPayload(70000).toHex(' '), hex("06 ff ff").toHex(' '));
        QCOMPARE(playModePayload(3).toHex(' '), hex("07 03").toHex(' '));
        QCOMPARE(RecordSources::channelPayload(RecordSources::Right, 2, 0).toHex(' '),
                 hex("01 02 00").toHex(' '));
    }

    void usbQuestionConditions()
    {
        const struct
        {
            int bootMode, armMajor, mode1, mode2;
            bool asks;
        } rows[] = {{1, 0, 1, 1, true},
                    {0, 1, 2, 0, true},
                    {0, 1, 2, 2, false},
                    {2, 5, 0, 0, false},
                    {0, 0, 0, 0, false}};
        for (const auto &r : rows)
            QVERIFY2(UsbPlayback::asksSwitchToUsb(r.bootMode, quint8(r.armMajor), quint32(r.mode1),
                                                  quint32(r.mode2))
                             == r.asks,
                     qPrintable(QStringLiteral("boot %1, firmware %2, modes %3/%4")
                                        .arg(r.bootMode)
                                        .arg(r.armMajor)
                                        .arg(r.mode1)
                                        .arg(r.mode2)));
    }

    void recordSourceLists()
    {
        using namespace RecordSources;
        const auto code = [](const Channel &c) { return c.code; };
        QCOMPARE(join(channels(0, 0), code), range(0, 15) + QLatin1Char(' ') + range(18, 33));
        QCOMPARE(join(channels(0x1FF, 0xFF), code), range(0, 7) + QLatin1Char(' ') + range(18, 25));
        for (int choice = LeftAndRight; choice <= Off; ++choice)
            QCOMPARE(choiceOf(leftFlag(Choice(choice)), rightFlag(Choice(choice))), Choice(choice));
    }
};

QTEST_GUILESS_MAIN(UsbGpioRulesTest)
#include "UsbGpioRulesTest.moc"
