#include "admin/DanteSetupDialog.h"
#include "admin/DeviceSetupDialog.h"
#include "app/AppTestEnvironment.h"
#include "model/DataModel.h"
#include "support/TestLinkEnvironment.h"
#include "widgets/Resources.h"
#include "widgets/Screenshots.h"
#include "wire/ByteWriter.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTranslator>
#include <QtTest>

namespace {

// A 12x12+Dante processor as the dialogs see it after the first polls.
void fillDevice(DataModel &model)
{
    DeviceInfo &d = model.deviceInfo();
    d.modelName = QStringLiteral("VX-1212D");
    d.armVersion = {3, 1, 4};
    d.armBuild = 0x2a17;
    d.dspVersion = {2, 0, 7};
    d.serialNumber = QStringLiteral("VT1212-000417");
    d.inputCount = 12;
    d.outputCount = 12;
    d.bootCount = 42;
    d.temperature = 38.5f;
    d.runTime = 3 * 3600 + 25 * 60 + 7;
    d.totalTime = 86400 * 41 + 7 * 3600;
    d.location = QStringLiteral("Hall A");
    d.description = QStringLiteral("Main stage rack");
    d.address = 0xC0A8010A;
    d.netmask = 0xFFFFFF00;
    d.gateway = 0xC0A80101;
    d.deviceId = 77010;
    d.usbDisk = 1;
    d.danteSupported = 1;
    d.faultFlags = 0x10;
    d.faults = {1, 1, 2, 1, 1};
    d.macAddress = QStringLiteral("00-1B-44-11-3A-B7");
    d.fanTest = 0;
    d.usbAutoPlay = 1;
    d.syncMode = 2;
    d.syncHost = 0xC0A8010B;
    d.syncStatus = 2;
    model.input(2).gainMax = 6.0f;
    model.output(0).gainMin = -30.0f;

    ByteWriter info(94);
    info.fixedText("VX-Stage", 32).fixedText("DNA-4x4", 32).u32((4u << 24) | (2u << 16) | 3u);
    info.bytes(QByteArray::fromHex("a9fe0102")).u32(1000).u32(1000).u8(0).u8(4);
    info.bytes(QByteArray::fromHex("ffff0000"))
            .bytes(QByteArray(4, '\0'))
            .bytes(QByteArray(4, '\0'));
    DanteState &dante = model.mirror().dante;
    dante.info = info;
    dante.clockSource = 1;
    dante.clockState = 7;
    QByteArray block(64, '\0');
    block.replace(0, 8, "StageBox");
    block.replace(32, 6, "Mic-01");
    dante.blocks[0] = block;
    model.input(12).label = QStringLiteral("Lectern");
    model.output(15).label = QStringLiteral("Stream");
}

} // namespace

// Both setup dialogs as a user sees them, light and dark, in English and Simplified Chinese:
// drawn, and nothing cut off at their default size.
class SetupScreenshotTest : public QObject
{
    Q_OBJECT

    static void checkNothingClipped(QWidget *dialog)
    {
        const auto labels = dialog->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            if (!label->isVisible() || label->wordWrap() || label->text().isEmpty()
                || label->textFormat() == Qt::RichText
                || label->objectName() == QLatin1String("routingNote"))
                continue;
            const int width = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(width <= label->contentsRect().width() + 1,
                     qPrintable(QStringLiteral("%1: \"%2\" needs %3, has %4")
                                        .arg(label->objectName(), label->text())
                                        .arg(width)
                                        .arg(label->contentsRect().width())));
        }
    }

private slots:
    void initTestCase()
    {
        initApplicationResources();
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9)); // as the program starts
    }

    void dialogsAreDrawn_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "chs"}) {
            QTest::addRow("light %s", language) << false << QString::fromLatin1(language);
            QTest::addRow("dark %s", language) << true << QString::fromLatin1(language);
        }
    }
    void dialogsAreDrawn()
    {
        QFETCH(bool, dark);
        QFETCH(QString, language);
        QTranslator translator;
        if (language != QLatin1String("en")) {
            QVERIFY(translator.load(QStringLiteral(":/translation/%1.qm").arg(language)));
            QCoreApplication::installTranslator(&translator);
        }
        Screenshots::applyAppearance(dark);
        FakeClock clock;
        DataModel model(testLinkSettings(), testLinkEnvironment(clock, QStringLiteral(":memory:")));
        model.setDanteChannelNames(0xF0, 0xF0);
        fillDevice(model);

        DeviceSetupDialog device(&model);
        device.applyChannelConfig(0x300, 0x300, 0xF0, 0xF0); // 12x12+Dante4x4
        DanteSetupDialog dante(&model);
        device.show();
        dante.show();
        QVERIFY(QTest::qWaitForWindowExposed(&device));
        QVERIFY(QTest::qWaitForWindowExposed(&dante));
        QCoreApplication::processEvents();

        const QString suffix = (dark ? QStringLiteral("-dark-") : QStringLiteral("-light-"))
                + language + QStringLiteral(".png");
        const QImage deviceShot = device.grab().toImage();
        Screenshots::keepAndCheck(deviceShot, QStringLiteral("device-setup") + suffix, 60);
        Screenshots::keepAndCheck(dante.grab().toImage(), QStringLiteral("dante-setup") + suffix,
                                  60);
        const QColor page = deviceShot.pixel(3, 3);
        QVERIFY2(dark ? page.lightness() < 80 : page.lightness() > 180, qPrintable(page.name()));
        checkNothingClipped(&device);
        // Both limit groups lie whole inside the scrolled area.
        auto *scroll = device.findChild<QScrollArea *>(QStringLiteral("limitScrollArea"));
        for (const char *name : {"inputLimitGroup", "outputLimitGroup"}) {
            auto *group = device.findChild<QWidget *>(QLatin1String(name));
            const QPoint right = group->mapTo(scroll->viewport(), QPoint(group->width(), 0));
            QVERIFY2(right.x() <= scroll->viewport()->width(), name);
        }
        checkNothingClipped(&dante);

        device.hide();
        dante.hide();
        QCoreApplication::removeTranslator(&translator);
        Screenshots::resetAppearance();
    }
};

int main(int argc, char *argv[])
{
    Screenshots::pictureDirectory(); // before the environment moves into a temporary directory
    return runAppTest<SetupScreenshotTest>(argc, argv);
}

#include "SetupScreenshotTest.moc"
