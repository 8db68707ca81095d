#include "app/Appearance.h"
#include "settings/SystemSettings.h"
#include "app/AppTestEnvironment.h"

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

using Fields = QMap<QString, QString>;

// Every normalised field as the rest of the program sees it (the titles are checked apart).
Fields snapshot(const SystemSettings &s)
{
    const std::pair<const char *, int> fields[] = {
            {"languageSupport", s.languageSupport()},
            {"language", s.language()},
            {"appearanceSupport", s.appearanceSupport()},
            {"appearanceConfig", s.appearanceConfig()},
            {"dark", s.dark()},
            {"deviceVersion", s.deviceVersion()},
            {"showAtStartup", s.showAtStartup()},
            {"productCode", s.productCode()},
            {"bootMode", s.bootMode()},
            {"danteUi", s.danteUi()},
            {"broadcastPort", s.broadcastPort()},
            {"controlPort", s.controlPort()},
            {"simple", s.simple()},
            {"simplePasswordVisible", s.simplePasswordVisible()}};
    Fields result;
    for (const auto &field : fields)
        result.insert(QLatin1String(field.first), QString::number(field.second));
    return result;
}

// "key=value key=value" into fields, applied over base.
Fields fields(const QString &words, Fields base = {})
{
    for (const QString &word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        base.insert(word.section(QLatin1Char('='), 0, 0), word.section(QLatin1Char('='), 1));
    return base;
}

QString words(const Fields &map)
{
    QStringList result;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        result << it.key() + QLatin1Char('=') + it.value();
    return result.join(QLatin1Char(' '));
}

QString styleSheetResource(bool dark)
{
    QFile file(dark ? QStringLiteral(":/qss/VexaTarnDark.qss")
                    : QStringLiteral(":/qss/VexaTarnLight.qss"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                          : QStringLiteral("<missing>");
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
QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SystemSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(settingsPath()); }

    void normalisation_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("changes"); // from the defaults
        const auto row = [](const char *name, const char *file, const char *changes) {
            QTest::newRow(name) << QByteArray(file) << QString::fromLatin1(changes);
        };
        row("missing file", "", "");
        row("language support 0 means English only", "[Language]\nSupport=0\nCurrent=0\n", "");
        row("language support without bits 0..2", "[Language]\nSupport=8\nCurrent=1\n", "");
        row("language support keeps bits 0..2", "[Language]\nSupport=15\nCurrent=1\n",
            "languageSupport=7 language=1");
        row("language current unreadable", "[Language]\nSupport=7\nCurrent=zh\n",
            "languageSupport=7");
        row("language current out of range", "[Language]\nSupport=7\nCurrent=3\n",
            "languageSupport=7");
        row("language current negative", "[Language]\nSupport=7\nCurrent=-1\n",
            "languageSupport=7");
        row("appearance support 0", "[Appearance]\nSupport=0\nConfig=1\n", "");
        row("appearance support 4", "[Appearance]\nSupport=4\nConfig=1\n", "");
        row("appearance support unreadable", "[Appearance]\nSupport=dark\nConfig=1\n", "");
        row("appearance config out of range", "[Appearance]\nSupport=3\nConfig=2\n",
            "appearanceSupport=3");
        row("appearance config negative", "[Appearance]\nSupport=3\nConfig=-1\n",
            "appearanceSupport=3");
        row("boot mode 2", "[UIBootMode]\nCurrent=2\n", "bootMode=2");
        row("boot mode out of range", "[UIBootMode]\nCurrent=3\nDT=1\n", "danteUi=1");
        row("boot mode unreadable", "[UIBootMode]\nCurrent=x\n", "");
        row("dante ui out of range", "[UIBootMode]\nCurrent=1\nDT=2\n", "bootMode=1");
        row("ports", "[Port]\nBroadcast=7000\nControl=65535\n",
            "broadcastPort=7000 controlPort=65535");
        row("ports unreadable", "[Port]\nBroadcast=udp\nControl=-5\n", "");
        row("ports that do not fit 16 bits", "[Port]\nBroadcast=72233\nControl=65536\n", "");
        row("port 0", "[Port]\nBroadcast=0\nControl=0\n", "");
        row("simple interface", "[UIBootMode]\nSimple=1\nSimplePasswordVisible=true\n",
            "simple=1 simplePasswordVisible=1");
        row("simple too large for a byte stays simple", "[UIBootMode]\nSimple=256\n", "simple=255");
        row("show at startup off", "[DeviceVersionSelection]\nShowAtStartup=false\n",
            "showAtStartup=0");
        row("product code is not configurable", "[Product]\nCode=7\n[Port]\nProductCode=7\n", "");
    }

    void normalisation()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, changes);
        if (!file.isEmpty())
            writeSettingsFile(settingsPath(), file);
        const Fields defaults = fields(QStringLiteral(
                "languageSupport=4 language=2 appearanceSupport=1 appearanceConfig=0 dark=0 "
                "deviceVersion=0 showAtStartup=1 productCode=1 bootMode=0 danteUi=0 "
                "broadcastPort=6697 controlPort=2698 simple=0 simplePasswordVisible=0"));
        SystemSettings settings(settingsPath());
        Appearance settingsAppearance(&settings);
        QCOMPARE(words(snapshot(settings)), words(fields(changes, defaults)));
    }

    void missingFileIsCreatedWithTheWrittenBackKeys()
    {
        SystemSettings settings(settingsPath());
        Appearance settingsAppearance(&settings);
        settings.flush();
        QVERIFY(QFile::exists(settingsPath()));
        QCOMPARE(storedValue("DeviceVersionSelection/Current").toInt(), 0);
        QCOMPARE(storedValue("DeviceVersionSelection/ShowAtStartup").toBool(), true);
        QVERIFY(!storedValue("Language/Current").isValid());
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
        const auto loading = [] { return QCoreApplication::translate("SplashScreen", "Loading"); };

        writeSettingsFile(settingsPath(),
                          QStringLiteral("[Language]\nSupport=%1\nCurrent=%2\n")
                                  .arg(support)
                                  .arg(current)
                                  .toLatin1());
        SystemSettings settings(settingsPath());
        Appearance settingsAppearance(&settings);
        QCOMPARE(settings.language(), expected);
        QCOMPARE(loading(), translated[expected]);

        // The menu applies the same rule at run time and stores the outcome.
        const int other = (current + 1) % 3;
        settings.setLanguage(other);
        const int expectedOther =
                SystemSettings::supportedLanguage(settings.languageSupport(), other);
        QCOMPARE(settings.language(), expectedOther);
        QCOMPARE(loading(), translated[expectedOther]);
        QCOMPARE(storedValue("Language/Current").toInt(), expectedOther);
    }

    // A choice outside the three is an unsupported one: the fallback, never an index past
    // the translations.
    void languageOutsideTheThree()
    {
        writeSettingsFile(settingsPath(), "[Language]\nSupport=3\nCurrent=0\n");
        SystemSettings settings(settingsPath());
        Appearance settingsAppearance(&settings);
        settings.setLanguage(-1);
        QCOMPARE(settings.language(), 1);
        settings.setLanguage(0);
        settings.setLanguage(40);
        QCOMPARE(settings.language(), 1);
        QCOMPARE(storedValue("Language/Current").toInt(), 1);
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
        Appearance settingsAppearance(&settings);
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
        QCOMPARE(storedValue("Appearance/Config").toInt(), storedConfig);

        // What was stored loads as what is shown.
        SystemSettings reloaded(settingsPath());
        Appearance reloadedAppearance(&reloaded);
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
        Appearance settingsAppearance(&settings);
        QCOMPARE(settings.deviceVersion(), expected);
        // Written back normalised, the neighbouring key untouched.
        QCOMPARE(storedValue("DeviceVersionSelection/Current").toInt(), expected);
        QCOMPARE(storedValue("DeviceVersionSelection/ShowAtStartup").toBool(), false);
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
            // Without a boot mode the Dante configurations do not load (checked above).
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
        Appearance settingsAppearance(&settings);
        // A version outside the five changes nothing.
        settings.setDeviceVersion(5);
        settings.setDeviceVersion(-1);
        QCOMPARE(settings.deviceVersion(), version);
        QCOMPARE(settings.inputMask(), expected.input);
        QCOMPARE(settings.outputMask(), expected.output);
        QCOMPARE(settings.danteInputMask(), expected.danteInput);
        QCOMPARE(settings.danteOutputMask(), expected.danteOutput);
        QCOMPARE(storedValue("DeviceVersionSelection/Current").toInt(), version);
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
        Appearance settingsAppearance(&settings);
        QCOMPARE(settings.setBootModeFromDevice(quint8(reported)), changed);
        QCOMPARE(settings.bootMode(), expected);
        QCOMPARE(settings.linkSettings().bootMode, expected);
        // A device report is never saved.
        QCOMPARE(storedValue("UIBootMode/Current").toInt(), initial);
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
        Appearance settingsAppearance(&settings);
        // Empty titles are the product title of their script, even when starting in English.
        QCOMPARE(settings.title(), QStringLiteral("Conference Matrix, 16x16"));
        settings.setLanguage(0);
        QCOMPARE(settings.title(), QStringLiteral("会议音频矩阵"));
        settings.setLanguage(1);
        QCOMPARE(settings.title(), QStringLiteral("數位音訊處理器"));

        QFile::remove(settingsPath());
        SystemSettings defaults(settingsPath());
        Appearance defaultsAppearance(&defaults);
        QCOMPARE(defaults.titleEN(), QStringLiteral("Digital Audio Processor"));
        QCOMPARE(defaults.titleCHS(), QStringLiteral("数字音频处理器"));
        QCOMPARE(defaults.titleCHT(), QStringLiteral("數位音訊處理器"));
    }

    // A cfg.ini the program cannot read as it would write it is never written over: the program
    // runs on defaults for what it could not read, and says so.
    void unreadableFileIsLeftAsItIs_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("unterminated quote")
                << QByteArray("[Title]\nEN=\"Broken\n[Language]\nCurrent=0\n[Port]\nTCP=3000\n");
        QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\0\0[Language]\n", 18);
        QTest::newRow("oversized") << "[Title]\nEN=" + QByteArray(400 * 1024, 'x') + "\n";
    }
    void unreadableFileIsLeftAsItIs()
    {
        QFETCH(QByteArray, file);
        writeSettingsFile(settingsPath(), file);
        {
            SystemSettings settings(settingsPath());
            QVERIFY(!settings.isWritable());
            QVERIFY(settings.storageProblemText().contains(QStringLiteral("cfg.ini")));
            QVERIFY(settings.title().size() <= 256);
            settings.setLanguage(SystemSettings::SimplifiedChinese);
            settings.setDeviceVersion(3);
            QCOMPARE(settings.deviceVersion(), 3); // kept in memory
            settings.flush();
        }
        QFile stored(settingsPath());
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), file);
    }

    // A device flipping a reported value has the file written once, not once per report; texts
    // from the file are cut to a sane length.
    void writesAreCoalescedAndTextsCut()
    {
        writeSettingsFile(settingsPath(), "[Title]\nEN=" + QByteArray(100 * 1024, 'y') + "\n");
        SystemSettings settings(settingsPath());
        QCOMPARE(settings.titleEN().size(), 256);
        settings.flush();
        const QDateTime written = QFileInfo(settingsPath()).lastModified();
        const QByteArray before = readFile(settingsPath());
        for (int n = 0; n < 50; ++n)
            settings.setDeviceVersion(n % 2);
        settings.setDeviceVersion(1);
        QCOMPARE(readFile(settingsPath()), before);
        QCOMPARE(QFileInfo(settingsPath()).lastModified(), written);
        QCOMPARE(storedValue("DeviceVersionSelection/Current").toInt(), 1); // after a flush
    }

    void settersWriteThrough()
    {
        SystemSettings settings(settingsPath());
        Appearance settingsAppearance(&settings);
        QVERIFY(settings.highDpiScaling());
        settings.setHighDpiScaling(false);
        QVERIFY(!SystemSettings::readHighDpiScaling(settingsPath()));
        QVERIFY(!settings.highDpiScaling());
        settings.setShowAtStartup(false);
        settings.setDeviceVersion(2);
        settings.flush(); // otherwise written within a second

        SystemSettings reloaded(settingsPath());

        Appearance reloadedAppearance(&reloaded);
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
            Appearance settingsAppearance(&settings);
            QCOMPARE(settings.deviceVersion(), 2);
            settings.setShowAtStartup(false);
        }
        QCOMPARE(QFileInfo(settingsPath()).lastModified(), written);
        QFile unchanged(settingsPath());
        QVERIFY(unchanged.open(QIODevice::ReadOnly));
        QCOMPARE(unchanged.readAll(), file);
    }

    void processWideInstanceIsTheFirst()
    {
        QVERIFY(!SystemSettings::instance());
        {
            SystemSettings first(settingsPath());
            Appearance firstAppearance(&first);
            SystemSettings second(settingsPath());
            Appearance secondAppearance(&second);
            QCOMPARE(SystemSettings::instance(), &first);
        }
        QVERIFY(!SystemSettings::instance());
    }

    void iconFont()
    {
        SystemSettings settings(settingsPath());
        Appearance settingsAppearance(&settings);
        QCOMPARE(Appearance::iconFontFamily(), QStringLiteral("FontAwesome"));
        QVERIFY(QFontDatabase().families().contains(Appearance::iconFontFamily()));
    }

    void geometryStore()
    {
        QVERIFY(SystemSettings::loadGeometry(QStringLiteral("MainGeometry")).isEmpty());
        const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03\x00\x00\x00", 9);
        SystemSettings::saveGeometry(QStringLiteral("MainGeometry"), geometry);
        SystemSettings::saveGeometry(QStringLiteral("MeterGeometry"), QByteArray("m"));
        QCOMPARE(SystemSettings::loadGeometry(QStringLiteral("MainGeometry")), geometry);
        QCOMPARE(SystemSettings::loadGeometry(QStringLiteral("MeterGeometry")), QByteArray("m"));

        // Per user, under the organisation and application keys.
        const QString store = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))
                + QStringLiteral("/KQ/VexaTarnV3.conf");
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
            QCOMPARE(SystemSettings::defaultFilePath(), user);
            SystemSettings settings;
            Appearance settingsAppearance(&settings);
            QCOMPARE(settings.filePath(), user);
            QCOMPARE(settings.language(), 1);
            QCOMPARE(settings.controlPort(), quint16(3000));
            settings.setLanguage(0);
            settings.flush();
            QCOMPARE(readSettingsValue(user, QStringLiteral("Language/Current")).toInt(), 0);
        }
        QVERIFY(QDir::setCurrent(work));
        QFile::setPermissions(installed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString vendor = installed + QStringLiteral("/cfg.ini");
        QCOMPARE(readSettingsValue(vendor, QStringLiteral("Language/Current")).toInt(), 1);
        QVERIFY(!readSettingsValue(vendor, QStringLiteral("DeviceVersionSelection/Current"))
                         .isValid());
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<SystemSettingsTest>(argc, argv);
}

#include "SystemSettingsTest.moc"
