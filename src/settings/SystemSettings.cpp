#include "SystemSettings.h"

#include "IniCheck.h"
#include "wire/AppLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTranslator>

namespace {

SystemSettings *g_instance = nullptr;

const char *const SettingsFileName = "cfg.ini";
const char *const SettingsCodec = "GBK";
const char *const GeometryOrganization = "KQ";
const char *const GeometryApplication = "VexaTarnV3";
const char *const UserDirectoryName = "VexaTarn";

// Indexed by language: Simplified Chinese, Traditional Chinese, English.
const char *const TranslationFiles[] = {":/translation/chs.qm", ":/translation/cht.qm",
                                        ":/translation/en.qm"};

// The product titles used when cfg.ini names none; the Chinese ones are translated texts.
const char *const DefaultTitleEN = "Digital Audio Processor";
const char *const DefaultTitleCHS =
        QT_TRANSLATE_NOOP("SystemSettings", "Digital Audio Processor S");
const char *const DefaultTitleCHT =
        QT_TRANSLATE_NOOP("SystemSettings", "Digital Audio Processor T");

const quint32 BootChannelsMask = 0x300;

constexpr int SaveDelayMs = 1000;
constexpr qint64 MaxFileSize = 256 * 1024; // real files are a few hundred bytes
constexpr int MaxTextLength = 256;
constexpr int MaxListLength = 16;

bool isDirectoryWritable(const QString &directory)
{
    // A real probe: permission bits alone mislead for privileged users and read-only mounts.
    QTemporaryFile probe(directory + QStringLiteral("/.vexatarn-probe-XXXXXX"));
    return probe.open();
}

// The default title of one Chinese script, from that script's translation whatever the current
// language is, so that a later language switch shows the right title.
QString translatedTitle(int language, const char *source)
{
    QTranslator translator;
    if (translator.load(QString::fromLatin1(TranslationFiles[language]))) {
        const QString text = translator.translate("SystemSettings", source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromLatin1(source);
}

} // namespace

SystemSettings::SystemSettings(QObject *parent) : SystemSettings(defaultFilePath(), parent) { }

SystemSettings::SystemSettings(const QString &filePath, QObject *parent)
    : QObject(parent), m_filePath(filePath)
{
    if (!g_instance)
        g_instance = this;
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(SaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &SystemSettings::flush);
    openFile();
    load();
}

SystemSettings::~SystemSettings()
{
    flush();
    if (g_instance == this)
        g_instance = nullptr;
}

SystemSettings *SystemSettings::instance()
{
    return g_instance;
}

QString SystemSettings::defaultFilePath()
{
    const QString working = QDir::current().absoluteFilePath(QLatin1String(SettingsFileName));
    if (isDirectoryWritable(QDir::currentPath()))
        return working;

    const QString directory =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QLatin1Char('/') + QLatin1String(UserDirectoryName);
    QDir().mkpath(directory);
    const QString user = directory + QLatin1Char('/') + QLatin1String(SettingsFileName);
    if (!QFileInfo::exists(user) && QFileInfo::exists(working)) {
        if (QFile::copy(working, user))
            QFile::setPermissions(user, QFile::ReadOwner | QFile::WriteOwner);
        else
            qCDebug(lcApp) << "cannot copy" << working << "to" << user;
    }
    return user;
}

bool SystemSettings::readHighDpiScaling(const QString &filePath)
{
    QSettings file(filePath, QSettings::IniFormat);
    file.setIniCodec(SettingsCodec);
    file.beginGroup(QStringLiteral("HighDpiScaling"));
    const bool enabled = file.value(QStringLiteral("Enabled"), true).toBool();
    file.endGroup();
    return enabled;
}

void SystemSettings::load()
{
    loadLanguage();
    loadTitles();
    loadAppearance();
    loadBootMode();
    loadDeviceVersion();
    m_productCode = 1;
    loadPorts();
    loadSimple();
}

void SystemSettings::loadLanguage()
{
    const QString group = QStringLiteral("Language");
    m_languageSupport = readInt(group, QStringLiteral("Support"), 4) & 0x7;
    if (m_languageSupport == 0)
        m_languageSupport = 4;

    bool readable = false;
    int current = readInt(group, QStringLiteral("Current"), English, &readable);
    if (!readable || (current != SimplifiedChinese && current != TraditionalChinese))
        current = English;
    applyLanguage(current);
}

void SystemSettings::loadTitles()
{
    const QString group = QStringLiteral("Title");
    // An unquoted title with a comma reads as a list in INI files; it is still the title.
    const auto readTitle = [this, &group](const QString &key) {
        const QVariant value = readValue(group, key, QString());
        return value.type() == QVariant::StringList
                ? value.toStringList().join(QStringLiteral(", "))
                : value.toString();
    };
    m_titleEN = readTitle(QStringLiteral("EN"));
    m_titleCHS = readTitle(QStringLiteral("CHS"));
    m_titleCHT = readTitle(QStringLiteral("CHT"));
    if (m_titleEN.isEmpty())
        m_titleEN = QString::fromLatin1(DefaultTitleEN);
}

void SystemSettings::loadAppearance()
{
    const QString group = QStringLiteral("Appearance");
    bool readable = false;
    m_appearanceSupport = readInt(group, QStringLiteral("Support"), 1, &readable);
    if (!readable || m_appearanceSupport < 1 || m_appearanceSupport > 3)
        m_appearanceSupport = 1;

    int config = readInt(group, QStringLiteral("Config"), 0, &readable);
    if (!readable || config < 0 || config > 1)
        config = 0;
    m_appearanceConfig = config;
    m_dark = config;
    applyAppearance(config);
}

void SystemSettings::loadBootMode()
{
    const QString group = QStringLiteral("UIBootMode");
    bool readable = false;
    m_bootMode = readInt(group, QStringLiteral("Current"), 0, &readable);
    if (!readable || m_bootMode < 0 || m_bootMode > 2)
        m_bootMode = 0;
    const int danteUi = readInt(group, QStringLiteral("DT"), 0, &readable);
    m_danteUi = (readable && (danteUi == 0 || danteUi == 1)) ? quint8(danteUi) : 0;
}

void SystemSettings::loadDeviceVersion()
{
    const QString group = QStringLiteral("DeviceVersionSelection");
    bool readable = false;
    int version = readInt(group, QStringLiteral("Current"), 0, &readable);
    // Negative values are as unusable as values past the last configuration.
    if (!readable || version < 0 || version >= 5)
        version = 0;
    // The Dante configurations exist only for Dante-capable boot modes with the Dante UI.
    if (!(m_bootMode != 0 && m_danteUi == 1)) {
        if (version == 3)
            version = 0;
        else if (version == 4)
            version = 2;
    }
    setDeviceVersion(version);

    m_showAtStartup = readValue(group, QStringLiteral("ShowAtStartup"), true).toBool();
    setShowAtStartup(m_showAtStartup);
}

void SystemSettings::loadPorts()
{
    // Kept in 16 bits; a value that does not fit, or port 0, is no port and gives the default.
    const auto readPort = [this](const QString &key, quint16 defaultPort) {
        bool readable = false;
        const uint port = readValue(QStringLiteral("Port"), key, defaultPort).toUInt(&readable);
        return (readable && port >= 1 && port <= 0xFFFF) ? quint16(port) : defaultPort;
    };
    m_broadcastPort = readPort(QStringLiteral("Broadcast"), 6697);
    m_controlPort = readPort(QStringLiteral("Control"), 2698);
}

void SystemSettings::loadSimple()
{
    const QString group = QStringLiteral("UIBootMode");
    bool readable = false;
    const uint simple = readValue(group, QStringLiteral("Simple"), 0).toUInt(&readable);
    // Saturate rather than wrap, so that a large value still means "simple".
    m_simple = readable ? quint8(qMin(simple, 255u)) : 0;
    m_simplePasswordVisible =
            readValue(group, QStringLiteral("SimplePasswordVisible"), false).toBool() ? 1 : 0;
}

// The Chinese default titles come from the translations, which the application layer registers
// after the settings are read: they are looked up when asked for.
QString SystemSettings::titleCHS() const
{
    return m_titleCHS.isEmpty() ? translatedTitle(SimplifiedChinese, DefaultTitleCHS) : m_titleCHS;
}

QString SystemSettings::titleCHT() const
{
    return m_titleCHT.isEmpty() ? translatedTitle(TraditionalChinese, DefaultTitleCHT)
                                : m_titleCHT;
}

QString SystemSettings::title() const
{
    switch (m_language) {
    case TraditionalChinese:
        return titleCHT();
    case English:
        return m_titleEN;
    default:
        return titleCHS();
    }
}

bool SystemSettings::highDpiScaling() const
{
    return readValue(QStringLiteral("HighDpiScaling"), QStringLiteral("Enabled"), true).toBool();
}

LinkSettings SystemSettings::linkSettings() const
{
    LinkSettings settings;
    settings.productCode = m_productCode;
    settings.broadcastPort = m_broadcastPort;
    settings.controlPort = m_controlPort;
    settings.simple = m_simple;
    settings.bootMode = m_bootMode;
    settings.danteUi = m_danteUi;
    return settings;
}

void SystemSettings::setHighDpiScaling(bool enabled)
{
    // Read by the next start, which follows at once when the user chooses a restart.
    writeValue(QStringLiteral("HighDpiScaling"), QStringLiteral("Enabled"), enabled);
    flush();
}

void SystemSettings::setLanguage(int language)
{
    applyLanguage(language);
    writeValue(QStringLiteral("Language"), QStringLiteral("Current"), m_language);
}

void SystemSettings::setAppearance(int choice)
{
    applyAppearance(choice);
    writeValue(QStringLiteral("Appearance"), QStringLiteral("Config"), m_appearanceConfig);
}

void SystemSettings::setDeviceVersion(int version)
{
    // Only the five configurations exist; anything else changes nothing, in memory or on disk.
    if (version < 0 || version > 4)
        return;
    m_deviceVersion = version;
    m_masks = masksFor(version, m_bootMode);
    writeValue(QStringLiteral("DeviceVersionSelection"), QStringLiteral("Current"), version);
}

void SystemSettings::setShowAtStartup(bool show)
{
    m_showAtStartup = show;
    writeValue(QStringLiteral("DeviceVersionSelection"), QStringLiteral("ShowAtStartup"), show);
}

bool SystemSettings::setBootModeFromDevice(quint8 reportedMode)
{
    int bootMode = m_bootMode;
    switch (reportedMode) {
    case 5:
        bootMode = 2;
        break;
    case 6:
        bootMode = 0;
        break;
    case 1:
        bootMode = 1;
        break;
    default:
        return false;
    }
    if (bootMode == m_bootMode)
        return false;
    m_bootMode = bootMode;
    return true;
}

SystemSettings::ChannelMasks SystemSettings::masksFor(int deviceVersion, int bootMode)
{
    const quint32 boot = bootMode == 2 ? 0 : BootChannelsMask;
    ChannelMasks masks;
    switch (deviceVersion) {
    case 0:
        masks = {boot, boot, 0, 0};
        break;
    case 1:
        masks = {boot, boot | 0xFF, 0, 0};
        break;
    case 2:
        masks = {boot | 0xFF, boot | 0xFF, 0, 0};
        break;
    case 3:
        masks = {boot, boot, 0xF0, 0xF0};
        break;
    case 4:
        masks = {boot | 0x0F, boot | 0x0F, 0xF0, 0xF0};
        break;
    default:
        break;
    }
    return masks;
}

int SystemSettings::supportedLanguage(int languageSupport, int choice)
{
    const auto supports = [languageSupport](int language) {
        return (languageSupport >> language) & 1;
    };
    if (choice >= SimplifiedChinese && choice <= English && supports(choice))
        return choice;
    if (supports(English))
        return English;
    if (supports(TraditionalChinese))
        return TraditionalChinese;
    if (supports(SimplifiedChinese))
        return SimplifiedChinese;
    return choice;
}

QString SystemSettings::applicationVersion()
{
    return QStringLiteral("1.2.9");
}

void SystemSettings::saveGeometry(const QString &key, const QByteArray &geometry)
{
    QSettings store {QLatin1String(GeometryOrganization), QLatin1String(GeometryApplication)};
    // Unchanged geometry is not written again (each write replaces the file on disk).
    if (store.contains(key) && store.value(key).toByteArray() == geometry)
        return;
    store.setValue(key, geometry);
}

QByteArray SystemSettings::loadGeometry(const QString &key)
{
    QSettings store {QLatin1String(GeometryOrganization), QLatin1String(GeometryApplication)};
    return store.value(key).toByteArray();
}

void SystemSettings::applyLanguage(int choice)
{
    m_language = supportedLanguage(m_languageSupport, choice);
    emit languageChanged(m_language);
}

void SystemSettings::applyAppearance(int choice)
{
    switch (m_appearanceSupport) {
    case 1:
        m_appearanceConfig = m_dark = 0;
        break;
    case 2:
        m_appearanceConfig = m_dark = 1;
        break;
    default:
        // Any other choice keeps the current appearance, and the stored choice says so.
        if (choice == 0 || choice == 1)
            m_dark = choice;
        m_appearanceConfig = m_dark;
        break;
    }
    emit appearanceChanged(m_dark);
}

// A cfg.ini that cannot be parsed (or is far larger than any real one) is never written over:
// the program runs on defaults for what it could not read, keeps changes in memory only, and
// says so once.
void SystemSettings::openFile()
{
    QFile file(m_filePath);
    if (file.exists()) {
        if (file.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) {
            m_writable = false;
            m_fileReadable = false;
        } else if (!IniCheck::isWellFormed(file.readAll())) {
            m_writable = false;
        }
    }
    if (m_fileReadable) {
        m_reader = std::make_unique<QSettings>(m_filePath, QSettings::IniFormat);
        m_reader->setIniCodec(SettingsCodec);
    }
    if (!m_writable) {
        qCDebug(lcApp) << "cannot read" << m_filePath << "- it is left as it is";
        m_problem = tr("The settings file %1 could not be read. The program runs on default "
                       "settings and leaves the file as it is; changes made now are not kept.")
                            .arg(QDir::toNativeSeparators(m_filePath));
    }
}

QVariant SystemSettings::readValue(const QString &group, const QString &key,
                                   const QVariant &defaultValue) const
{
    const QString path = group + QLatin1Char('/') + key;
    const auto pending = m_pending.constFind(path);
    QVariant value = pending != m_pending.constEnd() ? *pending
            : m_reader                               ? m_reader->value(path, defaultValue)
                                                     : defaultValue;
    // Texts from the file are cut to a sane length before anything shows or parses them.
    if (value.type() == QVariant::String && value.toString().size() > MaxTextLength)
        value = value.toString().left(MaxTextLength);
    else if (value.type() == QVariant::StringList) {
        QStringList list = value.toStringList().mid(0, MaxListLength);
        for (QString &item : list)
            item.truncate(MaxTextLength);
        value = list;
    }
    return value;
}

int SystemSettings::readInt(const QString &group, const QString &key, int defaultValue,
                            bool *readable) const
{
    bool ok = false;
    const int value = readValue(group, key, defaultValue).toInt(&ok);
    if (readable)
        *readable = ok;
    return ok ? value : defaultValue;
}

// Values are written together at most about once a second, and at exit: a device that flips a
// reported value to and fro would otherwise have the file rewritten and synced on every reply.
void SystemSettings::writeValue(const QString &group, const QString &key, const QVariant &value)
{
    const QString path = group + QLatin1Char('/') + key;
    const bool stored = m_pending.contains(path) || (m_reader && m_reader->contains(path));
    if (stored && readValue(group, key, QVariant()).toString() == value.toString())
        return;
    m_pending.insert(path, value);
    if (m_writable && !m_saveTimer.isActive())
        m_saveTimer.start();
}

void SystemSettings::flush()
{
    m_saveTimer.stop();
    if (!m_writable || m_pending.isEmpty())
        return;
    {
        QSettings file(m_filePath, QSettings::IniFormat);
        file.setIniCodec(SettingsCodec);
        for (auto it = m_pending.constBegin(); it != m_pending.constEnd(); ++it)
            file.setValue(it.key(), it.value());
        file.sync();
        if (file.status() != QSettings::NoError) {
            qCDebug(lcApp) << "cannot write" << m_filePath;
            if (m_problem.isEmpty()) {
                m_problem = tr("The settings could not be saved to %1. Changes made now are "
                               "kept until the program ends.")
                                    .arg(QDir::toNativeSeparators(m_filePath));
                emit storageProblem(m_problem);
            }
            return; // kept pending: the next change tries again
        }
    }
    m_pending.clear();
    m_reader = std::make_unique<QSettings>(m_filePath, QSettings::IniFormat);
    m_reader->setIniCodec(SettingsCodec);
}
