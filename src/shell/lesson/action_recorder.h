#pragma once

#include "action.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class MainWindow;
class StepRandom;

// Keeps what the user does in the window as the render tool's action words: every menu command
// that chooses a topic, every click of a button, clickable label or check box, the pointer's
// last position over the drawing, a press on the drawing and the timer's ticks. The view's own
// commands (zoom, full screen, the Picture and Help menus) change nothing that a lesson step
// shows and are not kept.
//
// From what was done it finds the shortest way to what the window shows: the topic on screen
// chosen, then only what changed that topic's values (the sequence's start values set under
// another of the sequence graphs included), the chaos game's ticks since it last started, and
// the pointer's last place; and of that trail, no stretch that ended where it began (a step up
// and back, a model chosen and left, a simulation run to its end and started again). Replayed
// in a fresh window with the path's seed, the words give what the window shows.
class ActionRecorder final : public QObject
{
public:
    struct Path
    {
        std::vector<RenderAction> actions;
        std::optional<std::uint64_t> seed; // where the actions tick the chaos game
    };

    explicit ActionRecorder(MainWindow &window);

    // The window's random source: the recorder starts a stream of its own there whenever a
    // drawing starts afresh after numbers were drawn, so that a path's seed gives its game.
    void set_random(StepRandom *random) { random_ = random; }

    // While off, what is done is kept without what the window shows after each click (a step
    // replayed, whose actions are the shortest already), but after each topic chosen; turned on
    // again, the last action is looked at.
    void keep_looking(bool on);

    // Everything done since the window started, in order, ticks in a row gathered.
    std::vector<RenderAction> actions() const;
    // The shortest way found to what the window shows.
    Path shortest_path() const { return path(true); }
    // The same, with every stretch of the trail on the topic kept.
    Path relevant_path() const { return path(false); }

private:
    // One thing done, with what the window showed after it.
    struct Entry
    {
        RenderAction action;
        int topic = 0; // on screen after it
        bool redraws = false; // the drawing erased and drawn afresh
        bool changed = true; // the window shows something else than before it
        std::optional<std::size_t>
            key; // what the window shows, the read-out aside; none after ticks
    };
    // The pointer's last place over the drawing, and the topic it was over.
    struct Pointer
    {
        float x = 0, y = 0;
        int topic = 0;
        std::optional<std::size_t> press; // the entry of the press that put it there
    };

    void add(RenderAction action);
    void add_tick();
    void moved(float x, float y);
    Path path(bool erase_loops) const;

    MainWindow &window_;
    StepRandom *random_ = nullptr;
    std::vector<RenderAction> log_; // everything done, moves included
    std::optional<std::pair<float, float>> moved_to_; // since the last action
    std::vector<Entry> entries_; // everything done but the moves
    std::optional<Pointer> pointer_;
    std::map<int, QString> topic_menus_; // the menu command that chose each topic
    std::size_t drawn_ = 0; // what the drawing showed after the last thing done
    bool looking_ = true;
};
