#include "AdminTestSupport.h"

#include "admin/ClearConfigDialog.h"
#include "admin/DanteSetupDialog.h"
#include "admin/DeviceSetupDialog.h"
#include "admin/PasswordDialog.h"
#include "app/AppTestEnvironment.h"
#include "e2e/SimLink.h"
#include "widgets/Resources.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace AdminTest;

// The setup dialogs against the simulated processor: every change is confirmed by the device's
// own replies, and a user password set in the dialog opens the processor's user login.
class AdminSimTest : public QObject
{
    Q_OBJECT

    // Polls with the dialog open until done() holds.
    static bool pollUntil(SimLink &link, const std::function<bool()> &done)
    {
        for (int i = 0; i < 50 && !done(); ++i) {
            link.tick(20);
            SimLink::waitFor(done, 100);
        }
        return done();
    }

private slots:
    void initTestCase() { initApplicationResources(); }

    void cleanup()
    {
        MessageBox::setResponder({});
        PasswordDialog::setResponder({});
        ClearConfigDialog::setResponder({});
    }

    void userPasswordSetThenUsedToLogIn()
    {
        SimLink link;
        QVERIFY(link.started());
        QVERIFY(link.open());
        DeviceSetupDialog dialog(link.model.get());
        connect(link.model.get(), &DataModel::tcpSyncToUI, &dialog,
                &DeviceSetupDialog::syncFromModel);
        dialog.show();
        answerBoxes(QStringLiteral("OK"));
        PasswordDialog::setResponder([](const QString &) {
            return std::optional<PasswordDialog::Entries>(
                    {QStringLiteral("user42"), QStringLiteral("user42")});
        });
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("userPasswordButton")),
                          Qt::LeftButton);
        QVERIFY(SimLink::waitFor([] { return !MessageBox::history().isEmpty(); }));
        QCOMPARE(boxTexts(), QStringList {QStringLiteral("Password set successfully!")});
        QCOMPARE(link.device->store().system.userPassword, QByteArray("user42"));

        // A second program with the simplified interface logs in as the user.
        for (const QString &password : {QStringLiteral("wrong"), QStringLiteral("user42")}) {
            FakeClock clock;
            LinkSettings settings = testLinkSettings(link.settings.controlPort);
            settings.simple = 1;
            DataModel user(settings, testLinkEnvironment(clock, QStringLiteral(":memory:")));
            QList<uchar> statuses;
            connect(&user, &DataModel::tcpLoginChanged, [&](uchar status) {
                statuses << status;
                if (status == 0 && statuses.size() == 1)
                    user.login(password, true);
            });
            user.addDeviceByAddress(QHostAddress(QHostAddress::LocalHost).toIPv4Address());
            user.selectDevice(0, false);
            QVERIFY(SimLink::waitFor([&] { return statuses.size() >= 2; }));
            QCOMPARE(statuses.last(), uchar(password == QLatin1String("user42") ? 1 : 2));
            QCOMPARE(user.isLoggedIn(), password == QLatin1String("user42"));
        }
    }

    void deviceSetupConfirmedByTheDevice()
    {
        SimLink link;
        QVERIFY(link.open());
        DeviceSetupDialog dialog(link.model.get());
        connect(link.model.get(), &DataModel::tcpSyncToUI, &dialog,
                &DeviceSetupDialog::syncFromModel);
        dialog.show();
        sim::SimSystem &system = link.device->store().system;

        typeInto(dialog.findChild<QLineEdit *>(QStringLiteral("deviceLocationEdit")),
                 QStringLiteral("Lobby"));
        dialog.findChild<QComboBox *>(QStringLiteral("rs232ComboBox"))
                ->setCurrentText(QStringLiteral("19200"));
        dialog.findChild<QComboBox *>(QStringLiteral("syncModeComboBox"))->setCurrentIndex(1);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("fanButton")),
                          Qt::LeftButton);
        auto *inputs = dialog.findChild<QGroupBox *>(QStringLiteral("inputLimitGroup"));
        inputs->findChildren<QSpinBox *>(QStringLiteral("2")).value(1)->setValue(6);
        QVERIFY(SimLink::waitFor([&] {
            return system.location == "Lobby" && system.rs232Baud == 19200 && system.syncMode == 1
                    && system.fanTest == 1 && link.device->store().audio.inputs[2].gainMax == 6.0f;
        }));

        // What the device changes by itself reaches the open dialog through the poll.
        system.location = "Foyer";
        system.gateReport = 1;
        link.device->store().audio.outputs[5].gainMin = -40.0f;
        auto *outputs = dialog.findChild<QGroupBox *>(QStringLiteral("outputLimitGroup"));
        QVERIFY(pollUntil(link, [&] {
            return dialog.findChild<QLineEdit *>(QStringLiteral("deviceLocationEdit"))->text()
                    == QLatin1String("Foyer")
                    && dialog.findChild<QComboBox *>(QStringLiteral("gateReportComboBox"))
                               ->currentIndex()
                    == 1
                    && outputs->findChildren<QSpinBox *>(QStringLiteral("5")).value(0)->value()
                    == -40;
        }));
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("rs232ComboBox"))->currentText(),
                 QStringLiteral("19200"));
    }

    // On loopback every 127.x.x.x address is the machine's own, so the processor can move
    // without a network namespace (the namespace test does it over a real link).
    void theProgramFollowsTheDeviceToItsNewAddress()
    {
        sim::SimOptions options;
        options.followNetwork = true;
        SimLink link(options);
        QVERIFY(link.open());
        DeviceSetupDialog dialog(link.model.get());
        connect(link.model.get(), &DataModel::tcpSyncToUI, &dialog,
                &DeviceSetupDialog::syncFromModel);
        dialog.show();
        auto *address = dialog.findChild<QLineEdit *>(QStringLiteral("ipAddressEdit"));
        QVERIFY(pollUntil(link, [&] { return address->text() == QLatin1String("127.0.0.1"); }));

        typeInto(address, QStringLiteral("127.0.0.2"));
        const QHostAddress moved(QStringLiteral("127.0.0.2"));
        QVERIFY(SimLink::waitFor(
                [&] { return QHostAddress(link.model->device(0).packet.ipAddress) == moved; }));
        const int logins = int(link.logins.count(1));
        QVERIFY(pollUntil(link, [&] {
            QTcpSocket *socket = link.model->currentSocket();
            return link.model->isLoggedIn() && link.logins.count(1) > logins
                    && socket->peerAddress() == moved;
        }));
        QCOMPARE(address->text(), QStringLiteral("127.0.0.2"));
    }

    void danteModuleOfTheSimulator()
    {
        sim::SimOptions options;
        options.identity.config = QStringLiteral("12x12+Dante4x4");
        SimLink link(options);
        QVERIFY(link.open());
        DanteSetupDialog dialog(link.model.get());
        connect(link.model.get(), &DataModel::tcpSyncToUI, &dialog,
                &DanteSetupDialog::syncFromModel);
        dialog.show();
        auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("deviceNameEdit"));
        QVERIFY(pollUntil(link, [&] { return !name->text().isEmpty(); }));
        QCOMPARE(name->text(), QStringLiteral("VX-%1").arg(options.identity.deviceId));
        auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("receiveChannelTable"));
        QVERIFY(pollUntil(link, [&] { return !table->item(0, 2)->text().isEmpty(); }));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("Mic-01@StageBox"));

        answerBoxes(QStringLiteral("OK"));
        typeInto(name, QStringLiteral("Stage Left"));
        dialog.findChild<QComboBox *>(QStringLiteral("deviceLatencyComboBox"))->setCurrentIndex(1);
        sim::SimDante &dante = link.device->store().dante;
        QVERIFY(SimLink::waitFor(
                [&] { return dante.deviceName == "Stage Left" && dante.latency == 2000; }));

        // Clearing (keeping the network) reboots the module: its name and latency start over.
        ClearConfigDialog::setResponder([] { return std::optional<bool>(true); });
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("clearConfigButton")),
                          Qt::LeftButton);
        QVERIFY(SimLink::waitFor([&] { return !dante.connected(); }));
        QCOMPARE(dante.latency, 1000u);
        QVERIFY(pollUntil(link, [&] {
            return name->text() == QStringLiteral("VX-%1").arg(options.identity.deviceId);
        }));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<AdminSimTest>(argc, argv);
}

#include "AdminSimTest.moc"
