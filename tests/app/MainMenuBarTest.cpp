#include "app/MainMenuBar.h"
#include "AppTestEnvironment.h"
#include "app/Appearance.h"
#include "settings/SystemSettings.h"
#include "widgets/ControlPalette.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Every entry a user may see, in menu order: an object name without its "Action" or "Menu".
const QStringList Entries =
        QStringLiteral("deviceList label preset recPlay setup deviceSetup gpioSetup danteSetup "
                       "deviceVersionSelection systemUpgrade systemReset commandAssistant language "
                       "appearance "
                       "highDpi")
                .split(QLatin1Char(' '));

QAction *entry(const MainMenuBar &bar, const QString &name)
{
    if (auto *menu = bar.findChild<QMenu *>(name + QLatin1String("Menu")))
        return menu->menuAction();
    return bar.findChild<QAction *>(name + QLatin1String("Action"));
}

// The entries shown (and, with disabledOnly, shown but disabled), space-separated.
QString shownEntries(const MainMenuBar &bar, bool disabledOnly = false)
{
    QStringList shown;
    for (const QString &name : Entries) {
        QAction *action = entry(bar, name);
        if (action->isVisible() && !(disabledOnly && action->isEnabled()))
            shown << name;
    }
    return shown.join(QLatin1Char(' '));
}

// The choice of a group menu (language, colour, high DPI) with this value.
QAction *choice(const MainMenuBar &bar, const char *menuName, const char *value)
{
    const auto *menu = bar.findChild<QMenu *>(QLatin1String(menuName));
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String(value))
            return action;
    }
    return nullptr;
}

QString checkedValue(const MainMenuBar &bar, const char *menuName)
{
    const auto *menu = bar.findChild<QMenu *>(QLatin1String(menuName));
    for (QAction *action : menu->actions()) {
        if (action->isChecked())
            return action->objectName();
    }
    return QString();
}

} // namespace

// The menu bar as a user sees it: which entries it offers under which settings and device, the
// three choice groups, the version label and the mnemonic shortcuts.
class MainMenuBarTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QFile::remove(settingsPath());
        MessageBox::clearHistory();
        MessageBox::setResponder({});
    }

    void composition_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("deviceVersion"); // -1: as loaded
        QTest::addColumn<int>("firmware"); // first control-firmware version byte reported
        QTest::addColumn<QString>("visible");
        QTest::addColumn<QString>("disabled");

        // visible: "+ names" adds to the entries every full interface has; else the whole list.
        const auto row = [](const char *name, const char *file, int deviceVersion, int firmware,
                            const char *visible, const char *disabled = "") {
            const QStringList common = QStringLiteral("deviceList label preset setup deviceSetup "
                                                      "systemUpgrade systemReset "
                                                      "commandAssistant highDpi")
                                               .split(QLatin1Char(' '));
            QStringList names = QString::fromLatin1(visible).split(QLatin1Char(' '));
            const bool added = names.first() == QLatin1String("+");
            QStringList expected;
            for (const QString &entry : Entries) {
                if (names.contains(entry) || (added && common.contains(entry)))
                    expected << entry;
            }
            QTest::newRow(name) << QByteArray(file) << deviceVersion << firmware
                                << expected.join(QLatin1Char(' ')) << QString::fromLatin1(disabled);
        };

        row("defaults", "", -1, 0, "+");
        row("boot mode 1, no device yet", "[UIBootMode]\nCurrent=1\n", -1, 0,
            "+ recPlay gpioSetup deviceVersionSelection");
        row("boot mode 0, control firmware 1", "", -1, 1, "+ recPlay gpioSetup");
        row("boot mode 0, control firmware 5", "", -1, 5, "+ recPlay gpioSetup");
        row("boot mode 2, control firmware 6", "[UIBootMode]\nCurrent=2\n", -1, 6,
            "+ deviceVersionSelection");
        row("boot mode 0, Dante version 3", "", 3, 0, "+ danteSetup");
        row("boot mode 0, Dante version 4, control firmware 1", "", 4, 1,
            "+ recPlay gpioSetup danteSetup");
        row("Dante UI, version 0: listed but disabled", "[UIBootMode]\nCurrent=1\nDT=1\n", -1, 0,
            "+ recPlay gpioSetup danteSetup deviceVersionSelection", "danteSetup");
        row("Dante UI, version 4",
            "[UIBootMode]\nCurrent=1\nDT=1\n[DeviceVersionSelection]\nCurrent=4\n", -1, 0,
            "+ recPlay gpioSetup danteSetup deviceVersionSelection");
        row("boot mode 1 without Dante UI, version 2",
            "[UIBootMode]\nCurrent=1\n[DeviceVersionSelection]\nCurrent=2\n", -1, 1,
            "+ recPlay gpioSetup deviceVersionSelection");
        row("languages and colours", "[Language]\nSupport=7\n[Appearance]\nSupport=3\n", -1, 0,
            "+ language appearance");
        row("one language, dark only", "[Language]\nSupport=2\n[Appearance]\nSupport=2\n", -1, 0,
            "+");
        row("simple",
            "[UIBootMode]\nCurrent=1\nDT=1\nSimple=1\n[DeviceVersionSelection]\nCurrent=4\n", -1, 1,
            "deviceList preset highDpi");
        row("simple with languages and colours",
            "[UIBootMode]\nSimple=1\n[Language]\nSupport=5\n[Appearance]\nSupport=3\n", -1, 0,
            "deviceList preset language appearance highDpi");
    }

    void composition()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, deviceVersion);
        QFETCH(int, firmware);
        QFETCH(QString, visible);
        QFETCH(QString, disabled);
        writeSettingsFile(settingsPath(), file);
        SystemSettings settings;
        Appearance settingsAppearance(&settings);
        if (deviceVersion >= 0)
            settings.setDeviceVersion(deviceVersion);
        MainMenuBar bar(&settings, MainMenuBar::DialogAvailability::all());
        bar.setControlFirmwareMajor(quint8(firmware));

        QCOMPARE(shownEntries(bar), visible);
        QCOMPARE(shownEntries(bar, true), disabled);
    }

    void rulesFollowLaterReports()
    {
        writeSettingsFile(settingsPath(), "[UIBootMode]\nCurrent=1\nDT=1\n");
        SystemSettings settings;
        Appearance settingsAppearance(&settings);
        MainMenuBar bar(&settings, MainMenuBar::DialogAvailability::all());
        QAction *recPlay = entry(bar, QStringLiteral("recPlay"));
        QAction *dante = entry(bar, QStringLiteral("danteSetup"));
        QVERIFY(recPlay->isVisible());
        QVERIFY(!dante->isEnabled());

        bar.setControlFirmwareMajor(6);
        QVERIFY(!recPlay->isVisible());
        bar.setControlFirmwareMajor(5);
        QVERIFY(recPlay->isVisible());

        settings.setDeviceVersion(3);
        bar.refresh();
        QVERIFY(dante->isEnabled());

        // The boot mode a device reports decides about the version selection entry too.
        QVERIFY(settings.setBootModeFromDevice(6));
        bar.setControlFirmwareMajor(6);
        QVERIFY(!entry(bar, QStringLiteral("deviceVersionSelection"))->isVisible());
        QVERIFY(!recPlay->isVisible());
    }

    void entriesWithoutTheirDialogAreHidden()
    {
        writeSettingsFile(settingsPath(),
                          "[UIBootMode]\nCurrent=1\nDT=1\n[DeviceVersionSelection]\nCurrent=4\n");
        SystemSettings settings;
        Appearance settingsAppearance(&settings);
        // Only the device list has its dialog.
        const MainMenuBar::DialogAvailability deviceListOnly {true,  false, false, false, false,
                                                              false, false, false, false};
        MainMenuBar bar(&settings, deviceListOnly);
        bar.setControlFirmwareMajor(1);
        QCOMPARE(shownEntries(bar),
                 QStringLiteral("deviceList setup deviceVersionSelection systemReset highDpi"));

        // With nothing left in it, the Setup menu goes too.
        QVERIFY(settings.setBootModeFromDevice(6));
        bar.setControlFirmwareMajor(6);
        QVERIFY(!entry(bar, QStringLiteral("setup"))->isVisible());
    }

    void mnemonicsAndVersion()
    {
        SystemSettings settings;
        Appearance settingsAppearance(&settings);
        MainMenuBar bar(&settings, MainMenuBar::DialogAvailability::all());
        const QStringList texts = {QStringLiteral("Device List(&D)"), QStringLiteral("Label(&L)"),
                                   QStringLiteral("Preset(&P)"), QStringLiteral("Rec/Play(&R)"),
                                   QStringLiteral("Setup(&S)")};
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(entry(bar, Entries[i])->text(), texts[i]);
        QCOMPARE(bar.findChild<QLabel *>(QStringLiteral("versionLabel"))->text(),
                 QStringLiteral("App Version : 1.2.9"));

        // No entry answers to H: Ctrl+H opens nothing.
        for (QAction *action : bar.findChildren<QAction *>())
            QVERIFY2(!action->text().contains(QLatin1String("&H"), Qt::CaseInsensitive),
                     qPrintable(action->text()));
    }

    void choiceGroupsFollowTheSettings()
    {
        writeSettingsFile(settingsPath(),
                          "[Language]\nSupport=5\nCurrent=0\n"
                          "[Appearance]\nSupport=3\nConfig=1\n"
                          "[HighDpiScaling]\nEnabled=false\n");
        SystemSettings settings;
        Appearance settingsAppearance(&settings);
        MainMenuBar bar(&settings);
        QCOMPARE(checkedValue(bar, "languageMenu"), QStringLiteral("0"));
        QCOMPARE(checkedValue(bar, "appearanceMenu"), QStringLiteral("1"));
        QCOMPARE(checkedValue(bar, "highDpiMenu"), QStringLiteral("0"));
        // Unsupported languages are not offered.
        QVERIFY(choice(bar, "languageMenu", "0")->isVisible());
        QVERIFY(!choice(bar, "languageMenu", "1")->isVisible());
        QVERIFY(choice(bar, "languageMenu", "2")->isVisible());

        // The appearance switches at once.
        choice(bar, "appearanceMenu", "0")->trigger();
        QCOMPARE(settings.dark(), 0);
        QVERIFY(!ControlPalette::isDark());
        QCOMPARE(checkedValue(bar, "appearanceMenu"), QStringLiteral("0"));
        QCOMPARE(storedValue("Appearance/Config").toInt(), 0);
        choice(bar, "appearanceMenu", "1")->trigger();
        QVERIFY(ControlPalette::isDark());
        QCOMPARE(checkedValue(bar, "appearanceMenu"), QStringLiteral("1"));
    }

    void highDpiChoice()
    {
        writeSettingsFile(settingsPath(), "[HighDpiScaling]\nEnabled=true\n");
        SystemSettings settings;
        Appearance settingsAppearance(&settings);
        MainMenuBar bar(&settings);
        int restarts = 0;
        bar.setRestarter([&restarts] { ++restarts; });
        int answer = 1;
        MessageBox::setResponder([&answer](const MessageBox::Request &) { return answer; });

        // The stored choice again: nothing to ask.
        choice(bar, "highDpiMenu", "1")->trigger();
        QVERIFY(MessageBox::history().isEmpty());

        const QString question = QStringLiteral(
                "Need to restart the application to take effect, are you sure that you want to "
                "restart now?");
        const QStringList buttons = {QStringLiteral("Restart immediately to take effect"),
                                     QStringLiteral("No, take effect at next startup")};

        // Disabling, answered "later": stored, no restart.
        choice(bar, "highDpiMenu", "0")->trigger();
        QCOMPARE(MessageBox::history().size(), 1);
        const MessageBox::Request disabling = MessageBox::history().last();
        QCOMPARE(disabling.title, QStringLiteral("Restart to take effect"));
        QCOMPARE(disabling.text,
                 QStringLiteral("Disabling high DPI scaling and the application will keep the "
                                "default size.\n\n")
                         + question);
        QCOMPARE(disabling.buttons, buttons);
        QCOMPARE(restarts, 0);
        QVERIFY(!settings.highDpiScaling());
        QCOMPARE(checkedValue(bar, "highDpiMenu"), QStringLiteral("0"));

        // Enabling, answered "now": the program restarts.
        answer = 0;
        choice(bar, "highDpiMenu", "1")->trigger();
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history().last().text, question);
        QCOMPARE(restarts, 1);
        QVERIFY(settings.highDpiScaling());
    }

    void keyboardShortcuts()
    {
        writeSettingsFile(settingsPath(), "[UIBootMode]\nCurrent=1\n");
        SystemSettings settings;
        Appearance settingsAppearance(&settings);
        QMainWindow window;
        auto *bar = new MainMenuBar(&settings, MainMenuBar::DialogAvailability::all());
        window.setMenuBar(bar);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // Ctrl with a letter is announced, whether or not the entry is shown.
        const QList<QPair<Qt::Key, void (MainMenuBar::*)()>> shortcuts = {
                {Qt::Key_D, &MainMenuBar::deviceListShortcutActivated},
                {Qt::Key_L, &MainMenuBar::labelShortcutActivated},
                {Qt::Key_P, &MainMenuBar::presetShortcutActivated},
                {Qt::Key_R, &MainMenuBar::recPlayShortcutActivated},
                {Qt::Key_S, &MainMenuBar::setupShortcutActivated},
                {Qt::Key_H, &MainMenuBar::helpShortcutActivated},
        };
        for (const auto &shortcut : shortcuts) {
            QSignalSpy spy(bar, shortcut.second);
            QTest::keyClick(&window, shortcut.first, Qt::ControlModifier);
            QCOMPARE(spy.count(), 1);
        }

        // Mnemonics open only visible entries.
        QSignalSpy deviceList(bar, &MainMenuBar::deviceListTriggered);
        QSignalSpy label(bar, &MainMenuBar::labelTriggered);
        bar->pressMnemonic(Qt::Key_D);
        QCOMPARE(deviceList.count(), 1);
        auto *setup = bar->findChild<QMenu *>(QStringLiteral("setupMenu"));
        bar->pressMnemonic(Qt::Key_S);
        QTRY_VERIFY(setup->isVisible());
        setup->hide();
        entry(*bar, QStringLiteral("label"))->setVisible(false);
        bar->pressMnemonic(Qt::Key_L);
        QCOMPARE(label.count(), 0);
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<MainMenuBarTest>(argc, argv);
}

#include "MainMenuBarTest.moc"
