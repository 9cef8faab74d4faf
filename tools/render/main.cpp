// aurelion-render: runs the program's start-up on the offscreen platform, performs the given
// actions through the same handlers a user's clicks reach, and writes what the window shows.

#include "fonts.h"
#include "main_window.h"
#include "render.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    RenderRequest request;
    const QString error = parse_render_arguments(argc, argv, request);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "aurelion-render: %s\n", qPrintable(error));
        return 2;
    }
    if (request.help) {
        std::fputs(render_usage(), stdout);
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(request.scale));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aurelion"));
    load_bundled_fonts();
    return run_render(request);
}
