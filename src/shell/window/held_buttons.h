#pragma once

#include "message_box.h"

#include <QObject>

#include <memory>

class WindowHost;

// Held step buttons: every "<" / ">" button and "Next Year" repeat their step while they are
// held down, with the mouse or with Space, each step a click with its whole redraw. A message
// shown by a step ends the hold first.
class HeldButtons final : public QObject
{
public:
    explicit HeldButtons(WindowHost &window);
    ~HeldButtons() override;

private:
    WindowHost &window_;
    MessageBox *shown_; // the messages as the window showed them before
    std::unique_ptr<MessageBox> releasing_messages_; // in front of them
};
