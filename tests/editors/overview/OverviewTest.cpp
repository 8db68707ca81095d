#include "app/AppTestEnvironment.h"
#include "widgets/Resources.h"
#include "widgets/Meter.h"
#include "editors/overview/MeterDialog.h"
#include "editors/overview/OverviewWidget.h"
#include "model/LoopbackDevice.h"
#include "model/MessageCatalogue.h"

#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {

// A model on its own (no device) and the overview of it, shown and active so that its
// shortcuts work.
struct Overview
{
    FakeClock clock;
    DataModel model;
    OverviewWidget widget;

    explicit Overview(LinkSettings settings = testLinkSettings())
        : model(settings, testLinkEnvironment(clock, QStringLiteral(":memory:"))), widget(&model)
    {
        widget.resize(1100, OverviewWidget::FixedHeight);
    }

    MeterDialog &dialog() { return *widget.meterDialog(); }

    void sync(MessageId id, uchar channel = 255)
    {
        widget.syncFromModel(id.type, id.subType, id.funcId, channel, 255);
    }

    QString info(const char *name) const
    {
        return widget.findChild<QLabel *>(QLatin1String(name))->text();
    }
    bool infoShown(const char *name) const
    {
        return !widget.findChild<QLabel *>(QLatin1String(name))->isHidden();
    }
    QPushButton *muteButton() const
    {
        return widget.findChild<QPushButton *>(QStringLiteral("muteButton"));
    }
};

bool activate(QWidget *window)
{
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

void pressCtrl(QWidget *window, Qt::Key key)
{
    QTest::keyClick(window, key, Qt::ControlModifier);
}

} // namespace

class OverviewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplicationResources(); }

    void meterNumbersReadTheFloorBelowIt()
    {
        Overview o;
        QVERIFY(activate(&o.widget));
        MeterGroup *inputs = o.widget.inputGroup();
        QCOMPARE(inputs->numberLabel(0)->text(), QStringLiteral("-40"));
        QCOMPARE(inputs->numberLabel(16)->text(), QStringLiteral("-40/-40"));

        o.model.input(0).postMeter = -100; // no signal
        o.model.input(1).postMeter = -12;
        o.model.input(2).postMeter = 30; // above the scale: the bar is full, the number true
        o.model.input(16).postMeter = -100;
        o.model.input(17).postMeter = 5;
        o.sync(Msg::InputMeters);
        QCOMPARE(inputs->meter(0)->level(), -40);
        QCOMPARE(inputs->numberLabel(0)->text(), QStringLiteral("-40"));
        QCOMPARE(inputs->numberLabel(1)->text(), QStringLiteral("-12"));
        QCOMPARE(inputs->meter(2)->level(), 24);
        QCOMPARE(inputs->numberLabel(2)->text(), QStringLiteral("30"));
        QCOMPARE(inputs->numberLabel(16)->text(), QStringLiteral("-40/5"));

        pressCtrl(&o.widget, Qt::Key_N);
        QCOMPARE(o.widget.meterFloor(), -100);
        QCOMPARE(inputs->meter(0)->minimum(), -100);
        QCOMPARE(inputs->meter(0)->maximum(), 24);
        QCOMPARE(o.widget.outputGroup()->meter(17)->minimum(), -100);
        QCOMPARE(inputs->numberLabel(0)->text(), QStringLiteral("-100"));
        QCOMPARE(inputs->numberLabel(16)->text(), QStringLiteral("-100/5"));
        QCOMPARE(o.widget.outputGroup()->numberLabel(3)->text(), QStringLiteral("-100"));
        // Every number fits its label at the lowest floor, and all channels are one width.
        for (int channel = 0; channel <= MeterGroup::PairFirst; ++channel) {
            QLabel *number = inputs->numberLabel(channel);
            const QString widest =
                    channel == MeterGroup::PairFirst ? QStringLiteral("-100/-100") : "-100";
            QVERIFY(number->width() >= number->fontMetrics().horizontalAdvance(widest));
            QCOMPARE(number->minimumSize(), number->maximumSize());
            if (channel < MeterGroup::Channels)
                QCOMPARE(number->width(), inputs->numberLabel(0)->width());
        }

        o.model.input(0).postMeter = -60; // shown as it is only above the floor
        o.sync(Msg::InputMeters);
        QCOMPARE(inputs->numberLabel(0)->text(), QStringLiteral("-60"));
        pressCtrl(&o.widget, Qt::Key_N);
        QCOMPARE(inputs->numberLabel(0)->text(), QStringLiteral("-40"));
    }

    // Each message redraws its own metering point, here and in the meter window.
    void eachMeterMessageRedrawsItsPoint()
    {
        Overview o;
        o.widget.showMeterDialog();
        QVERIFY(QTest::qWaitForWindowExposed(&o.dialog()));
        // Levels of point s (in the order of MeterGroup::Source) and channel i: -20 + 3 s - i.
        for (int i = 0; i < MeterGroup::MeterCount; ++i) {
            o.model.input(i).postMeter = qint8(-20 - i);
            o.model.input(i).preMeter = qint8(-17 - i);
            o.model.output(i).postMeter = qint8(-14 - i);
            o.model.output(i).preMeter = qint8(-11 - i);
        }
        const MessageId messages[] = {Msg::InputMeters, Msg::PreMixMeters, Msg::OutputMeters,
                                      Msg::OutputPreMeters};
        for (int point = 0; point < 4; ++point) {
            o.sync(messages[point]);
            for (int s = 0; s < 4; ++s) {
                MeterGroup *group = o.dialog().group(MeterGroup::Source(s));
                const bool redrawn = s <= point; // the points before were redrawn by now
                QCOMPARE(group->numberLabel(5)->text(),
                         redrawn ? QString::number(-25 + 3 * s) : QStringLiteral("-40"));
                QCOMPARE(group->meter(17)->level(), redrawn ? -37 + 3 * s : -40);
                QCOMPARE(group->numberLabel(16)->text(),
                         redrawn ? QStringLiteral("%1/%2").arg(-36 + 3 * s).arg(-37 + 3 * s)
                                 : QStringLiteral("-40/-40"));
            }
            QCOMPARE(o.widget.inputGroup()->numberLabel(5)->text(), QStringLiteral("-25"));
            QCOMPARE(o.widget.outputGroup()->numberLabel(5)->text(),
                     point >= 2 ? QStringLiteral("-19") : QStringLiteral("-40"));
        }
    }

    // The main window connects the model's notification to syncFromModel with this one line.
    void repliesReachTheOverviewThroughTheNotification()
    {
        Overview o;
        QObject::connect(&o.model, &DataModel::tcpSyncToUI, &o.widget,
                         &OverviewWidget::syncFromModel);
        QByteArray levels(18, char(-100));
        levels[0] = char(-6);
        levels[17] = char(3);
        const QByteArray meters = Frame::build(Msg::InputMeters, Frame::Reply, levels);
        o.model.receiveBytes(meters.constData(), meters.size());
        QCOMPARE(o.widget.inputGroup()->numberLabel(0)->text(), QStringLiteral("-6"));
        QCOMPARE(o.widget.inputGroup()->numberLabel(16)->text(), QStringLiteral("-40/3"));
        const QByteArray serial = Frame::build(Msg::SysSerialNumber, Frame::Reply, "VT-77");
        o.model.receiveBytes(serial.constData(), serial.size());
        QCOMPARE(o.info("serialNumberLabel"), QStringLiteral("VT-77"));
    }

    // The hidden meter window draws nothing, and shows the mirror as soon as it is opened.
    void meterWindowCatchesUpWhenShown()
    {
        Overview o;
        o.model.input(4).preMeter = -7;
        o.sync(Msg::PreMixMeters);
        MeterGroup *pre = o.dialog().group(MeterGroup::InputPreFader);
        QCOMPARE(pre->meter(4)->level(), -40);
        o.widget.showMeterDialog();
        QCOMPARE(pre->meter(4)->level(), -7);
        QCOMPARE(pre->numberLabel(4)->text(), QStringLiteral("-7"));
    }

    // The meter window is built when first wanted and starts at the overview's floor.
    void meterWindowBuiltLateStartsAtTheOverviewsFloor()
    {
        Overview o;
        QVERIFY(!o.widget.findChild<MeterDialog *>());
        QVERIFY(activate(&o.widget));
        pressCtrl(&o.widget, Qt::Key_N);
        QCOMPARE(o.widget.meterFloor(), -100);
        QVERIFY(!o.widget.findChild<MeterDialog *>());

        o.widget.showMeterDialog();
        QCOMPARE(o.dialog().meterFloor(), -100);
        QCOMPARE(o.dialog().group(MeterGroup::InputPreFader)->meter(0)->minimum(), -100);
        QCOMPARE(o.widget.findChildren<MeterDialog *>().size(), 1);
    }

    // Each press toggles both floors, so a press in each window leaves both at −40.
    void ctrlNInBothWindowsKeepsTheFloorsInStep()
    {
        Overview o;
        QSignalSpy ctrlN(&o.dialog(), &MeterDialog::ctrlN);
        QVERIFY(activate(&o.widget));
        pressCtrl(&o.widget, Qt::Key_N);
        QCOMPARE(o.widget.meterFloor(), -100);
        QCOMPARE(o.dialog().meterFloor(), -100);
        QCOMPARE(ctrlN.count(), 0);

        QVERIFY(activate(&o.dialog()));
        MeterGroup *pre = o.dialog().group(MeterGroup::InputPreFader);
        QCOMPARE(pre->numberLabel(0)->text(), QStringLiteral("-100"));
        pressCtrl(&o.dialog(), Qt::Key_N);
        QCOMPARE(ctrlN.count(), 1);
        QCOMPARE(o.dialog().meterFloor(), -40);
        QCOMPARE(o.widget.meterFloor(), -40);
        QCOMPARE(pre->numberLabel(0)->text(), QStringLiteral("-40"));
        QCOMPARE(o.dialog().group(MeterGroup::OutputPostFader)->meter(16)->minimum(), -40);

        // A double click on "Input Pre Fader" toggles both; the other groups do not.
        QTest::mouseDClick(o.dialog().group(MeterGroup::OutputPreFader), Qt::LeftButton);
        QCOMPARE(o.dialog().meterFloor(), -40);
        QTest::mouseDClick(pre, Qt::LeftButton);
        QCOMPARE(ctrlN.count(), 2);
        QCOMPARE(o.dialog().meterFloor(), -100);
        QCOMPARE(o.widget.meterFloor(), -100);
        QCOMPARE(o.widget.inputGroup()->numberLabel(0)->text(), QStringLiteral("-100"));
    }

    void doubleClicksOpenTheMeterWindowOrReportTheInfoPanel()
    {
        Overview o;
        QSignalSpy info(&o.widget, &OverviewWidget::infoDoubleClicked);
        o.widget.show();
        // Anywhere on the panel, its labels included.
        QTest::mouseDClick(o.widget.findChild<QLabel *>(QStringLiteral("serialNumberLabel")),
                           Qt::LeftButton);
        QCOMPARE(info.count(), 1);
        QVERIFY(!o.dialog().isVisible());
        QTest::mouseDClick(o.widget.outputGroup(), Qt::LeftButton);
        QVERIFY(o.dialog().isVisible());
        QVERIFY(!o.dialog().isModal());
        QCOMPARE(o.dialog().windowTitle(), QStringLiteral("Meter"));
        QCOMPARE(info.count(), 1);
    }

    void infoLabelsFollowTheMirror()
    {
        Overview o;
        DeviceInfo &device = o.model.deviceInfo();
        QCOMPARE(o.info("dspVersionLabel"), QString()); // 0.0.0 before any report
        QCOMPARE(o.info("danteConnectLabel"), QString()); // 2 before any report
        QCOMPARE(o.info("dspUsageLabel"), QString());

        device.armVersion = {1, 2, 9};
        o.sync(Msg::SysArmVersion);
        QCOMPARE(o.info("armVersionLabel"), QStringLiteral("V1.2.9"));
        device.armBuild = 0x2a0f;
        o.sync(Msg::SysArmBuild);
        QCOMPARE(o.info("armVersionLabel"), QStringLiteral("V1.2.9-2a0f"));

        device.dspVersion = {3, 0, 12};
        o.sync(Msg::SysDspVersion);
        QCOMPARE(o.info("dspVersionLabel"), QStringLiteral("V3.0.12"));
        device.dspVersion = {0, 0, 0};
        o.sync(Msg::SysDspVersion);
        QCOMPARE(o.info("dspVersionLabel"), QString());

        const struct
        {
            float a, b;
            const char *text;
        } usages[] = {{12.34f, 7.0f, "12.3%, 7.0%"},
                      {0.0f, 0.05f, "0.0%, 0.1%"},
                      {0.0f, 0.0f, ""},
                      {100.0f, 99.96f, "100.0%, 100.0%"}};
        for (const auto &usage : usages) {
            device.dspUsage = {usage.a, usage.b};
            o.sync(Msg::SysDspUsage);
            QCOMPARE(o.info("dspUsageLabel"), QLatin1String(usage.text));
        }

        const struct
        {
            quint8 state;
            const char *text;
        } connects[] = {{1, "Connected"}, {0, "Disconnected"}, {2, ""}, {7, ""}};
        for (const auto &connect : connects) {
            device.danteConnected = connect.state;
            o.sync(Msg::SysDanteState);
            QCOMPARE(o.info("danteConnectLabel"), QLatin1String(connect.text));
        }
    }

    void danteRowsBeforeAndAfterLogin()
    {
        const struct
        {
            int bootMode;
            quint8 danteUi;
            bool supportRowLoggedOut;
        } cases[] = {{0, 1, false}, {1, 0, false}, {1, 1, true}, {2, 1, true}};
        for (const auto &c : cases) {
            LinkSettings settings = testLinkSettings();
            settings.bootMode = c.bootMode;
            settings.danteUi = c.danteUi;
            Overview o(settings);
            o.model.deviceInfo().danteSupported = 1;
            o.model.deviceInfo().danteConnected = 1;
            o.sync(Msg::SysDanteState);
            QCOMPARE(o.info("danteSupportLabel"), QString());
            QCOMPARE(o.infoShown("danteSupportLabel"), c.supportRowLoggedOut);
            QVERIFY(!o.infoShown("danteConnectLabel"));

            o.model.loginReplyReceived(1); // accepted: tcpLoginChanged
            QCOMPARE(o.info("danteSupportLabel"), QStringLiteral("Yes"));
            QVERIFY(o.infoShown("danteSupportLabel"));
            QVERIFY(o.infoShown("danteConnectLabel"));
            QCOMPARE(o.info("danteConnectLabel"), QStringLiteral("Connected"));

            o.model.deviceInfo().danteSupported = 0;
            o.sync(Msg::SysDanteState);
            QCOMPARE(o.info("danteSupportLabel"), QStringLiteral("No"));
            QVERIFY(o.infoShown("danteSupportLabel"));
            QVERIFY(!o.infoShown("danteConnectLabel"));

            o.model.loginReplyReceived(0); // nobody logged in any more
            QCOMPARE(o.info("danteSupportLabel"), QString());
            QCOMPARE(o.infoShown("danteSupportLabel"), c.supportRowLoggedOut);
        }
    }

    // The button writes the mirror, then sends (2,2,16) with one byte through the set path.
    void muteButtonWritesTheMirrorAndSends()
    {
        LoopbackDevice device;
        QVERIFY(device.connect());
        OverviewWidget widget(device.model.get());
        QVERIFY(activate(&widget));
        QPushButton *mute = widget.findChild<QPushButton *>(QStringLiteral("muteButton"));
        device.drain();

        QTest::mouseClick(mute, Qt::LeftButton);
        QVERIFY(mute->isChecked());
        QCOMPARE(device.model->deviceInfo().systemMute, quint8(1));
        QCOMPARE(device.model->lastWrite().id, Msg::SysSystemMute);
        const QByteArray on = QByteArray::fromHex("827d0100020210010100017d82");
        QVERIFY(device.received(on.size()).contains(on));

        pressCtrl(&widget, Qt::Key_M); // Ctrl+M clicks the button
        QVERIFY(!mute->isChecked());
        QCOMPARE(device.model->deviceInfo().systemMute, quint8(0));
        const QByteArray off = QByteArray::fromHex("827d0100020210010100007d82");
        QVERIFY(device.received(off.size()).contains(off));

        // The device's report moves the button; nothing is sent for it.
        device.model->deviceInfo().systemMute = 1;
        device.drain();
        widget.syncFromModel(2, 2, 16, 255, 255);
        QVERIFY(mute->isChecked());
        QVERIFY(!device.received(1).contains(QByteArray::fromHex("02021001")));
    }

    // The simplified interface shows no info panel, and Ctrl+M mutes nothing behind it.
    void simpleModeHidesTheInfoPanel()
    {
        LinkSettings settings = testLinkSettings();
        settings.simple = 1;
        Overview o(settings);
        QVERIFY(activate(&o.widget));
        QVERIFY(!o.widget.findChild<GroupBox *>(QStringLiteral("infoPanel"))->isVisible());
        QVERIFY(o.widget.inputGroup()->isVisible());
        pressCtrl(&o.widget, Qt::Key_M);
        QCOMPARE(o.model.deviceInfo().systemMute, quint8(0));
        QVERIFY(!o.muteButton()->isChecked());
        QCOMPARE(o.widget.height(), OverviewWidget::FixedHeight);
    }

    // In all six groups; back to 16x16 everything shows again, numbered.
    void channelConfigHidesColumnsAndCaptionsDante()
    {
        Overview o;
        const QList<MeterGroup *> inputs {o.widget.inputGroup(),
                                          o.dialog().group(MeterGroup::InputPreFader),
                                          o.dialog().group(MeterGroup::InputPostFader)};
        const QList<MeterGroup *> outputs {o.widget.outputGroup(),
                                           o.dialog().group(MeterGroup::OutputPreFader),
                                           o.dialog().group(MeterGroup::OutputPostFader)};
        // The captions of channels 9 to 16, "-" where hidden.
        const auto captions = [](MeterGroup *group) {
            QStringList result;
            for (int channel = 8; channel < 16; ++channel) {
                result << (group->column(channel)->isHidden()
                                   ? QStringLiteral("-")
                                   : group->captionLabel(channel)->text());
            }
            return result.join(',');
        };
        const struct
        {
            quint32 hidden;
            quint16 dante;
            const char *inputs;
            const char *outputs;
            bool pairs;
        } configs[] = {{0x0, 0xF0, "9,10,11,12,RX 1,RX 2,RX 3,RX 4", // 12x12+Dante4x4
                        "9,10,11,12,TX 1,TX 2,TX 3,TX 4", true},
                       {0x30F, 0xF0, "-,-,-,-,RX 1,RX 2,RX 3,RX 4", // 8x8+Dante4x4
                        "-,-,-,-,TX 1,TX 2,TX 3,TX 4", false},
                       {0x0, 0x0, "9,10,11,12,13,14,15,16", "9,10,11,12,13,14,15,16", true}};
        for (const auto &config : configs) {
            o.model.setDanteChannelNames(config.dante, config.dante);
            o.widget.applyChannelConfig(config.hidden, config.hidden, config.dante, config.dante);
            for (MeterGroup *group : inputs + outputs) {
                const bool input = inputs.contains(group);
                QCOMPARE(captions(group), QLatin1String(input ? config.inputs : config.outputs));
                for (int channel = 0; channel < 8; ++channel) {
                    QVERIFY(!group->column(channel)->isHidden());
                    QCOMPARE(group->captionLabel(channel)->text(), QString::number(channel + 1));
                }
                QCOMPARE(!group->column(16)->isHidden(), config.pairs);
                QCOMPARE(group->captionLabel(16)->text(),
                         input ? QStringLiteral("Play") : QStringLiteral("Rec"));
            }
        }
    }

    void meterTooltipsFollowTheLabels()
    {
        Overview o;
        QCOMPARE(o.widget.inputGroup()->meter(3)->toolTip(), QString());
        o.model.input(3).label = QStringLiteral("Lectern");
        o.model.input(16).label = QStringLiteral("Laptop");
        o.model.output(3).label = QStringLiteral("Hall");
        o.sync(Msg::InputLabels, 3);
        o.sync(Msg::InputLabels, 16);
        for (MeterGroup *group :
             {o.widget.inputGroup(), o.dialog().group(MeterGroup::InputPreFader),
              o.dialog().group(MeterGroup::InputPostFader)}) {
            QCOMPARE(group->meter(3)->toolTip(), QStringLiteral("Lectern"));
            QCOMPARE(group->meter(16)->toolTip(), QStringLiteral("Laptop"));
            QCOMPARE(group->meter(17)->toolTip(), QString());
        }
        // Outputs follow their own message only.
        QCOMPARE(o.widget.outputGroup()->meter(3)->toolTip(), QString());
        o.sync(Msg::OutputLabels, 3);
        QCOMPARE(o.widget.outputGroup()->meter(3)->toolTip(), QStringLiteral("Hall"));
        QCOMPARE(o.dialog().group(MeterGroup::OutputPreFader)->meter(3)->toolTip(),
                 QStringLiteral("Hall"));
        // A label cleared on the device clears the tooltip.
        o.model.input(3).label.clear();
        o.sync(Msg::InputLabels, 3);
        QCOMPARE(o.dialog().group(MeterGroup::InputPostFader)->meter(3)->toolTip(), QString());
    }

    // A language change re-sets every text at once.
    void textsFollowTheLanguage()
    {
        Overview o;
        o.model.loginReplyReceived(1);
        o.model.deviceInfo().danteSupported = 1;
        o.sync(Msg::SysDanteState);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translation/chs.qm")));
        QCoreApplication::installTranslator(&translator);
        QTRY_COMPARE(o.widget.inputGroup()->title(), QStringLiteral("输入"));
        QTRY_COMPARE(o.dialog().windowTitle(), QStringLiteral("电平表"));
        QCOMPARE(o.muteButton()->text(), QStringLiteral("系统静音"));
        QCOMPARE(o.info("danteSupportLabel"), QStringLiteral("是"));
        QCOMPARE(o.dialog().group(MeterGroup::OutputPreFader)->captionLabel(16)->text(),
                 QStringLiteral("录音"));
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(o.widget.inputGroup()->title(), QStringLiteral("Input"));
        QTRY_COMPARE(o.dialog().windowTitle(), QStringLiteral("Meter"));
        QCOMPARE(o.dialog().group(MeterGroup::InputPreFader)->title(),
                 QStringLiteral("Input Pre Fader"));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<OverviewTest>(argc, argv);
}

#include "OverviewTest.moc"
