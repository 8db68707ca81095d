// The yardstick for start-up time: the smallest Qt Widgets program that shows a window.
// With VEXATARN_QUIT_WHEN_SHOWN set it behaves like vexatarn: once its window is on screen it
// writes "shown" to standard output and quits.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1280, 800);
    window.show();
    if (qEnvironmentVariableIsSet("VEXATARN_QUIT_WHEN_SHOWN")) {
        while (!window.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QTimer::singleShot(0, &app, &QApplication::quit);
    }
    return app.exec();
}
