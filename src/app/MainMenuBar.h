#pragma once

#include <QMenuBar>

#include <functional>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class SystemSettings;

// The main window's menu bar: the dialogs of the window, system reset, the language, interface
// colour and high-DPI choices and the application version. Which entries it offers follows the
// settings (simplified interface, boot mode, Dante UI, language and appearance support), the
// channel configuration and the control firmware of the connected device; refresh() applies the
// rules again after any of them changed.
//
// Ctrl+D, Ctrl+L, Ctrl+P, Ctrl+R, Ctrl+S and Ctrl+H are announced through the *ShortcutActivated
// signals; the window answers each with pressMnemonic(), which opens the entry whose mnemonic is
// that letter, so a hidden entry is never reached by its shortcut either.
class MainMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    // Entries whose dialog exists. An entry without its dialog is hidden, never faked: the change
    // that builds a dialog flips its flag here (and nowhere else).
    struct DialogAvailability
    {
        bool deviceList = true; // DeviceListDialog
        bool label = true; // LabelDialog
        bool preset = true; // PresetDialog
        bool recPlay = true; // RecPlayDialog
        bool deviceSetup = true; // DeviceSetupDialog
        bool gpioSetup = true; // GPIOSetupDialog
        bool danteSetup = true; // DanteSetupDialog
        bool systemUpgrade = true; // SystemUpgradeProgressDialog
        bool commandAssistant = true; // CommandAssistantDialog

        static DialogAvailability all();
    };

    // With the dialogs that exist so far.
    explicit MainMenuBar(SystemSettings *settings, QWidget *parent = nullptr);
    MainMenuBar(SystemSettings *settings, const DialogAvailability &available,
                QWidget *parent = nullptr);

    // The first byte of the connected device's control-firmware version; 0 while no device has
    // reported one.
    void setControlFirmwareMajor(quint8 major);
    quint8 controlFirmwareMajor() const { return m_controlFirmwareMajor; }

    // Applies the composition and visibility rules and the check marks again.
    void refresh();

    // A synthetic press and release of Alt plus letter (Qt::Key_A..Qt::Key_Z), as the keyboard
    // would send it.
    void pressMnemonic(int letter);

    // What "Restart immediately to take effect" does: by default start the same program file
    // with the same arguments as a detached process and end this one with exit code 0.
    using Restarter = std::function<void()>;
    void setRestarter(Restarter restarter);

signals:
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

    void deviceListShortcutActivated();
    void labelShortcutActivated();
    void presetShortcutActivated();
    void recPlayShortcutActivated();
    void setupShortcutActivated();
    void helpShortcutActivated();

public slots:
    // The choices of the three groups; the sender's object name holds the value. Language and
    // colour take effect at once; a changed high-DPI choice is stored and, if the user agrees,
    // the program restarts.
    void languageTriggered();
    void appearanceConfigTriggered();
    void highDpiScalingTriggered();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QAction *addEntry(const char *objectName, void (MainMenuBar::*signal)());
    QAction *addSetupEntry(const char *objectName, void (MainMenuBar::*signal)());
    QActionGroup *addChoiceGroup(QMenu *menu, const QStringList &values,
                                 void (MainMenuBar::*slot)());
    void addShortcut(const char *keys, void (MainMenuBar::*signal)());
    void setCheckedValue(QActionGroup *group, int value);
    void retranslate();

    SystemSettings *m_settings;
    DialogAvailability m_available;
    quint8 m_controlFirmwareMajor = 0;
    Restarter m_restarter;

    QAction *m_deviceListAction;
    QAction *m_labelAction;
    QAction *m_presetAction;
    QAction *m_recPlayAction;
    QMenu *m_setupMenu;
    QAction *m_deviceSetupAction;
    QAction *m_gpioSetupAction;
    QAction *m_danteSetupAction;
    QAction *m_deviceVersionSelectionAction;
    QAction *m_systemUpgradeAction;
    QAction *m_systemResetAction;
    QAction *m_commandAssistantAction;
    QMenu *m_languageMenu;
    QActionGroup *m_languageGroup;
    QMenu *m_appearanceMenu;
    QActionGroup *m_appearanceGroup;
    QMenu *m_highDpiMenu;
    QActionGroup *m_highDpiGroup;
    QLabel *m_versionLabel;
};
