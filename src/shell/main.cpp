#include "first_paint.h"
#include "fonts.h"
#include "main_window.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aurelion"));
    load_bundled_fonts();
    WindowOptions options;
    options.device_pixel_ratio =
        app.primaryScreen() ? app.primaryScreen()->devicePixelRatio() : 1.0;
    MainWindow window(options);
    FirstPaintProbe::install(window);
    window.show();
    return app.exec();
}
