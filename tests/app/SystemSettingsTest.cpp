#include "app/SystemSettings.h"
#include "AppTestEnvironment.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFontDatabase>
#include <QTextCodec>
#include <QtTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using Masks = SystemSettings::ChannelMasks;
Q_DECLARE_METATYPE(Masks)

namespace {

QString settingsPath()
{
    return QDir::current().absoluteFilePath(QStringLiteral("cfg.ini"));
}

// Every field as the rest of the program sees it.
QVariantMap snapshot(const SystemSettings &settings)
{
    return {
            {QStringLiteral("titleEN"), settings.titleEN()},
            {QStringLiteral("titleCHS"), settings.titleCHS()},
            {QStringLiteral("titleCHT"), settings.titleCHT()},
            {QStringLiteral("languageSupport"), settings.languageSupport()},
            {QStringLiteral("language"), settings.language()},
            {QStringLiteral("appearanceSupport"), settings.appearanceSupport()},
            {QStringLiteral("appearanceConfig"), settings.appearanceConfig()},
            {QStringLiteral("dark"), settings.dark()},
            {QStringLiteral("deviceVersion"), settings.deviceVersion()},
            {QStringLiteral("showAtStartup"), settings.showAtStartup()},
            {QStringLiteral("productCode"), int(settings.productCode())},
            {QStringLiteral("bootMode"), settings.bootMode()},
            {QStringLiteral("danteUi"), int(settings.danteUi())},
            {QStringLiteral("broadcastPort"), int(settings.broadcastPort())},
            {QStringLiteral("controlPort"), int(settings.controlPort())},
            {QStringLiteral("simple"), int(settings.simple())},
            {QStringLiteral("simplePasswordVisible"), int(settings.simplePasswordVisible())},
    };
}

QString styleSheetResource(bool dark)
{
    QFile file(dark ? QStringLiteral(":/qss/VexaTarnDark.qss")
                    : QStringLiteral(":/qss/VexaTarnLight.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromUtf8(file.readAll());
}

QString loadingText()
{
    return QCoreApplication::translate("SplashScreen", "Loading");
}

// Root passes every permission check; a test of an unwritable directory must not. Drops the
// file-permission override from the effective capabilities while it lives (nothing to do for
// an ordinary user).
class PermissionChecks
{
public:
    PermissionChecks()
    {
        m_header.version = _LINUX_CAPABILITY_VERSION_3;
        m_header.pid = 0;
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_active = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~PermissionChecks()
    {
        if (m_active)
            syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header {};
    __user_cap_data_struct m_saved[2] {};
    bool m_active = false;
};

} // namespace

// cfg.ini: normalisation of every key, the language, appearance and device version rules, the
// channel masks, the boot mode reported by a device, write-through, and the geometry store.
class SystemSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(settingsPath()); }

    void normalisation_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QVariantMap>("expected");

        const QVariantMap defaults {
                {QStringLiteral("titleEN"), QStringLiteral("Digital Audio Processor")},
                {QStringLiteral("languageSupport"), 4},
                {QStringLiteral("language"), 2},
                {QStringLiteral("appearanceSupport"), 1},
                {QStringLiteral("appearanceConfig"), 0},
                {QStringLiteral("dark"), 0},
                {QStringLiteral("deviceVersion"), 0},
                {QStringLiteral("showAtStartup"), true},
                {QStringLiteral("productCode"), 1},
                {QStringLiteral("bootMode"), 0},
                {QStringLiteral("danteUi"), 0},
                {QStringLiteral("broadcastPort"), 6697},
                {QStringLiteral("controlPort"), 2698},
                {QStringLiteral("simple"), 0},
                {QStringLiteral("simplePasswordVisible"), 0},
        };
        const auto with =
                [&defaults](std::initializer_list<std::pair<const char *, QVariant>> changes) {
                    QVariantMap map = defaults;
                    for (const auto &change : changes)
                        map[QLatin1String(change.first)] = change.second;
                    return map;
                };

        QTest::newRow("missing file") << QByteArray() << defaults;
        QTest::newRow("language support 0 means English only")
                << QByteArray("[Language]\nSupport=0\nCurrent=0\n") << defaults;
        QTest::newRow("language support without bits 0..2")
                << QByteArray("[Language]\nSupport=8\nCurrent=1\n") << defaults;
        QTest::newRow("language support keeps bits 0..2")
                << QByteArray("[Language]\nSupport=15\nCurrent=1\n")
                << with({{"languageSupport", 7}, {"language", 1}});
        QTest::newRow("language current unreadable")
                << QByteArray("[Language]\nSupport=7\nCurrent=zh\n")
                << with({{"languageSupport", 7}});
        QTest::newRow("language current out of range")
                << QByteArray("[Language]\nSupport=7\nCurrent=3\n")
                << with({{"languageSupport", 7}});
        QTest::newRow("language current negative")
                << QByteArray("[Language]\nSupport=7\nCurrent=-1\n")
                << with({{"languageSupport", 7}});
        QTest::newRow("appearance support 0")
                << QByteArray("[Appearance]\nSupport=0\nConfig=1\n") << defaults;
        QTest::newRow("appearance support 4")
                << QByteArray("[Appearance]\nSupport=4\nConfig=1\n") << defaults;
        QTest::newRow("appearance support unreadable")
                << QByteArray("[Appearance]\nSupport=dark\nConfig=1\n") << defaults;
        QTest::newRow("appearance config out of range")
                << QByteArray("[Appearance]\nSupport=3\nConfig=2\n")
                << with({{"appearanceSupport", 3}});
        QTest::newRow("appearance config negative")
                << QByteArray("[Appearance]\nSupport=3\nConfig=-1\n")
                << with({{"appearanceSupport", 3}});
        QTest::newRow("boot mode 2")
                << QByteArray("[UIBootMode]\nCurrent=2\n") << with({{"bootMode", 2}});
        QTest::newRow("boot mode out of range")
                << QByteArray("[UIBootMode]\nCurrent=3\nDT=1\n") << with({{"danteUi", 1}});
        QTest::newRow("boot mode unreadable")
                << QByteArray("[UIBootMode]\nCurrent=x\n") << defaults;
        QTest::newRow("dante ui out of range")
                << QByteArray("[UIBootMode]\nCurrent=1\nDT=2\n") << with({{"bootMode", 1}});
        QTest::newRow("ports") << QByteArray("[Port]\nBroadcast=7000\nControl=65535\n")
                               << with({{"broadcastPort", 7000}, {"controlPort", 65535}});
        QTest::newRow("ports unreadable")
                << QByteArray("[Port]\nBroadcast=udp\nControl=-5\n") << defaults;
        QTest::newRow("ports that do not fit 16 bits")
                << QByteArray("[Port]\nBroadcast=72233\nControl=65536\n") << defaults;
        QTest::newRow("port 0") << QByteArray("[Port]\nBroadcast=0\nControl=0\n") << defaults;
        QTest::newRow("simple interface")
                << QByteArray("[UIBootMode]\nSimple=1\nSimplePasswordVisible=true\n")
                << with({{"simple", 1}, {"simplePasswordVisible", 1}});
        QTest::newRow("simple too large for a byte stays simple")
                << QByteArray("[UIBootMode]\nSimple=256\n") << with({{"simple", 255}});
        QTest::newRow("show at startup off")
                << QByteArray("[DeviceVersionSelection]\nShowAtStartup=false\n")
                << with({{"showAtStartup", false}});
        QTest::newRow("product code is not configurable")
                << QByteArray("[Product]\nCode=7\n[Port]\nProductCode=7\n") << defaults;
    }

    void normalisation()
    {
        QFETCH(QByteArray, file);
        QFETCH(QVariantMap, expected);
        if (!file.isEmpty())
            writeSettingsFile(settingsPath(), file);

        SystemSettings settings(settingsPath());
        const QVariantMap actual = snapshot(settings);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(actual.value(it.key()) == it.value(),
                     qPrintable(it.key() + QStringLiteral(" = ") + actual.value(it.key()).toString()
                                + QStringLiteral(", want ") + it.value().toString()));
    }

    void missingFileIsCreatedWithTheWrittenBackKeys()
    {
        QVERIFY(!QFile::exists(settingsPath()));
        SystemSettings settings(settingsPath());
        QVERIFY(QFile::exists(settingsPath()));
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("DeviceVersionSelection/Current"))
                         .toInt(),
                 0);
        QCOMPARE(readSettingsValue(settingsPath(),
                                   QStringLiteral("DeviceVersionSelection/ShowAtStartup"))
                         .toBool(),
                 true);
        QVERIFY(!readSettingsValue(settingsPath(), QStringLiteral("Language/Current")).isValid());
    }

    void languageRule_data()
    {
        QTest::addColumn<int>("support");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("expected");
        // Support bits: 0 Simplified, 1 Traditional, 2 English. An unsupported choice falls back
        // to English, then Traditional, then Simplified.
        const int table[8][3] = {
                {2, 2, 2}, // support 0 is read as 4
                {0, 0, 0}, {1, 1, 1}, {0, 1, 1}, {2, 2, 2}, {0, 2, 2}, {2, 1, 2}, {0, 1, 2},
        };
        for (int support = 0; support < 8; ++support)
            for (int current = 0; current < 3; ++current)
                QTest::addRow("support %d current %d", support, current)
                        << support << current << table[support][current];
    }

    void languageRule()
    {
        QFETCH(int, support);
        QFETCH(int, current);
        QFETCH(int, expected);
        const QString translated[] = {QStringLiteral("加载中"), QStringLiteral("載入中"),
                                      QStringLiteral("Loading")};

        writeSettingsFile(settingsPath(),
                          QStringLiteral("[Language]\nSupport=%1\nCurrent=%2\n")
                                  .arg(support)
                                  .arg(current)
                                  .toLatin1());
        SystemSettings settings(settingsPath());
        QCOMPARE(settings.language(), expected);
        QCOMPARE(loadingText(), translated[expected]);

        // The menu applies the same rule at run time and stores the outcome.
        const int other = (current + 1) % 3;
        settings.setLanguage(other);
        const int expectedOther =
                SystemSettings::supportedLanguage(settings.languageSupport(), other);
        QCOMPARE(settings.language(), expectedOther);
        QCOMPARE(loadingText(), translated[expectedOther]);
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("Language/Current")).toInt(),
                 expectedOther);
    }

    void languageOutsideTheThree()
    {
        writeSettingsFile(settingsPath(), "[Language]\nSupport=3\nCurrent=1\n");
        SystemSettings settings(settingsPath());
        settings.setLanguage(-1);
        QCOMPARE(settings.language(), 1);
        settings.setLanguage(40);
        QCOMPARE(settings.language(), 1);
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("Language/Current")).toInt(), 1);
    }

    void appearanceRule_data()
    {
        QTest::addColumn<int>("support");
        QTest::addColumn<int>("config");
        QTest::addColumn<int>("loadedDark");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("chosenDark");
        QTest::addColumn<int>("storedConfig");

        QTest::newRow("light only ignores dark") << 1 << 1 << 0 << 1 << 0 << 0;
        QTest::newRow("dark only, config 0") << 2 << 0 << 1 << 0 << 1 << 1;
        QTest::newRow("choice: light to dark") << 3 << 0 << 0 << 1 << 1 << 1;
        QTest::newRow("choice: dark to light") << 3 << 1 << 1 << 0 << 0 << 0;
        QTest::newRow("choice: other value keeps dark") << 3 << 1 << 1 << 5 << 1 << 1;
        QTest::newRow("choice: other value keeps light") << 3 << 0 << 0 << -1 << 0 << 0;
    }

    void appearanceRule()
    {
        QFETCH(int, support);
        QFETCH(int, config);
        QFETCH(int, loadedDark);
        QFETCH(int, choice);
        QFETCH(int, chosenDark);
        QFETCH(int, storedConfig);

        writeSettingsFile(settingsPath(),
                          QStringLiteral("[Appearance]\nSupport=%1\nConfig=%2\n")
                                  .arg(support)
                                  .arg(config)
                                  .toLatin1());
        SystemSettings settings(settingsPath());
        QCOMPARE(settings.dark(), loadedDark);
        QCOMPARE(settings.appearanceConfig(), loadedDark);
        QCOMPARE(qApp->styleSheet(), styleSheetResource(loadedDark));

        QSignalSpy changed(&settings, &SystemSettings::appearanceChanged);
        settings.setAppearance(choice);
        QCOMPARE(settings.dark(), chosenDark);
        QCOMPARE(settings.appearanceConfig(), storedConfig);
        QCOMPARE(qApp->styleSheet(), styleSheetResource(chosenDark));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toInt(), chosenDark);
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("Appearance/Config")).toInt(),
                 storedConfig);

        // What was stored loads as what is shown.
        SystemSettings reloaded(settingsPath());
        QCOMPARE(reloaded.dark(), chosenDark);
    }

    void deviceVersionRule_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("bootMode");
        QTest::addColumn<int>("danteUi");
        QTest::addColumn<int>("expected");

        QTest::newRow("16x8") << QByteArray("1") << 0 << 0 << 1;
        QTest::newRow("8x8") << QByteArray("2") << 0 << 0 << 2;
        QTest::newRow("12x12 Dante without boot mode") << QByteArray("3") << 0 << 0 << 0;
        QTest::newRow("12x12 Dante, boot mode 0 with Dante UI") << QByteArray("3") << 0 << 1 << 0;
        QTest::newRow("12x12 Dante without Dante UI") << QByteArray("3") << 1 << 0 << 0;
        QTest::newRow("12x12 Dante available") << QByteArray("3") << 2 << 1 << 3;
        QTest::newRow("8x8 Dante without boot mode") << QByteArray("4") << 0 << 1 << 2;
        QTest::newRow("8x8 Dante without Dante UI") << QByteArray("4") << 2 << 0 << 2;
        QTest::newRow("8x8 Dante available") << QByteArray("4") << 1 << 1 << 4;
        QTest::newRow("5 is no configuration") << QByteArray("5") << 1 << 1 << 0;
        QTest::newRow("large") << QByteArray("300") << 1 << 1 << 0;
        QTest::newRow("negative") << QByteArray("-2") << 1 << 1 << 0;
        QTest::newRow("unreadable") << QByteArray("8x8") << 1 << 1 << 0;
    }

    void deviceVersionRule()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, bootMode);
        QFETCH(int, danteUi);
        QFETCH(int, expected);

        writeSettingsFile(settingsPath(),
                          "[UIBootMode]\nCurrent=" + QByteArray::number(bootMode)
                                  + "\nDT=" + QByteArray::number(danteUi)
                                  + "\n[DeviceVersionSelection]\nCurrent=" + stored
                                  + "\nShowAtStartup=false\n");
        SystemSettings settings(settingsPath());
        QCOMPARE(settings.deviceVersion(), expected);
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("DeviceVersionSelection/Current"))
                         .toInt(),
                 expected);
        QCOMPARE(readSettingsValue(settingsPath(),
                                   QStringLiteral("DeviceVersionSelection/ShowAtStartup"))
                         .toBool(),
                 false);
    }

    void channelMasks_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("bootMode");
        QTest::addColumn<Masks>("expected");

        for (int bootMode = 0; bootMode <= 2; ++bootMode) {
            const quint32 b = bootMode == 2 ? 0 : 0x300;
            const Masks table[5] = {
                    {b, b, 0, 0},
                    {b, b | 0xFF, 0, 0},
                    {b | 0xFF, b | 0xFF, 0, 0},
                    {b, b, 0xF0, 0xF0},
                    {b | 0x0F, b | 0x0F, 0xF0, 0xF0},
            };
            // Without a boot mode the Dante configurations do not load (checked below).
            const int last = bootMode == 0 ? 2 : 4;
            for (int version = 0; version <= last; ++version)
                QTest::addRow("version %d boot mode %d", version, bootMode)
                        << version << bootMode << table[version];
        }
    }

    void channelMasks()
    {
        QFETCH(int, version);
        QFETCH(int, bootMode);
        QFETCH(Masks, expected);

        writeSettingsFile(settingsPath(),
                          QStringLiteral("[UIBootMode]\nCurrent=%1\nDT=1\n"
                                         "[DeviceVersionSelection]\nCurrent=%2\n")
                                  .arg(bootMode)
                                  .arg(version)
                                  .toLatin1());
        SystemSettings settings(settingsPath());
        QCOMPARE(settings.deviceVersion(), version);
        QCOMPARE(settings.inputMask(), expected.input);
        QCOMPARE(settings.outputMask(), expected.output);
        QCOMPARE(settings.danteInputMask(), expected.danteInput);
        QCOMPARE(settings.danteOutputMask(), expected.danteOutput);
    }

    void deviceVersionOutsideTheFiveChangesNothing()
    {
        writeSettingsFile(settingsPath(), "[DeviceVersionSelection]\nCurrent=1\n");
        SystemSettings settings(settingsPath());
        settings.setDeviceVersion(5);
        settings.setDeviceVersion(-1);
        QCOMPARE(settings.deviceVersion(), 1);
        QCOMPARE(settings.outputMask(), 0x3FFu);
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("DeviceVersionSelection/Current"))
                         .toInt(),
                 1);
    }

    void bootModeFromDevice_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("changed");

        QTest::newRow("5 from 0") << 0 << 5 << 2 << true;
        QTest::newRow("5 from 2") << 2 << 5 << 2 << false;
        QTest::newRow("6 from 1") << 1 << 6 << 0 << true;
        QTest::newRow("6 from 0") << 0 << 6 << 0 << false;
        QTest::newRow("1 from 2") << 2 << 1 << 1 << true;
        QTest::newRow("0 keeps") << 1 << 0 << 1 << false;
        QTest::newRow("2 keeps") << 0 << 2 << 0 << false;
        QTest::newRow("255 keeps") << 2 << 255 << 2 << false;
    }

    void bootModeFromDevice()
    {
        QFETCH(int, initial);
        QFETCH(int, reported);
        QFETCH(int, expected);
        QFETCH(bool, changed);

        writeSettingsFile(settingsPath(),
                          "[UIBootMode]\nCurrent=" + QByteArray::number(initial) + "\n");
        SystemSettings settings(settingsPath());
        QCOMPARE(settings.setBootModeFromDevice(quint8(reported)), changed);
        QCOMPARE(settings.bootMode(), expected);
        QCOMPARE(settings.linkSettings().bootMode, expected);
        // A device report is never saved.
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("UIBootMode/Current")).toInt(),
                 initial);
    }

    void titles()
    {
        QTextCodec *gbk = QTextCodec::codecForName("GBK");
        QVERIFY(gbk);
        writeSettingsFile(settingsPath(),
                          "[Language]\nSupport=7\nCurrent=2\n[Title]\nCHS="
                                  + gbk->fromUnicode(QStringLiteral("会议音频矩阵"))
                                  + "\nCHT=\nEN=Conference Matrix, 16x16\n");
        SystemSettings settings(settingsPath());
        QCOMPARE(settings.titleCHS(), QStringLiteral("会议音频矩阵"));
        // Empty titles are the product title of their script, even when starting in English.
        QCOMPARE(settings.titleCHT(), QStringLiteral("數位音訊處理器"));
        QCOMPARE(settings.titleEN(), QStringLiteral("Conference Matrix, 16x16"));

        QCOMPARE(settings.title(), QStringLiteral("Conference Matrix, 16x16"));
        settings.setLanguage(0);
        QCOMPARE(settings.title(), QStringLiteral("会议音频矩阵"));
        settings.setLanguage(1);
        QCOMPARE(settings.title(), QStringLiteral("數位音訊處理器"));

        QFile::remove(settingsPath());
        SystemSettings defaults(settingsPath());
        QCOMPARE(defaults.titleEN(), QStringLiteral("Digital Audio Processor"));
        QCOMPARE(defaults.titleCHS(), QStringLiteral("数字音频处理器"));
        QCOMPARE(defaults.titleCHT(), QStringLiteral("數位音訊處理器"));
    }

    void settersWriteThrough()
    {
        SystemSettings settings(settingsPath());
        QVERIFY(settings.highDpiScaling());
        QVERIFY(SystemSettings::readHighDpiScaling(settingsPath()));

        settings.setHighDpiScaling(false);
        QVERIFY(!SystemSettings::readHighDpiScaling(settingsPath()));
        QVERIFY(!settings.highDpiScaling());
        settings.setShowAtStartup(false);
        QCOMPARE(readSettingsValue(settingsPath(),
                                   QStringLiteral("DeviceVersionSelection/ShowAtStartup"))
                         .toBool(),
                 false);
        settings.setDeviceVersion(2);

        SystemSettings reloaded(settingsPath());
        QVERIFY(!reloaded.showAtStartup());
        QCOMPARE(reloaded.deviceVersion(), 2);
    }

    // A start with nothing to change leaves cfg.ini as it is: no rewrite, no wait for the disk.
    void unchangedValuesAreNotWrittenAgain()
    {
        const QByteArray file("; the installer's notes\n[DeviceVersionSelection]\nCurrent=2\n"
                              "ShowAtStartup=false\n");
        writeSettingsFile(settingsPath(), file);
        const QDateTime written = QFileInfo(settingsPath()).lastModified();
        {
            SystemSettings settings(settingsPath());
            QCOMPARE(settings.deviceVersion(), 2);
            settings.setShowAtStartup(false);
        }
        QCOMPARE(QFileInfo(settingsPath()).lastModified(), written);
        QFile unchanged(settingsPath());
        QVERIFY(unchanged.open(QIODevice::ReadOnly));
        QCOMPARE(unchanged.readAll(), file);
        unchanged.close();

        SystemSettings settings(settingsPath());
        settings.setDeviceVersion(1);
        QCOMPARE(readSettingsValue(settingsPath(), QStringLiteral("DeviceVersionSelection/Current"))
                         .toInt(),
                 1);
    }

    void processWideInstanceIsTheFirst()
    {
        QVERIFY(!SystemSettings::instance());
        {
            SystemSettings first(settingsPath());
            SystemSettings second(settingsPath());
            QCOMPARE(SystemSettings::instance(), &first);
        }
        QVERIFY(!SystemSettings::instance());
    }

    void iconFont()
    {
        SystemSettings settings(settingsPath());
        const QString family = SystemSettings::iconFontFamily();
        QCOMPARE(family, QStringLiteral("FontAwesome"));
        QVERIFY(QFontDatabase().families().contains(family));
    }

    void geometryStore()
    {
        QVERIFY(SystemSettings::loadGeometry(QStringLiteral("MainGeometry")).isEmpty());
        const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03\x00\x00\x00", 9);
        SystemSettings::saveGeometry(QStringLiteral("MainGeometry"), geometry);
        SystemSettings::saveGeometry(QStringLiteral("MeterGeometry"), QByteArray("m"));
        QCOMPARE(SystemSettings::loadGeometry(QStringLiteral("MainGeometry")), geometry);
        QCOMPARE(SystemSettings::loadGeometry(QStringLiteral("MeterGeometry")), QByteArray("m"));
        QVERIFY(SystemSettings::loadGeometry(QStringLiteral("LabelGeometry")).isEmpty());

        // Per user, under the organisation and application keys.
        const QString store = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))
                + QStringLiteral("/KQ/VexaTarnV3.conf");
        QVERIFY2(QFile::exists(store), qPrintable(store));
        QSettings direct(store, QSettings::IniFormat);
        QCOMPARE(direct.value(QStringLiteral("MainGeometry")).toByteArray(), geometry);
    }

    void unwritableWorkingDirectoryUsesTheUserDirectory()
    {
        QCOMPARE(SystemSettings::defaultFilePath(), settingsPath());

        // A shipped, read-only installation directory with the vendor's cfg.ini.
        const QString work = QDir::currentPath();
        const QString installed = work + QStringLiteral("/installed");
        QVERIFY(QDir().mkpath(installed));
        writeSettingsFile(installed + QStringLiteral("/cfg.ini"),
                          "[Language]\nSupport=7\nCurrent=1\n[Port]\nControl=3000\n");
        QFile::setPermissions(installed + QStringLiteral("/cfg.ini"), QFile::ReadOwner);
        QFile::setPermissions(installed, QFile::ReadOwner | QFile::ExeOwner);
        const QString user = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))
                + QStringLiteral("/VexaTarn/cfg.ini");

        {
            PermissionChecks checks;
            QVERIFY(QDir::setCurrent(installed));
            const QString path = SystemSettings::defaultFilePath();
            QCOMPARE(path, user);
            SystemSettings settings;
            QCOMPARE(settings.filePath(), user);
            QCOMPARE(settings.language(), 1);
            QCOMPARE(settings.controlPort(), quint16(3000));
            settings.setLanguage(0);
            QCOMPARE(readSettingsValue(user, QStringLiteral("Language/Current")).toInt(), 0);
        }
        QVERIFY(QDir::setCurrent(work));
        QFile::setPermissions(installed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readSettingsValue(installed + QStringLiteral("/cfg.ini"),
                                   QStringLiteral("Language/Current"))
                         .toInt(),
                 1);
        QVERIFY(!readSettingsValue(installed + QStringLiteral("/cfg.ini"),
                                   QStringLiteral("DeviceVersionSelection/Current"))
                         .isValid());
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<SystemSettingsTest>(argc, argv);
}

#include "SystemSettingsTest.moc"
