#include "widgets/Screenshots.h"

#include "admin/GPIOSetupDialog.h"
#include "admin/RecPlayDialog.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "support/FakeClock.h"
#include "support/TestLinkEnvironment.h"
#include "widgets/Resources.h"

#include <QPushButton>

// Both dialogs filled as a user meets them, in the light and the dark appearance; the pictures
// stay in the test's directory to look at.
class UsbGpioScreenshotTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    std::unique_ptr<DataModel> m_model;

    void fill()
    {
        UsbState &usb = m_model->mirror().usb;
        usb.playCount = 4;
        usb.playState = 1;
        usb.playMode = 3;
        usb.playPosition = 83;
        usb.playDuration = 214;
        usb.playFile = QStringLiteral("会议背景音乐.flac");
        usb.recordCount = 3;
        usb.recordState = 1;
        usb.recordTime = 125;
        usb.recordSource = 2;
        auto &switches = m_model->mirror().matrix.switches;
        switches[0][0] = switches[1][0] = 1;
        switches[0][1] = 1;
        switches[1][19] = 1;
        m_model->input(2).label = QStringLiteral("Podium");
        m_model->mirror().gpio[2].kind = 1;
        m_model->mirror().gpio[2].settings[0] = 17;
    }

    void feed(RecPlayDialog &dialog)
    {
        dialog.syncFromModel(2, 5, 1, 255, 255);
        const char *files[] = {"Opening Theme.mp3", "Background Loop.wav", "会议背景音乐.flac",
                               "Closing.ape"};
        for (int i = 0; i < 4; ++i)
            dialog.syncFromModel(2, 5, 2, 255, 255, QVariantList {i, QString::fromUtf8(files[i])});
        dialog.syncFromModel(2, 5, 3, 255, 255);
        dialog.syncFromModel(2, 5, 5, 255, 255);
        dialog.syncFromModel(2, 5, 16, 255, 255);
        const char *records[] = {"REC0001.wav", "REC0002.wav", "REC0003.wav"};
        const uint seconds[] = {95, 3725, 125};
        for (int i = 0; i < 3; ++i)
            dialog.syncFromModel(2, 5, 17, 255, 255,
                                 QVariantList {seconds[i], QString::fromLatin1(records[i])});
        dialog.syncFromModel(2, 5, 18, 255, 255);
        dialog.syncFromModel(3, 8, 17, 0, 255);
    }

private slots:
    void initTestCase()
    {
        initApplicationResources();
        Screenshots::pictureDirectory();
        LinkSettings settings;
        settings.broadcastPort = freeUdpPort();
        m_model = std::make_unique<DataModel>(
                settings, testLinkEnvironment(m_clock, QStringLiteral(":memory:")));
        fill();
    }

    void cleanupTestCase() { Screenshots::resetAppearance(); }

    void dialogs_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void dialogs()
    {
        QFETCH(bool, dark);
        Screenshots::applyAppearance(dark);
        const QString look = dark ? QStringLiteral("dark") : QStringLiteral("light");

        RecPlayDialog recPlay(m_model.get());
        recPlay.applyChannelConfig(0xF0, 0xF0); // 12x12
        feed(recPlay);
        recPlay.show();
        QVERIFY(QTest::qWaitForWindowExposed(&recPlay));
        Screenshots::keepAndCheck(recPlay.grab().toImage(),
                                  QStringLiteral("recplay-%1.png").arg(look), 20);

        GPIOSetupDialog gpio(m_model.get());
        gpio.applyChannelConfig(0xF0, 0xF0, 0x0F, 0x0F);
        gpio.findChild<QPushButton *>(QStringLiteral("gpioPortButton2"))->click();
        gpio.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gpio));
        Screenshots::keepAndCheck(gpio.grab().toImage(),
                                  QStringLiteral("gpiosetup-%1.png").arg(look), 8);
    }
};

QTEST_MAIN(UsbGpioScreenshotTest)
#include "UsbGpioScreenshotTest.moc"
