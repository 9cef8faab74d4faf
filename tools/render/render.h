#pragma once

#include "action.h"
#include "worksheet.h"

#include <QString>

#include <cstdint>
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
    QString animation; // a GIF with a frame after every action
    long frame_every = 0; // with tick actions, a frame every so many ticks; 0: after the action
    std::optional<int> delay; // how long each frame shows, in milliseconds
    bool loop = true;
    std::vector<RenderAction> actions;

    // Nothing to perform and nothing to write: a mistake, answered with the usage.
    bool asks_nothing() const
    {
        return actions.empty() && png.isEmpty() && picture.isEmpty() && state.isEmpty()
            && trace.isEmpty() && page.isEmpty() && animation.isEmpty();
    }
};

const char *render_usage();
// Reads the command line; returns a one-line message naming the bad argument, or nothing.
QString parse_render_arguments(int argc, char *argv[], RenderRequest &request);
// Starts the window, performs the actions and writes the outputs; returns the exit status.
int run_render(const RenderRequest &request);
