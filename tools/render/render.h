#pragma once

#include "lesson.h"
#include "picture_output.h"
#include "worksheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

struct RenderRequest
{
    bool help = false;
    std::optional<std::uint64_t> seed;
    // The outputs; "-" is the standard output. An empty name: not asked for.
    QString png, state, trace;
    QStringList pictures; // each in the format its name or --format says
    QString page; // the worksheet page as PDF
    std::optional<PictureFormat> format; // of --picture, where its name does not say it
    Paper paper = Paper::A4;
    bool black_and_white = false; // for the picture and the page
    double scale = 1;
    double zoom = 1;
    QString language; // a catalogue's code, or "en"; empty: the environment's
    QString animation; // a GIF with a frame after every action
    long frame_every = 0; // with tick actions, a frame every so many ticks; 0: after the action
    std::optional<int> delay; // how long each frame shows, in milliseconds
    bool loop = true;
    std::optional<bool> looping; // --loop or --once, once given
    std::vector<RenderAction> actions;
    QString lesson; // a lesson file
    Lesson lesson_read; // its contents
    std::optional<int> step; // the lesson's step the outputs show, from 1
    QString handout; // the whole lesson as a PDF (a worksheet page a step) or a web page
    QString answer_key; // the same with the answers

    // The files asked for, each with the option that names it, in the order they are written.
    struct Output
    {
        const char *option;
        const QString &path;
        // What a name of it may end in ("" for no extension) and the format it holds; for an
        // output of several formats none: its extension or --format says which.
        QStringList extensions;
        const char *format;
    };
    std::vector<Output> outputs() const
    {
        const QStringList json { "json", "jsonl", "ndjson", "txt", "" };
        std::vector<Output> all;
        for (const Output &o :
            { Output { "--state", state, json, "JSON" }, Output { "--trace", trace, json, "JSON" },
                Output { "--png", png, { "png", "" }, "PNG" } })
            if (!o.path.isEmpty())
                all.push_back(o);
        for (const QString &picture : pictures)
            all.push_back({ "--picture", picture, {}, nullptr });
        for (const Output &o : { Output { "--page", page, { "pdf" }, "PDF" },
                 Output { "--animation", animation, { "gif" }, "GIF" },
                 Output { "--handout", handout, { "pdf", "html", "htm" }, "PDF or HTML" },
                 Output { "--answer-key", answer_key, { "pdf", "html", "htm" }, "PDF or HTML" } })
            if (!o.path.isEmpty())
                all.push_back(o);
        return all;
    }

    // Nothing to perform and nothing to write: a mistake, answered with the usage.
    bool asks_nothing() const { return actions.empty() && outputs().empty(); }
};

// The exit statuses of the tool.
enum RenderStatus {
    render_done = 0,
    render_write_failed = 1, // the usage could not be written to the standard output
    render_refused = 2, // a bad argument, name, folder or action; nothing is written
};

// The largest picture the tool draws: this many pixels on a side (the window at --zoom and
// --scale; 820 x 560 pixels at 1).
constexpr int render_pixel_limit = 16384;

// The usage in the language asked for (--language), else in the one the environment asks for.
QByteArray render_usage(const QString &language = {});
// Reads the command line and checks it and the output files before anything is drawn; returns
// a one-line message naming the bad argument, or nothing.
QString parse_render_arguments(int argc, char *argv[], RenderRequest &request);
// The lesson's options (lesson_output.cpp): nothing if the argument is none of them, else an
// empty string or a one-line message naming the bad argument.
std::optional<QString> parse_lesson_option(
    const QString &arg, const std::function<QString(QString &)> &value, RenderRequest &request);
// Reads the lesson and puts the chosen step's seed and actions before the command line's.
QString apply_lesson(RenderRequest &request);
// Writes the handout and the answer key, each a PDF (a title page and a worksheet page for
// every step) or a web page, from one replay of the lesson; returns a message on failure.
QString write_handout(const RenderRequest &request);
// Starts the window, performs the actions and writes the outputs; returns the exit status.
int run_render(const RenderRequest &request);
// A message of the tool on standard error, on one line whatever names it holds.
void print_render_error(const QString &message);
