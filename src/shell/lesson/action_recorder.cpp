#include "lesson/action_recorder.h"

#include "main_window.h"

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
    return action;
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
    for (const auto &[key, control] : window.controls()) {
        const auto click = [this, key] { add(named(RenderAction::Kind::Click, key)); };
        if (auto *label = dynamic_cast<Label *>(control))
            connect(label, &Label::clicked, this, click);
        else if (auto *button = qobject_cast<QAbstractButton *>(&control->widget()))
            connect(button, &QAbstractButton::clicked, this, click);
        else if (auto *picture = dynamic_cast<PictureBox *>(control);
                 picture && picture != f.Picture1)
            connect(picture, &PictureBox::clicked, this, click);
    }
    connect(f.Picture1, &PictureBox::mouse_moved, this, [this](float x, float y) {
        pointer_ = last_pointer_ = { x, y };
    });
    // A press is a click at the pointer's last position, which it holds.
    connect(f.Picture1, &PictureBox::clicked, this, [this] {
        RenderAction press;
        press.kind = RenderAction::Kind::Press;
        press.x = last_pointer_.first;
        press.y = last_pointer_.second;
        pointer_.reset();
        add(press);
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
    std::vector<RenderAction> all = actions_;
    if (pointer_) {
        RenderAction move;
        move.kind = RenderAction::Kind::Move;
        move.x = pointer_->first;
        move.y = pointer_->second;
        move.argument = action_text(move);
        all.push_back(move);
    }
    return all;
}

void ActionRecorder::clear()
{
    actions_.clear();
    pointer_.reset();
}

void ActionRecorder::add(RenderAction action)
{
    if (pointer_) {
        RenderAction move;
        move.kind = RenderAction::Kind::Move;
        move.x = pointer_->first;
        move.y = pointer_->second;
        move.argument = action_text(move);
        actions_.push_back(move);
        pointer_.reset();
    }
    action.argument = action_text(action);
    actions_.push_back(action);
}

void ActionRecorder::add_tick()
{
    if (!pointer_ && !actions_.empty() && actions_.back().kind == RenderAction::Kind::Tick) {
        ++actions_.back().count;
        actions_.back().argument = action_text(actions_.back());
        return;
    }
    RenderAction tick;
    tick.kind = RenderAction::Kind::Tick;
    add(tick);
}
