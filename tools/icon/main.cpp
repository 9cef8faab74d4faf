// aurelion-icon: draws the program's icon, its rabbit, with the program's own drawing code.

#include "palette.h"
#include "plotter.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: aurelion-icon SIZE FILE.png\n", stderr);
        return 2;
    }
    const int size = std::atoi(argv[1]);
    if (size < 16 || size > 1024) {
        std::fputs("aurelion-icon: SIZE must be 16 to 1024\n", stderr);
        return 2;
    }
    // A square of 6400 twips holds the rabbit of size 1 (4800 wide, 6300 high) with a margin.
    Surface icon(QSize(size, size), RGB(255, 192, 255));
    Surface unused(QSize(1, 1), RGB(255, 255, 255));
    icon.Scale(0, 0, 6400, 6400);
    icon.DrawWidth = qMax(1, size / 64);
    icon.FillColor = QBColor(14);
    Plotter plot(unused, unused, icon, float(4 * std::atan(1.0)));
    plot.draw_rabbit(3200, 2250, 1);
    if (!icon.image().save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "aurelion-icon: cannot write %s\n", argv[2]);
        return 2;
    }
    return 0;
}
