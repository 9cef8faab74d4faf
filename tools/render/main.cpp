// aurelion-render: runs the program's start-up on the offscreen platform, performs the given
// actions through the same handlers a user's clicks reach, and writes what the window shows.

#include "fonts.h"
#include "main_window.h"
#include "output_file.h"
#include "render.h"

#include <QApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// Qt's own notes about the offscreen platform would make the tool's stderr noisy; only the tool's
// messages and Qt's critical errors reach it.
void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "aurelion-render: %s\n", qPrintable(message));
}

// The usage on standard output; a failed write (a full disk, a closed pipe) is an error.
int print_usage(const QString &language)
{
    std::fputs(render_usage(language).constData(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "aurelion-render: cannot write to the standard output: %s\n",
            std::strerror(errno));
        return render_write_failed;
    }
    return render_done;
}

// The tool draws on the offscreen platform whatever the environment asks for: a display's
// platform would need a display, and the settings that change how a screen scales or which
// fonts a desktop theme gives would change the pictures.
void draw_offscreen(double scale)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char *name : { "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_FONT_DPI",
             "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
             "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_USE_PHYSICAL_DPI" })
        qunsetenv(name);
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

} // namespace

int main(int argc, char *argv[])
{
    // A reader that left (a closed pipe) is a failed write with a message and the documented
    // status, not a silent end; a signal that ends the tool leaves no temporary file.
    std::signal(SIGPIPE, SIG_IGN);
    OutputFile::remove_temporaries_on_signals();
    RenderRequest request;
    const QString error = parse_render_arguments(argc, argv, request);
    if (!error.isEmpty()) {
        print_render_error(error);
        return render_refused;
    }
    if (request.help)
        return print_usage(request.language);
    if (request.asks_nothing()) {
        std::fputs(render_usage(request.language).constData(), stderr);
        return render_refused;
    }
    draw_offscreen(request.scale);

    qInstallMessageHandler(quiet);
    // Qt reads only the program's name: no file name is taken for one of its own options.
    int qt_argc = 1;
    QApplication app(qt_argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aurelion"));
    load_bundled_fonts();
    return run_render(request);
}
