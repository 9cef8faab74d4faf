// Held step buttons: Qt's auto-repeat, a hold ended by a message and by the release, and Space
// held down on the X server.

#include "window/held_buttons.h"

#include "form1.h"
#include "window_host.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace {

// The first repeat after a short delay, then a few steps a second: slow enough to let go at
// the value wanted.
constexpr int repeat_delay_ms = 400;
constexpr int repeat_interval_ms = 200;

constexpr const char *step_buttons[] = { "Command1", "Command2", "ComM", "ComP", "Ckm", "Ckp",
    "Crot1", "Crot2", "ComQ", "ComZ", "CM", "CP", "Command4", "Command5", "Com_p1", "Com_p2",
    "Command3" };

// A message shown by a step ends the hold before it appears. A held button would go on
// repeating under the modal message, running its handler again while the message waits, and
// after it: the release goes to the message, not to the button. ("End Simul" after year 100.)
class ReleasingMessageBox final : public MessageBox
{
public:
    ReleasingMessageBox(MessageBox &shown, std::vector<Button *> held)
        : shown_(shown)
        , held_(std::move(held))
    { }

    void MsgBox(const QString &text, const QString &title) override
    {
        for (Button *button : held_)
            button->setDown(false);
        shown_.MsgBox(text, title);
    }

private:
    MessageBox &shown_;
    std::vector<Button *> held_;
};

// A button that has repeated stops where it is when it is let go: the release adds no step
// after those the user has watched. A press let go before the first repeat is a click, as ever.
class HoldEnd final : public QObject
{
public:
    explicit HoldEnd(QAbstractButton &button)
        : QObject(&button)
    {
        button.installEventFilter(this);
        // Connected after the topic's handler: a step under a message has ended the hold.
        connect(&button, &QAbstractButton::clicked, this, [this, &button] {
            if (button.isDown())
                repeated_ = true;
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *button = static_cast<QAbstractButton *>(watched);
        bool release = false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            repeated_ = false;
            break;
        case QEvent::MouseButtonRelease:
            release = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() != Qt::Key_Space || key->isAutoRepeat())
                break;
            if (event->type() == QEvent::KeyPress)
                repeated_ = false;
            else
                release = true;
            break;
        }
        default:
            break;
        }
        if (!release || !repeated_ || !button->isDown())
            return false;
        repeated_ = false;
        button->setDown(false);
        return true;
    }

private:
    bool repeated_ = false; // the button has stepped while held in this press
};

// Space held down repeats on the X server as pairs of a release and a press with one timestamp.
// Qt marks a pair as a repeat only if it has already read the press when it handles the
// release, which it often has not: each pair is then a whole click, 25 a second instead of the
// held button's few, and the pair's press presses the OK of a message that the hold brought up.
// Here a press with the timestamp of the release before it is a repeat and goes nowhere, and the
// release of a button held down waits a moment for such a press before it counts. Events made
// by the program itself carry no timestamp and pass untouched.
class SpaceRepeatFilter final : public QObject
{
public:
    explicit SpaceRepeatFilter(QObject *parent)
        : QObject(parent)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        // No repeat while the button's release waits: if it is the user's, the hold is over.
        if (event->type() == QEvent::Timer)
            return pending_ && receiver == pending_;
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (key->key() != Qt::Key_Space || key->isAutoRepeat() || key->timestamp() == 0
            || delivering_)
            return false;
        if (event->type() == QEvent::KeyPress) {
            if (key->timestamp() != last_release_)
                return false;
            pending_ = nullptr; // the hold goes on
            return true;
        }
        last_release_ = key->timestamp();
        auto *button = qobject_cast<QAbstractButton *>(receiver);
        if (!button || !button->isDown())
            return false;
        pending_ = button;
        const ulong time = key->timestamp();
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        QTimer::singleShot(pair_wait_ms, this, [this, time, modifiers] {
            if (pending_ && last_release_ == time) {
                QAbstractButton *released = pending_;
                pending_ = nullptr;
                deliver(released, time, modifiers);
            }
        });
        return true;
    }

private:
    // The press of a pair follows its release at once; a user's next press comes much later.
    static constexpr int pair_wait_ms = 50;

    void deliver(QAbstractButton *button, ulong time, Qt::KeyboardModifiers modifiers)
    {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, modifiers, QStringLiteral(" "));
        release.setTimestamp(time);
        delivering_ = true;
        QCoreApplication::sendEvent(button, &release);
        delivering_ = false;
    }

    ulong last_release_ = 0;
    QPointer<QAbstractButton> pending_;
    bool delivering_ = false;
};

} // namespace

HeldButtons::HeldButtons(WindowHost &window)
    : window_(window)
    , shown_(window.form().messages)
{
    std::vector<Button *> repeating;
    for (const auto &[key, control] : window_.controls()) {
        auto *button = dynamic_cast<Button *>(control);
        if (!button
            || std::find(std::begin(step_buttons), std::end(step_buttons), button->name)
                == std::end(step_buttons))
            continue;
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(repeat_delay_ms);
        button->setAutoRepeatInterval(repeat_interval_ms);
        new HoldEnd(*button);
        repeating.push_back(button);
    }
    releasing_messages_ = std::make_unique<ReleasingMessageBox>(*shown_, repeating);
    window_.form().messages = releasing_messages_.get();
    new SpaceRepeatFilter(this);
}

HeldButtons::~HeldButtons() { window_.form().messages = shown_; }
