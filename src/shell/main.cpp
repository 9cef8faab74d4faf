#include "first_paint.h"
#include "fonts.h"
#include "language/languages.h"
#include "lesson/lesson_session.h"
#include "main_window.h"
#include "recovery/recovery.h"
#include "recovery/signal_watcher.h"
#include "window/settings_file.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

const char usage[] =
    QT_TRANSLATE_NOOP("Usage", R"(Usage: aurelion [--reset-settings] [LESSON.aurelion-lesson]

Opens the Aurelion window. The window's size and place, its zoom and full screen are kept
between runs in the settings file ~/.config/Aurelion/Aurelion.conf.

  --reset-settings    forget them and start at the design's size
  LESSON              open the lesson and show its first step
  --help              this text
  --version           the program's version
)");

// The usage in the language the environment asks for, before the window chooses its own.
QByteArray usage_text()
{
    return Languages::translate(Languages::from_environment(), "Usage", usage).toUtf8();
}

// Written and flushed, or the program ends with a message: a full disk is no success.
int print(const char *text)
{
    if (std::fputs(text, stdout) < 0 || std::fflush(stdout) != 0) {
        std::fputs("aurelion: could not write to standard output\n", stderr);
        return 1;
    }
    return 0;
}

// The options QApplication takes from the command line itself, as "-name" or "--name", and
// whether a value follows.
struct QtOption
{
    const char *name;
    bool value;
};
constexpr QtOption qt_options[] = { { "platform", true }, { "platformpluginpath", true },
    { "platformtheme", true }, { "plugin", true }, { "qwindowgeometry", true },
    { "geometry", true }, { "qwindowtitle", true }, { "title", true }, { "qwindowicon", true },
    { "icon", true }, { "session", true }, { "display", true }, { "name", true },
    { "visual", true }, { "style", true }, { "stylesheet", true }, { "reverse", false },
    { "nograb", false }, { "dograb", false }, { "widgetcount", false }, { "testability", false } };

// How many arguments one of Qt's options takes up, or nothing for an option Qt does not know.
std::optional<int> qt_option(const char *arg)
{
    const char *name = arg + (std::strncmp(arg, "--", 2) == 0 ? 2 : 1);
    for (const QtOption &option : qt_options) {
        const std::size_t length = std::strlen(option.name);
        if (std::strncmp(name, option.name, length) != 0)
            continue;
        if (name[length] == '\0')
            return option.value ? 2 : 1;
        if (option.value && name[length] == '=')
            return 1;
    }
    if (std::strncmp(name, "qmljsdebugger=", 14) == 0)
        return 1;
    return std::nullopt;
}

struct CommandLine
{
    bool reset = false;
    QString lesson;
};

// Reads the command line before Qt looks for a display, so that a usage error is told as one
// wherever the program runs; answers the exit status where the program ends here.
std::optional<int> read_command_line(int argc, char *argv[], CommandLine &line)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return print(usage_text().constData());
        if (std::strcmp(argv[i], "--version") == 0)
            return print("aurelion " AURELION_VERSION "\n");
    }
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        std::optional<int> taken;
        if (std::strcmp(arg, "--reset-settings") == 0) {
            line.reset = true;
            continue;
        }
        if (arg[0] != '-') {
            if (!line.lesson.isEmpty()) {
                std::fprintf(stderr, "aurelion: %s: one lesson at a time\n%s", arg, usage_text().constData());
                return 2;
            }
            line.lesson = QFile::decodeName(arg);
            continue;
        }
        if (arg[0] == '-' && arg[1] != '\0')
            taken = qt_option(arg);
        if (!taken) {
            std::fprintf(stderr, "aurelion: %s: unknown option\n%s", arg, usage_text().constData());
            return 2;
        }
        i += *taken - 1;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    CommandLine line;
    if (const std::optional<int> status = read_command_line(argc, argv, line))
        return *status;
    // From here on a request to end waits until the window can keep what it holds.
    SignalWatcher::install();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aurelion"));
    QApplication::setOrganizationName(QStringLiteral("Aurelion"));
    load_bundled_fonts();
    SettingsFile settings;
    if (!settings.refused().isEmpty())
        std::fprintf(stderr,
            "aurelion: %s: %s; the settings are not read and the file is left as it is\n",
            qPrintable(settings.file()), qPrintable(settings.refused()));
    if (line.reset)
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
    if (!line.lesson.isEmpty()) {
        // The windows that show the lesson's steps take their icon from this one.
        window.setWindowIcon(QIcon(QStringLiteral(":/icons/aurelion.png")));
        session.open_lesson(line.lesson);
    }
    // What runs that were told to end kept is offered once the window is on the screen.
    QTimer::singleShot(0, &recovery, [&recovery] { recovery.offer(); });
    const int status = app.exec();
    recovery.ended_normally();
    return status;
}
