#pragma once

#include "link/LinkSettings.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QSettings>
#include <QTimer>
#include <QString>
#include <QVariant>

#include <memory>

// The application settings of cfg.ini (INI, text codec GBK): languages, appearance, boot mode,
// device version and ports. Values are read once at construction and normalised; the setters
// write through to the file at once. The application layer answers languageChanged and
// appearanceChanged by installing the translation and the style sheet (app/Appearance).
// Exactly one instance is reachable process-wide (the first one built).
//
// Window geometries live in a second, per-user store keyed "KQ"/"VexaTarnV3".
class SystemSettings : public QObject
{
    Q_OBJECT

public:
    // Channels that a configuration does not have; a set bit hides that channel in the views.
    struct ChannelMasks
    {
        quint32 input = 0;
        quint32 output = 0;
        quint32 danteInput = 0;
        quint32 danteOutput = 0;
    };

    // Languages (the index of the translation) and their bits in "Language"/"Support".
    enum Language { SimplifiedChinese = 0, TraditionalChinese = 1, English = 2 };

    // cfg.ini at defaultFilePath().
    explicit SystemSettings(QObject *parent = nullptr);
    // cfg.ini at filePath, for a program started with another settings file and for tests.
    explicit SystemSettings(const QString &filePath, QObject *parent = nullptr);
    ~SystemSettings() override;

    static SystemSettings *instance();

    // cfg.ini in the working directory. When that directory cannot be written, the per-user
    // configuration directory holds it instead (seeded once from a cfg.ini found in the working
    // directory, so a shipped configuration still applies).
    static QString defaultFilePath();
    // "HighDpiScaling"/"Enabled" of the file at filePath; usable before the application exists.
    static bool readHighDpiScaling(const QString &filePath);

    QString filePath() const { return m_filePath; }
    // Whether changes reach cfg.ini; false when the file could not be read (it is left alone).
    bool isWritable() const { return m_writable; }
    // What the user is to be told about cfg.ini (empty when all is well).
    QString storageProblemText() const { return m_problem; }
    // Writes the changes not yet in cfg.ini now (they are written within a second anyway).
    void flush();

    QString titleEN() const { return m_titleEN; }
    QString titleCHS() const;
    QString titleCHT() const;
    // The product title in the current language.
    QString title() const;
    int languageSupport() const { return m_languageSupport; }
    int language() const { return m_language; }
    int appearanceSupport() const { return m_appearanceSupport; }
    int appearanceConfig() const { return m_appearanceConfig; }
    int dark() const { return m_dark; }
    int deviceVersion() const { return m_deviceVersion; }
    bool showAtStartup() const { return m_showAtStartup; }
    quint32 inputMask() const { return m_masks.input; }
    quint32 outputMask() const { return m_masks.output; }
    quint32 danteInputMask() const { return m_masks.danteInput; }
    quint32 danteOutputMask() const { return m_masks.danteOutput; }
    ChannelMasks channelMasks() const { return m_masks; }
    quint16 productCode() const { return m_productCode; }
    int bootMode() const { return m_bootMode; }
    quint8 danteUi() const { return m_danteUi; }
    quint16 broadcastPort() const { return m_broadcastPort; }
    quint16 controlPort() const { return m_controlPort; }
    quint8 simple() const { return m_simple; }
    quint8 simplePasswordVisible() const { return m_simplePasswordVisible; }
    // The stored high-DPI choice; it takes effect at the next start.
    bool highDpiScaling() const;

    // The settings the device link runs with.
    LinkSettings linkSettings() const;

    void setHighDpiScaling(bool enabled);
    void setLanguage(int language);
    void setAppearance(int choice);
    void setDeviceVersion(int version);
    void setShowAtStartup(bool show);
    // The first byte of the control-processor version report: 5 means boot mode 2, 6 boot mode
    // 0, 1 boot mode 1. Returns whether the boot mode changed. Never saved.
    bool setBootModeFromDevice(quint8 reportedMode);

    // The masks of a channel configuration (0..4) under a boot mode.
    static ChannelMasks masksFor(int deviceVersion, int bootMode);
    // The language that a choice ends up as under a support mask.
    static int supportedLanguage(int languageSupport, int choice);

    static QString applicationVersion();

    // Window geometries: an empty array when nothing was saved under key.
    static void saveGeometry(const QString &key, const QByteArray &geometry);
    static QByteArray loadGeometry(const QString &key);

signals:
    // cfg.ini could not be saved (once per run).
    void storageProblem(const QString &text);
    void languageChanged(int language);
    void appearanceChanged(int dark);

private:
    void openFile();
    void load();
    void loadLanguage();
    void loadTitles();
    void loadAppearance();
    void loadBootMode();
    void loadDeviceVersion();
    void loadPorts();
    void loadSimple();

    void applyLanguage(int choice);
    void applyAppearance(int choice);

    QVariant readValue(const QString &group, const QString &key,
                       const QVariant &defaultValue) const;
    // An integer value; readable is cleared when the key holds something that is no integer.
    int readInt(const QString &group, const QString &key, int defaultValue,
                bool *readable = nullptr) const;
    void writeValue(const QString &group, const QString &key, const QVariant &value);

    QString m_filePath;
    std::unique_ptr<QSettings> m_reader;
    QMap<QString, QVariant> m_pending; // "group/key" -> value not yet saved
    QTimer m_saveTimer;
    bool m_writable = true;
    bool m_fileReadable = true;
    QString m_problem;

    QString m_titleEN;
    QString m_titleCHS;
    QString m_titleCHT;
    int m_languageSupport = 4;
    int m_language = English;
    int m_appearanceSupport = 1;
    int m_appearanceConfig = 0;
    int m_dark = 0;
    int m_deviceVersion = 0;
    bool m_showAtStartup = true;
    ChannelMasks m_masks;
    quint16 m_productCode = 1;
    int m_bootMode = 0;
    quint8 m_danteUi = 0;
    quint16 m_broadcastPort = 6697;
    quint16 m_controlPort = 2698;
    quint8 m_simple = 0;
    quint8 m_simplePasswordVisible = 0;
};
