// aurelion-render: runs the program's start-up on the offscreen platform, performs the given
// actions through the same handlers a user's clicks reach, and writes what the window shows.

#include "fonts.h"
#include "main_window.h"
#include "render.h"

#include <QApplication>

#include <cstdio>

namespace {

// Qt's own notes about the offscreen platform would make the tool's stderr noisy; only the tool's
// messages and Qt's critical errors reach it.
void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "aurelion-render: %s\n", qPrintable(message));
}

} // namespace

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
    if (request.asks_nothing()) {
        std::fputs(render_usage(), stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(request.scale));

    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aurelion"));
    load_bundled_fonts();
    return run_render(request);
}
