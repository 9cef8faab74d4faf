// The yardstick of the start-up measurement: a bare Qt Widgets window of the program's size,
// built with the same toolchain and options, reporting its first paint the same way.

#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(820, 565);
    FirstPaintProbe::install(window);
    window.show();
    return app.exec();
}
