#include "admin/DanteSetupDialog.h"
#include "admin/DeviceSetupDialog.h"
#include "app/AppTestEnvironment.h"
#include "app/Appearance.h"
#include "app/MainWindow.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "settings/SystemSettings.h"
#include "support/FakeClock.h"
#include "support/TestLinkEnvironment.h"
#include "wire/ByteWriter.h"
#include "wire/Frame.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

// The main window shows both setup dialogs from the "Setup" menu and hands them the device's
// replies: system reports, gain ranges, Dante records and channel labels.
class SetupWindowTest : public QObject
{
    Q_OBJECT

    FakeClock clock;
    std::unique_ptr<SystemSettings> settings;
    std::unique_ptr<Appearance> appearance;
    std::unique_ptr<DataModel> model;
    std::unique_ptr<MainWindow> window;

    void reply(MessageId id, const QByteArray &payload)
    {
        const QByteArray frame = Frame::build(id, Frame::Reply, payload);
        model->receiveBytes(frame.constData(), frame.size());
    }
    QAction *entry(const char *name) const
    {
        return window->menuBar()->findChild<QAction *>(QLatin1String(name));
    }

private slots:
    void init()
    {
        settings = std::make_unique<SystemSettings>();
        appearance = std::make_unique<Appearance>(settings.get());
        LinkSettings link = settings->linkSettings();
        link.broadcastPort = freeUdpPort();
        model = std::make_unique<DataModel>(link,
                                            testLinkEnvironment(clock, QStringLiteral(":memory:")));
        window = std::make_unique<MainWindow>(settings.get(), model.get());
        settings->setDeviceVersion(3); // 12x12 with Dante
        window->applyDeviceVersion();
    }

    void cleanup()
    {
        window.reset();
        model.reset();
        appearance.reset();
        settings.reset();
    }

    void deviceSetupFromTheMenu()
    {
        QVERIFY(entry("deviceSetupAction")->isVisible());
        entry("deviceSetupAction")->trigger();
        auto *dialog = window->findChild<DeviceSetupDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(model->openDialogs() & StatusPoll::DeviceSetupDialog);

        reply(Msg::SysLocation, "Lobby");
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("deviceLocationEdit"))->text(),
                 QStringLiteral("Lobby"));
        ByteWriter ranges;
        for (int ch = 0; ch < 16; ++ch)
            ranges.f32(12.0f).f32(ch == 1 ? -20.0f : -56.0f);
        reply(Msg::PreMixGainRange, ranges);
        auto *inputs = dialog->findChild<QGroupBox *>(QStringLiteral("inputLimitGroup"));
        QCOMPARE(inputs->findChildren<QSpinBox *>(QStringLiteral("1")).value(0)->value(), -20);
        // The 8x8 configuration leaves inputs 9..16 out of the limits.
        settings->setDeviceVersion(2);
        window->applyDeviceVersion();
        QVERIFY(inputs->findChildren<QSpinBox *>(QStringLiteral("7")).value(0)->isVisible());
        QVERIFY(!inputs->findChildren<QSpinBox *>(QStringLiteral("8")).value(0)->isVisible());

        // Shown once: the menu raises the same dialog again.
        dialog->hide();
        entry("deviceSetupAction")->trigger();
        QCOMPARE(window->findChildren<DeviceSetupDialog *>().size(), 1);
    }

    void danteSetupFromTheMenu()
    {
        QVERIFY(entry("danteSetupAction")->isVisible());
        QVERIFY(entry("danteSetupAction")->isEnabled());
        entry("danteSetupAction")->trigger();
        auto *dialog = window->findChild<DanteSetupDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(model->openDialogs() & StatusPoll::DanteSetupDialog);

        QByteArray info(94, '\0');
        info.replace(0, 6, "Stage2");
        reply(Msg::DanteInfo, info);
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("deviceNameEdit"))->text(),
                 QStringLiteral("Stage2"));
        QByteArray labels(256, '\0');
        labels.replace(12 * 16, 7, "Lectern");
        reply(Msg::InputLabels, labels);
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("receiveChannelTable"));
        QCOMPARE(qobject_cast<QLineEdit *>(table->cellWidget(0, 1))->text(),
                 QStringLiteral("Lectern"));

        // A configuration without Dante closes it.
        settings->setDeviceVersion(0);
        window->applyDeviceVersion();
        QVERIFY(!dialog->isVisible());
        QVERIFY(!(model->openDialogs() & StatusPoll::DanteSetupDialog));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<SetupWindowTest>(argc, argv);
}

#include "SetupWindowTest.moc"
