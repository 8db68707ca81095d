#pragma once

#include "settings/SystemSettings.h"

#include <QApplication>
#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Every shell test runs in its own temporary directory: it is the working directory (cfg.ini)
// and HOME and XDG_CONFIG_HOME point into it (the geometry store, the per-user cfg.ini). Built
// before the application object, so nothing has looked at the real home yet.
class AppTestEnvironment
{
public:
    AppTestEnvironment()
    {
        if (startDirectory().isEmpty())
            startDirectory() = QDir::currentPath();
        m_home = m_root.path() + QStringLiteral("/home");
        m_configHome = m_home + QStringLiteral("/.config");
        m_work = m_root.path() + QStringLiteral("/work");
        QDir().mkpath(m_configHome);
        QDir().mkpath(m_work);
        qputenv("HOME", QFile::encodeName(m_home));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome));
        QDir::setCurrent(m_work);
    }

    ~AppTestEnvironment() { QDir::setCurrent(QDir::tempPath()); }

    QString workPath() const { return m_work; }
    QString configHome() const { return m_configHome; }
    QString settingsPath() const { return m_work + QStringLiteral("/cfg.ini"); }

    // The test's own folder under tests/work, where it was started: pictures are kept there.
    static QString &startDirectory()
    {
        static QString path;
        return path;
    }

private:
    QTemporaryDir m_root;
    QString m_home;
    QString m_configHome;
    QString m_work;
};

// cfg.ini as the user (or a vendor) would write it: raw bytes, GBK where not ASCII.
// QSettings keeps a file it has read and reads it again only when its size or modification time
// changed; two files of one size written within a millisecond would look the same to it. Each
// file written here gets a modification time of its own.
inline void writeSettingsFile(const QString &path, const QByteArray &content)
{
    static QDateTime stamp = QDateTime::currentDateTime().addSecs(-3600);
    stamp = stamp.addSecs(1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), qint64(content.size()));
    file.flush();
    QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
}

inline QVariant readSettingsValue(const QString &path, const QString &key)
{
    QSettings file(path, QSettings::IniFormat);
    file.setIniCodec("GBK");
    return file.value(key);
}

// cfg.ini in the current working directory, and one of its values as stored there.
inline QString settingsPath()
{
    return QDir::current().absoluteFilePath(QStringLiteral("cfg.ini"));
}

// Changes reach cfg.ini within a second; a test reads the file after writing them out at once.
inline QVariant storedValue(const char *key)
{
    if (SystemSettings *settings = SystemSettings::instance())
        settings->flush();
    return readSettingsValue(settingsPath(), QLatin1String(key));
}

inline quint32 ipv4(const char *text)
{
    return QHostAddress(QLatin1String(text)).toIPv4Address();
}

// main() of a shell test: the environment first, then the application, then the test object.
template<typename Test> int runAppTest(int argc, char *argv[])
{
    AppTestEnvironment environment;
    QApplication application(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
