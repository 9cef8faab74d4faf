#include "first_paint.h"
#include "fonts.h"
#include "lesson_session.h"
#include "main_window.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QSettings>

#include <cstdio>

namespace {

const char usage[] = R"(Usage: aurelion [--reset-settings] [LESSON.aurelion-lesson]

Opens the Aurelion window. The window's size and place, its zoom and full screen are kept
between runs in the settings file ~/.config/Aurelion/Aurelion.conf.

  --reset-settings    forget them and start at the design's size
  LESSON              open the lesson and show its first step
  --help              this text
)";

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aurelion"));
    QApplication::setOrganizationName(QStringLiteral("Aurelion"));
    bool reset = false;
    QString lesson;
    for (const QString &arg : QApplication::arguments().mid(1)) {
        if (arg == QLatin1String("--reset-settings")) {
            reset = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(usage, stdout);
            return 0;
        } else if (!arg.startsWith(QLatin1Char('-')) && lesson.isEmpty()) {
            lesson = arg;
        } else {
            std::fprintf(stderr, "aurelion: %s: unknown option\n%s", qPrintable(arg), usage);
            return 2;
        }
    }
    load_bundled_fonts();
    QSettings settings;
    if (reset)
        settings.clear();
    WindowOptions options;
    options.device_pixel_ratio =
        app.primaryScreen() ? app.primaryScreen()->devicePixelRatio() : 1.0;
    options.settings = &settings;
    LessonSession session(options, SeededRandom::fresh_seed());
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
    return app.exec();
}
