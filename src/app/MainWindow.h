#pragma once

#include "SyncRouter.h"
#include "settings/SystemSettings.h"

#include <QMainWindow>
#include <QSet>

class DataModel;
class DeviceVersionSelectionDialog;
class MainMenuBar;
class QLabel;
class QMessageBox;
class QTimer;
class QVBoxLayout;
struct DeviceInfo;
class DeviceListDialog;
class DeviceSetupDialog;
class DanteSetupDialog;
class GPIOSetupDialog;
class RecPlayDialog;
class DeviceWidget;
class LabelDialog;
class PresetDialog;
class ModuleWidget;
class OverviewWidget;
class SystemUpgradeProgressDialog;
class CommandAssistantDialog;
class TestDialog;

// The single top-level window: the menu bar, the device list panel on the left, the overview at
// the top right and the module area below it, and one instance of every administration dialog.
// It routes the device model's change notifications to the views (SyncRouter), reacts itself to
// the device version, boot mode and fault reports, and carries system reset and the device
// version selection. Reachable process-wide so that dialogs can find their parent.
//
// The panels are built inside the central widget, at the construction steps of their splash
// progress in MainWindow.cpp; each is wired in its create...() function (router signal and
// channelMasksChanged). The dialogs are built once and kept for the run, but only when first
// wanted (deviceListDialog(), faultMessageBox()): most runs never open most of them, and every
// widget built before the window shows delays the start. A new dialog follows the same shape:
// an accessor that builds it into its member below (typed as its class), reads what it needs
// from the model there, and connects its router signal (&SyncRouter::labelMessage, ...); its
// flag in MainMenuBar::DialogAvailability set to true. Channel masks reach it through
// channelMasksChanged and, for a dialog built later, from m_masks when it is built.
// A view that follows the device version beyond its masks connects to deviceVersionApplied.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(SystemSettings *settings, DataModel *model, QWidget *parent = nullptr);
    ~MainWindow() override;

    static MainWindow *instance();

    MainMenuBar *mainMenuBar() const { return m_menuBar; }
    // The version dialog of the menu entry; null until it was first opened.
    DeviceVersionSelectionDialog *deviceVersionDialog() const { return m_versionDialog; }

    // The channels the current configuration leaves out, handed on to the views.
    void setChannelMasks(const SystemSettings::ChannelMasks &masks);
    SystemSettings::ChannelMasks channelMasks() const { return m_masks; }

    // Applies the stored device version: the model's channel counts, Dante flag and Dante
    // channel names, the menu bar, and the masks for every view.
    void applyDeviceVersion();

    // The channel configuration a device's reports stand for: without Dante 16 inputs and 8
    // outputs are 1, 8 and 8 are 2, anything else 0; with Dante 8 inputs are 4, anything else 3.
    static int deviceVersionFromDevice(const DeviceInfo &info);
    // A DSP or codec fault, or a failed supply rail.
    static bool hasFault(const DeviceInfo &info);
    // The text of the fault report box.
    static QString faultText(const DeviceInfo &info);

signals:
    void channelMasksChanged(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                             quint32 danteOutputMask);
    void deviceVersionApplied(int deviceVersion);

public slots:
    // Menu entries.
    void deviceListTriggered();
    void labelTriggered();
    void presetTriggered();
    void recPlayTriggered();
    void deviceSetupTriggered();
    void gpioSetupTriggered();
    void danteSetupTriggered();
    void systemUpgradeActionTriggered();
    void systemResetTriggered();
    void commandAssistantTriggered();
    void deviceVersionSelectionTriggered();

    // Ctrl+letter: the entry with that letter as its mnemonic.
    void deviceListShortcutActivated();
    void labelShortcutActivated();
    void presetShortcutActivated();
    void recPlayShortcutActivated();
    void setupShortcutActivated();
    void helpShortcutActivated();
    // Ctrl+T: the factory test panel.
    void testShortcutActivated();

    // The login state of the selected device, from the device list panel.
    void setLoginChanged(bool loggedIn);

    // Every change notification of the device model.
    void tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                     const QVariant &any);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void systemMessage(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                       const QVariant &any);
    void faultReminderTimerTimeout();
    void deviceVersionDialogAccepted();
    // The record/playback dialog's switch of inputs 1 and 2 to USB, through the input setup.
    void switchInputsToUsb();
    // What the program cannot keep (cfg.ini, devices.db), told once per problem.
    void storageProblem(const QString &text);

private:
    QSet<QString> m_toldProblems;
    // The three places of the central layout.
    DeviceListDialog *deviceListDialog();
    DeviceSetupDialog *deviceSetupDialog();
    DanteSetupDialog *danteSetupDialog();
    QMessageBox *faultMessageBox();
    SystemUpgradeProgressDialog *systemUpgradeDialog();
    CommandAssistantDialog *commandAssistantDialog();
    RecPlayDialog *recPlayDialog();
    GPIOSetupDialog *gpioSetupDialog();
    LabelDialog *labelDialog();
    PresetDialog *presetDialog();
    void retranslateFaultMessageBox();
    DeviceWidget *createDevicePanel(QWidget *parent);
    OverviewWidget *createOverview(QWidget *parent);
    ModuleWidget *createModuleArea(QWidget *parent);
    // A framed place with a title and a hint, standing in for a view not built yet.

    void showDialog(QWidget *dialog);
    void controlFirmwareReported();
    void deviceConfigurationReported();
    void faultReported();
    void showFaultReport();
    void retranslate();

    SystemSettings *m_settings;
    DataModel *m_model;
    SystemSettings::ChannelMasks m_masks;
    SyncRouter m_router;

    MainMenuBar *m_menuBar = nullptr;
    DeviceVersionSelectionDialog *m_versionDialog = nullptr;
    QMessageBox *m_faultMessageBox = nullptr;
    QTimer *m_faultReminderTimer = nullptr;

    // ---- views of the other parts; null until their part is built ----
    DeviceListDialog *m_deviceListDialog = nullptr;
    LabelDialog *m_labelDialog = nullptr;
    PresetDialog *m_presetDialog = nullptr;
    RecPlayDialog *m_recPlayDialog = nullptr;
    QWidget *m_deviceSetupDialog = nullptr; // DeviceSetupDialog
    GPIOSetupDialog *m_gpioSetupDialog = nullptr;
    QWidget *m_danteSetupDialog = nullptr; // DanteSetupDialog
    SystemUpgradeProgressDialog *m_systemUpgradeDialog = nullptr;
    TestDialog *m_testDialog = nullptr;
    CommandAssistantDialog *m_commandAssistantDialog = nullptr;
    DeviceWidget *m_devicePanel = nullptr;
    OverviewWidget *m_overview = nullptr;
    ModuleWidget *m_moduleArea = nullptr;
};
