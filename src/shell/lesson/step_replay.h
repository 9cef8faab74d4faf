#pragma once

#include "action.h"
#include "lesson/lesson_dialogs.h"

#include <QString>

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class MainWindow;

// How a replay of a step's actions ended.
struct StepReplay
{
    enum class Outcome { Done, Failed, Cancelled };
    Outcome outcome = Outcome::Done;
    std::size_t failed = 0; // the action a user could not do
    QString why;
};

// Performs the actions in the window through the handlers a user's clicks reach, a piece at a
// time (the chaos game's ticks in short runs), so that a long step never freezes the program:
// once the work has taken `delay`, its progress is shown (a function makes it), and a cancelled
// progress stops the replay where it is. Ticks of a stopped timer change nothing and are passed
// over.
StepReplay replay_step(MainWindow &window, const std::vector<RenderAction> &actions,
    std::chrono::milliseconds delay,
    const std::function<std::unique_ptr<LessonProgress>(long total)> &show_progress);
