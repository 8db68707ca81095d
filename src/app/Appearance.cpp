#include "Appearance.h"

#include "settings/SystemSettings.h"
#include "widgets/ControlPalette.h"
#include "widgets/Resources.h"
#include "wire/AppLog.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPointer>
#include <QTranslator>

namespace {

QString g_iconFontFamily;

// Indexed by language: Simplified Chinese, Traditional Chinese, English.
const char *const TranslationFiles[] = {":/translation/chs.qm", ":/translation/cht.qm",
                                        ":/translation/en.qm"};

QTranslator *applicationTranslator()
{
    // One translator for the whole process, owned by the application object.
    static QPointer<QTranslator> translator;
    if (!translator)
        translator = new QTranslator(QCoreApplication::instance());
    return translator;
}

void registerIconFont()
{
    if (!g_iconFontFamily.isEmpty())
        return;
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/font/FontAwesome.otf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    g_iconFontFamily = families.isEmpty() ? QStringLiteral("FontAwesome") : families.first();
}

} // namespace

Appearance::Appearance(SystemSettings *settings, QObject *parent) : QObject(parent)
{
    initApplicationResources();
    registerIconFont();
    applyLanguage(settings->language());
    applyAppearance(settings->dark());
    connect(settings, &SystemSettings::languageChanged, this, &Appearance::applyLanguage);
    connect(settings, &SystemSettings::appearanceChanged, this, &Appearance::applyAppearance);
}

QString Appearance::iconFontFamily()
{
    return g_iconFontFamily.isEmpty() ? QStringLiteral("FontAwesome") : g_iconFontFamily;
}

void Appearance::applyLanguage(int language)
{
    if (language < 0 || language > 2)
        return;
    QTranslator *translator = applicationTranslator();
    QCoreApplication::removeTranslator(translator);
    if (translator->load(QString::fromLatin1(TranslationFiles[language])))
        QCoreApplication::installTranslator(translator);
    else
        qCDebug(lcApp) << "no translation" << TranslationFiles[language];
}

void Appearance::applyAppearance(int dark)
{
    // The painted controls read their colours again on the style change the sheet brings.
    ControlPalette::setDark(dark == 1);
    auto *application = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!application)
        return;
    QFile sheet(dark ? QStringLiteral(":/qss/VexaTarnDark.qss")
                     : QStringLiteral(":/qss/VexaTarnLight.qss"));
    QByteArray text;
    if (sheet.open(QIODevice::ReadOnly))
        text = sheet.readAll();
    else
        qCDebug(lcApp) << "no style sheet" << sheet.fileName();
    const int end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);
    application->setStyleSheet(QString::fromUtf8(text));
}
