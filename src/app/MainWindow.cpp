#include "MainWindow.h"

#include "DeviceVersionSelectionDialog.h"
#include "MainMenuBar.h"
#include "SplashScreen.h"
#include "admin/SystemUpgradeProgressDialog.h"
#include "assistant/CommandAssistantDialog.h"
#include "admin/TestDialog.h"
#include "admin/DanteSetupDialog.h"
#include "admin/DeviceSetupDialog.h"
#include "admin/GPIOSetupDialog.h"
#include "admin/RecPlayDialog.h"
#include "editors/chain/InSetupWidget.h"
#include "editors/chain/ModuleWidget.h"
#include "widgets/MessageBox.h"
#include "editors/overview/OverviewWidget.h"
#include "filedialogs/LabelDialog.h"
#include "filedialogs/PresetDialog.h"
#include "panel/DeviceListDialog.h"
#include "panel/DeviceWidget.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

MainWindow *g_instance = nullptr;

const char *const GeometryKey = "MainGeometry";
const QSize DefaultSize(1280, 800);
constexpr int DevicePanelWidth = 240;

// The fault report is shown again this often while the fault lasts.
const int FaultReminderMs = 120000;

const quint8 DspFaultBit = 0x01;
const quint8 CodecFaultBit = 0x10;
const quint32 RailFailed = 2;

// The supply rails in the order the report lists them, with their place among the five states
// the device reports (+5V, +48V, -5V, +15V, -15V).
struct Rail
{
    int state;
    const char *name;
};
const Rail ReportedRails[] = {{0, "+5V"}, {2, "-5V"}, {3, "+15V"}, {4, "-15V"}, {1, "+48V"}};

bool hasDante(int deviceVersion)
{
    return deviceVersion == 3 || deviceVersion == 4;
}

void hideIfVisible(QWidget *dialog)
{
    if (dialog && dialog->isVisible())
        dialog->hide();
}

} // namespace

MainWindow::MainWindow(SystemSettings *settings, DataModel *model, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_model(model), m_masks(settings->channelMasks())
{
    if (!g_instance)
        g_instance = this;
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(QIcon(QStringLiteral(":/image/app.ico")));

    m_menuBar = new MainMenuBar(m_settings, this);
    setMenuBar(m_menuBar);
    SplashScreen::reportProgress(5);
    connect(m_settings, &SystemSettings::storageProblem, this, &MainWindow::storageProblem);
    if (!m_settings->storageProblemText().isEmpty()) {
        // Told once the window is up, not in the middle of the start-up.
        QTimer::singleShot(0, this, [this] { storageProblem(m_settings->storageProblemText()); });
    }

    // The administration dialogs, built once and kept for the run, in this order:
    // DeviceListDialog: built on first show (deviceListDialog()), as are the fault report and
    // the meter window; most runs never open them, and every widget built delays the start.
    SplashScreen::reportProgress(10);
    // LabelDialog: built on first show (labelDialog()).
    SplashScreen::reportProgress(14);
    // PresetDialog: built on first show (presetDialog()); transfers start only from it.
    SplashScreen::reportProgress(18);
    // RecPlayDialog.
    SplashScreen::reportProgress(22);
    // DeviceSetupDialog.
    SplashScreen::reportProgress(26);
    // GPIOSetupDialog.
    SplashScreen::reportProgress(30);
    // DanteSetupDialog.
    SplashScreen::reportProgress(32);
    // SystemUpgradeProgressDialog.
    SplashScreen::reportProgress(36);
    // CommandAssistantDialog.
    SplashScreen::reportProgress(38);

    // The panels are built inside the central widget they live in: a widget moved to another
    // parent afterwards has the style sheet worked out for it and all its children again.
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    m_devicePanel = createDevicePanel(central);
    SplashScreen::reportProgress(42);
    m_overview = createOverview(central);
    SplashScreen::reportProgress(46);
    // The module area reports 55 to 95 itself while it builds its pages.
    SplashScreen::reportProgress(50);
    m_moduleArea = createModuleArea(central);

    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    auto *rightLayout = new QVBoxLayout;
    rightLayout->setSpacing(8);
    rightLayout->addWidget(m_overview);
    rightLayout->addWidget(m_moduleArea, 1);
    layout->addWidget(m_devicePanel);
    layout->addLayout(rightLayout, 1);
    setCentralWidget(central);

    m_faultReminderTimer = new QTimer(this);
    m_faultReminderTimer->setObjectName(QStringLiteral("faultReminderTimer"));
    m_faultReminderTimer->setInterval(FaultReminderMs);
    connect(m_faultReminderTimer, &QTimer::timeout, this, &MainWindow::faultReminderTimerTimeout);

    connect(m_menuBar, &MainMenuBar::deviceListTriggered, this, &MainWindow::deviceListTriggered);
    connect(m_menuBar, &MainMenuBar::labelTriggered, this, &MainWindow::labelTriggered);
    connect(m_menuBar, &MainMenuBar::presetTriggered, this, &MainWindow::presetTriggered);
    connect(m_menuBar, &MainMenuBar::recPlayTriggered, this, &MainWindow::recPlayTriggered);
    connect(m_menuBar, &MainMenuBar::deviceSetupTriggered, this, &MainWindow::deviceSetupTriggered);
    connect(m_menuBar, &MainMenuBar::gpioSetupTriggered, this, &MainWindow::gpioSetupTriggered);
    connect(m_menuBar, &MainMenuBar::danteSetupTriggered, this, &MainWindow::danteSetupTriggered);
    connect(m_menuBar, &MainMenuBar::systemUpgradeActionTriggered, this,
            &MainWindow::systemUpgradeActionTriggered);
    connect(m_menuBar, &MainMenuBar::systemResetTriggered, this, &MainWindow::systemResetTriggered);
    connect(m_menuBar, &MainMenuBar::commandAssistantTriggered, this,
            &MainWindow::commandAssistantTriggered);
    connect(m_menuBar, &MainMenuBar::deviceVersionSelectionTriggered, this,
            &MainWindow::deviceVersionSelectionTriggered);
    connect(m_menuBar, &MainMenuBar::deviceListShortcutActivated, this,
            &MainWindow::deviceListShortcutActivated);
    connect(m_menuBar, &MainMenuBar::labelShortcutActivated, this,
            &MainWindow::labelShortcutActivated);
    connect(m_menuBar, &MainMenuBar::presetShortcutActivated, this,
            &MainWindow::presetShortcutActivated);
    connect(m_menuBar, &MainMenuBar::recPlayShortcutActivated, this,
            &MainWindow::recPlayShortcutActivated);
    connect(m_menuBar, &MainMenuBar::setupShortcutActivated, this,
            &MainWindow::setupShortcutActivated);
    connect(m_menuBar, &MainMenuBar::helpShortcutActivated, this,
            &MainWindow::helpShortcutActivated);

    // The factory test panel has no menu entry: the service technician opens it with Ctrl+T.
    auto *testShortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+T")), this);
    testShortcut->setObjectName(QStringLiteral("testShortcut"));
    connect(testShortcut, &QShortcut::activated, this, &MainWindow::testShortcutActivated);

    connect(m_model, &DataModel::tcpSyncToUI, this, &MainWindow::tcpSyncToUI);
    connect(&m_router, &SyncRouter::systemMessage, this, &MainWindow::systemMessage);

    retranslate();

    const QByteArray geometry = SystemSettings::loadGeometry(QLatin1String(GeometryKey));
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(DefaultSize);
    SplashScreen::reportProgress(99);
}

MainWindow::~MainWindow()
{
    SystemSettings::saveGeometry(QLatin1String(GeometryKey), saveGeometry());
    if (g_instance == this)
        g_instance = nullptr;
}

MainWindow *MainWindow::instance()
{
    return g_instance;
}

void MainWindow::setChannelMasks(const SystemSettings::ChannelMasks &masks)
{
    m_masks = masks;
    emit channelMasksChanged(masks.input, masks.output, masks.danteInput, masks.danteOutput);
}

void MainWindow::applyDeviceVersion()
{
    const int version = m_settings->deviceVersion();
    const SystemSettings::ChannelMasks masks = m_settings->channelMasks();
    m_model->mirror().presetDeviceVersion(version);
    m_model->setDanteChannelNames(quint16(masks.danteInput), quint16(masks.danteOutput));
    m_menuBar->refresh();
    emit deviceVersionApplied(version);
    setChannelMasks(masks);
    if (!hasDante(version))
        hideIfVisible(m_danteSetupDialog);
}

int MainWindow::deviceVersionFromDevice(const DeviceInfo &info)
{
    if (info.danteSupported)
        return info.inputCount == 8 ? 4 : 3;
    if (info.inputCount == 16 && info.outputCount == 8)
        return 1;
    if (info.inputCount == 8 && info.outputCount == 8)
        return 2;
    return 0;
}

bool MainWindow::hasFault(const DeviceInfo &info)
{
    if (info.faultFlags & (DspFaultBit | CodecFaultBit))
        return true;
    for (quint32 state : info.faults) {
        if (state == RailFailed)
            return true;
    }
    return false;
}

QString MainWindow::faultText(const DeviceInfo &info)
{
    const QString separator = QStringLiteral(", ");
    QString list;
    if (info.faultFlags & DspFaultBit)
        list += QStringLiteral("DSP") + separator;
    if (info.faultFlags & CodecFaultBit)
        list += tr("Codec") + separator;
    for (const Rail &rail : ReportedRails) {
        if (info.faults[size_t(rail.state)] == RailFailed)
            list += QLatin1String(rail.name) + separator;
    }
    if (list.endsWith(separator))
        list.chop(separator.size());
    return tr("Found fault :") + QStringLiteral("\n\n") + list + QStringLiteral("\n\n")
            + tr("See the Device Setup page for details.");
}

// ---- menu entries ---------------------------------------------------------------------------

void MainWindow::deviceListTriggered()
{
    showDialog(deviceListDialog());
}

DeviceListDialog *MainWindow::deviceListDialog()
{
    if (m_deviceListDialog)
        return m_deviceListDialog;
    m_deviceListDialog = new DeviceListDialog(this);
    m_deviceListDialog->connectModel(m_model);
    // "Remove" in the full list removes the way the panel does.
    connect(m_deviceListDialog, &DeviceListDialog::removeDeviceRequested, m_devicePanel,
            &DeviceWidget::removeDeviceAt);
    return m_deviceListDialog;
}

QMessageBox *MainWindow::faultMessageBox()
{
    if (m_faultMessageBox)
        return m_faultMessageBox;
    m_faultMessageBox = new QMessageBox(this);
    m_faultMessageBox->setObjectName(QStringLiteral("faultMessageBox"));
    m_faultMessageBox->setIcon(QMessageBox::Warning);
    m_faultMessageBox->setWindowModality(Qt::NonModal);
    m_faultMessageBox->addButton(QMessageBox::Ok);
    retranslateFaultMessageBox();
    return m_faultMessageBox;
}

void MainWindow::retranslateFaultMessageBox()
{
    if (!m_faultMessageBox)
        return;
    m_faultMessageBox->setWindowTitle(tr("Device Fault"));
    m_faultMessageBox->button(QMessageBox::Ok)->setText(tr("OK"));
    if (m_faultMessageBox->isVisible())
        m_faultMessageBox->setText(faultText(m_model->deviceInfo()));
}

void MainWindow::labelTriggered()
{
    showDialog(labelDialog());
}

LabelDialog *MainWindow::labelDialog()
{
    if (m_labelDialog)
        return m_labelDialog;
    m_labelDialog = new LabelDialog(m_model, m_settings, this);
    connect(&m_router, &SyncRouter::labelMessage, m_labelDialog, &LabelDialog::tcpSyncToUI);
    connect(this, &MainWindow::channelMasksChanged, m_labelDialog,
            &LabelDialog::applyChannelConfig);
    // The strips and the overview show the new label too.
    connect(m_labelDialog, &LabelDialog::inputLabelChanged, this,
            [this](int channel) { m_model->announce(Msg::InputLabels, quint8(channel)); });
    connect(m_labelDialog, &LabelDialog::outputLabelChanged, this,
            [this](int channel) { m_model->announce(Msg::OutputLabels, quint8(channel)); });
    return m_labelDialog;
}

void MainWindow::presetTriggered()
{
    showDialog(presetDialog());
}

PresetDialog *MainWindow::presetDialog()
{
    if (m_presetDialog)
        return m_presetDialog;
    m_presetDialog = new PresetDialog(m_model, m_settings, this);
    connect(&m_router, &SyncRouter::presetMessage, m_presetDialog, &PresetDialog::tcpSyncToUI);
    return m_presetDialog;
}

void MainWindow::recPlayTriggered()
{
    showDialog(recPlayDialog());
}

RecPlayDialog *MainWindow::recPlayDialog()
{
    if (m_recPlayDialog)
        return m_recPlayDialog;
    m_recPlayDialog = new RecPlayDialog(m_model, this);
    m_recPlayDialog->applyChannelConfig(m_masks.input, m_masks.output);
    connect(&m_router, &SyncRouter::recPlayMessage, m_recPlayDialog,
            &RecPlayDialog::syncFromModel);
    connect(&m_router, &SyncRouter::labelMessage, m_recPlayDialog, &RecPlayDialog::syncFromModel);
    connect(this, &MainWindow::channelMasksChanged, m_recPlayDialog,
            [this](quint32 inputMask, quint32 outputMask, quint32, quint32) {
                m_recPlayDialog->applyChannelConfig(inputMask, outputMask);
            });
    connect(m_recPlayDialog, &RecPlayDialog::switchToUSB, this, &MainWindow::switchInputsToUsb);
    return m_recPlayDialog;
}

void MainWindow::switchInputsToUsb()
{
    m_moduleArea->inSetupWidget()->switchToUsb();
}

void MainWindow::deviceSetupTriggered()
{
    showDialog(deviceSetupDialog());
}

DeviceSetupDialog *MainWindow::deviceSetupDialog()
{
    if (m_deviceSetupDialog)
        return static_cast<DeviceSetupDialog *>(m_deviceSetupDialog);
    auto *dialog = new DeviceSetupDialog(m_model, this);
    m_deviceSetupDialog = dialog;
    dialog->setAdminPassword(m_settings->simplePasswordVisible());
    dialog->applyChannelConfig(m_masks.input, m_masks.output, m_masks.danteInput,
                               m_masks.danteOutput);
    connect(&m_router, &SyncRouter::deviceSetupMessage, dialog, &DeviceSetupDialog::syncFromModel);
    // The volume limits are audio parameters (gain ranges of Level Pre Mix and Out Level).
    connect(&m_router, &SyncRouter::moduleMessage, dialog, &DeviceSetupDialog::syncFromModel);
    connect(this, &MainWindow::channelMasksChanged, dialog, &DeviceSetupDialog::applyChannelConfig);
    return dialog;
}

void MainWindow::gpioSetupTriggered()
{
    showDialog(gpioSetupDialog());
}

GPIOSetupDialog *MainWindow::gpioSetupDialog()
{
    if (m_gpioSetupDialog)
        return m_gpioSetupDialog;
    m_gpioSetupDialog = new GPIOSetupDialog(m_model, this);
    m_gpioSetupDialog->applyChannelConfig(m_masks.input, m_masks.output, m_masks.danteInput,
                                          m_masks.danteOutput);
    // Port replies, and the channel names and Dante link state its channel list shows.
    connect(&m_router, &SyncRouter::gpioMessage, m_gpioSetupDialog,
            &GPIOSetupDialog::syncFromModel);
    connect(&m_router, &SyncRouter::labelMessage, m_gpioSetupDialog,
            &GPIOSetupDialog::syncFromModel);
    connect(&m_router, &SyncRouter::systemMessage, m_gpioSetupDialog,
            &GPIOSetupDialog::syncFromModel);
    connect(this, &MainWindow::channelMasksChanged, m_gpioSetupDialog,
            &GPIOSetupDialog::applyChannelConfig);
    return m_gpioSetupDialog;
}

void MainWindow::danteSetupTriggered()
{
    showDialog(danteSetupDialog());
}

DanteSetupDialog *MainWindow::danteSetupDialog()
{
    if (m_danteSetupDialog)
        return static_cast<DanteSetupDialog *>(m_danteSetupDialog);
    auto *dialog = new DanteSetupDialog(m_model, this);
    m_danteSetupDialog = dialog;
    connect(&m_router, &SyncRouter::danteSetupMessage, dialog, &DanteSetupDialog::syncFromModel);
    // The receive and transmit channels carry the labels of inputs and outputs 13 to 16.
    connect(&m_router, &SyncRouter::labelMessage, dialog, &DanteSetupDialog::syncFromModel);
    return dialog;
}

void MainWindow::systemUpgradeActionTriggered()
{
    systemUpgradeDialog()->systemUpgradeActionTriggered();
}

SystemUpgradeProgressDialog *MainWindow::systemUpgradeDialog()
{
    if (m_systemUpgradeDialog)
        return m_systemUpgradeDialog;
    m_systemUpgradeDialog = new SystemUpgradeProgressDialog(m_model, this);
    connect(&m_router, &SyncRouter::upgradeMessage, m_systemUpgradeDialog,
            &SystemUpgradeProgressDialog::tcpSyncToUI);
    return m_systemUpgradeDialog;
}

void MainWindow::testShortcutActivated()
{
    if (!m_testDialog) {
        m_testDialog = new TestDialog(m_model, this);
        connect(&m_router, &SyncRouter::systemMessage, m_testDialog, &TestDialog::tcpSyncToUI);
    }
    showDialog(m_testDialog);
}

void MainWindow::commandAssistantTriggered()
{
    showDialog(commandAssistantDialog());
}

CommandAssistantDialog *MainWindow::commandAssistantDialog()
{
    if (m_commandAssistantDialog)
        return m_commandAssistantDialog;
    m_commandAssistantDialog =
            new CommandAssistantDialog(m_model, m_model->linkSettings().controlPort, this);
    m_commandAssistantDialog->applyChannelConfig(m_masks.input, m_masks.output, m_masks.danteInput,
                                                 m_masks.danteOutput);
    connect(this, &MainWindow::channelMasksChanged, m_commandAssistantDialog,
            &CommandAssistantDialog::applyChannelConfig);
    return m_commandAssistantDialog;
}

void MainWindow::systemResetTriggered()
{
    const QString text =
            QStringLiteral("<font size='3' face='Arial' color='red'><B>%1<br>%2</font>")
                    .arg(tr("Restore the factory settings will delete all user data!"),
                         tr("Are you sure that you want to reformat the disk and erase all "
                            "data?"));
    if (MessageBox::confirm(this, tr("System Reset"), text, Qt::RichText))
        m_model->sendWrite(Msg::SysFactoryReset);
}

void MainWindow::deviceVersionSelectionTriggered()
{
    if (!m_versionDialog) {
        m_versionDialog = new DeviceVersionSelectionDialog(m_settings, this);
        connect(m_versionDialog, &QDialog::accepted, this,
                &MainWindow::deviceVersionDialogAccepted);
    }
    m_versionDialog->setModal(true);
    // While a device is logged in, its reports decide the configuration.
    m_versionDialog->setTableEnabled(!m_model->isLoggedIn());
    showDialog(m_versionDialog);
}

void MainWindow::deviceVersionDialogAccepted()
{
    applyDeviceVersion();
}

void MainWindow::setLoginChanged(bool loggedIn)
{
    if (m_versionDialog && m_versionDialog->isVisible())
        m_versionDialog->setTableEnabled(!loggedIn);
}

// ---- shortcuts ------------------------------------------------------------------------------

void MainWindow::deviceListShortcutActivated()
{
    m_menuBar->pressMnemonic(Qt::Key_D);
}

void MainWindow::labelShortcutActivated()
{
    m_menuBar->pressMnemonic(Qt::Key_L);
}

void MainWindow::presetShortcutActivated()
{
    m_menuBar->pressMnemonic(Qt::Key_P);
}

void MainWindow::recPlayShortcutActivated()
{
    m_menuBar->pressMnemonic(Qt::Key_R);
}

void MainWindow::setupShortcutActivated()
{
    m_menuBar->pressMnemonic(Qt::Key_S);
}

void MainWindow::helpShortcutActivated()
{
    m_menuBar->pressMnemonic(Qt::Key_H);
}

// ---- device reports -------------------------------------------------------------------------

void MainWindow::tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                             const QVariant &any)
{
    m_router.tcpSyncToUI(type, subType, funcId, channel, other, any);
}

void MainWindow::systemMessage(uchar type, uchar subType, uchar funcId, uchar, uchar,
                               const QVariant &)
{
    const MessageId id {type, subType, funcId};
    if (id == Msg::SysArmVersion)
        controlFirmwareReported();
    else if (id == Msg::SysChannelConfig || id == Msg::SysDanteState)
        deviceConfigurationReported();
    else if (id == Msg::SysFaultFlags || id == Msg::SysFaults)
        faultReported();
    if (id == Msg::SysDanteState && m_labelDialog)
        m_labelDialog->refreshDanteState();
}

void MainWindow::controlFirmwareReported()
{
    const quint8 firmware = m_model->deviceInfo().armVersion[0];
    if (m_settings->setBootModeFromDevice(firmware)) {
        m_model->setBootMode(m_settings->bootMode());
        // The masks depend on the boot mode.
        m_settings->setDeviceVersion(m_settings->deviceVersion());
        applyDeviceVersion();
    }
    m_menuBar->setControlFirmwareMajor(firmware);
    // Control firmware 1 and 5 have USB record and playback; before a device reports (0) the
    // boot mode stands for it.
    const bool usb =
            firmware == 1 || firmware == 5 || (firmware == 0 && m_settings->bootMode() != 0);
    if (!usb)
        hideIfVisible(m_recPlayDialog);
}

void MainWindow::deviceConfigurationReported()
{
    const int version = deviceVersionFromDevice(m_model->deviceInfo());
    if (m_versionDialog && m_versionDialog->isVisible())
        m_versionDialog->selectVersion(version);
    if (version == m_settings->deviceVersion())
        return;
    m_settings->setDeviceVersion(version);
    applyDeviceVersion();
}

void MainWindow::faultReported()
{
    if (!hasFault(m_model->deviceInfo())) {
        m_faultReminderTimer->stop();
        hideIfVisible(m_faultMessageBox);
        return;
    }
    m_faultReminderTimer->start();
    showFaultReport();
}

void MainWindow::faultReminderTimerTimeout()
{
    if (!hasFault(m_model->deviceInfo())) {
        m_faultReminderTimer->stop();
        hideIfVisible(m_faultMessageBox);
        return;
    }
    showFaultReport();
}

void MainWindow::showFaultReport()
{
    QMessageBox *box = faultMessageBox();
    box->setText(faultText(m_model->deviceInfo()));
    box->show();
    box->raise();
}

// ---- window ---------------------------------------------------------------------------------

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::showDialog(QWidget *dialog)
{
    if (!dialog)
        return;
    if (dialog->isMinimized()) {
        dialog->showNormal();
        return;
    }
    dialog->raise();
    dialog->show();
    dialog->activateWindow();
}

DeviceWidget *MainWindow::createDevicePanel(QWidget *parent)
{
    auto *panel = new DeviceWidget(parent);
    // A fixed width keeps the rows whole however much the editors beside it would like.
    panel->setFixedWidth(DevicePanelWidth);
    panel->connectModel(m_model);
    connect(panel, &DeviceWidget::listButtonClicked, this, &MainWindow::deviceListTriggered);
    connect(panel, &DeviceWidget::loginChanged, this, &MainWindow::setLoginChanged);
    return panel;
}

OverviewWidget *MainWindow::createOverview(QWidget *parent)
{
    auto *overview = new OverviewWidget(m_model, parent);
    connect(&m_router, &SyncRouter::overviewMessage, overview, &OverviewWidget::syncFromModel);
    connect(this, &MainWindow::channelMasksChanged, overview, &OverviewWidget::applyChannelConfig);
    return overview;
}

ModuleWidget *MainWindow::createModuleArea(QWidget *parent)
{
    auto *modules = new ModuleWidget(m_model, parent, &SplashScreen::reportProgress);
    connect(&m_router, &SyncRouter::moduleMessage, modules, &ModuleWidget::syncFromModel);
    connect(this, &MainWindow::channelMasksChanged, modules, &ModuleWidget::applyChannelConfig);
    return modules;
}

void MainWindow::retranslate()
{
    setWindowTitle(m_settings->title());

    retranslateFaultMessageBox();
}

void MainWindow::storageProblem(const QString &text)
{
    if (text.isEmpty() || m_toldProblems.contains(text))
        return;
    m_toldProblems.insert(text);
    MessageBox::inform(this, MessageBox::Warning, tr("Settings and Device List"), text);
}
