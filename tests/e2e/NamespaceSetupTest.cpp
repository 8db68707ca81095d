// The application side of the namespace test of the device setup dialog, run inside the
// application's namespace with 192.168.77.1/24 on its one link. vexatarn-sim runs in the other
// namespace at 192.168.77.10 as device 77010 and follows a network change to its new address.
#include "admin/DeviceSetupDialog.h"
#include "model/DataModel.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QHostAddress>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr quint32 DeviceId = 77010;
const QHostAddress Device("192.168.77.10");
const QHostAddress NewAddress("192.168.77.20");

} // namespace

class NamespaceSetupTest : public QObject
{
    Q_OBJECT

private slots:
    void theProgramFollowsTheDeviceToItsNewAddress()
    {
        QTemporaryDir dir;
        LinkEnvironment environment;
        environment.registryFile = dir.filePath(QStringLiteral("devices.db"));
        DataModel model(LinkSettings(), std::move(environment));
        int logins = 0;
        connect(&model, &DataModel::tcpLoginChanged, [&](uchar status) {
            if (status == 0) // as the device list panel does
                model.login(QStringLiteral("#*qubit*"), false);
            if (status == 1)
                ++logins;
        });
        MessageBox::setResponder([](const MessageBox::Request &r) {
            qWarning() << "unexpected box:" << r.text;
            return 0;
        });

        QTRY_COMPARE_WITH_TIMEOUT(model.deviceCount(), 1, 15000);
        QCOMPARE(model.device(0).packet.deviceId, DeviceId);
        model.selectDevice(0, true);
        QTRY_VERIFY_WITH_TIMEOUT(model.isLoggedIn(), 10000);

        DeviceSetupDialog dialog(&model);
        connect(&model, &DataModel::tcpSyncToUI, &dialog, &DeviceSetupDialog::syncFromModel);
        dialog.show();
        auto *address = dialog.findChild<QLineEdit *>(QStringLiteral("ipAddressEdit"));
        QTRY_COMPARE_WITH_TIMEOUT(address->text(), Device.toString(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(model.deviceInfo().netmask != 0, 5000);

        address->setFocus();
        address->selectAll();
        address->del();
        QTest::keyClicks(address, NewAddress.toString());
        QTest::keyClick(address, Qt::Key_Return);

        // The device moves: the program sees it announced at the new address, connects there
        // and logs in again; the dialog shows the address the device reports.
        QTRY_COMPARE_WITH_TIMEOUT(QHostAddress(model.device(0).packet.ipAddress), NewAddress,
                                  15000);
        QTRY_VERIFY_WITH_TIMEOUT(logins >= 2 && model.isLoggedIn(), 20000);
        QCOMPARE(model.currentSocket()->peerAddress(), NewAddress);
        QTRY_COMPARE_WITH_TIMEOUT(QHostAddress(model.deviceInfo().address), NewAddress, 5000);
        QCOMPARE(address->text(), NewAddress.toString());
        QCOMPARE(MessageBox::history().size(), 0);
        MessageBox::setResponder({});
    }
};

QTEST_MAIN(NamespaceSetupTest)
#include "NamespaceSetupTest.moc"
