#include "app/AppTestEnvironment.h"
#include "widgets/Resources.h"
#include "editors/overview/MeterDialog.h"
#include "editors/overview/OverviewWidget.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "support/TestLinkEnvironment.h"

#include "widgets/Screenshots.h"

#include <QLabel>
#include <QMainWindow>
#include <QVBoxLayout>
#include <QtMath>
#include <QtTest>

namespace {

// A connected processor as the overview sees it: versions, Dante, load, and levels that move
// from frame to frame like programme material.
void fillDevice(DataModel &model)
{
    DeviceInfo &device = model.deviceInfo();
    device.armVersion = {1, 2, 9};
    device.armBuild = 0x3c1;
    device.dspVersion = {2, 0, 4};
    device.serialNumber = QStringLiteral("VT1616-000417");
    device.dspUsage = {37.5f, 21.2f};
    device.danteSupported = 1;
    device.danteConnected = 1;
    device.systemMute = 0;
    model.loginReplyReceived(1);
    model.input(0).label = QStringLiteral("Lectern");
}

void moveLevels(DataModel &model, int frame)
{
    for (int i = 0; i < ParameterMirror::ChannelCount; ++i) {
        const double wave = qSin(0.7 * i + 0.9 * frame);
        const qint8 post = i % 7 == 6 ? MeterFloor : qint8(-18 + 16 * wave);
        model.input(i).postMeter = post;
        model.input(i).preMeter = qint8(post + 4);
        model.output(i).postMeter = i >= 12 ? MeterFloor : qint8(-24 + 20 * qCos(0.5 * i + frame));
        model.output(i).preMeter = qint8(-20 + 14 * qCos(0.5 * i + frame));
    }
}

void syncAll(OverviewWidget &overview)
{
    const MessageId messages[] = {Msg::InputMeters,     Msg::PreMixMeters,  Msg::OutputMeters,
                                  Msg::OutputPreMeters, Msg::SysArmVersion, Msg::SysDspVersion,
                                  Msg::SysDanteState,   Msg::SysDspUsage,   Msg::SysSerialNumber,
                                  Msg::SysSystemMute};
    for (MessageId id : messages)
        overview.syncFromModel(id.type, id.subType, id.funcId, 255, 255);
}

} // namespace

class OverviewScreenshotTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initApplicationResources();
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9)); // as the program starts
    }

    void overviewAndMeterWindowAreDrawn_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void overviewAndMeterWindowAreDrawn()
    {
        QFETCH(bool, dark);
        Screenshots::applyAppearance(dark);
        FakeClock clock;
        DataModel model(testLinkSettings(), testLinkEnvironment(clock, QStringLiteral(":memory:")));
        model.setDanteChannelNames(0xF0, 0xF0);

        // As in the main window: the overview on the window's background.
        QMainWindow window;
        auto *central = new QWidget(&window);
        auto *layout = new QVBoxLayout(central);
        layout->setContentsMargins(8, 8, 8, 8);
        auto *overview = new OverviewWidget(&model, central);
        layout->addWidget(overview);
        window.setCentralWidget(central);
        // The width the main window leaves the overview at its default size, 1280 pixels.
        window.resize(976 + 16, OverviewWidget::FixedHeight + 16);
        overview->applyChannelConfig(0, 0, 0xF0, 0xF0);
        fillDevice(model);
        window.show();
        overview->showMeterDialog();
        MeterDialog *meters = overview->meterDialog();
        meters->resize(780, 720);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(QTest::qWaitForWindowExposed(meters));

        for (int frame = 0; frame < 5; ++frame) {
            moveLevels(model, frame);
            syncAll(*overview);
            QCoreApplication::processEvents();
        }
        const QString appearance = dark ? QStringLiteral("dark") : QStringLiteral("light");
        const QImage overviewShot = window.grab().toImage();
        Screenshots::keepAndCheck(overviewShot, "overview-" + appearance + ".png", 100);
        Screenshots::keepAndCheck(meters->grab().toImage(), "meters-" + appearance + ".png", 100);
        // The background follows the appearance.
        const QColor page = overviewShot.pixel(2, 2);
        QVERIFY2(dark ? page.lightness() < 80 : page.lightness() > 180, qPrintable(page.name()));
        // Nothing is cut off, at either floor, in the width the main window gives the overview
        // at its default size.
        for (int floor : {-40, -100}) {
            QCOMPARE(overview->meterFloor(), floor);
            QVERIFY(overview->minimumSizeHint().width() <= 976);
            for (MeterGroup *group : {overview->inputGroup(), overview->outputGroup()}) {
                QVERIFY(group->column(16)->geometry().right() < group->width());
                for (int i = 0; i <= 16; ++i) {
                    QLabel *number = group->numberLabel(i);
                    const int textWidth = number->fontMetrics().horizontalAdvance(number->text());
                    QVERIFY2(textWidth <= number->contentsRect().width(),
                             qPrintable(number->text()));
                }
            }
            overview->meterRangeShortcutActivated();
            QCoreApplication::processEvents();
        }
        Screenshots::resetAppearance();
    }
};

int main(int argc, char *argv[])
{
    Screenshots::pictureDirectory(); // before the environment moves into a temporary directory
    return runAppTest<OverviewScreenshotTest>(argc, argv);
}

#include "OverviewScreenshotTest.moc"
