#include "lesson/action_recorder.h"

#include "lesson/shown_state.h"
#include "lesson/step_random.h"
#include "main_window.h"
#include "plotter.h"
#include "window_actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>

namespace {

RenderAction named(RenderAction::Kind kind, const QString &key)
{
    RenderAction action;
    action.kind = kind;
    const qsizetype colon = key.indexOf(QLatin1Char(':'));
    action.name = colon < 0 ? key : key.left(colon);
    if (colon >= 0)
        action.index = key.mid(colon + 1).toInt();
    action.argument = action_text(action);
    return action;
}

RenderAction pointer_action(RenderAction::Kind kind, float x, float y)
{
    RenderAction action;
    action.kind = kind;
    action.x = x;
    action.y = y;
    action.argument = action_text(action);
    return action;
}

// SplitMix64's mixing step: consecutive seeds give streams that have nothing to do with each
// other.
std::uint64_t next_seed(std::uint64_t seed)
{
    std::uint64_t z = seed + 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

// Appends the action, a tick to the ticks before it.
void append(std::vector<RenderAction> &actions, const RenderAction &action)
{
    if (action.kind == RenderAction::Kind::Tick && !actions.empty()
        && actions.back().kind == RenderAction::Kind::Tick) {
        actions.back().count += action.count;
        actions.back().argument = action_text(actions.back());
        return;
    }
    actions.push_back(action);
}

} // namespace

ActionRecorder::ActionRecorder(MainWindow &window)
    : QObject(&window)
    , window_(window)
{
    for (const auto &[key, action] : window.menus()) {
        if (action->menu() || key == QLatin1String("M_end"))
            continue;
        connect(action, &QAction::triggered, this,
            [this, key] { add(named(RenderAction::Kind::Menu, key)); });
    }
    Form1 &f = window.form();
    drawn_ = f.Picture1->surface().drawn_count();
    for (const auto &[key, control] : window.controls()) {
        const auto click = [this, key] { add(named(RenderAction::Kind::Click, key)); };
        // A label that is no button (a read-out, a caption) and the side panel do nothing when
        // clicked.
        if (auto *label = dynamic_cast<Label *>(control); label && label->clickable())
            connect(label, &Label::clicked, this, click);
        else if (auto *button = qobject_cast<QAbstractButton *>(&control->widget()))
            connect(button, &QAbstractButton::clicked, this, click);
    }
    connect(f.Picture1, &PictureBox::mouse_moved, this, [this](float x, float y) { moved(x, y); });
    // A press is a click at the pointer's last position, which it holds.
    connect(f.Picture1, &PictureBox::clicked, this, [this] {
        const float x = pointer_ ? pointer_->x : 0, y = pointer_ ? pointer_->y : 0;
        moved_to_.reset();
        add(pointer_action(RenderAction::Kind::Press, x, y));
    });
    // The timer calls only while it is enabled: every call is a tick that changes something.
    f.Timer1->on_timer = [this, tick = f.Timer1->on_timer] {
        if (tick)
            tick();
        add_tick();
    };
}

std::vector<RenderAction> ActionRecorder::actions() const
{
    std::vector<RenderAction> all = log_;
    if (moved_to_)
        all.push_back(
            pointer_action(RenderAction::Kind::Move, moved_to_->first, moved_to_->second));
    return all;
}

void ActionRecorder::moved(float x, float y)
{
    moved_to_ = { x, y };
    pointer_ = Pointer { x, y, window_.form().topic, std::nullopt };
}

void ActionRecorder::add(RenderAction action)
{
    if (moved_to_) {
        log_.push_back(
            pointer_action(RenderAction::Kind::Move, moved_to_->first, moved_to_->second));
        moved_to_.reset();
    }
    log_.push_back(action);

    Form1 &f = window_.form();
    const int topic = f.topic;
    Entry entry { action, topic, false, true, std::nullopt };
    // A topic chosen draws its picture afresh; so does a click that leaves the drawing with
    // another number of things on it (a click that draws nothing, as the chaos game's speed
    // buttons, leaves the game's points, and the corners' circles of the figures, as they are).
    const std::size_t drawn = f.Picture1->surface().drawn_count();
    entry.redraws = action.kind == RenderAction::Kind::Menu
        || (action.kind == RenderAction::Kind::Click && drawn != drawn_);
    drawn_ = drawn;
    if (entry.redraws && random_ && random_->drawn())
        random_->reseed(next_seed(random_->seed()));
    if (action.kind == RenderAction::Kind::Menu)
        topic_menus_[topic] = action.key();
    if (action.kind == RenderAction::Kind::Press && pointer_)
        pointer_->press = entries_.size();
    if (looking_ || action.kind == RenderAction::Kind::Menu) {
        entry.key = shown_key(window_, false);
        entry.changed =
            entries_.empty() || !entries_.back().key || *entries_.back().key != *entry.key;
    }
    entries_.push_back(entry);
}

void ActionRecorder::keep_looking(bool on)
{
    looking_ = on;
    if (on && !entries_.empty() && entries_.back().action.kind != RenderAction::Kind::Tick)
        entries_.back().key = shown_key(window_, false);
}

void ActionRecorder::add_tick()
{
    if (!moved_to_ && !log_.empty() && log_.back().kind == RenderAction::Kind::Tick) {
        ++log_.back().count;
        log_.back().argument = action_text(log_.back());
    } else {
        if (moved_to_) {
            log_.push_back(
                pointer_action(RenderAction::Kind::Move, moved_to_->first, moved_to_->second));
            moved_to_.reset();
        }
        log_.push_back(named(RenderAction::Kind::Tick, QStringLiteral("tick")));
    }
    drawn_ = window_.form().Picture1->surface().drawn_count();
    if (!entries_.empty() && entries_.back().action.kind == RenderAction::Kind::Tick) {
        ++entries_.back().action.count;
        return;
    }
    RenderAction tick;
    tick.kind = RenderAction::Kind::Tick;
    entries_.push_back({ tick, window_.form().topic, false, true, std::nullopt });
}

ActionRecorder::Path ActionRecorder::path(bool erase_loops) const
{
    Path found;
    Form1 &f = window_.form();
    const int topic = f.topic;
    if (topic == 0)
        return found;

    // What changed the values of the topic on screen: the topic chosen, its controls clicked
    // while it was shown, the controls it shares with other topics (the sequence's start values)
    // wherever they were clicked, its ticks and presses.
    const auto controls = window_.controls();
    const auto in_sight = [&](const RenderAction &a) {
        const auto control = controls.find(a.key());
        return control != controls.end() && seen(control->second->widget(), window_);
    };
    std::vector<const Entry *> trail;
    for (const Entry &e : entries_)
        if (e.topic == topic || (e.action.kind == RenderAction::Kind::Click && in_sight(e.action)))
            trail.push_back(&e);
    // Ticks and presses draw onto the picture they find, and a picture drawn afresh wipes them.
    const auto last_redraw =
        std::find_if(trail.rbegin(), trail.rend(), [](const Entry *e) { return e->redraws; });
    if (last_redraw != trail.rend()) {
        const auto wiped = last_redraw.base() - 1;
        trail.erase(std::remove_if(trail.begin(), wiped,
                        [](const Entry *e) {
                            return e->action.kind == RenderAction::Kind::Tick
                                || e->action.kind == RenderAction::Kind::Press;
                        }),
            wiped);
    }
    // What changed nothing on screen is left out of the shortest way.
    if (erase_loops)
        trail.erase(std::remove_if(trail.begin(), trail.end(),
                        [](const Entry *e) {
                            return !e->changed && e->action.kind != RenderAction::Kind::Menu;
                        }),
            trail.end());
    const auto is_choice = [topic](const Entry *e) {
        return e->action.kind == RenderAction::Kind::Menu && e->topic == topic;
    };
    const auto first_choice = std::find_if(trail.begin(), trail.end(), is_choice);
    if (first_choice == trail.end())
        return found;
    const Entry *last_choice = *std::find_if(trail.rbegin(), trail.rend(), is_choice);

    // The path goes from the topic chosen afresh through the trail; where the window came back
    // to what it showed before, the stretch in between is left out. Only values carried over
    // from other topics can make the first choice show something else than a fresh choice.
    struct Node
    {
        const Entry *entry;
        std::optional<std::size_t> key;
    };
    std::vector<Node> nodes { { *first_choice,
        first_choice == trail.begin() ? (*first_choice)->key : std::nullopt } };
    for (auto e = trail.begin(); e != trail.end(); ++e) {
        if (e == first_choice)
            continue;
        const auto back = !erase_loops || !(*e)->key
            ? nodes.end()
            : std::find_if(nodes.begin(), nodes.end(),
                [e](const Node &n) { return n.key && *n.key == *(*e)->key; });
        if (back != nodes.end())
            nodes.erase(back + 1, nodes.end());
        else
            nodes.push_back({ *e, (*e)->key });
    }
    // The topic is chosen again where it was chosen last after values were set: what its panels
    // show since then (a diagram drawn again over itself at each click) starts there.
    found.actions.push_back(nodes.front().entry->action);
    bool pressed = false; // the pointer's last place is a press on the path
    bool values = false; // values set on the path so far
    for (auto n = nodes.begin() + 1; n != nodes.end(); ++n) {
        if (n->entry->action.kind == RenderAction::Kind::Menu
            && (n->entry != last_choice || !values))
            continue;
        values = true;
        if (pointer_ && pointer_->press && &entries_[*pointer_->press] == n->entry)
            pressed = true;
        append(found.actions, n->entry->action);
    }

    // The read-out shows the pointer's last place as the topic it was over gives it.
    if (pointer_ && !pressed && seen(*f.Label2, window_)) {
        const RenderAction move =
            pointer_action(RenderAction::Kind::Move, pointer_->x, pointer_->y);
        if (readout_caption(topic, pointer_->x, pointer_->y, f.decimal_separator)
            == f.Label2->caption())
            found.actions.push_back(move);
        else if (const auto menu = topic_menus_.find(pointer_->topic); menu != topic_menus_.end())
            found.actions.insert(
                found.actions.begin(), { named(RenderAction::Kind::Menu, menu->second), move });
    }
    if (random_
        && std::any_of(found.actions.begin(), found.actions.end(),
            [](const RenderAction &a) { return a.kind == RenderAction::Kind::Tick; }))
        found.seed = random_->seed();
    return found;
}
