#include "render.h"

#include "language/languages.h"
#include "main_window.h"
#include "output_file.h"
#include "palette.h"
#include "picture/animation.h"
#include "picture/worksheet_content.h"
#include "picture_output.h"
#include "window_actions.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>

namespace {

const char usage[] = QT_TRANSLATE_NOOP("RenderUsage", R"(Usage: aurelion-render [OPTIONS] ACTION...

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
                      (again for more pictures of the same state, each in its own format)
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
                      every step headed with its title, its texts and its questions with ruled
                      lines to answer on (--paper and --black-and-white apply)
  --handout FILE.html  the whole lesson as one web page for any browser, phone or learning
                      platform: each step's drawing, texts and questions, no scripts and no
                      request to any other file
  --answer-key FILE   the same as --handout (.pdf or .html) with each question's answer
  --format png|svg|pdf  the format of --picture where its name has no extension (-, a pipe)
  --help              this text

Every FILE is written whole or not at all, through a temporary file beside it, and all of
them take their names together once all are made, or none does; a pipe or a
device is written in place, and - is the standard output (one output at most), so
  aurelion-render menu:M_R:2 --picture - --format svg > rectangle.svg
A name whose extension says another format (--png a.svg), an empty name, the same file for
two outputs and a folder that is missing or cannot be written are refused before drawing;
so are a file you may not write, an output that is the --lesson file, an output option
given twice (but --picture) and an animation of more than 3000 frames.
The window is drawn at --zoom times --scale (and at any zoom:Z): at most 16384 pixels a side.
It is always drawn offscreen, whatever QT_QPA_PLATFORM says.

Exit status: 0 when everything is done and written; 1 when this text cannot be written to
the standard output; 2 for a bad argument, action or output (a one-line message on standard
error names it; an output that cannot be written, a full disk or a closed pipe among them,
says why). SIGINT and SIGTERM end it by the signal, with no temporary file left.
)");

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

// A primitive's line of the trace, as QJsonDocument writes trace_line(): keys in order, numbers
// in their shortest form. Points come by the million, so their line is put together directly;
// a coordinate whose writing could differ (a negative zero, a whole number written in full, one
// not finite) takes the general way.
QByteArray trace_bytes(const QString &surface, const QByteArray &surface_utf8, const Primitive &p)
{
    const auto plain = [](double v) {
        return std::isfinite(v) && std::fabs(v) < 1e15 && !(v == 0 && std::signbit(v));
    };
    if (p.op == Primitive::Op::Point && plain(p.x1) && plain(p.y1)) {
        QByteArray line = QByteArrayLiteral("{\"color\":\"");
        line += colour_name(p.colour).toLatin1();
        line += QByteArrayLiteral("\",\"op\":\"point\",\"surface\":\"");
        line += surface_utf8;
        line += QByteArrayLiteral("\",\"x\":");
        line += QByteArray::number(p.x1, 'g', QLocale::FloatingPointShortest);
        line += QByteArrayLiteral(",\"y\":");
        line += QByteArray::number(p.y1, 'g', QLocale::FloatingPointShortest);
        line += '}';
        return line;
    }
    return QJsonDocument(trace_line(surface, p)).toJson(QJsonDocument::Compact);
}

// One surface's part of the trace while the actions run: its lines, each with its place in the
// window's drawing order, in an unnamed temporary file, dropped when the surface is erased.
class TraceSpool final : public RecordSink
{
public:
    TraceSpool(const QString &surface, const QString &folder)
        : surface_(surface)
        , surface_utf8_(surface.toUtf8())
    {
        // Nothing of it stays on the disk once the tool ends, however it ends.
        errno = 0;
        if (!OutputFile::open_scratch(folder, file_))
            error_ = OutputFile::reason(file_, errno);
    }

    void recorded(const Primitive &p) override
    {
        if (!error_.isEmpty())
            return;
        const QByteArray line = trace_bytes(surface_, surface_utf8_, p);
        const quint64 serial = p.serial;
        const quint32 size = quint32(line.size());
        errno = 0;
        if (file_.write(reinterpret_cast<const char *>(&serial), sizeof serial) != sizeof serial
            || file_.write(reinterpret_cast<const char *>(&size), sizeof size) != sizeof size
            || file_.write(line) != line.size())
            error_ = OutputFile::reason(file_, errno);
    }

    void erased() override
    {
        if (!error_.isEmpty())
            return;
        errno = 0;
        if (!file_.flush() || !file_.resize(0) || !file_.seek(0))
            error_ = OutputFile::reason(file_, errno);
    }

    QString error() const { return error_; }

    bool rewind()
    {
        errno = 0;
        if (error_.isEmpty() && (!file_.flush() || !file_.seek(0)))
            error_ = OutputFile::reason(file_, errno);
        return error_.isEmpty() && next();
    }

    // The next line to read, if any.
    bool next()
    {
        quint32 size = 0;
        if (file_.read(reinterpret_cast<char *>(&serial), sizeof serial) != sizeof serial
            || file_.read(reinterpret_cast<char *>(&size), sizeof size) != sizeof size)
            return (done = true, false);
        line = file_.read(size);
        if (line.size() != qsizetype(size)) {
            error_ = QStringLiteral("the trace's temporary file was cut short");
            return (done = true, false);
        }
        return true;
    }

    quint64 serial = 0;
    QByteArray line;
    bool done = false;

private:
    QString surface_;
    QByteArray surface_utf8_;
    QFile file_;
    QString error_;
};

// The lines of all surfaces in the window's drawing order, into the trace file.
bool write_trace(std::vector<std::unique_ptr<TraceSpool>> &spools, OutputFile &out)
{
    for (auto &s : spools)
        s->rewind();
    for (;;) {
        TraceSpool *first = nullptr;
        for (auto &s : spools)
            if (!s->done && (!first || s->serial < first->serial))
                first = s.get();
        if (!first)
            break;
        if (!out.write(first->line) || !out.write("\n", 1))
            return false;
        first->next();
    }
    return std::all_of(
        spools.begin(), spools.end(), [](const auto &s) { return s->error().isEmpty(); });
}

QString cannot_write(const QString &path, const QString &why)
{
    return why.isEmpty()
        ? QString()
        : QStringLiteral("%1: cannot write the file: %2").arg(OutputFile::quoted(path), why);
}

// Writes through a temporary file that replaces the target only when complete.
QString save(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    return cannot_write(path, save_file(path, write));
}

} // namespace

QByteArray render_usage(const QString &language)
{
    return Languages::translate(
        language.isEmpty() ? Languages::from_environment() : language, "RenderUsage", usage)
        .toUtf8();
}

void print_render_error(const QString &message)
{
    // A name is quoted where a message is made; a control character that reaches here all the
    // same (in an action word, a lesson's name) is shown as its code, so the message stays
    // one line.
    QString line;
    for (const QChar c : message)
        line += c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
                || c.category() == QChar::Separator_Paragraph
            ? QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'))
            : QString(c);
    std::fprintf(stderr, "aurelion-render: %s\n", line.toLocal8Bit().constData());
}

namespace {

// One option of the command line: what it is called and what it does with its value. A handler
// returns why the value is refused, or nothing.
struct OptionSpec
{
    const char *name;
    bool takes_value;
    std::function<QString(RenderRequest &, const QString &value)> apply;
};

QString whole_number(const QString &text, long smallest, long &into, const char *why)
{
    bool ok = false;
    into = text.toLong(&ok);
    return ok && into >= smallest ? QString() : QLatin1String(why);
}

// Why a second output option of the kind is refused: it would silently take the first one's
// place.
QString given_again(const char *name)
{
    return QStringLiteral("%1 is given twice; every output but --picture is given once")
        .arg(QLatin1String(name));
}

// An option naming an output file: its name is kept, the checks come once all are read.
OptionSpec output_option(const char *name, QString RenderRequest::*path)
{
    return { name, true, [name, path](RenderRequest &r, const QString &value) {
                if (value.isEmpty())
                    return QStringLiteral("the file name is empty");
                if (!(r.*path).isEmpty())
                    return given_again(name);
                r.*path = value;
                return QString();
            } };
}

const std::vector<OptionSpec> &option_table()
{
    static const std::vector<OptionSpec> table {
        { "--help", false,
            [](RenderRequest &r, const QString &) {
                r.help = true;
                return QString();
            } },
        { "-h", false,
            [](RenderRequest &r, const QString &) {
                r.help = true;
                return QString();
            } },
        output_option("--png", &RenderRequest::png),
        { "--picture", true,
            [](RenderRequest &r, const QString &value) {
                if (value.isEmpty())
                    return QStringLiteral("the file name is empty");
                r.pictures << value;
                return QString();
            } },
        output_option("--page", &RenderRequest::page),
        output_option("--animation", &RenderRequest::animation),
        output_option("--state", &RenderRequest::state),
        output_option("--trace", &RenderRequest::trace),
        { "--format", true,
            [](RenderRequest &r, const QString &value) {
                r.format = picture_format_of(QLatin1Char('.') + value.toLower());
                return r.format ? QString() : QStringLiteral("expected png, svg or pdf");
            } },
        { "--frame-every", true,
            [](RenderRequest &r, const QString &value) {
                return whole_number(value, 1, r.frame_every, "not a whole number of 1 or more");
            } },
        { "--delay", true,
            [](RenderRequest &r, const QString &value) {
                bool ok = false;
                const int delay = value.toInt(&ok);
                if (!ok || delay < 20 || delay > 600000)
                    return QStringLiteral("not a whole number of milliseconds from 20 to 600000");
                r.delay = delay;
                return QString();
            } },
        { "--loop", false,
            [](RenderRequest &r, const QString &) {
                if (r.looping && !*r.looping)
                    return QStringLiteral("--loop and --once exclude each other");
                r.looping = r.loop = true;
                return QString();
            } },
        { "--once", false,
            [](RenderRequest &r, const QString &) {
                if (r.looping && *r.looping)
                    return QStringLiteral("--loop and --once exclude each other");
                r.looping = true;
                r.loop = false;
                return QString();
            } },
        { "--paper", true,
            [](RenderRequest &r, const QString &value) {
                if (value.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
                    r.paper = Paper::A4;
                else if (value.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
                    r.paper = Paper::Letter;
                else
                    return QStringLiteral("expected a4 or letter");
                return QString();
            } },
        { "--black-and-white", false,
            [](RenderRequest &r, const QString &) {
                r.black_and_white = true;
                return QString();
            } },
        { "--language", true,
            [](RenderRequest &r, const QString &value) {
                r.language = value;
                return Languages::codes().contains(value)
                    ? QString()
                    : QStringLiteral("expected one of %1")
                          .arg(Languages::codes().join(QLatin1String(", ")));
            } },
        { "--seed", true,
            [](RenderRequest &r, const QString &value) {
                bool ok = false;
                r.seed = value.toULongLong(&ok);
                return ok ? QString() : QStringLiteral("not a whole number of 0 or more");
            } },
        { "--scale", true,
            [](RenderRequest &r, const QString &value) {
                return parse_number(value, r.scale) && r.scale >= 0.25 && r.scale <= 8
                    ? QString()
                    : QStringLiteral("not a number from 0.25 to 8");
            } },
        { "--zoom", true,
            [](RenderRequest &r, const QString &value) {
                return parse_number(value, r.zoom) && r.zoom >= 0.5 && r.zoom <= 4
                    ? QString()
                    : QStringLiteral("not a number from 0.5 to 4");
            } },
    };
    return table;
}

// The file name's extension, if it names a kind of file ("png" for a.PNG; nothing for
// "notes" or "/dev/null").
QString extension_of(const QString &path)
{
    static const QStringList known { "png", "svg", "svgz", "pdf", "gif", "jpg", "jpeg", "bmp",
        "webp", "avif", "heic", "jxl", "tif", "tiff", "ico", "ppm", "pgm", "pbm", "xpm", "xbm",
        "ps", "eps", "emf", "wmf", "odg", "html", "htm", "xml", "json", "jsonl", "ndjson", "txt",
        "csv", "zip" };
    const QString suffix = QFileInfo(path).suffix().toLower();
    return known.contains(suffix) ? suffix : QString();
}

// Why a name contradicts what its option writes, or nothing. A stream ("-", a pipe, a device)
// carries no name to contradict.
QString contradiction(const RenderRequest &r, const RenderRequest::Output &output)
{
    const QString extension = extension_of(output.path);
    const bool stream = OutputFile::is_stream(output.path);
    if (!output.format) {
        const auto named = picture_format_of(output.path);
        if (named && r.format && *named != *r.format)
            return QStringLiteral("the name's extension and --format differ");
        // --format serves a name without an extension; one that says another format is
        // refused with it as without it.
        if (!named && !extension.isEmpty() && !stream)
            return QStringLiteral("the name ends in .%1, but --picture writes PNG, SVG or PDF")
                .arg(extension);
        if (named || r.format)
            return {};
        return stream ? QStringLiteral("give the format with --format png, svg or pdf")
                      : QStringLiteral("the file must end in .png, .svg or .pdf");
    }
    if (stream || output.extensions.contains(extension))
        return {};
    if (extension.isEmpty())
        return QStringLiteral("the file must end in .%1").arg(output.extensions.front());
    return QStringLiteral("the name ends in .%1, but %2 writes %3")
        .arg(extension, QLatin1String(output.option), QLatin1String(output.format));
}

// How many frames the actions make in an animation: one after each action from the first menu
// command on (before it the title screen shows, without the drawing; a menu command always
// shows it), and with --frame-every one every so many ticks of a tick action and one after
// its last.
long frames_made(const RenderRequest &r)
{
    long frames = 0;
    bool shown = false;
    for (const RenderAction &a : r.actions) {
        shown = shown || a.kind == RenderAction::Kind::Menu;
        if (!shown)
            continue;
        if (a.kind == RenderAction::Kind::Tick && r.frame_every > 0)
            frames += a.count / r.frame_every + (a.count % r.frame_every != 0 ? 1 : 0);
        else
            ++frames;
        if (frames > Animation::max_frames)
            break;
    }
    return frames;
}

// The checks that need the whole command line: the output files, and the size of the picture.
QString check_request(const RenderRequest &r)
{
    QHash<QString, QString> taken; // identity -> option
    // An input is never written over: the lesson stays as it was.
    if (!r.lesson.isEmpty())
        taken.insert(OutputFile::identity(r.lesson),
            QStringLiteral("--lesson %1, an input").arg(OutputFile::quoted(r.lesson)));
    bool standard_output = false;
    for (const RenderRequest::Output &output : r.outputs()) {
        const QString &path = output.path;
        const QString named =
            QStringLiteral("%1 %2").arg(QLatin1String(output.option), OutputFile::quoted(path));
        if (const QString why = contradiction(r, output); !why.isEmpty())
            return QStringLiteral("%1: %2").arg(named, why);
        if (const QString why = OutputFile::check(path); !why.isEmpty())
            return QStringLiteral("%1: %2").arg(named, why);
        if (OutputFile::is_standard_output(path)) {
            if (standard_output)
                return QStringLiteral("%1: only one output can be the standard output").arg(named);
            standard_output = true;
        }
        const QString identity = OutputFile::identity(path);
        if (const auto other = taken.constFind(identity); other != taken.constEnd())
            return QStringLiteral("%1: the same file as %2").arg(named, *other);
        taken.insert(identity, named);
    }
    if (r.format && r.pictures.isEmpty())
        return QStringLiteral("--format: only --picture takes a format");
    if (!r.animation.isEmpty())
        if (const long frames = frames_made(r); frames > Animation::max_frames)
            return QStringLiteral("--animation %1: the actions make more than %2 frames, as many "
                                  "as a recording may hold")
                .arg(OutputFile::quoted(r.animation))
                .arg(Animation::max_frames);

    // The window is drawn at its zoom and scale whatever is written: 820 x 560 pixels at 1.
    double zoom = r.zoom;
    QString zoom_named = QStringLiteral("--zoom %1").arg(r.zoom);
    for (const RenderAction &a : r.actions)
        if (a.kind == RenderAction::Kind::Zoom && a.x > zoom) {
            zoom = a.x;
            zoom_named = a.argument;
        }
    const double side = std::ceil(820 * zoom * r.scale);
    if (side > render_pixel_limit)
        return QStringLiteral("--scale %1 %2: the window would be %3 pixels wide, more than the "
                              "%4 pixels a side a picture may have")
            .arg(r.scale)
            .arg(zoom_named)
            .arg(side)
            .arg(render_pixel_limit);
    return {};
}

} // namespace

QString parse_render_arguments(int argc, char *argv[], RenderRequest &request)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QFile::decodeName(argv[i]);
        // The lesson's options read their values through this; a name is checked as every output's.
        const auto lesson_value = [&](QString &into) -> QString {
            if (i + 1 >= argc)
                return QStringLiteral("%1: needs a value").arg(arg);
            const QByteArray raw = argv[++i];
            into = QFile::decodeName(raw);
            if (QFile::encodeName(into) != raw)
                return QStringLiteral("%1 %2: the name is not valid UTF-8")
                    .arg(arg, OutputFile::quoted(into));
            if (into.isEmpty())
                return QStringLiteral("%1: the value is empty").arg(arg);
            return {};
        };
        const auto spec = std::find_if(option_table().begin(), option_table().end(),
            [&arg](const OptionSpec &o) { return arg == QLatin1String(o.name); });
        if (spec != option_table().end()) {
            QString value;
            if (spec->takes_value) {
                if (i + 1 >= argc)
                    return QStringLiteral("%1: needs a value").arg(arg);
                const QByteArray raw = argv[++i];
                value = QFile::decodeName(raw);
                // A name the system's encoding cannot carry would be written under another name.
                if (QFile::encodeName(value) != raw)
                    return QStringLiteral("%1 %2: the name is not valid UTF-8")
                        .arg(arg, OutputFile::quoted(value));
            }
            if (const QString why = spec->apply(request, value); !why.isEmpty())
                return value.isEmpty()
                    ? QStringLiteral("%1: %2").arg(arg, why)
                    : QStringLiteral("%1 %2: %3").arg(arg, OutputFile::quoted(value), why);
        } else if ((arg == QLatin1String("--handout") && !request.handout.isEmpty())
            || (arg == QLatin1String("--answer-key") && !request.answer_key.isEmpty())) {
            return QStringLiteral("%1: %2").arg(arg, given_again(qPrintable(arg)));
        } else if (const std::optional<QString> e =
                       parse_lesson_option(arg, lesson_value, request)) {
            if (!e->isEmpty())
                return *e;
        } else if (arg.startsWith(QLatin1String("-"))) {
            return QStringLiteral("%1: unknown option").arg(arg);
        } else {
            RenderAction action;
            if (QString e = parse_action(arg, action); !e.isEmpty())
                return e;
            request.actions.push_back(action);
        }
    }
    if (request.help)
        return {};
    if (const QString why = apply_lesson(request); !why.isEmpty())
        return why;
    return check_request(request);
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
    // Only a trace needs the primitives one by one; they go to its spools as they are drawn.
    options.record_drawing = !request.trace.isEmpty();
    options.messages = &messages;
    options.random = &random;
    MainWindow window(options);
    Form1 &f = window.form();
    std::vector<std::unique_ptr<TraceSpool>> spools;
    if (options.record_drawing) {
        // Beside the trace, where there is room for it; a stream's in the temporary folder.
        const QString folder = OutputFile::is_stream(request.trace)
            ? QDir::tempPath()
            : QFileInfo(request.trace).absolutePath();
        for (const auto &[name, surface] : { std::pair { "Picture1", &f.Picture1->surface() },
                 std::pair { "Picture2", &f.Picture2->surface() },
                 std::pair { "Form1", &window.Form1_surface() } }) {
            spools.push_back(std::make_unique<TraceSpool>(QLatin1String(name), folder));
            surface->set_record_sink(spools.back().get());
        }
    }
    window.show();
    QApplication::processEvents();

    const auto fail = [](const QString &error) {
        print_render_error(error);
        return int(render_refused);
    };
    // Every file of the run, the animation's among them, takes its name at the end, or none.
    OutputFile::Batch batch;
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
            // Ticks act only while the timer runs: the first that stops it ends the action.
            long ticks = 0;
            while (ticks < action.count && f.Timer1->Enabled()) {
                f.Timer1->tick();
                if (++ticks % request.frame_every == 0 && !frame(40))
                    return fail(animation.error());
            }
            if ((ticks == 0 || ticks % request.frame_every != 0) && !frame(40))
                return fail(animation.error());
            continue;
        }
        if (const QString error = perform(window, action); !error.isEmpty())
            return fail(error);
        if (!frame(action.kind == RenderAction::Kind::Tick ? 40 : 500))
            return fail(animation.error());
    }
    for (const auto &spool : spools)
        if (!spool->error().isEmpty())
            return fail(cannot_write(request.trace, spool->error()));

    // A worksheet needs a topic: refused before any output is written.
    if (!request.page.isEmpty() && (window.form().topic < 1 || window.form().topic > 16))
        return fail(QStringLiteral("--page %1: no topic is shown; choose one with menu:NAME first")
                        .arg(OutputFile::quoted(request.page)));
    if (animation.recording() && !animation.finish(3000))
        return fail(animation.error());

    const Ink ink = request.black_and_white ? Ink::BlackAndWhite : Ink::Colour;
    // Each output, made by a function that returns why it failed. The files are made first
    // and wait in the batch, then the streams are written (a pipe cannot be taken back), then
    // the files take their names together.
    std::vector<std::pair<QString, std::function<QString()>>> outputs;
    if (!request.state.isEmpty())
        outputs.emplace_back(request.state, [&] {
            const QByteArray json =
                QJsonDocument(state_of(window, messages)).toJson(QJsonDocument::Indented);
            return save(
                request.state, [&json](QIODevice &d) { return d.write(json) == json.size(); });
        });
    if (!request.trace.isEmpty())
        outputs.emplace_back(request.trace, [&] {
            return cannot_write(request.trace,
                save_stream(request.trace,
                    [&spools](OutputFile &out) { return write_trace(spools, out); }));
        });
    if (!request.png.isEmpty())
        outputs.emplace_back(request.png, [&] {
            QImage image = window.grab().toImage();
            // The window means its size on a 96-dpi screen, as the pictures do.
            const int dots_per_metre = qRound(96 * request.scale / 0.0254);
            image.setDotsPerMeterX(dots_per_metre);
            image.setDotsPerMeterY(dots_per_metre);
            return save(request.png, [&image](QIODevice &d) { return image.save(&d, "PNG"); });
        });
    for (const QString &path : request.pictures)
        outputs.emplace_back(path, [&] {
            const PictureBox &picture = *window.form().Picture1;
            const PictureFormat format =
                picture_format_of(path).value_or(request.format.value_or(PictureFormat::Png));
            return save(path, [&](QIODevice &d) {
                return write_picture(picture, format, request.scale, ink, d, picture_title(window));
            });
        });
    if (!request.page.isEmpty())
        outputs.emplace_back(request.page, [&] {
            const Worksheet sheet = worksheet_of(window);
            return save(request.page, [&](QIODevice &d) {
                return write_worksheet_pdf(sheet, page_size_of(request.paper), ink, d);
            });
        });
    // The handout and the answer key come from one replay of the lesson, written where a
    // stream among them is written.
    if (!request.handout.isEmpty() || !request.answer_key.isEmpty()) {
        const QString &place =
            OutputFile::is_stream(request.answer_key) || request.handout.isEmpty()
            ? request.answer_key
            : request.handout;
        outputs.emplace_back(place, [&] { return write_handout(request); });
    }
    for (const bool streams : { false, true })
        for (const auto &[path, write] : outputs)
            if (OutputFile::is_stream(path) == streams)
                if (const QString error = write(); !error.isEmpty())
                    return fail(error);
    if (!batch.place())
        return fail(cannot_write(batch.failed_path(), batch.error()));
    return render_done;
}
