#include "PanelTestSupport.h"

#include "SimDevice.h"
#include "panel/EditDeviceDialog.h"
#include "panel/LoginDialog.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

// The device panel driven by the model: rows from announcements, selection, login against the
// simulated processor, removal, the context menu, disconnecting and the connection time-out box.
class DevicePanelTest : public QObject
{
    Q_OBJECT

    PanelFixture f;

    // The model and panel with the simulated processor on 127.0.0.1 announcing to them.
    std::unique_ptr<sim::SimDevice> startWithSimulator(const QByteArray &password = {})
    {
        sim::SimOptions o;
        o.controlPort = 0;
        o.commandPort = 0;
        o.broadcastPort = freeUdpPort();
        o.timing.announceMs = 50;
        o.timing.tickMs = 3600000;
        auto device = std::make_unique<sim::SimDevice>(o, f.clock.clock());
        device->store().system.password = password;
        const quint16 port = device->start(QHostAddress::LocalHost, 0);
        if (!port)
            return nullptr;
        f.start(port, o.broadcastPort);
        f.showPanel();
        return device;
    }

    LoginDialog *loginDialog() const { return f.child<LoginDialog>("loginDialog"); }
    QMessageBox *timeoutBox() const { return f.child<QMessageBox>("connectTimeoutMessageBox"); }
    QMenu *contextMenu() const { return f.child<QMenu>("deviceContextMenu"); }
    QAction *action(const char *name) const { return f.child<QAction>(name); }
    QToolButton *button(const char *name) const { return f.child<QToolButton>(name); }

    void openContextMenu(int row)
    {
        const QPoint at =
                row >= 0 ? f.rowCentre(row) : QPoint(10, f.list()->viewport()->height() - 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                f.list()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(f.list()->viewport(), &event);
    }

    QList<int> selectedLook() const
    {
        QList<int> rows;
        for (int i = 0; i < f.rowCount(); ++i) {
            if (f.row(i)->property("selected").toBool())
                rows << i;
        }
        return rows;
    }

private slots:
    void initTestCase() { initApplicationResources(); }

    void init() { MessageBox::clearHistory(); }

    void cleanup()
    {
        MessageBox::setResponder({});
        f.panel.reset();
        f.model.reset();
    }

    // A campus list: rows get their widgets as they come into view, each showing what the
    // model holds for its device then, and changes reach the rows that have one.
    void aLongListBuildsTheRowsThatAreSeen()
    {
        f.start();
        for (int i = 0; i < 600; ++i)
            f.model->addDeviceByAddress(
                    QHostAddress(QStringLiteral("127.2.%1.%2").arg(i / 200).arg(i % 200 + 1))
                            .toIPv4Address());
        f.showPanel();
        QCOMPARE(f.rowCount(), 600);
        QVERIFY(f.panel->findChildren<DeviceItemWidget *>().size() < 60);
        QVERIFY(!f.row(599));
        const quint32 last = f.model->device(599).packet.deviceId;
        f.model->processAnnouncement(announcement(last, "127.2.2.200").serialise(), 0);
        QVERIFY(!f.row(599)); // unseen: nothing to update

        f.list()->scrollToBottom();
        QCoreApplication::processEvents();
        QVERIFY(f.row(599));
        QCOMPARE(f.text(599, "deviceAddressLabel"), QStringLiteral("127.2.2.200"));
        QVERIFY(f.row(599)->isOnline());
        QVERIFY(f.panel->findChildren<DeviceItemWidget *>().size() < 80);
        f.model->removeDevice(599);
        QCOMPARE(f.rowCount(), 599);
        QVERIFY(f.row(598));
    }

    // devices.db that cannot be read is said once, in the program's words, when the panel
    // starts; a registry that refuses writes is said once when it happens.
    void registryFailuresAreToldOnce()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("devices.db"));
        {
            QFile bad(file);
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write("not a registry");
        }
        f.model = std::make_unique<DataModel>(testLinkSettings(),
                                              testLinkEnvironment(f.clock, file));
        MessageBox::setResponder([](const MessageBox::Request &) { return 0; });
        f.showPanel();
        QTRY_COMPARE(MessageBox::history().size(), 1);
        const MessageBox::Request told = MessageBox::history().first();
        QCOMPARE(told.icon, MessageBox::Warning);
        QCOMPARE(told.title, QStringLiteral("Device List"));
        QVERIFY(told.text.contains(QStringLiteral("devices.db")));
        QVERIFY(told.text.contains(QStringLiteral("cannot be read")));
        emit f.model->deviceRegistryProblem(); // anything later: said already
        QCoreApplication::processEvents();
        QCOMPARE(MessageBox::history().size(), 1);
    }

    void rowsFollowTheModel()
    {
        f.start();
        // Known from the registry before the panel exists: shown at once, offline.
        f.model->addDeviceByAddress(ipv4("127.1.0.9"));
        f.showPanel();
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(f.text(0, "deviceAddressLabel"), QStringLiteral("127.1.0.9"));
        QCOMPARE(f.text(0, "deviceStateLabel"), QStringLiteral("Offline"));
        QCOMPARE(f.row(0)->property("browsing").toBool(), false);

        f.announce(30001, "127.0.0.2");
        QCOMPARE(f.rowCount(), 2);
        QCOMPARE(f.row(1)->height(), 80);
        QCOMPARE(f.text(1, "deviceAddressLabel"), QStringLiteral("127.0.0.2"));
        QCOMPARE(f.text(1, "deviceModelLabel"), QStringLiteral("VT-1616"));
        QCOMPARE(f.text(1, "devicePresetLabel"), QStringLiteral("Default"));
        QCOMPARE(f.text(1, "deviceLoginLabel"), QStringLiteral("Unlogin"));
        QCOMPARE(f.text(1, "deviceStateLabel"), QStringLiteral("Online"));
        QCOMPARE(f.row(1)->property("browsing").toBool(), true);
        QCOMPARE(f.row(1)->property("status").toString(), QStringLiteral("0"));

        // A new preset, a fault, a new address.
        UdpBrowsingPacket p = announcement(30001, "127.0.0.3");
        p.fault = 1;
        p.preset = UdpBrowsingPacket::toText("Evening");
        f.model->processAnnouncement(p.serialise(), 0);
        QCOMPARE(f.text(1, "deviceAddressLabel"), QStringLiteral("127.0.0.3"));
        QCOMPARE(f.text(1, "devicePresetLabel"), QStringLiteral("Evening"));
        QVERIFY(f.text(1, "deviceStateLabel").contains(QStringLiteral("Fault")));
        QVERIFY(f.text(1, "deviceStateLabel").startsWith(QStringLiteral("Online")));

        // Silent for 2.5 s: offline at the next whole-second tick, and the fault is cleared.
        f.clock.advance(2500);
        for (int i = 0; i < 100; ++i)
            f.model->timeout();
        QCOMPARE(f.text(1, "deviceStateLabel"), QStringLiteral("Offline"));
        QCOMPARE(f.row(1)->property("browsing").toBool(), false);
    }

    // The simulator's announcements make its row; a click connects and logs in.
    void selectingARowConnectsAndLogsInWithTheBuiltInPassword()
    {
        auto device = startWithSimulator();
        QVERIFY(device);
        QTRY_COMPARE(f.rowCount(), 1);
        QCOMPARE(f.text(0, "deviceAddressLabel"), QStringLiteral("127.0.0.1"));
        QCOMPARE(f.text(0, "deviceStateLabel"), QStringLiteral("Online"));
        QVERIFY(!f.text(0, "deviceModelLabel").isEmpty());
        ShowCounter loginShows(loginDialog());
        QSignalSpy status(f.model.get(), &DataModel::tcpLoginChanged);
        QSignalSpy login(f.panel.get(), &DeviceWidget::loginChanged);
        QVERIFY(!button("editButton")->isEnabled());

        f.click(0);
        QCOMPARE(f.model->currentIndex(), 0);
        QCOMPARE(selectedLook(), QList<int> {0});
        QVERIFY(button("editButton")->isEnabled());
        QVERIFY(button("removeButton")->isEnabled());

        QTRY_VERIFY(f.model->isLoggedIn());
        // Nobody logged in, the built-in password sent, accepted: the dialog came and went.
        QCOMPARE(status.at(0).at(0).value<uchar>(), uchar(0));
        QCOMPARE(status.last().at(0).value<uchar>(), uchar(1));
        QCOMPARE(loginShows.shows, 1);
        QVERIFY(!loginDialog()->isVisible());
        QCOMPARE(f.text(0, "deviceLoginLabel"), QStringLiteral("Logined"));
        QCOMPARE(f.row(0)->property("status").toString(), QStringLiteral("1"));
        QVERIFY(button("disconnectButton")->isEnabled());
        QVERIFY(!login.isEmpty());
        QCOMPARE(login.last().at(0).toBool(), true);
    }

    void aWrongPasswordShowsTheErrorLine()
    {
        auto device = startWithSimulator("secret");
        QVERIFY(device);
        QTRY_COMPARE(f.rowCount(), 1);
        QSignalSpy status(f.model.get(), &DataModel::tcpLoginChanged);
        f.click(0);
        // The built-in password is refused: the dialog waits for the user's password, with no
        // error line, as the user has not tried one yet.
        QTRY_VERIFY(!status.isEmpty() && status.last().at(0).value<uchar>() == 2);
        QVERIFY(loginDialog()->isVisible());
        QVERIFY(!loginDialog()->isPasswordErrorVisible());
        QVERIFY(!f.model->isLoggedIn());

        auto *field = loginDialog()->findChild<QLineEdit *>(QStringLiteral("passwordEdit"));
        auto *loginButton = loginDialog()->findChild<QPushButton *>(QStringLiteral("loginButton"));
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QTest::keyClicks(field, QStringLiteral("nope"));
        QTest::mouseClick(loginButton, Qt::LeftButton);
        // Hidden at once: field and error line cleared.
        QVERIFY(!loginDialog()->isVisible());
        QVERIFY(field->text().isEmpty());
        QVERIFY(!loginDialog()->isPasswordErrorVisible());
        // The device's answer brings it back with the error line.
        QTRY_VERIFY(loginDialog()->isVisible() && loginDialog()->isPasswordErrorVisible());
        QVERIFY(!f.model->isLoggedIn());

        QTest::keyClicks(field, QStringLiteral("  secret "));
        QTest::mouseClick(loginButton, Qt::LeftButton);
        QTRY_VERIFY(f.model->isLoggedIn());
        QCOMPARE(f.model->rememberedPassword(), QStringLiteral("secret"));
        QVERIFY(!loginDialog()->isVisible());
        QCOMPARE(f.text(0, "deviceLoginLabel"), QStringLiteral("Logined"));

        // The link drops; after reconnecting, the model logs in again with the password the
        // device accepted. The panel's built-in password must not undo that login.
        device->faults().dropAfterMs = 0;
        device->housekeeping();
        device->faults().dropAfterMs = -1;
        QTRY_VERIFY(!f.model->isLoggedIn());
        f.clock.advance(3001);
        for (int i = 0;
             i < 300 && f.model->currentSocket()->state() != QAbstractSocket::ConnectedState; ++i)
            f.model->timeout();
        QTRY_VERIFY(f.model->isLoggedIn());
        QTest::qWait(100); // a late refusal would arrive now
        QVERIFY(f.model->isLoggedIn());
        QCOMPARE(f.model->rememberedPassword(), QStringLiteral("secret"));
        QVERIFY(!loginDialog()->isVisible());
    }

    void removingTheSelectedDeviceClearsTheSelection()
    {
        auto device = startWithSimulator();
        QVERIFY(device);
        // Two devices from before, then the simulator's row.
        f.model->addDeviceByAddress(ipv4("127.1.0.9"));
        f.model->addDeviceByAddress(ipv4("127.1.0.10"));
        QTRY_COMPARE(f.rowCount(), 3);
        QCOMPARE(f.text(2, "deviceAddressLabel"), QStringLiteral("127.0.0.1"));
        f.click(2);
        QTRY_VERIFY(f.model->isLoggedIn());

        QSignalSpy login(f.panel.get(), &DeviceWidget::loginChanged);
        // A device above it goes: the selection and the login badge move up with the row.
        openContextMenu(0);
        action("removeAction")->trigger();
        contextMenu()->hide();
        QCOMPARE(f.rowCount(), 2);
        QCOMPARE(f.model->currentIndex(), 1);
        QCOMPARE(f.list()->currentRow(), 1);
        QCOMPARE(selectedLook(), QList<int> {1});
        QCOMPARE(f.text(1, "deviceLoginLabel"), QStringLiteral("Logined"));
        QCOMPARE(f.text(0, "deviceLoginLabel"), QStringLiteral("Unlogin"));
        QVERIFY(login.isEmpty() || login.last().at(0).toBool());

        QSignalSpy redraw(f.model.get(), &DataModel::tcpSyncToUI);
        QTest::mouseClick(button("removeButton"), Qt::LeftButton);
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(f.model->deviceCount(), 1);
        QCOMPARE(f.model->currentIndex(), -1);
        QCOMPARE(f.list()->currentRow(), -1);
        QCOMPARE(selectedLook(), QList<int> {});
        QCOMPARE(f.text(0, "deviceAddressLabel"), QStringLiteral("127.1.0.10"));
        QVERIFY(!button("editButton")->isEnabled());
        QVERIFY(!button("removeButton")->isEnabled());
        QVERIFY(!button("disconnectButton")->isEnabled());
        QVERIFY(!login.isEmpty());
        QCOMPARE(login.last().at(0).toBool(), false);
        // The status mirror started over: its fixed redraw list went out.
        QList<MessageId> announced;
        for (const QList<QVariant> &signal : redraw)
            announced.append({signal.at(0).value<uchar>(), signal.at(1).value<uchar>(),
                              signal.at(2).value<uchar>()});
        const QList<MessageId> redrawList {{3, 1, 1},  {3, 7, 7},  {3, 11, 8},
                                           {3, 11, 1}, {3, 18, 5}, {2, 2, 2}};
        bool found = false;
        for (int i = 0; i + redrawList.size() <= announced.size() && !found; ++i)
            found = announced.mid(i, redrawList.size()) == redrawList;
        QVERIFY(found);

        // The row that stayed is not selected by the removal; a click selects it.
        f.click(0);
        QCOMPARE(f.model->currentIndex(), 0);
        QCOMPARE(selectedLook(), QList<int> {0});
    }

    void theRightButtonDoesNotSelectAndTheMenuActsOnItsRow()
    {
        SilentDevice silent;
        const quint16 port = silent.listen("127.0.0.2");
        QVERIFY(port);
        f.start(port);
        f.showPanel();
        f.announce(30001, "127.0.0.2");
        f.announce(30002, "127.0.0.3");
        f.click(0);
        QTRY_VERIFY(button("disconnectButton")->isEnabled());

        f.click(1, Qt::RightButton);
        QCOMPARE(f.list()->currentRow(), 0);
        QCOMPARE(f.model->currentIndex(), 0);
        QCOMPARE(selectedLook(), QList<int> {0});
        QTest::mouseDClick(f.list()->viewport(), Qt::RightButton, Qt::NoModifier, f.rowCentre(1));
        QCOMPARE(f.model->currentIndex(), 0);

        struct Case
        {
            int row;
            int sourceRow;
            bool edit;
            bool disconnect;
        };
        const Case cases[] = {{1, 1, true, false}, {0, 0, true, true}, {-1, -1, false, false}};
        for (const Case &c : cases) {
            openContextMenu(c.row);
            QVERIFY(contextMenu()->isVisible());
            QCOMPARE(contextMenu()->property("sourceRow").toInt(), c.sourceRow);
            QCOMPARE(action("editAction")->isEnabled(), c.edit);
            QCOMPARE(action("removeAction")->isEnabled(), c.edit);
            QCOMPARE(action("disconnectAction")->isEnabled(), c.disconnect);
            QVERIFY(action("addAction")->isEnabled());
            QVERIFY(action("listAction")->isEnabled());
            contextMenu()->hide();
        }
        QCOMPARE(f.model->currentIndex(), 0);

        // Edit opens the network dialog for the menu's row, not the selected one.
        openContextMenu(1);
        action("editAction")->trigger();
        contextMenu()->hide();
        auto *edit = f.child<EditDeviceDialog>("editDeviceDialog");
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->deviceIndex(), 1);
        QCOMPARE(edit->findChild<QLineEdit *>(QStringLiteral("addressEdit"))->text(),
                 QStringLiteral("127.0.0.3"));
        edit->reject();

        QSignalSpy list(f.panel.get(), &DeviceWidget::listButtonClicked);
        openContextMenu(1);
        action("listAction")->trigger();
        contextMenu()->hide();
        QCOMPARE(list.count(), 1);
    }

    void disconnectingAsksFirst()
    {
        SilentDevice silent;
        const quint16 port = silent.listen("127.0.0.2");
        QVERIFY(port);
        f.start(port);
        f.showPanel();
        f.announce(30001, "127.0.0.2");
        f.click(0);
        QTRY_VERIFY(button("disconnectButton")->isEnabled());

        int answer = 1;
        MessageBox::setResponder([&](const MessageBox::Request &) { return answer; });
        QTest::mouseClick(button("disconnectButton"), Qt::LeftButton);
        QCOMPARE(MessageBox::history().size(), 1);
        const MessageBox::Request &question = MessageBox::history().first();
        QCOMPARE(question.title, QStringLiteral("Disconnect"));
        QCOMPARE(question.text,
                 QStringLiteral("Are you sure that you want to disconnect the device?"));
        QCOMPARE(question.buttons, (QStringList {QStringLiteral("OK"), QStringLiteral("Cancel")}));
        QCOMPARE(f.model->currentIndex(), 0);

        // A double click on the connected selected row asks the same.
        answer = 0;
        QTest::mouseDClick(f.list()->viewport(), Qt::LeftButton, Qt::NoModifier, f.rowCentre(0));
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(f.model->currentIndex(), -1);
        QCOMPARE(selectedLook(), QList<int> {});
        QVERIFY(!button("disconnectButton")->isEnabled());
        QVERIFY(!button("editButton")->isEnabled());
    }

    void theTimeoutBoxRules_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("online");
        QTest::addColumn<bool>("exhausted");
        QTest::addColumn<bool>("shown");
        const auto row = [](const char *name, const char *address, bool online, bool exhausted,
                            bool shown) {
            QTest::newRow(name) << QString::fromLatin1(address) << online << exhausted << shown;
        };
        row("another subnet, first failure", "127.1.0.9", true, false, true);
        row("another subnet, offline, exhausted", "127.1.0.9", false, true, true);
        row("same subnet, one failure", "127.0.0.9", true, false, false);
        row("same subnet, exhausted", "127.0.0.9", true, true, true);
        row("same subnet, offline, exhausted", "127.0.0.9", false, true, false);
    }
    void theTimeoutBoxRules()
    {
        QFETCH(QString, address);
        QFETCH(bool, online);
        QFETCH(bool, exhausted);
        QFETCH(bool, shown);
        SilentDevice silent;
        const quint16 port = silent.listen(address.toLatin1().constData());
        QVERIFY(port);
        f.start(port);
        f.showPanel();
        if (online)
            f.announce(30001, address.toLatin1().constData());
        else
            f.model->addDeviceByAddress(QHostAddress(address).toIPv4Address());
        f.model->selectDevice(0, false);

        emit f.model->tcpConnectTimeout(exhausted);
        QCOMPARE(timeoutBox() && timeoutBox()->isVisible(), shown);
    }

    void theTimeoutBox()
    {
        SilentDevice silent;
        SilentDevice other;
        const quint16 port = silent.listen("127.1.0.9");
        QVERIFY(port);
        QVERIFY(other.listen("127.1.0.10", port));
        f.start(port);
        f.showPanel();
        f.announce(30001, "127.1.0.9");
        f.announce(30002, "127.1.0.10");
        f.model->selectDevice(0, false);

        emit f.model->tcpConnectTimeout(false);
        QMessageBox *box = timeoutBox();
        QVERIFY(box->isVisible());
        QVERIFY(!box->isModal());
        QCOMPARE(box->icon(), QMessageBox::Information);
        QCOMPARE(box->windowTitle(), QStringLiteral("Connection Timeout"));
        QCOMPARE(box->text(),
                 QStringLiteral(
                         "* The connection timed out!\n"
                         "* Please check the network connection!\n"
                         "* Please make sure that the PC and the device are on the same subnet!\n"
                         "* Please make sure that there is no other IP conflicting with the "
                         "device IP!\n"
                         "  You can try to modify the PC's IP or device IP.\n"
                         "  Right-click the mouse to select the device, you can modify its IP."));
        QStringList buttons;
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        buttons.sort();
        QCOMPARE(buttons,
                 (QStringList {"Close", "Do not remind again", "Modify device IP immediately"}));

        // Selecting another device hides it.
        f.click(1);
        QVERIFY(!box->isVisible());
        f.click(0);

        // "Modify device IP immediately" opens the network dialog of the selected device; while
        // that dialog is up, no box.
        emit f.model->tcpConnectTimeout(false);
        QVERIFY(box->isVisible());
        QTest::mouseClick(box->findChild<QAbstractButton *>(QStringLiteral("modifyIpButton")),
                          Qt::LeftButton);
        QVERIFY(!box->isVisible());
        auto *edit = f.child<EditDeviceDialog>("editDeviceDialog");
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->deviceIndex(), 0);
        QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget *>(edit));
        emit f.model->tcpConnectTimeout(true);
        QVERIFY(!box->isVisible());
        edit->reject();

        // "Do not remind again": never again in this run.
        emit f.model->tcpConnectTimeout(false);
        QVERIFY(box->isVisible());
        QTest::mouseClick(box->findChild<QAbstractButton *>(QStringLiteral("noRemindButton")),
                          Qt::LeftButton);
        QVERIFY(!box->isVisible());
        emit f.model->tcpConnectTimeout(false);
        emit f.model->tcpConnectTimeout(true);
        QVERIFY(!box->isVisible());
        QVERIFY(!f.panel->remindsOfTimeouts());

        // The next run reminds again.
        f.showPanel();
        emit f.model->tcpConnectTimeout(false);
        QVERIFY(timeoutBox()->isVisible());
    }

    void iconsFollowTheAppearance()
    {
        f.start();
        f.showPanel();
        const auto image = [](const QIcon &icon, QIcon::Mode mode) {
            return icon.pixmap(QSize(20, 20), mode)
                    .toImage()
                    .convertToFormat(QImage::Format_ARGB32);
        };
        const auto resource = [](const char *name) {
            return QImage(QStringLiteral(":/image/%1.png").arg(QLatin1String(name)))
                    .convertToFormat(QImage::Format_ARGB32);
        };
        struct Case
        {
            const char *button;
            QIcon::Mode mode;
            const char *light;
            const char *dark;
        };
        const Case cases[] = {
                {"editButton", QIcon::Normal, "EditLightEnabled", "EditDarkEnabled"},
                {"editButton", QIcon::Disabled, "EditLightDisabled", "EditDarkDisabled"},
                {"removeButton", QIcon::Disabled, "TrashLightDisabled", "TrashDarkDisabled"},
                {"disconnectButton", QIcon::Normal, "SignOutLightEnabled", "SignOutDarkEnabled"},
                {"addButton", QIcon::Normal, "AddLight", "AddDark"},
                {"listButton", QIcon::Normal, "ListAltLightEnabled", "ListAltDarkEnabled"},
        };
        for (int dark = 0; dark < 2; ++dark) {
            f.panel->setDark(dark);
            for (const Case &c : cases) {
                const QImage expected = resource(dark ? c.dark : c.light);
                QVERIFY(!expected.isNull());
                QCOMPARE(image(button(c.button)->icon(), c.mode), expected);
            }
        }
        QCOMPARE(image(action("removeAction")->icon(), QIcon::Normal),
                 resource("TrashDarkEnabled"));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<DevicePanelTest>(argc, argv);
}

#include "DevicePanelTest.moc"
