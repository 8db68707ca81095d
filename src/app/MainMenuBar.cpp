#include "MainMenuBar.h"

#include "wire/AppLog.h"
#include "settings/SystemSettings.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QShortcut>

namespace {

// Object names of the choices: the value each stands for.
const QString LanguageCHS = QStringLiteral("0");
const QString LanguageCHT = QStringLiteral("1");
const QString LanguageEN = QStringLiteral("2");
const QString AppearanceLight = QStringLiteral("0");
const QString AppearanceDark = QStringLiteral("1");
const QString HighDpiEnabled = QStringLiteral("1");
const QString HighDpiDisabled = QStringLiteral("0");

int bitCount(int mask)
{
    int count = 0;
    for (; mask; mask &= mask - 1)
        ++count;
    return count;
}

// The letter after the '&' of an entry's text, upper case; a null character when there is none.
QChar mnemonicOf(const QAction *action)
{
    const QString text = action->text();
    for (int i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
         i = text.indexOf(QLatin1Char('&'), i + 2)) {
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toUpper();
    }
    return QChar();
}

void restartProgram()
{
    const QString program = QCoreApplication::applicationFilePath();
    if (!QProcess::startDetached(program, QCoreApplication::arguments().mid(1))) {
        // Ending now would leave the user with no program at all; the choice is stored and
        // takes effect at the next start.
        qCDebug(lcApp) << "cannot restart" << program;
        return;
    }
    QCoreApplication::exit(0);
}

} // namespace

MainMenuBar::DialogAvailability MainMenuBar::DialogAvailability::all()
{
    DialogAvailability available;
    available.deviceList = available.label = available.preset = available.recPlay =
            available.deviceSetup = available.gpioSetup = available.danteSetup =
                    available.systemUpgrade = available.commandAssistant = true;
    return available;
}

MainMenuBar::MainMenuBar(SystemSettings *settings, QWidget *parent)
    : MainMenuBar(settings, DialogAvailability(), parent)
{
}

MainMenuBar::MainMenuBar(SystemSettings *settings, const DialogAvailability &available,
                         QWidget *parent)
    : QMenuBar(parent), m_settings(settings), m_available(available), m_restarter(restartProgram)
{
    setObjectName(QStringLiteral("mainMenuBar"));
    setNativeMenuBar(false);

    m_deviceListAction = addEntry("deviceListAction", &MainMenuBar::deviceListTriggered);
    m_labelAction = addEntry("labelAction", &MainMenuBar::labelTriggered);
    m_presetAction = addEntry("presetAction", &MainMenuBar::presetTriggered);
    m_recPlayAction = addEntry("recPlayAction", &MainMenuBar::recPlayTriggered);

    m_setupMenu = addMenu(QString());
    m_setupMenu->setObjectName(QStringLiteral("setupMenu"));
    m_setupMenu->menuAction()->setObjectName(QStringLiteral("setupMenuAction"));
    m_deviceSetupAction = addSetupEntry("deviceSetupAction", &MainMenuBar::deviceSetupTriggered);
    m_gpioSetupAction = addSetupEntry("gpioSetupAction", &MainMenuBar::gpioSetupTriggered);
    m_danteSetupAction = addSetupEntry("danteSetupAction", &MainMenuBar::danteSetupTriggered);
    m_deviceVersionSelectionAction = addSetupEntry("deviceVersionSelectionAction",
                                                   &MainMenuBar::deviceVersionSelectionTriggered);

    m_systemUpgradeAction =
            addEntry("systemUpgradeAction", &MainMenuBar::systemUpgradeActionTriggered);
    m_systemResetAction = addEntry("systemResetAction", &MainMenuBar::systemResetTriggered);
    m_commandAssistantAction =
            addEntry("commandAssistantAction", &MainMenuBar::commandAssistantTriggered);

    m_languageMenu = addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("languageMenu"));
    m_languageGroup = addChoiceGroup(m_languageMenu, {LanguageEN, LanguageCHS, LanguageCHT},
                                     &MainMenuBar::languageTriggered);
    m_appearanceMenu = addMenu(QString());
    m_appearanceMenu->setObjectName(QStringLiteral("appearanceMenu"));
    m_appearanceGroup = addChoiceGroup(m_appearanceMenu, {AppearanceLight, AppearanceDark},
                                       &MainMenuBar::appearanceConfigTriggered);
    m_highDpiMenu = addMenu(QString());
    m_highDpiMenu->setObjectName(QStringLiteral("highDpiMenu"));
    m_highDpiGroup = addChoiceGroup(m_highDpiMenu, {HighDpiEnabled, HighDpiDisabled},
                                    &MainMenuBar::highDpiScalingTriggered);

    m_versionLabel = new QLabel(this);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    setCornerWidget(m_versionLabel, Qt::TopRightCorner);

    addShortcut("Ctrl+D", &MainMenuBar::deviceListShortcutActivated);
    addShortcut("Ctrl+L", &MainMenuBar::labelShortcutActivated);
    addShortcut("Ctrl+P", &MainMenuBar::presetShortcutActivated);
    addShortcut("Ctrl+R", &MainMenuBar::recPlayShortcutActivated);
    addShortcut("Ctrl+S", &MainMenuBar::setupShortcutActivated);
    addShortcut("Ctrl+H", &MainMenuBar::helpShortcutActivated);

    retranslate();
    refresh();
}

void MainMenuBar::setControlFirmwareMajor(quint8 major)
{
    m_controlFirmwareMajor = major;
    refresh();
}

void MainMenuBar::setRestarter(Restarter restarter)
{
    m_restarter = std::move(restarter);
}

void MainMenuBar::refresh()
{
    const bool simple = m_settings->simple() != 0;
    const int bootMode = m_settings->bootMode();
    const int version = m_settings->deviceVersion();
    const quint8 firmware = m_controlFirmwareMajor;

    // USB record/playback and GPIO exist on control firmware 1 and 5; before a device reports,
    // the boot mode stands for it.
    const bool usbAndGpio = firmware == 1 || firmware == 5 || (firmware == 0 && bootMode != 0);
    const bool danteVersion = version == 3 || version == 4;
    const bool danteAlwaysListed = bootMode != 0 && m_settings->danteUi() == 1;

    m_deviceListAction->setVisible(m_available.deviceList);
    m_labelAction->setVisible(m_available.label && !simple);
    m_presetAction->setVisible(m_available.preset);
    m_recPlayAction->setVisible(m_available.recPlay && !simple && usbAndGpio);

    // The simplified interface has no Setup menu at all.
    const bool setup = !simple;
    m_deviceSetupAction->setVisible(setup && m_available.deviceSetup);
    m_gpioSetupAction->setVisible(setup && m_available.gpioSetup && usbAndGpio);
    m_danteSetupAction->setVisible(setup && m_available.danteSetup
                                   && (danteAlwaysListed || danteVersion));
    m_danteSetupAction->setEnabled(danteVersion);
    m_deviceVersionSelectionAction->setVisible(setup && bootMode != 0);
    bool setupHasEntries = false;
    for (const QAction *entry : m_setupMenu->actions())
        setupHasEntries = setupHasEntries || entry->isVisible();
    m_setupMenu->menuAction()->setVisible(setupHasEntries);

    m_systemUpgradeAction->setVisible(m_available.systemUpgrade && !simple);
    m_systemResetAction->setVisible(!simple);
    m_commandAssistantAction->setVisible(m_available.commandAssistant && !simple);

    const int languages = m_settings->languageSupport();
    m_languageMenu->menuAction()->setVisible(bitCount(languages) > 1);
    for (QAction *choice : m_languageGroup->actions())
        choice->setVisible((languages >> choice->objectName().toInt()) & 1);
    m_appearanceMenu->menuAction()->setVisible(m_settings->appearanceSupport() == 3);

    setCheckedValue(m_languageGroup, m_settings->language());
    setCheckedValue(m_appearanceGroup, m_settings->appearanceConfig());
    setCheckedValue(m_highDpiGroup, m_settings->highDpiScaling() ? 1 : 0);
}

void MainMenuBar::pressMnemonic(int letter)
{
    const QString text = QString(QChar(letter)).toLower();
    QKeyEvent press(QEvent::KeyPress, letter, Qt::AltModifier, text);
    QCoreApplication::sendEvent(this, &press);
    QKeyEvent release(QEvent::KeyRelease, letter, Qt::AltModifier, text);
    QCoreApplication::sendEvent(this, &release);
}

void MainMenuBar::languageTriggered()
{
    const QObject *choice = sender();
    if (!choice)
        return;
    m_settings->setLanguage(choice->objectName().toInt());
    setCheckedValue(m_languageGroup, m_settings->language());
}

void MainMenuBar::appearanceConfigTriggered()
{
    const QObject *choice = sender();
    if (!choice)
        return;
    m_settings->setAppearance(choice->objectName().toInt());
    setCheckedValue(m_appearanceGroup, m_settings->appearanceConfig());
}

void MainMenuBar::highDpiScalingTriggered()
{
    const QObject *choice = sender();
    if (!choice)
        return;
    const bool enabled = choice->objectName().toInt() != 0;
    setCheckedValue(m_highDpiGroup, enabled ? 1 : 0);
    if (enabled == m_settings->highDpiScaling())
        return;
    m_settings->setHighDpiScaling(enabled);

    QString text = tr("Need to restart the application to take effect, are you sure that you "
                      "want to restart now?");
    if (!enabled)
        text.prepend(tr("Disabling high DPI scaling and the application will keep the default "
                        "size.")
                     + QStringLiteral("\n\n"));
    const int answer = MessageBox::ask(
            window(), MessageBox::Question, tr("Restart to take effect"), text,
            {tr("Restart immediately to take effect"), tr("No, take effect at next startup")});
    if (answer == 0 && m_restarter)
        m_restarter();
}

void MainMenuBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMenuBar::changeEvent(event);
}

void MainMenuBar::keyPressEvent(QKeyEvent *event)
{
    // Alt plus a letter opens the entry with that mnemonic. The toolkit only highlights a plain
    // entry for such a key press (it triggers one only through its own shortcut), so plain
    // entries are triggered here; menus open as usual.
    if ((event->modifiers() & Qt::AltModifier) && event->key() >= Qt::Key_A
        && event->key() <= Qt::Key_Z) {
        const QChar letter(event->key());
        for (QAction *entry : actions()) {
            if (entry->isVisible() && entry->isEnabled() && !entry->menu()
                && mnemonicOf(entry) == letter) {
                entry->trigger();
                event->accept();
                return;
            }
        }
    }
    QMenuBar::keyPressEvent(event);
}

QAction *MainMenuBar::addEntry(const char *objectName, void (MainMenuBar::*signal)())
{
    QAction *entry = addAction(QString());
    entry->setObjectName(QLatin1String(objectName));
    connect(entry, &QAction::triggered, this, signal);
    return entry;
}

QAction *MainMenuBar::addSetupEntry(const char *objectName, void (MainMenuBar::*signal)())
{
    QAction *entry = m_setupMenu->addAction(QString());
    entry->setObjectName(QLatin1String(objectName));
    connect(entry, &QAction::triggered, this, signal);
    return entry;
}

QActionGroup *MainMenuBar::addChoiceGroup(QMenu *menu, const QStringList &values,
                                          void (MainMenuBar::*slot)())
{
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const QString &value : values) {
        QAction *choice = menu->addAction(QString());
        choice->setObjectName(value);
        choice->setCheckable(true);
        group->addAction(choice);
        connect(choice, &QAction::triggered, this, slot);
    }
    return group;
}

void MainMenuBar::addShortcut(const char *keys, void (MainMenuBar::*signal)())
{
    auto *shortcut = new QShortcut(QKeySequence(QLatin1String(keys)), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, signal);
}

void MainMenuBar::setCheckedValue(QActionGroup *group, int value)
{
    for (QAction *choice : group->actions())
        choice->setChecked(choice->objectName().toInt() == value);
}

void MainMenuBar::retranslate()
{
    // The mnemonic stays the same in every language.
    m_deviceListAction->setText(tr("Device List") + QStringLiteral("(&D)"));
    m_labelAction->setText(tr("Label") + QStringLiteral("(&L)"));
    m_presetAction->setText(tr("Preset") + QStringLiteral("(&P)"));
    m_recPlayAction->setText(tr("Rec/Play") + QStringLiteral("(&R)"));
    m_setupMenu->setTitle(tr("Setup") + QStringLiteral("(&S)"));
    m_deviceSetupAction->setText(tr("Device Setup"));
    m_gpioSetupAction->setText(tr("GPIO Setup"));
    m_danteSetupAction->setText(tr("Dante Setup"));
    m_deviceVersionSelectionAction->setText(tr("Device Version Selection"));
    m_systemUpgradeAction->setText(tr("System Upgrade"));
    m_systemResetAction->setText(tr("System Reset"));
    m_commandAssistantAction->setText(tr("Command Assistant"));

    m_languageMenu->setTitle(tr("Language"));
    const QList<QAction *> languages = m_languageGroup->actions();
    languages.at(0)->setText(tr("EN"));
    languages.at(1)->setText(tr("CHS"));
    languages.at(2)->setText(tr("CHT"));
    m_appearanceMenu->setTitle(tr("Interface Color"));
    m_appearanceGroup->actions().at(0)->setText(tr("Light"));
    m_appearanceGroup->actions().at(1)->setText(tr("Dark"));
    m_highDpiMenu->setTitle(tr("High DPI Scaling"));
    m_highDpiGroup->actions().at(0)->setText(tr("Enabled"));
    m_highDpiGroup->actions().at(1)->setText(tr("Disabled"));

    m_versionLabel->setText(tr("App Version") + QStringLiteral(" : ")
                            + SystemSettings::applicationVersion());
}
