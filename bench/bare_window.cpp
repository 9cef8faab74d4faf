// The yardsticks of the start-up measurement: a bare Qt Widgets window of the program's size,
// built with the same toolchain and options, reporting its first paint the same way. Built a
// second time with BARE_WINDOW_TEXT, it also shows a menu bar with one title and a label, so it
// pays for the font set-up (fontconfig's configuration and a font engine) that any text costs.

#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(820, 565);
#ifdef BARE_WINDOW_TEXT
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.setCentralWidget(new QLabel(QStringLiteral("Text")));
#endif
    FirstPaintProbe::install(window);
    window.show();
    return app.exec();
}
