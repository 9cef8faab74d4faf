#include "first_paint.h"
#include "fonts.h"
#include "lesson/lesson_session.h"
#include "main_window.h"
#include "recovery/recovery.h"
#include "recovery/signal_watcher.h"
#include "window/settings_file.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

const char usage[] = R"(Usage: aurelion [--reset-settings] [LESSON.aurelion-lesson]

Opens the Aurelion window. The window's size and place, its zoom and full screen are kept
between runs in the settings file ~/.config/Aurelion/Aurelion.conf.

  --reset-settings    forget them and start at the design's size
  LESSON              open the lesson and show its first step
  --help              this text
  --version           the program's version
)";

// Written and flushed, or the program ends with a message: a full disk is no success.
int print(const char *text)
{
    if (std::fputs(text, stdout) < 0 || std::fflush(stdout) != 0) {
        std::fputs("aurelion: could not write to standard output\n", stderr);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // The usage and the version need no display: they are answered before Qt looks for one.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return print(usage);
        if (std::strcmp(argv[i], "--version") == 0)
            return print("aurelion " AURELION_VERSION "\n");
    }
    // From here on a request to end waits until the window can keep what it holds.
    SignalWatcher::install();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aurelion"));
    QApplication::setOrganizationName(QStringLiteral("Aurelion"));
    bool reset = false;
    QString lesson;
    for (const QString &arg : QApplication::arguments().mid(1)) {
        if (arg == QLatin1String("--reset-settings")) {
            reset = true;
        } else if (!arg.startsWith(QLatin1Char('-')) && lesson.isEmpty()) {
            lesson = arg;
        } else {
            std::fprintf(stderr, "aurelion: %s: unknown option\n%s", qPrintable(arg), usage);
            return 2;
        }
    }
    load_bundled_fonts();
    SettingsFile settings;
    if (!settings.refused().isEmpty())
        std::fprintf(stderr,
            "aurelion: %s: %s; the settings are not read and the file is left as it is\n",
            qPrintable(settings.file()), qPrintable(settings.refused()));
    if (reset)
        settings.change([](QSettings &file) { file.clear(); });
    WindowOptions options;
    options.device_pixel_ratio =
        app.primaryScreen() ? app.primaryScreen()->devicePixelRatio() : 1.0;
    options.settings = &settings;
    LessonSession session(options, SeededRandom::fresh_seed());
    Recovery recovery(session);
    MainWindow &window = session.window();
    FirstPaintProbe::install(window);
    // The icon waits until the window is up: reading it is no part of the first frame.
    AfterFirstPaint::run(
        window, [&window] { window.setWindowIcon(QIcon(QStringLiteral(":/icons/aurelion.png"))); });
    window.show();
    if (!lesson.isEmpty()) {
        // The windows that show the lesson's steps take their icon from this one.
        window.setWindowIcon(QIcon(QStringLiteral(":/icons/aurelion.png")));
        session.open_lesson(lesson);
    }
    // What runs that were told to end kept is offered once the window is on the screen.
    QTimer::singleShot(0, &recovery, [&recovery] { recovery.offer(); });
    const int status = app.exec();
    recovery.ended_normally();
    return status;
}
