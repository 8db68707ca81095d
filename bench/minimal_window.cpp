// The yardstick for start-up time: the smallest Qt Widgets program that shows a window.
// Quits as soon as the window is shown when VEXATARN_QUIT_WHEN_SHOWN is set, like vexatarn.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1280, 800);
    window.show();
    if (qEnvironmentVariableIsSet("VEXATARN_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
