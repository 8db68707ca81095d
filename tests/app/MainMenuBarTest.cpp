#include "app/MainMenuBar.h"
#include "AppTestEnvironment.h"
#include "app/SystemSettings.h"
#include "editors/controls/ControlPalette.h"
#include "editors/controls/MessageBox.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

QString settingsPath()
{
    return QDir::current().absoluteFilePath(QStringLiteral("cfg.ini"));
}

// Every entry a user may see, by object name.
const QStringList Entries = {
        QStringLiteral("deviceListAction"),
        QStringLiteral("labelAction"),
        QStringLiteral("presetAction"),
        QStringLiteral("recPlayAction"),
        QStringLiteral("setupMenu"),
        QStringLiteral("deviceSetupAction"),
        QStringLiteral("gpioSetupAction"),
        QStringLiteral("danteSetupAction"),
        QStringLiteral("deviceVersionSelectionAction"),
        QStringLiteral("systemUpgradeAction"),
        QStringLiteral("systemResetAction"),
        QStringLiteral("commandAssistantAction"),
        QStringLiteral("languageMenu"),
        QStringLiteral("appearanceMenu"),
        QStringLiteral("highDpiMenu"),
};

QAction *entry(const MainMenuBar &bar, const QString &name)
{
    if (auto *menu = bar.findChild<QMenu *>(name))
        return menu->menuAction();
    return bar.findChild<QAction *>(name);
}

QStringList visibleEntries(const MainMenuBar &bar)
{
    QStringList visible;
    for (const QString &name : Entries) {
        if (entry(bar, name)->isVisible())
            visible << name;
    }
    return visible;
}

QStringList disabledEntries(const MainMenuBar &bar)
{
    QStringList disabled;
    for (const QString &name : Entries) {
        if (entry(bar, name)->isVisible() && !entry(bar, name)->isEnabled())
            disabled << name;
    }
    return disabled;
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
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<QStringList>("disabled");

        const QStringList common = {
                QStringLiteral("deviceListAction"),  QStringLiteral("labelAction"),
                QStringLiteral("presetAction"),      QStringLiteral("setupMenu"),
                QStringLiteral("deviceSetupAction"), QStringLiteral("systemUpgradeAction"),
                QStringLiteral("systemResetAction"), QStringLiteral("commandAssistantAction"),
                QStringLiteral("highDpiMenu")};
        const auto with = [&common](const QStringList &more) {
            QStringList all;
            for (const QString &name : Entries) {
                if (common.contains(name) || more.contains(name))
                    all << name;
            }
            return all;
        };
        const QStringList recPlayAndGpio = {QStringLiteral("recPlayAction"),
                                            QStringLiteral("gpioSetupAction")};
        const QString versionSelection = QStringLiteral("deviceVersionSelectionAction");
        const QString dante = QStringLiteral("danteSetupAction");

        QTest::newRow("defaults") << QByteArray() << -1 << 0 << with({}) << QStringList();
        QTest::newRow("boot mode 1, no device yet")
                << QByteArray("[UIBootMode]\nCurrent=1\n") << -1 << 0
                << with(recPlayAndGpio + QStringList {versionSelection}) << QStringList();
        QTest::newRow("boot mode 0, control firmware 1")
                << QByteArray() << -1 << 1 << with(recPlayAndGpio) << QStringList();
        QTest::newRow("boot mode 0, control firmware 5")
                << QByteArray() << -1 << 5 << with(recPlayAndGpio) << QStringList();
        QTest::newRow("boot mode 2, control firmware 6")
                << QByteArray("[UIBootMode]\nCurrent=2\n") << -1 << 6 << with({versionSelection})
                << QStringList();
        QTest::newRow("boot mode 0, Dante version 3")
                << QByteArray() << 3 << 0 << with({dante}) << QStringList();
        QTest::newRow("boot mode 0, Dante version 4, control firmware 1")
                << QByteArray() << 4 << 1 << with(recPlayAndGpio + QStringList {dante})
                << QStringList();
        QTest::newRow("Dante UI, version 0: listed but disabled")
                << QByteArray("[UIBootMode]\nCurrent=1\nDT=1\n") << -1 << 0
                << with(recPlayAndGpio + QStringList {dante, versionSelection})
                << QStringList {dante};
        QTest::newRow("Dante UI, version 4")
                << QByteArray("[UIBootMode]\nCurrent=1\nDT=1\n"
                              "[DeviceVersionSelection]\nCurrent=4\n")
                << -1 << 0 << with(recPlayAndGpio + QStringList {dante, versionSelection})
                << QStringList();
        QTest::newRow("boot mode 1 without Dante UI, version 2")
                << QByteArray("[UIBootMode]\nCurrent=1\n"
                              "[DeviceVersionSelection]\nCurrent=2\n")
                << -1 << 1 << with(recPlayAndGpio + QStringList {versionSelection})
                << QStringList();
        QTest::newRow("languages and colours")
                << QByteArray("[Language]\nSupport=7\n[Appearance]\nSupport=3\n") << -1 << 0
                << with({QStringLiteral("languageMenu"), QStringLiteral("appearanceMenu")})
                << QStringList();
        QTest::newRow("one language, dark only")
                << QByteArray("[Language]\nSupport=2\n[Appearance]\nSupport=2\n") << -1 << 0
                << with({}) << QStringList();
        QTest::newRow("simple") << QByteArray("[UIBootMode]\nCurrent=1\nDT=1\nSimple=1\n"
                                              "[DeviceVersionSelection]\nCurrent=4\n")
                                << -1 << 1
                                << QStringList {QStringLiteral("deviceListAction"),
                                                QStringLiteral("presetAction"),
                                                QStringLiteral("highDpiMenu")}
                                << QStringList();
        QTest::newRow("simple with languages and colours")
                << QByteArray("[UIBootMode]\nSimple=1\n[Language]\nSupport=5\n"
                              "[Appearance]\nSupport=3\n")
                << -1 << 0
                << QStringList {QStringLiteral("deviceListAction"), QStringLiteral("presetAction"),
                                QStringLiteral("languageMenu"), QStringLiteral("appearanceMenu"),
                                QStringLiteral("highDpiMenu")}
                << QStringList();
    }

    void composition()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, deviceVersion);
        QFETCH(int, firmware);
        QFETCH(QStringList, visible);
        QFETCH(QStringList, disabled);
        writeSettingsFile(settingsPath(), file);
        SystemSettings settings;
        if (deviceVersion >= 0)
            settings.setDeviceVersion(deviceVersion);
        MainMenuBar bar(&settings, MainMenuBar::DialogAvailability::all());
        bar.setControlFirmwareMajor(quint8(firmware));

        QCOMPARE(visibleEntries(bar), visible);
        QCOMPARE(disabledEntries(bar), disabled);
    }

    void rulesFollowLaterReports()
    {
        writeSettingsFile(settingsPath(), "[UIBootMode]\nCurrent=1\nDT=1\n");
        SystemSettings settings;
        MainMenuBar bar(&settings, MainMenuBar::DialogAvailability::all());
        QAction *recPlay = entry(bar, QStringLiteral("recPlayAction"));
        QAction *dante = entry(bar, QStringLiteral("danteSetupAction"));
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
        QVERIFY(!entry(bar, QStringLiteral("deviceVersionSelectionAction"))->isVisible());
        QVERIFY(!recPlay->isVisible());
    }

    void entriesWithoutTheirDialogAreHidden()
    {
        writeSettingsFile(settingsPath(),
                          "[UIBootMode]\nCurrent=1\nDT=1\n"
                          "[DeviceVersionSelection]\nCurrent=4\n");
        SystemSettings settings;
        MainMenuBar bar(&settings);
        bar.setControlFirmwareMajor(1);
        QCOMPARE(
                visibleEntries(bar),
                (QStringList {QStringLiteral("deviceListAction"), QStringLiteral("setupMenu"),
                              QStringLiteral("deviceVersionSelectionAction"),
                              QStringLiteral("systemResetAction"), QStringLiteral("highDpiMenu")}));

        // With nothing left in it, the Setup menu goes too.
        QVERIFY(settings.setBootModeFromDevice(6));
        bar.refresh();
        QVERIFY(!entry(bar, QStringLiteral("setupMenu"))->isVisible());
    }

    void mnemonicsAndVersion()
    {
        SystemSettings settings;
        MainMenuBar bar(&settings, MainMenuBar::DialogAvailability::all());
        QCOMPARE(entry(bar, QStringLiteral("deviceListAction"))->text(),
                 QStringLiteral("Device List(&D)"));
        QCOMPARE(entry(bar, QStringLiteral("labelAction"))->text(), QStringLiteral("Label(&L)"));
        QCOMPARE(entry(bar, QStringLiteral("presetAction"))->text(), QStringLiteral("Preset(&P)"));
        QCOMPARE(entry(bar, QStringLiteral("recPlayAction"))->text(),
                 QStringLiteral("Rec/Play(&R)"));
        QCOMPARE(entry(bar, QStringLiteral("setupMenu"))->text(), QStringLiteral("Setup(&S)"));
        QCOMPARE(bar.findChild<QLabel *>(QStringLiteral("versionLabel"))->text(),
                 QStringLiteral("App Version : 1.2.9"));

        // No entry answers to H: Ctrl+H opens nothing.
        for (QAction *action : bar.findChildren<QAction *>())
            QVERIFY2(!action->text().contains(QLatin1String("&H"), Qt::CaseInsensitive),
                     qPrintable(action->text()));
    }

    void checkMarksFollowTheSettings()
    {
        writeSettingsFile(settingsPath(),
                          "[Language]\nSupport=7\nCurrent=1\n"
                          "[Appearance]\nSupport=3\nConfig=1\n"
                          "[HighDpiScaling]\nEnabled=false\n");
        SystemSettings settings;
        MainMenuBar bar(&settings);
        QCOMPARE(checkedValue(bar, "languageMenu"), QStringLiteral("1"));
        QCOMPARE(checkedValue(bar, "appearanceMenu"), QStringLiteral("1"));
        QCOMPARE(checkedValue(bar, "highDpiMenu"), QStringLiteral("0"));
        QVERIFY(choice(bar, "languageMenu", "0")->isCheckable());
    }

    void unsupportedLanguagesAreNotOffered()
    {
        writeSettingsFile(settingsPath(), "[Language]\nSupport=5\n");
        SystemSettings settings;
        MainMenuBar bar(&settings);
        QVERIFY(choice(bar, "languageMenu", "0")->isVisible());
        QVERIFY(!choice(bar, "languageMenu", "1")->isVisible());
        QVERIFY(choice(bar, "languageMenu", "2")->isVisible());
    }

    void appearanceSwitchesAtOnce()
    {
        writeSettingsFile(settingsPath(), "[Appearance]\nSupport=3\n");
        SystemSettings settings;
        MainMenuBar bar(&settings);
        QVERIFY(!ControlPalette::isDark());
        const QString lightSheet = qApp->styleSheet();

        choice(bar, "appearanceMenu", "1")->trigger();
        QCOMPARE(settings.dark(), 1);
        QVERIFY(ControlPalette::isDark());
        QVERIFY(qApp->styleSheet() != lightSheet);
        QCOMPARE(checkedValue(bar, "appearanceMenu"), QStringLiteral("1"));
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("Appearance/Config")).toInt(), 1);

        choice(bar, "appearanceMenu", "0")->trigger();
        QVERIFY(!ControlPalette::isDark());
        QCOMPARE(qApp->styleSheet(), lightSheet);
        QCOMPARE(checkedValue(bar, "appearanceMenu"), QStringLiteral("0"));
    }

    void highDpiChoice()
    {
        writeSettingsFile(settingsPath(), "[HighDpiScaling]\nEnabled=true\n");
        SystemSettings settings;
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

    void mnemonicsOpenOnlyVisibleEntries()
    {
        writeSettingsFile(settingsPath(), "[UIBootMode]\nCurrent=1\n");
        SystemSettings settings;
        QMainWindow window;
        auto *bar = new MainMenuBar(&settings, MainMenuBar::DialogAvailability::all());
        window.setMenuBar(bar);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QSignalSpy deviceList(bar, &MainMenuBar::deviceListTriggered);
        QSignalSpy label(bar, &MainMenuBar::labelTriggered);
        bar->pressMnemonic(Qt::Key_D);
        QCOMPARE(deviceList.count(), 1);

        auto *setup = bar->findChild<QMenu *>(QStringLiteral("setupMenu"));
        bar->pressMnemonic(Qt::Key_S);
        QTRY_VERIFY(setup->isVisible());
        setup->hide();

        entry(*bar, QStringLiteral("labelAction"))->setVisible(false);
        bar->pressMnemonic(Qt::Key_L);
        QCOMPARE(label.count(), 0);
    }

    void controlShortcutsAreAnnounced()
    {
        SystemSettings settings;
        QMainWindow window;
        auto *bar = new MainMenuBar(&settings);
        window.setMenuBar(bar);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

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
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<MainMenuBarTest>(argc, argv);
}

#include "MainMenuBarTest.moc"
