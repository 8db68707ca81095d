#include "app/MainWindow.h"
#include "AppTestEnvironment.h"
#include "app/DeviceVersionSelectionDialog.h"
#include "app/MainMenuBar.h"
#include "app/SyncRouter.h"
#include "admin/GPIOSetupDialog.h"
#include "admin/RecPlayDialog.h"
#include "app/Appearance.h"
#include "settings/SystemSettings.h"
#include "editors/chain/LevelWidget.h"
#include "widgets/MessageBox.h"
#include "wire/Frame.h"
#include "model/DataModel.h"
#include "model/LoopbackDevice.h"
#include "model/MessageCatalogue.h"
#include "support/FakeClock.h"
#include "support/TestLinkEnvironment.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QHostAddress>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

void reply(DataModel &model, MessageId id, const QByteArray &payload)
{
    const QByteArray frame = Frame::build(id, Frame::Reply, payload);
    model.receiveBytes(frame.constData(), frame.size());
}

// The program's shell without the start-up: settings from cfg.ini, a device model on the
// test's clock, the main window.
struct Shell
{
    FakeClock clock;
    std::unique_ptr<SystemSettings> settings;
    std::unique_ptr<Appearance> appearance;
    std::unique_ptr<DataModel> model;
    std::unique_ptr<MainWindow> window;

    explicit Shell(const QByteArray &file = QByteArray())
    {
        writeSettingsFile(settingsPath(), file);
        settings = std::make_unique<SystemSettings>();
        appearance = std::make_unique<Appearance>(settings.get());
        LinkSettings link = settings->linkSettings();
        link.broadcastPort = freeUdpPort();
        model = std::make_unique<DataModel>(link,
                                            testLinkEnvironment(clock, QStringLiteral(":memory:")));
        window = std::make_unique<MainWindow>(settings.get(), model.get());
        window->applyDeviceVersion();
    }

    QMessageBox *faultBox() const
    {
        return window->findChild<QMessageBox *>(QStringLiteral("faultMessageBox"));
    }
    QTimer *reminder() const
    {
        return window->findChild<QTimer *>(QStringLiteral("faultReminderTimer"));
    }
    QAction *menuEntry(const char *name) const
    {
        return window->menuBar()->findChild<QAction *>(QLatin1String(name));
    }
    QAction *choice(const char *menuName, const char *value) const
    {
        const auto *menu = window->menuBar()->findChild<QMenu *>(QLatin1String(menuName));
        for (QAction *action : menu->actions()) {
            if (action->objectName() == QLatin1String(value))
                return action;
        }
        return nullptr;
    }
};

QString expectedReport(const QString &list)
{
    return QStringLiteral("Found fault :\n\n") + list
            + QStringLiteral("\n\nSee the Device Setup page for details.");
}

} // namespace

// The main window's own work: fault report, system reset, device version from the device and
// from the menu, boot mode, language, and the routing of the model's notifications.
class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QFile::remove(settingsPath());
        MessageBox::clearHistory();
        MessageBox::setResponder([](const MessageBox::Request &) { return 1; });
    }

    void faultReport_data()
    {
        QTest::addColumn<int>("faultFlags");
        QTest::addColumn<QByteArray>("rails"); // +5V, +48V, -5V, +15V, -15V
        QTest::addColumn<QString>("list");
        QTest::newRow("DSP and +5V")
                << 0x01 << bytes({2, 0, 0, 0, 0}) << QStringLiteral("DSP, +5V");
        QTest::newRow("-5V before +48V")
                << 0x00 << bytes({0, 2, 2, 0, 0}) << QStringLiteral("-5V, +48V");
        QTest::newRow("DSP and codec")
                << 0x11 << bytes({1, 1, 1, 1, 1}) << QStringLiteral("DSP, Codec");
        QTest::newRow("+48V only") << 0x00 << bytes({1, 2, 1, 1, 1}) << QStringLiteral("+48V");
        QTest::newRow("codec and every rail")
                << 0x10 << bytes({2, 2, 2, 2, 2})
                << QStringLiteral("Codec, +5V, -5V, +15V, -15V, +48V");
    }

    void faultReport()
    {
        QFETCH(int, faultFlags);
        QFETCH(QByteArray, rails);
        QFETCH(QString, list);
        Shell shell;
        reply(*shell.model, Msg::SysFaultFlags, bytes({faultFlags}));
        reply(*shell.model, Msg::SysFaults, rails);

        QMessageBox *box = shell.faultBox();
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowModality(), Qt::NonModal);
        QCOMPARE(box->windowTitle(), QStringLiteral("Device Fault"));
        QCOMPARE(box->text(), expectedReport(list));
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->buttons().first()->text(), QStringLiteral("OK"));
        QVERIFY(shell.reminder()->isActive());
        QCOMPARE(shell.reminder()->interval(), 120000);
    }

    void reminderRepeatsUntilTheFaultClears()
    {
        Shell shell;
        QTimer *reminder = shell.reminder();
        reply(*shell.model, Msg::SysFaults, bytes({1, 2, 1, 1, 1}));
        QMessageBox *box = shell.faultBox();
        QVERIFY(box && box->isVisible());

        // Acknowledged, and shown again by the reminder while the fault lasts.
        QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        QVERIFY(!box->isVisible());
        QMetaObject::invokeMethod(reminder, "timeout");
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), expectedReport(QStringLiteral("+48V")));
        QVERIFY(reminder->isActive());

        // The rail recovers: the box goes and nothing reminds any more.
        reply(*shell.model, Msg::SysFaults, bytes({1, 1, 1, 1, 1}));
        QVERIFY(!box->isVisible());
        QVERIFY(!reminder->isActive());

        // A fault that clears while the box is acknowledged stops the reminder too.
        reply(*shell.model, Msg::SysFaultFlags, bytes({0x01}));
        QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        QVERIFY(reminder->isActive());
        reply(*shell.model, Msg::SysFaultFlags, bytes({0x00}));
        QVERIFY(!reminder->isActive());
        QVERIFY(!box->isVisible());
    }

    // The full device list and the fault report are built when first wanted, and start out
    // knowing what happened before.
    void deviceListBuiltOnFirstShowListsKnownDevices()
    {
        Shell shell;
        QVERIFY(!shell.window->findChild<QDialog *>(QStringLiteral("deviceListDialog")));
        QVERIFY(!shell.faultBox());
        shell.model->addDeviceByAddress(ipv4("127.0.0.3"));

        shell.menuEntry("deviceListAction")->trigger();
        auto *dialog = shell.window->findChild<QDialog *>(QStringLiteral("deviceListDialog"));
        QVERIFY(dialog && dialog->isVisible());
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("deviceListTable"));
        QCOMPARE(table->rowCount(), 1);
        shell.model->addDeviceByAddress(ipv4("127.0.0.4"));
        QCOMPARE(table->rowCount(), 2);
        // Shown again, not built again.
        dialog->hide();
        shell.menuEntry("deviceListAction")->trigger();
        QCOMPARE(shell.window->findChildren<QDialog *>(QStringLiteral("deviceListDialog")).size(),
                 1);
    }

    void systemResetSendsOnlyOnOk()
    {
        LoopbackDevice device;
        QVERIFY(device.connect());
        writeSettingsFile(settingsPath(), QByteArray());
        SystemSettings settings;
        Appearance settingsAppearance(&settings);
        MainWindow window(&settings, device.model.get());
        QAction *reset =
                window.menuBar()->findChild<QAction *>(QStringLiteral("systemResetAction"));
        const QByteArray resetFrame = Frame::build(Msg::SysFactoryReset, Frame::WriteRequest);

        int answer = 1;
        MessageBox::setResponder([&answer](const MessageBox::Request &) { return answer; });
        device.drain();
        reset->trigger();
        QCOMPARE(MessageBox::history().size(), 1);
        const MessageBox::Request question = MessageBox::history().last();
        QCOMPARE(question.icon, MessageBox::Warning);
        QCOMPARE(question.title, QStringLiteral("System Reset"));
        QCOMPARE(question.text,
                 QStringLiteral("<font size='3' face='Arial' color='red'><B>Restore the factory "
                                "settings will delete all user data!<br>Are you sure that you "
                                "want to reformat the disk and erase all data?</font>"));
        QCOMPARE(question.buttons, (QStringList {QStringLiteral("OK"), QStringLiteral("Cancel")}));
        QVERIFY(!device.received(resetFrame.size()).contains(resetFrame));

        answer = 0;
        reset->trigger();
        QVERIFY(device.received(resetFrame.size()).contains(resetFrame));
    }

    void versionFromDeviceReports_data()
    {
        QTest::addColumn<int>("inputs");
        QTest::addColumn<int>("outputs");
        QTest::addColumn<int>("dante");
        QTest::addColumn<int>("version");
        QTest::newRow("16x16") << 16 << 16 << 0 << 0;
        QTest::newRow("16x8") << 16 << 8 << 0 << 1;
        QTest::newRow("8x8") << 8 << 8 << 0 << 2;
        QTest::newRow("12x12 without Dante") << 12 << 12 << 0 << 0;
        QTest::newRow("12x12 with Dante") << 12 << 12 << 1 << 3;
        QTest::newRow("8x8 with Dante") << 8 << 8 << 1 << 4;
        QTest::newRow("16x16 with Dante") << 16 << 16 << 1 << 3;
    }

    void versionFromDeviceReports()
    {
        QFETCH(int, inputs);
        QFETCH(int, outputs);
        QFETCH(int, dante);
        QFETCH(int, version);
        Shell shell("[UIBootMode]\nCurrent=1\nDT=1\n[DeviceVersionSelection]\nCurrent=2\n");
        QSignalSpy masks(shell.window.get(), &MainWindow::channelMasksChanged);

        reply(*shell.model, Msg::SysChannelConfig, bytes({inputs, outputs}));
        reply(*shell.model, Msg::SysDanteState, bytes({dante, 1}));

        QCOMPARE(shell.settings->deviceVersion(), version);
        QCOMPARE(storedValue("DeviceVersionSelection/Current").toInt(), version);
        const SystemSettings::ChannelMasks expected = SystemSettings::masksFor(version, 1);
        QCOMPARE(shell.window->channelMasks().input, expected.input);
        QCOMPARE(shell.window->channelMasks().danteOutput, expected.danteOutput);
        // The version it already had (8x8): nothing to apply.
        QCOMPARE(masks.isEmpty(), version == 2);
        if (version != 2) {
            const QList<QVariant> last = masks.last();
            QCOMPARE(last,
                     (QList<QVariant> {expected.input, expected.output, expected.danteInput,
                                       expected.danteOutput}));
            QCOMPARE(int(shell.model->deviceInfo().danteSupported), version >= 3 ? 1 : 0);
        }
    }

    void versionDialogFromTheMenu()
    {
        Shell shell("[UIBootMode]\nCurrent=1\nDT=1\n");
        shell.menuEntry("deviceVersionSelectionAction")->trigger();
        DeviceVersionSelectionDialog *dialog = shell.window->deviceVersionDialog();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->selectedVersion(), 0);
        // What the device reports selects its row.
        reply(*shell.model, Msg::SysChannelConfig, bytes({8, 8}));
        reply(*shell.model, Msg::SysDanteState, bytes({1, 1}));
        QCOMPARE(dialog->selectedVersion(), 4);
        auto *table = dialog->findChild<QTableWidget *>();

        // A device that logs in takes over the choice; logging out gives it back.
        shell.window->setLoginChanged(true);
        QVERIFY(!table->isEnabled());
        shell.window->setLoginChanged(false);
        QVERIFY(table->isEnabled());

        QSignalSpy applied(shell.window.get(), &MainWindow::deviceVersionApplied);
        dialog->selectVersion(3);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("okButton")),
                          Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(applied.count(), 1);
        QCOMPARE(applied.last().at(0).toInt(), 3);
        QCOMPARE(shell.window->channelMasks().danteInput, 0xF0u);
        QCOMPARE(int(shell.model->deviceInfo().inputCount), 12);
        QCOMPARE(int(shell.model->deviceInfo().danteSupported), 1);
        // Inputs and outputs 13 to 16 are Dante channels now.
        QCOMPARE(shell.model->input(12).defaultName, QStringLiteral("Dante-RX 1"));
        QCOMPARE(shell.model->output(15).defaultName, QStringLiteral("Dante-TX 4"));
        QCOMPARE(shell.model->input(11).defaultName, QStringLiteral("IN 12"));

        // Opened again: the same dialog, the same modality.
        shell.menuEntry("deviceVersionSelectionAction")->trigger();
        QCOMPARE(shell.window->deviceVersionDialog(), dialog);
        QCOMPARE(dialog->selectedVersion(), 3);
        dialog->reject();
    }

    void bootModeFromTheDevice()
    {
        Shell shell("[UIBootMode]\nCurrent=1\nDT=1\n[DeviceVersionSelection]\nCurrent=4\n");
        QCOMPARE(shell.window->channelMasks().input, 0x30Fu);

        // Control firmware 5: boot mode 2, whose masks keep the USB pair.
        reply(*shell.model, Msg::SysArmVersion, bytes({5, 0, 1}));
        QCOMPARE(shell.settings->bootMode(), 2);
        QCOMPARE(shell.model->linkSettings().bootMode, 2);
        QCOMPARE(shell.window->channelMasks().input, 0x0Fu);
        QVERIFY(shell.menuEntry("deviceVersionSelectionAction")->isVisible());

        // Control firmware 6: boot mode 0.
        reply(*shell.model, Msg::SysArmVersion, bytes({6, 0, 1}));
        QCOMPARE(shell.settings->bootMode(), 0);
        QCOMPARE(shell.window->channelMasks().input, 0x30Fu);
        QVERIFY(!shell.menuEntry("deviceVersionSelectionAction")->isVisible());
        // Never saved.
        QCOMPARE(storedValue("UIBootMode/Current").toInt(), 1);
    }

    void languageSwitchRetitlesTheWindow()
    {
        Shell shell("[Language]\nSupport=7\n"
                    "[Title]\nEN=Matrix Control\nCHS=Matrix CHS\nCHT=Matrix CHT\n");
        QCOMPARE(shell.window->windowTitle(), QStringLiteral("Matrix Control"));
        reply(*shell.model, Msg::SysFaults, bytes({1, 2, 1, 1, 1}));

        shell.choice("languageMenu", "0")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(shell.settings->language(), 0);
        QCOMPARE(shell.window->windowTitle(), QStringLiteral("Matrix CHS"));
        const QString deviceList = QCoreApplication::translate("MainMenuBar", "Device List");
        QVERIFY(deviceList != QLatin1String("Device List"));
        QCOMPARE(shell.menuEntry("systemResetAction")->text(),
                 QCoreApplication::translate("MainMenuBar", "System Reset"));
        QMessageBox *box = shell.faultBox();
        QCOMPARE(box->windowTitle(), QCoreApplication::translate("MainWindow", "Device Fault"));
        QVERIFY(box->windowTitle() != QLatin1String("Device Fault"));
        QVERIFY(box->text().startsWith(QCoreApplication::translate("MainWindow", "Found fault :")));
        QVERIFY(shell.choice("languageMenu", "0")->isChecked());

        shell.choice("languageMenu", "1")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(shell.window->windowTitle(), QStringLiteral("Matrix CHT"));

        // Default channel names follow the language.
        const auto stripName = [&shell](int channel) {
            return shell.window->findChild<LevelWidget *>()
                    ->channelWidget(channel)
                    ->findChild<QLineEdit *>(QStringLiteral("appearanceAsLabel"))
                    ->text();
        };
        QCOMPARE(stripName(0), QCoreApplication::translate("ParameterMirror", "IN %1").arg(1));
        QVERIFY(stripName(0) != QLatin1String("IN 1"));

        shell.choice("languageMenu", "2")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(stripName(0), QStringLiteral("IN 1"));
        QCOMPARE(shell.window->windowTitle(), QStringLiteral("Matrix Control"));
        QCOMPARE(shell.menuEntry("systemResetAction")->text(), QStringLiteral("System Reset"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Device Fault"));
    }

    void setupShortcutOpensTheSetupMenu()
    {
        Shell shell("[UIBootMode]\nCurrent=1\n");
        shell.window->show();
        shell.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shell.window.get()));
        auto *setup = shell.window->menuBar()->findChild<QMenu *>(QStringLiteral("setupMenu"));
        QTest::keyClick(shell.window.get(), Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(setup->isVisible());
        setup->hide();
    }

    // The Command Assistant entry opens the assistant, built on first use and kept; its channel
    // lists follow the configuration the window reports.
    void commandAssistantFromTheMenu()
    {
        Shell shell;
        QAction *entry = shell.menuEntry("commandAssistantAction");
        QVERIFY(entry->isVisible());
        entry->trigger();
        auto *assistant =
                shell.window->findChild<QDialog *>(QStringLiteral("commandAssistantDialog"));
        QVERIFY(assistant && assistant->isVisible());
        SystemSettings::ChannelMasks masks = shell.window->channelMasks();
        masks.input = 0x100; // input 17 hidden
        shell.window->setChannelMasks(masks);
        QCOMPARE(assistant->findChild<QWidget *>(QStringLiteral("inputPage"))
                         ->findChild<QComboBox *>(QStringLiteral("channelComboBox"))
                         ->count(),
                 16);
        assistant->hide();
        entry->trigger();
        QCOMPARE(shell.window->findChildren<QDialog *>(QStringLiteral("commandAssistantDialog"))
                         .size(),
                 1);
    }

    // The Preset and Label entries open their dialogs, which then follow the device's preset
    // list and labels; a label edited there reaches the other views.
    void presetAndLabelDialogsFromTheMenu()
    {
        Shell shell;
        shell.menuEntry("presetAction")->trigger();
        auto *presets = shell.window->findChild<QDialog *>(QStringLiteral("presetDialog"));
        QVERIFY(presets && presets->isVisible());
        QByteArray list(545, '\0');
        list[0] = 1;
        list[18] = 1;
        list.replace(19, 7, "Lecture");
        reply(*shell.model, Msg::PresetList, list);
        QCOMPARE(presets->findChild<QLineEdit *>(QStringLiteral("1"))->text(),
                 QStringLiteral("Lecture"));

        shell.menuEntry("labelAction")->trigger();
        auto *labels = shell.window->findChild<QDialog *>(QStringLiteral("labelDialog"));
        QVERIFY(labels && labels->isVisible());
        reply(*shell.model, Msg::InputLabels, QByteArray("Podium").leftJustified(16 * 16, '\0'));
        auto *edit = labels->findChild<QWidget *>(QStringLiteral("inputLabelGroup"))
                             ->findChild<QLineEdit *>(QStringLiteral("0"));
        QCOMPARE(edit->text(), QStringLiteral("Podium"));
        QSignalSpy synced(shell.model.get(), &DataModel::tcpSyncToUI);
        edit->setText(QStringLiteral("Lectern"));
        emit edit->editingFinished();
        QCOMPARE(synced.size(), 1);
        QCOMPARE(synced[0][0].toInt(), 2);
        QCOMPARE(synced[0][1].toInt(), 3);
        QCOMPARE(synced[0][2].toInt(), 1);
        QCOMPARE(synced[0][3].toInt(), 0);
    }

    // The window and its Setup menu in both appearances and two languages, switched at run
    // time from the menu; saved in the test's folder (main-window-*.png) for a look.
    void screenshots_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("appearance");
        QTest::newRow("en-light") << QByteArray("2") << QByteArray("0");
        QTest::newRow("en-dark") << QByteArray("2") << QByteArray("1");
        QTest::newRow("chs-light") << QByteArray("0") << QByteArray("0");
        QTest::newRow("chs-dark") << QByteArray("0") << QByteArray("1");
    }

    void screenshots()
    {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, appearance);
        Shell shell("[Language]\nSupport=7\n[Appearance]\nSupport=3\n"
                    "[UIBootMode]\nCurrent=1\nDT=1\n");
        shell.choice("languageMenu", language.constData())->trigger();
        shell.choice("appearanceMenu", appearance.constData())->trigger();
        reply(*shell.model, Msg::SysFaults, bytes({1, 2, 1, 1, 1}));
        shell.window->resize(1280, 800);
        shell.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(shell.window.get()));
        QCoreApplication::processEvents();

        const QString name = AppTestEnvironment::startDirectory() + QStringLiteral("/main-window-")
                + QLatin1String(QTest::currentDataTag());
        const QImage window = shell.window->grab().toImage();
        QVERIFY(window.save(name + QStringLiteral(".png")));
        auto *setup = shell.window->menuBar()->findChild<QMenu *>(QStringLiteral("setupMenu"));
        shell.window->mainMenuBar()->pressMnemonic(Qt::Key_S);
        QTRY_VERIFY(setup->isVisible());
        QVERIFY(setup->grab().save(name + QStringLiteral("-setup.png")));
        setup->hide();
        QVERIFY(shell.faultBox()->grab().save(name + QStringLiteral("-fault.png")));

        // Not blank: the menu bar, the panels and their texts make many colours; the background
        // follows the appearance.
        QSet<QRgb> colours;
        for (int y = 0; y < window.height(); y += 3) {
            for (int x = 0; x < window.width(); x += 3)
                colours.insert(window.pixel(x, y));
        }
        QVERIFY2(colours.size() > 16, qPrintable(QString::number(colours.size())));
        const int background = qGray(window.pixel(window.width() - 2, window.height() - 2));
        QVERIFY(appearance == "1" ? background < 96 : background > 160);
    }

    void usbAndGpioDialogsFromTheMenu()
    {
        Shell shell;
        QVERIFY(!shell.window->findChild<RecPlayDialog *>());
        shell.menuEntry("recPlayAction")->trigger();
        auto *recPlay = shell.window->findChild<RecPlayDialog *>();
        QVERIFY(recPlay && recPlay->isVisible());
        QCOMPARE(shell.model->openDialogs() & 0x04, 0x04);
        // USB replies and record source reports reach it through the router.
        reply(*shell.model, Msg::UsbPlayCount, bytes({2, 0, 0, 0}));
        QCOMPARE(recPlay->playTable()->rowCount(), 2);
        reply(*shell.model, Msg::UsbRecordSource, bytes({4}));
        QVERIFY(recPlay->sourceButton(4)->property("selected").toBool());
        // Its switch to USB goes through the input setup: inputs 1 and 2 together.
        emit recPlay->switchToUSB();
        QCOMPARE(shell.model->input(0).inputMode, 2u);
        QCOMPARE(shell.model->input(1).inputMode, 2u);

        shell.menuEntry("gpioSetupAction")->trigger();
        auto *gpio = shell.window->findChild<GPIOSetupDialog *>();
        QVERIFY(gpio && gpio->isVisible());
        QCOMPARE(shell.model->openDialogs(), quint8(0x14));
        QByteArray port = bytes({0, 2, 6});
        port.append(QByteArray(63, '\0'));
        reply(*shell.model, Msg::GpioPort, port);
        QCOMPARE(gpio->functionComboBox()->currentText(), QStringLiteral("Load Preset"));
        QCOMPARE(gpio->parameterComboBox()->currentText(), QStringLiteral("7"));
        // Shown again, not built again.
        gpio->hide();
        shell.menuEntry("gpioSetupAction")->trigger();
        QCOMPARE(shell.window->findChildren<GPIOSetupDialog *>().size(), 1);
    }

    void routing_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("subType");
        QTest::addColumn<int>("funcId");
        QTest::addColumn<unsigned>("destinations");
        using R = SyncRouter;
        QTest::newRow("upgrade") << 1 << 1 << 2 << unsigned(R::Upgrade);
        QTest::newRow("login") << 2 << 1 << 1 << 0u;
        QTest::newRow("system table")
                << 2 << 2 << 14 << unsigned(R::System | R::DeviceSetup | R::Overview | R::Module);
        QTest::newRow("labels") << 2 << 3 << 1 << unsigned(R::Label | R::Overview | R::Module);
        QTest::newRow("system state") << 2 << 4 << 1 << unsigned(R::DeviceSetup);
        QTest::newRow("USB") << 2 << 5 << 2 << unsigned(R::RecPlay);
        QTest::newRow("GPIO") << 2 << 6 << 1 << unsigned(R::Gpio);
        QTest::newRow("data sync") << 2 << 16 << 2 << unsigned(R::DeviceSetup);
        QTest::newRow("meters") << 3 << 1 << 1 << unsigned(R::Module | R::Overview);
        QTest::newRow("presets") << 3 << 32 << 1 << unsigned(R::Module | R::Overview | R::Preset);
        QTest::newRow("record switches")
                << 3 << 8 << 17 << unsigned(R::Module | R::Overview | R::RecPlay);
        QTest::newRow("record source")
                << 3 << 11 << 9 << unsigned(R::Module | R::Overview | R::RecPlay);
        QTest::newRow("matrix route") << 3 << 8 << 1 << unsigned(R::Module | R::Overview);
        QTest::newRow("Dante info") << 4 << 1 << 1 << unsigned(R::DanteSetup);
        QTest::newRow("Dante block") << 4 << 1 << 4 << unsigned(R::DanteSetup);
        QTest::newRow("Dante set only") << 4 << 1 << 17 << 0u;
        QTest::newRow("unknown type") << 5 << 1 << 1 << 0u;
    }

    void routing()
    {
        QFETCH(int, type);
        QFETCH(int, subType);
        QFETCH(int, funcId);
        QFETCH(unsigned, destinations);
        SyncRouter router;
        const QList<
                QPair<unsigned,
                      void (SyncRouter::*)(uchar, uchar, uchar, uchar, uchar, const QVariant &)>>
                routes = {
                        {SyncRouter::Upgrade, &SyncRouter::upgradeMessage},
                        {SyncRouter::System, &SyncRouter::systemMessage},
                        {SyncRouter::DeviceSetup, &SyncRouter::deviceSetupMessage},
                        {SyncRouter::Overview, &SyncRouter::overviewMessage},
                        {SyncRouter::Module, &SyncRouter::moduleMessage},
                        {SyncRouter::Label, &SyncRouter::labelMessage},
                        {SyncRouter::RecPlay, &SyncRouter::recPlayMessage},
                        {SyncRouter::Gpio, &SyncRouter::gpioMessage},
                        {SyncRouter::Preset, &SyncRouter::presetMessage},
                        {SyncRouter::DanteSetup, &SyncRouter::danteSetupMessage},
                };
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const auto &route : routes)
            spies.push_back(std::make_unique<QSignalSpy>(&router, route.second));

        router.tcpSyncToUI(uchar(type), uchar(subType), uchar(funcId), 7, 3, QVariant(42));
        for (int i = 0; i < routes.size(); ++i) {
            const bool expected = destinations & routes[i].first;
            QCOMPARE(spies[size_t(i)]->count(), expected ? 1 : 0);
            if (expected) {
                const QList<QVariant> arguments = spies[size_t(i)]->first();
                QCOMPARE(arguments.at(2).toInt(), funcId);
                QCOMPARE(arguments.at(3).toInt(), 7);
                QCOMPARE(arguments.at(4).toInt(), 3);
                QCOMPARE(arguments.at(5).value<QVariant>().toInt(), 42);
            }
        }
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<MainWindowTest>(argc, argv);
}

#include "MainWindowTest.moc"
