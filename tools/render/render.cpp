#include "render.h"

#include "animation.h"
#include "languages.h"
#include "main_window.h"
#include "palette.h"
#include "picture_output.h"
#include "window_actions.h"
#include "worksheet_content.h"

#include <QAction>
#include <QApplication>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>

#include <cmath>
#include <cstdio>

namespace {

const char usage[] = R"(Usage: aurelion-render [OPTIONS] ACTION...

Runs the program's start-up on the offscreen platform, then the actions in order, each through
the handler a user's click reaches, then writes the outputs.

Actions:
  menu:NAME[:INDEX]   a menu command by control name (menu:M_R:4 is Golden ratio, Pentagram)
  click:NAME[:INDEX]  a click on a button, label or check box (click:ComP:0, click:Label7)
  move:X,Y            the pointer moves over the drawing surface to user point (X, Y)
  press:X,Y           the pointer moves there and clicks the drawing surface
  tick[:N]            N ticks of the timer (default 1), each only while it is enabled
  zoom:Z              the window's zoom becomes Z (0.5 to 4), as View, Zoom In does

Options:
  --seed N            seed of the random source, for reproducible pictures
  --png FILE          the window's client area as a user sees it
  --picture FILE      only the drawing surface, by the extension: .png, or .svg or .pdf for
                      vector graphics at the drawing's size on a 96-dpi screen (134.7 mm)
  --page FILE.pdf     a worksheet page: the topic's name, the drawing, the side panel's text
                      and the values of the topic's panels, with the program's name below
  --paper a4|letter   the worksheet's paper (default a4)
  --black-and-white   the picture and the page for a printer without colour: lines and texts
                      black, fills light, the background white
  --scale F           device pixel ratio of the PNG pictures (default 1)
  --zoom Z            the window's zoom for --png, from 0.5 to 4 (default 1): every control,
                      text and line Z times as large; --picture is not affected
  --animation FILE.gif  a GIF of the drawing (as --picture shows it, at --scale) with a frame
                      after every action that leaves the drawing shown
  --frame-every N     with tick actions, a frame every N ticks instead of one after the action
  --delay MS          how long each frame shows, 20 to 600000 ms (default 500, or 40 for
                      frames of ticks); the last frame holds 3 seconds
  --loop, --once      the GIF plays forever (the default) or once
  --language CODE     the language of every text and number: en, de, fr, es, it or pt_BR
                      (default: the one the environment asks for, as the program chooses)
  --state FILE        the window's state as JSON
  --trace FILE        what the surfaces show, one JSON object a line
  --lesson FILE       a lesson file (.aurelion-lesson); its steps replay from the start
  --step N            the outputs show the lesson's step N (from 1), then the actions given
  --handout FILE.pdf  the whole lesson as a booklet: a title page, then a worksheet page for
                      every step headed with its title (--paper and --black-and-white apply)
  --help              this text
)";

bool parse_number(const QString &text, double &value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

QJsonObject trace_line(const QString &surface, const Primitive &p)
{
    QJsonObject o { { QStringLiteral("surface"), surface } };
    const auto optional = [](const std::optional<double> &v) {
        return v ? QJsonValue(*v) : QJsonValue();
    };
    switch (p.op) {
    case Primitive::Op::Line:
    case Primitive::Op::Box:
        o[QStringLiteral("op")] =
            p.op == Primitive::Op::Line ? QStringLiteral("line") : QStringLiteral("box");
        o[QStringLiteral("x1")] = p.x1;
        o[QStringLiteral("y1")] = p.y1;
        o[QStringLiteral("x2")] = p.x2;
        o[QStringLiteral("y2")] = p.y2;
        break;
    case Primitive::Op::Circle:
        o[QStringLiteral("op")] = QStringLiteral("circle");
        o[QStringLiteral("x")] = p.x1;
        o[QStringLiteral("y")] = p.y1;
        o[QStringLiteral("r")] = p.radius;
        o[QStringLiteral("start")] = optional(p.start);
        o[QStringLiteral("end")] = optional(p.end);
        o[QStringLiteral("aspect")] = p.aspect;
        break;
    case Primitive::Op::Point:
        o[QStringLiteral("op")] = QStringLiteral("point");
        o[QStringLiteral("x")] = p.x1;
        o[QStringLiteral("y")] = p.y1;
        break;
    case Primitive::Op::Text:
        o[QStringLiteral("op")] = QStringLiteral("text");
        o[QStringLiteral("x")] = p.x1;
        o[QStringLiteral("y")] = p.y1;
        o[QStringLiteral("text")] = p.text;
        break;
    }
    o[QStringLiteral("color")] = colour_name(p.colour);
    if (p.op == Primitive::Op::Line || p.op == Primitive::Op::Box
        || p.op == Primitive::Op::Circle) {
        o[QStringLiteral("style")] = p.draw_style;
        o[QStringLiteral("width")] = p.draw_width;
    }
    if (p.op == Primitive::Op::Box || p.op == Primitive::Op::Circle) {
        o[QStringLiteral("fill")] = p.fill ? QJsonValue(colour_name(*p.fill)) : QJsonValue();
        o[QStringLiteral("fill_style")] = p.fill_style;
    }
    return o;
}

QByteArray trace_of(MainWindow &window)
{
    Form1 &f = window.form();
    struct Entry
    {
        const Primitive *primitive;
        QString surface;
    };
    std::vector<Entry> entries;
    const auto collect = [&entries](const Surface &s, const QString &name) {
        for (const Primitive &p : s.record())
            entries.push_back({ &p, name });
    };
    collect(f.Picture1->surface(), QStringLiteral("Picture1"));
    collect(f.Picture2->surface(), QStringLiteral("Picture2"));
    collect(window.Form1_surface(), QStringLiteral("Form1"));
    std::stable_sort(entries.begin(), entries.end(),
        [](const Entry &a, const Entry &b) { return a.primitive->serial < b.primitive->serial; });
    QByteArray out;
    for (const Entry &e : entries) {
        out += QJsonDocument(trace_line(e.surface, *e.primitive)).toJson(QJsonDocument::Compact);
        out += '\n';
    }
    return out;
}

// Writes through a temporary file that replaces the target only when complete.
QString save(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    const QString why = save_file(path, write);
    return why.isEmpty() ? QString()
                         : QStringLiteral("%1: cannot write the file: %2").arg(path, why);
}

} // namespace

const char *render_usage() { return usage; }

QString parse_render_arguments(int argc, char *argv[], RenderRequest &request)
{
    std::optional<bool> looping;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const auto value = [&](QString &into) -> QString {
            if (i + 1 >= argc)
                return QStringLiteral("%1: needs a value").arg(arg);
            into = QString::fromLocal8Bit(argv[++i]);
            return {};
        };
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            request.help = true;
        } else if (arg == QLatin1String("--png")) {
            if (QString e = value(request.png); !e.isEmpty())
                return e;
        } else if (arg == QLatin1String("--picture")) {
            if (QString e = value(request.picture); !e.isEmpty())
                return e;
            if (!picture_format_of(request.picture))
                return QStringLiteral("--picture %1: the file must end in .png, .svg or .pdf")
                    .arg(request.picture);
        } else if (arg == QLatin1String("--animation")) {
            if (QString e = value(request.animation); !e.isEmpty())
                return e;
            if (!request.animation.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
                return QStringLiteral("--animation %1: the file must end in .gif")
                    .arg(request.animation);
        } else if (arg == QLatin1String("--frame-every")) {
            QString text;
            if (QString e = value(text); !e.isEmpty())
                return e;
            bool ok = false;
            request.frame_every = text.toLong(&ok);
            if (!ok || request.frame_every < 1)
                return QStringLiteral("--frame-every %1: not a whole number of 1 or more")
                    .arg(text);
        } else if (arg == QLatin1String("--delay")) {
            QString text;
            if (QString e = value(text); !e.isEmpty())
                return e;
            bool ok = false;
            const int delay = text.toInt(&ok);
            if (!ok || delay < 20 || delay > 600000)
                return QStringLiteral("--delay %1: not a whole number of milliseconds from 20 to "
                                      "600000")
                    .arg(text);
            request.delay = delay;
        } else if (arg == QLatin1String("--loop") || arg == QLatin1String("--once")) {
            const bool loop = arg == QLatin1String("--loop");
            if (looping && *looping != loop)
                return QStringLiteral("%1: --loop and --once exclude each other").arg(arg);
            looping = loop;
            request.loop = loop;
        } else if (arg == QLatin1String("--page")) {
            if (QString e = value(request.page); !e.isEmpty())
                return e;
            if (picture_format_of(request.page) != PictureFormat::Pdf)
                return QStringLiteral("--page %1: the file must end in .pdf").arg(request.page);
        } else if (arg == QLatin1String("--paper")) {
            QString text;
            if (QString e = value(text); !e.isEmpty())
                return e;
            if (text.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
                request.paper = Paper::A4;
            else if (text.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
                request.paper = Paper::Letter;
            else
                return QStringLiteral("--paper %1: expected a4 or letter").arg(text);
        } else if (arg == QLatin1String("--black-and-white")) {
            request.black_and_white = true;
        } else if (arg == QLatin1String("--state")) {
            if (QString e = value(request.state); !e.isEmpty())
                return e;
        } else if (arg == QLatin1String("--trace")) {
            if (QString e = value(request.trace); !e.isEmpty())
                return e;
        } else if (arg == QLatin1String("--seed")) {
            QString text;
            if (QString e = value(text); !e.isEmpty())
                return e;
            bool ok = false;
            request.seed = text.toULongLong(&ok);
            if (!ok)
                return QStringLiteral("--seed %1: not a whole number of 0 or more").arg(text);
        } else if (arg == QLatin1String("--scale")) {
            QString text;
            if (QString e = value(text); !e.isEmpty())
                return e;
            if (!parse_number(text, request.scale) || request.scale < 0.25 || request.scale > 8)
                return QStringLiteral("--scale %1: not a number from 0.25 to 8").arg(text);
        } else if (arg == QLatin1String("--zoom")) {
            QString text;
            if (QString e = value(text); !e.isEmpty())
                return e;
            if (!parse_number(text, request.zoom) || request.zoom < 0.5 || request.zoom > 4)
                return QStringLiteral("--zoom %1: not a number from 0.5 to 4").arg(text);
        } else if (const std::optional<QString> e = parse_lesson_option(arg, value, request)) {
            if (!e->isEmpty())
                return *e;
        } else if (arg == QLatin1String("--language")) {
            if (QString e = value(request.language); !e.isEmpty())
                return e;
            if (!Languages::codes().contains(request.language))
                return QStringLiteral("--language %1: expected one of %2")
                    .arg(request.language, Languages::codes().join(QLatin1String(", ")));
        } else if (arg.startsWith(QLatin1String("-"))) {
            return QStringLiteral("%1: unknown option").arg(arg);
        } else {
            RenderAction action;
            if (QString e = parse_action(arg, action); !e.isEmpty())
                return e;
            request.actions.push_back(action);
        }
    }
    return apply_lesson(request);
}

int run_render(const RenderRequest &request)
{
    RecordedMessageBox messages;
    SeededRandom random(request.seed ? *request.seed : SeededRandom::fresh_seed());
    WindowOptions options;
    options.device_pixel_ratio = request.scale;
    options.zoom = request.zoom;
    options.language = request.language;
    options.manual_timer = true;
    options.record_drawing = true;
    options.messages = &messages;
    options.random = &random;
    MainWindow window(options);
    window.show();
    QApplication::processEvents();

    const auto fail = [](const QString &error) {
        std::fprintf(stderr, "aurelion-render: %s\n", qPrintable(error));
        return 2;
    };
    Form1 &f = window.form();
    Animation animation(*f.Picture1);
    if (!request.animation.isEmpty())
        animation.start(request.animation, request.scale, request.loop);
    // A frame of the drawing while it is shown; the title screen has none.
    const auto frame = [&](int default_delay) {
        if (!animation.recording() || !seen(*f.Picture1, window))
            return true;
        return animation.add_frame(request.delay.value_or(default_delay));
    };
    for (const RenderAction &action : request.actions) {
        if (action.kind == RenderAction::Kind::Tick && request.frame_every > 0) {
            for (long i = 1; i <= action.count; ++i) {
                f.Timer1->tick();
                if ((i % request.frame_every == 0 || i == action.count) && !frame(40))
                    return fail(animation.error());
            }
            continue;
        }
        if (const QString error = perform(window, action); !error.isEmpty())
            return fail(error);
        if (!frame(action.kind == RenderAction::Kind::Tick ? 40 : 500))
            return fail(animation.error());
    }
    if (animation.recording() && !animation.finish(3000))
        return fail(animation.error());

    // A worksheet needs a topic: refused before any output is written.
    if (!request.page.isEmpty() && (window.form().topic < 1 || window.form().topic > 16)) {
        std::fprintf(stderr,
            "aurelion-render: --page %s: no topic is shown; choose one with menu:NAME first\n",
            qPrintable(request.page));
        return 2;
    }

    const Ink ink = request.black_and_white ? Ink::BlackAndWhite : Ink::Colour;
    QString error;
    if (error.isEmpty() && !request.state.isEmpty()) {
        const QByteArray json =
            QJsonDocument(state_of(window, messages)).toJson(QJsonDocument::Indented);
        error = save(request.state, [&json](QIODevice &d) { return d.write(json) == json.size(); });
    }
    if (error.isEmpty() && !request.trace.isEmpty()) {
        const QByteArray lines = trace_of(window);
        error =
            save(request.trace, [&lines](QIODevice &d) { return d.write(lines) == lines.size(); });
    }
    if (error.isEmpty() && !request.png.isEmpty()) {
        const QImage image = window.grab().toImage();
        error = save(request.png, [&image](QIODevice &d) { return image.save(&d, "PNG"); });
    }
    if (error.isEmpty() && !request.picture.isEmpty()) {
        const PictureBox &picture = *window.form().Picture1;
        const PictureFormat format = *picture_format_of(request.picture);
        error = save(request.picture, [&](QIODevice &d) {
            return write_picture(picture, format, request.scale, ink, d, picture_title(window));
        });
    }
    if (error.isEmpty() && !request.page.isEmpty()) {
        const Worksheet sheet = worksheet_of(window);
        error = save(request.page, [&](QIODevice &d) {
            return write_worksheet_pdf(sheet, page_size_of(request.paper), ink, d);
        });
    }
    if (error.isEmpty() && !request.handout.isEmpty())
        error = write_handout(request);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "aurelion-render: %s\n", qPrintable(error));
        return 2;
    }
    return 0;
}
