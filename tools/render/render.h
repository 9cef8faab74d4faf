#pragma once

#include "lesson.h"
#include "worksheet.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

struct RenderRequest
{
    bool help = false;
    std::optional<std::uint64_t> seed;
    QString png, picture, state, trace;
    QString page; // the worksheet page as PDF
    Paper paper = Paper::A4;
    bool black_and_white = false; // for the picture and the page
    double scale = 1;
    double zoom = 1;
    QString language; // a catalogue's code, or "en"; empty: the environment's
    QString animation; // a GIF with a frame after every action
    long frame_every = 0; // with tick actions, a frame every so many ticks; 0: after the action
    std::optional<int> delay; // how long each frame shows, in milliseconds
    bool loop = true;
    std::vector<RenderAction> actions;
    QString lesson; // a lesson file
    Lesson lesson_read; // its contents
    std::optional<int> step; // the lesson's step the outputs show, from 1
    QString handout; // the whole lesson as a PDF, a worksheet page a step

    // Nothing to perform and nothing to write: a mistake, answered with the usage.
    bool asks_nothing() const
    {
        return actions.empty() && png.isEmpty() && picture.isEmpty() && state.isEmpty()
            && trace.isEmpty() && page.isEmpty() && animation.isEmpty() && handout.isEmpty();
    }
};

const char *render_usage();
// Reads the command line; returns a one-line message naming the bad argument, or nothing.
QString parse_render_arguments(int argc, char *argv[], RenderRequest &request);
// The lesson's options (lesson_output.cpp): nothing if the argument is none of them, else an
// empty string or a one-line message naming the bad argument.
std::optional<QString> parse_lesson_option(
    const QString &arg, const std::function<QString(QString &)> &value, RenderRequest &request);
// Reads the lesson and puts the chosen step's seed and actions before the command line's.
QString apply_lesson(RenderRequest &request);
// Writes the handout: a title page and a worksheet page for every step; returns a message on
// failure.
QString write_handout(const RenderRequest &request);
// Starts the window, performs the actions and writes the outputs; returns the exit status.
int run_render(const RenderRequest &request);
