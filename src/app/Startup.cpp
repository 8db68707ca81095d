#include "Startup.h"

#include "DeviceVersionSelectionDialog.h"
#include "FocusProxyStyle.h"
#include "MainWindow.h"
#include "SplashScreen.h"
#include "Appearance.h"
#include "settings/SystemSettings.h"
#include "model/DataModel.h"

#include <QApplication>
#include <QTextCodec>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace {

// A processor announces itself once a second; a little longer catches the first announcement.
constexpr int AnnouncementWaitMs = 1500;
// A window that is not exposed by then (minimised at start, say) does not hold up the start.
constexpr int ExposeWaitMs = 1000;

// Keeps the arrow cursor over the start-up until it is released or the scope ends.
class StartupCursor
{
public:
    StartupCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~StartupCursor() { release(); }
    void release()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

// The splash stays up until the main window is on screen. QSplashScreen::finish waits for that
// as well, but sleeps 10 ms between looks; here the window's own expose event ends the wait.
void waitUntilExposed(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    QTimer deadline; // also what wakes the wait up when nothing else arrives
    deadline.setSingleShot(true);
    deadline.start(ExposeWaitMs);
    while (handle && !handle->isExposed() && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

void Startup::prepareApplication()
{
    const bool enabled = SystemSettings::readHighDpiScaling(SystemSettings::defaultFilePath());
    QCoreApplication::setAttribute(enabled ? Qt::AA_EnableHighDpiScaling
                                           : Qt::AA_DisableHighDpiScaling);
}

int Startup::run(const CommandLine::Result &commandLine)
{
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    QApplication::setStyle(new FocusProxyStyle);
#ifdef Q_OS_WIN
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("GBK"));
#endif
    // Elsewhere the locale codec also names files: GBK there would store a preset exported as
    // "预设.pst" under garbled bytes. Texts on the wire and in cfg.ini use GBK explicitly.

    SystemSettings settings;
    Appearance appearance(&settings);
    StartupCursor cursor;

    auto splash = std::make_unique<SplashScreen>(SplashScreen::plate(settings.dark() == 1),
                                                 settings.title());
    splash->show();
    splash->showMessage(QString(), Qt::AlignRight);
    QCoreApplication::processEvents();

    auto model = std::make_unique<DataModel>(settings.linkSettings());
    splash->setProgress(3);
    auto window = std::make_unique<MainWindow>(&settings, model.get());

    if (settings.bootMode() != 0 && settings.showAtStartup()) {
        DeviceVersionSelectionDialog dialog(&settings);
        splash->hide();
        if (dialog.exec() != QDialog::Accepted) {
            window.reset();
            model.reset();
            return 0;
        }
    }

    window->applyDeviceVersion();
    if (commandLine.connectAddress)
        CommandLine::connectAtStart(*model, *commandLine.connectAddress, AnnouncementWaitMs);
    window->show();
    waitUntilExposed(window.get());
    splash->finish(window.get());
    splash.reset();
    cursor.release();
    // The start-up benchmark times the way to the shown window and nothing after it.
    if (qEnvironmentVariableIsSet("VEXATARN_QUIT_WHEN_SHOWN")) {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

    const int exitCode = QApplication::exec();

    window.reset();
    model.reset();
    return exitCode;
}
