#include "lesson/step_replay.h"

#include "main_window.h"
#include "window_actions.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

// Ticks performed between two looks at the clock: a fast tick of the chaos game is some
// microseconds out of sight, so a run is well under the time between two frames of progress.
constexpr long ticks_a_run = 64;
// How often the progress answers the user while it is shown.
constexpr std::chrono::milliseconds answer_every(40);

} // namespace

StepReplay replay_step(MainWindow &window, const std::vector<RenderAction> &actions,
    std::chrono::milliseconds delay,
    const std::function<std::unique_ptr<LessonProgress>(long total)> &show_progress)
{
    long total = 0;
    for (const RenderAction &a : actions)
        total += a.kind == RenderAction::Kind::Tick ? a.count : 1;
    long done = 0;
    QElapsedTimer clock, answered;
    clock.start();
    std::unique_ptr<LessonProgress> progress;
    const auto go_on = [&] {
        if (!progress && clock.elapsed() >= delay.count()) {
            progress = show_progress(total);
            answered.invalidate();
        }
        if (!progress || (answered.isValid() && answered.elapsed() < answer_every.count()))
            return true;
        answered.start();
        progress->set_done(done);
        return !progress->cancelled();
    };
    Timer &timer = *window.form().Timer1;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const RenderAction &a = actions[i];
        if (a.kind != RenderAction::Kind::Tick) {
            if (const QString why = perform(window, a); !why.isEmpty())
                return { StepReplay::Outcome::Failed, i, why };
            ++done;
            if (!go_on())
                return { StepReplay::Outcome::Cancelled, i, {} };
            continue;
        }
        for (long left = a.count; left > 0;) {
            if (!timer.Enabled()) {
                done += left;
                break;
            }
            RenderAction run = a;
            run.count = std::min(left, ticks_a_run);
            perform(window, run);
            left -= run.count;
            done += run.count;
            if (!go_on())
                return { StepReplay::Outcome::Cancelled, i, {} };
        }
    }
    return {};
}
