#include "PanelTestSupport.h"

#include "settings/SystemSettings.h"
#include "panel/AddDeviceDialog.h"
#include "panel/DeviceListDialog.h"
#include "panel/EditDeviceDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QValidator>

// The device dialogs: the network parameters with their validators, adding by address, and the
// device list window with its formats, link states and "Remove" buttons.
class DeviceDialogsTest : public QObject
{
    Q_OBJECT

    PanelFixture f;

    static QLineEdit *field(QWidget *dialog, const char *name)
    {
        return dialog->findChild<QLineEdit *>(QLatin1String(name));
    }
    static QPushButton *okButton(QWidget *dialog)
    {
        return dialog->findChild<QPushButton *>(QStringLiteral("okButton"));
    }
    QString cell(const QTableWidget *table, int row, int column) const
    {
        const QTableWidgetItem *item = table->item(row, column);
        return item ? item->text() : QString();
    }

private slots:
    void initTestCase() { initApplicationResources(); }

    void cleanup()
    {
        f.panel.reset();
        f.model.reset();
    }

    void addressFieldsAcceptOnlyTheirAddresses_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        const auto row = [](const char *fieldName, const char *text, bool acceptable) {
            QTest::addRow("%s %s", fieldName, text)
                    << QString::fromLatin1(fieldName) << QString::fromLatin1(text) << acceptable;
        };
        row("addressEdit", "223.255.255.254", true);
        row("addressEdit", "224.1.1.1", false);
        row("addressEdit", "255.255.255.255", false);
        row("addressEdit", "10.256.0.1", false);
        row("maskEdit", "255.255.255.0", true);
        row("maskEdit", "255.255.255.255", true);
        row("maskEdit", "255.256.0.0", false);
        row("gatewayEdit", "224.0.0.1", false);
        row("gatewayEdit", "192.168.1.1", true);
    }
    void addressFieldsAcceptOnlyTheirAddresses()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        EditDeviceDialog dialog;
        QLineEdit *edit = field(&dialog, fieldName.toLatin1().constData());
        QTest::keyClicks(edit, text);
        // A refused key press is dropped: the field never holds the whole refused text.
        QCOMPARE(edit->text() == text, acceptable);
        QString copy = text;
        int position = 0;
        const QValidator::State state = edit->validator()->validate(copy, position);
        QCOMPARE(state, acceptable ? QValidator::Acceptable : QValidator::Invalid);
    }

    void modifyingTheNetworkOfADevice()
    {
        f.start();
        f.model->addDeviceByAddress(ipv4("127.1.0.9"));
        f.model->addDeviceByAddress(ipv4("127.1.0.10"));
        f.showPanel();
        QSignalSpy changed(f.model.get(), &DataModel::deviceListIPAddressChanged);

        auto *dialog = f.child<EditDeviceDialog>("editDeviceDialog");
        dialog->editDevice(1);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Modify Network Parameters"));
        QCOMPARE(field(dialog, "addressEdit")->text(), QStringLiteral("127.1.0.10"));
        // Without a mask the device would drop off the network: OK waits for one.
        QVERIFY(!okButton(dialog)->isEnabled());
        field(dialog, "addressEdit")->clear();
        QTest::keyClicks(field(dialog, "addressEdit"), QStringLiteral("127.1.0.77"));
        QTest::keyClicks(field(dialog, "maskEdit"), QStringLiteral("255.255.0.0"));
        QVERIFY(okButton(dialog)->isEnabled());
        QTest::keyClicks(field(dialog, "gatewayEdit"), QStringLiteral("127.1."));
        QVERIFY(!okButton(dialog)->isEnabled());
        QTest::keyClicks(field(dialog, "gatewayEdit"), QStringLiteral("0.1"));
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);

        QVERIFY(!dialog->isVisible());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toUInt(), 1u);
        QCOMPARE(f.model->device(1).packet.ipAddress, ipv4("127.1.0.77"));
        QCOMPARE(f.text(1, "deviceAddressLabel"), QStringLiteral("127.1.0.77"));
        QCOMPARE(f.text(0, "deviceAddressLabel"), QStringLiteral("127.1.0.9"));

        // Cancel changes nothing.
        dialog->editDevice(0);
        QTest::keyClicks(field(dialog, "maskEdit"), QStringLiteral("255.0.0.0"));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cancelButton")),
                          Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
    }

    void addingADeviceByAddress()
    {
        f.start();
        f.showPanel();
        auto *dialog = f.panel->findChild<AddDeviceDialog *>();
        QTest::mouseClick(f.child<QToolButton>("addButton"), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Add Device"));
        QTest::keyClicks(field(dialog, "addressEdit"), QStringLiteral("127.1.0.9"));
        QTest::keyClick(field(dialog, "addressEdit"), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(f.model->deviceCount(), 1);
        QCOMPARE(f.model->device(0).packet.ipAddress, ipv4("127.1.0.9"));
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(f.text(0, "deviceStateLabel"), QStringLiteral("Offline"));

        // The same address again is another entry; a partial address adds nothing.
        dialog->addDevice();
        QVERIFY(field(dialog, "addressEdit")->text().isEmpty());
        QTest::keyClicks(field(dialog, "addressEdit"), QStringLiteral("127.1.0.9"));
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        QCOMPARE(f.model->deviceCount(), 2);
        dialog->addDevice();
        QTest::keyClicks(field(dialog, "addressEdit"), QStringLiteral("127.1.0."));
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(f.model->deviceCount(), 2);
        QCOMPARE(f.rowCount(), 2);
    }

    void theDeviceListShowsEveryDevice_data()
    {
        QTest::addColumn<quint32>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0u << "0day 00:00:00";
        QTest::newRow("one of each") << 90061u << "1day 01:01:01";
        QTest::newRow("just under a day") << 86399u << "0day 23:59:59";
        QTest::newRow("the largest") << 4294967295u << "49710day 06:28:15";
    }
    void theDeviceListShowsEveryDevice()
    {
        QFETCH(quint32, seconds);
        QFETCH(QString, text);
        f.start();
        DeviceListDialog dialog;
        dialog.connectModel(f.model.get());
        UdpBrowsingPacket p = announcement(4000000001u, "127.1.2.3");
        p.runTime = seconds;
        p.totalTime = 3661;
        p.armVersion = {5, 12, 0};
        p.dspVersion = {2, 1, 255};
        f.model->processAnnouncement(p.serialise(), 0);
        auto *table = dialog.findChild<QTableWidget *>();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Device List"));
        QCOMPARE(table->rowCount(), 1);
        const QStringList expected {"127.1.2.3", "VT-1616",       "5.12.0",    "2.1.255",
                                    "Rack 1",    "Main hall",     "SN0001",    "Online(Unlogin)",
                                    text,        "0day 01:01:01", "4000000001"};
        for (int column = 0; column < expected.size(); ++column)
            QCOMPARE(cell(table, 0, column), expected[column]);
        QStringList headers;
        for (int column = 0; column < table->columnCount(); ++column)
            headers << table->horizontalHeaderItem(column)->text();
        QCOMPARE(headers,
                 (QStringList {"IP Address", "Model", "ARM Version", "DSP Version", "Location",
                               "Description", "Serial Number", "Link Status", "Run Time",
                               "Total Time", "Device ID", ""}));
    }

    void theDeviceListFollowsTheLinkAndRemoves()
    {
        SilentDevice silent;
        const quint16 port = silent.listen("127.1.2.3");
        QVERIFY(port);
        f.start(port);
        f.model->addDeviceByAddress(ipv4("127.1.0.9")); // from the registry: offline
        DeviceListDialog dialog;
        dialog.connectModel(f.model.get());
        f.showPanel();
        connect(&dialog, &DeviceListDialog::removeDeviceRequested, f.panel.get(),
                &DeviceWidget::removeDeviceAt);
        auto *table = dialog.findChild<QTableWidget *>();
        f.announce(30001, "127.1.2.3");
        f.announce(30002, "127.1.2.4");
        QCOMPARE(table->rowCount(), 3);
        const auto states = [&] {
            QStringList s;
            for (int row = 0; row < table->rowCount(); ++row)
                s << cell(table, row, DeviceListDialog::LinkStatusColumn);
            return s;
        };
        QCOMPARE(states(), (QStringList {"Offline", "Online(Unlogin)", "Online(Unlogin)"}));

        f.click(1);
        QTRY_COMPARE(f.model->currentSocket()->state(), QAbstractSocket::ConnectedState);
        f.model->loginReplyReceived(1);
        QCOMPARE(states(), (QStringList {"Offline", "Online(Logined)", "Online(Unlogin)"}));

        // Its announcements stop: still logged in.
        f.clock.advance(2500);
        f.announce(30002, "127.1.2.4");
        for (int i = 0; i < 100; ++i)
            f.model->timeout();
        QCOMPARE(states(), (QStringList {"Offline", "Logined", "Online(Unlogin)"}));

        // Identity, address and run time changes reach their cells.
        f.model->deviceIdReported(777);
        QCOMPARE(cell(table, 1, DeviceListDialog::DeviceIdColumn), QStringLiteral("777"));
        UdpBrowsingPacket p = announcement(30002, "127.1.2.5");
        p.runTime = 61;
        f.model->processAnnouncement(p.serialise(), 0);
        QCOMPARE(cell(table, 2, DeviceListDialog::AddressColumn), QStringLiteral("127.1.2.5"));
        QCOMPARE(cell(table, 2, DeviceListDialog::RunTimeColumn), QStringLiteral("0day 00:01:01"));

        // "Remove" removes as the panel does: the selected device's row goes from both lists.
        QSignalSpy login(f.panel.get(), &DeviceWidget::loginChanged);
        auto *remove =
                qobject_cast<QPushButton *>(table->cellWidget(1, DeviceListDialog::RemoveColumn));
        QCOMPARE(remove->text(), QStringLiteral("Remove"));
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(f.rowCount(), 2);
        QCOMPARE(f.model->currentIndex(), -1);
        QCOMPARE(login.last().at(0).toBool(), false);
        QCOMPARE(cell(table, 1, DeviceListDialog::AddressColumn), QStringLiteral("127.1.2.5"));
        // The row below moved up; its button removes it.
        QTest::mouseClick(table->cellWidget(1, DeviceListDialog::RemoveColumn), Qt::LeftButton);
        QCOMPARE(f.model->deviceCount(), 1);
        QCOMPARE(cell(table, 0, DeviceListDialog::AddressColumn), QStringLiteral("127.1.0.9"));
    }

    // Thousands of rows open at once: filled in one pass, the "Remove" buttons made for the
    // rows in view, the link status written only where it changed.
    void aLongDeviceListOpensAtOnce()
    {
        f.start();
        for (int i = 0; i < 600; ++i)
            f.model->addDeviceByAddress(
                    QHostAddress(QStringLiteral("127.3.%1.%2").arg(i / 200).arg(i % 200 + 1))
                            .toIPv4Address());
        DeviceListDialog dialog;
        dialog.connectModel(f.model.get());
        auto *table = dialog.findChild<QTableWidget *>();
        QCOMPARE(table->rowCount(), 600);
        QCOMPARE(cell(table, 599, DeviceListDialog::AddressColumn), QStringLiteral("127.3.2.200"));
        QCOMPARE(cell(table, 599, DeviceListDialog::LinkStatusColumn), QStringLiteral("Offline"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.findChildren<QPushButton *>(QStringLiteral("removeButton")).size() < 100);
        QVERIFY(!table->cellWidget(599, DeviceListDialog::RemoveColumn));
        table->scrollToBottom();
        QCoreApplication::processEvents();
        QVERIFY(table->cellWidget(599, DeviceListDialog::RemoveColumn));

        const quint32 id = f.model->device(598).packet.deviceId;
        f.model->processAnnouncement(announcement(id, "127.3.2.199").serialise(), 0);
        QCOMPARE(cell(table, 598, DeviceListDialog::LinkStatusColumn),
                 QStringLiteral("Online(Unlogin)"));
        QCOMPARE(cell(table, 597, DeviceListDialog::LinkStatusColumn), QStringLiteral("Offline"));
        QSignalSpy removeAsked(&dialog, &DeviceListDialog::removeDeviceRequested);
        QTest::mouseClick(table->cellWidget(599, DeviceListDialog::RemoveColumn), Qt::LeftButton);
        QCOMPARE(removeAsked.count(), 1);
        QCOMPARE(removeAsked.first().at(0).toInt(), 599);
    }

    void theDeviceListKeepsItsGeometry()
    {
        f.start();
        {
            DeviceListDialog dialog;
            dialog.show();
            dialog.resize(700, 300);
            QCoreApplication::processEvents();
            dialog.hide();
        }
        QVERIFY(!SystemSettings::loadGeometry(QStringLiteral("DeviceListGeometry")).isEmpty());
        DeviceListDialog again;
        QCOMPARE(again.size(), QSize(700, 300));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<DeviceDialogsTest>(argc, argv);
}

#include "DeviceDialogsTest.moc"
