#pragma once

#include "action.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class MainWindow;

// Keeps what the user does in the window as the render tool's action words: every menu command
// that chooses or changes what is shown, every click of a button, clickable label or check box,
// the pointer's last position over the drawing, a press on the drawing and the timer's ticks.
// The view's own commands (zoom, full screen, the Picture and Help menus) change nothing that a
// lesson step shows and are not kept. Replayed in a fresh window with the same seed, the words
// give the same state.
class ActionRecorder final : public QObject
{
public:
    explicit ActionRecorder(MainWindow &window);

    // The actions since the window started or since clear(), ticks in a row gathered.
    std::vector<RenderAction> actions() const;
    void clear();

private:
    void add(RenderAction action);
    void add_tick();

    MainWindow &window_;
    std::vector<RenderAction> actions_;
    std::optional<std::pair<float, float>> pointer_; // moved to since the last action
    std::pair<float, float> last_pointer_ { 0, 0 };
};
