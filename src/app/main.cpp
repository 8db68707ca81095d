#include "app/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Startup::prepareApplication();
    QApplication application(argc, argv);
    return Startup::run();
}
