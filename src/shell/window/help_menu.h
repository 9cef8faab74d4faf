#pragma once

#include <QObject>

class WindowHost;

// The Help menu, last on the menu bar: the keyboard shortcuts, gathered from the menus when the
// dialog opens so that every command with a shortcut is listed, and the About box. Also Ctrl+Q,
// which ends the program as "End" does.
class HelpMenu final : public QObject
{
public:
    explicit HelpMenu(WindowHost &window);

    void show_keyboard_shortcuts();
    void show_about();

private:
    WindowHost &window_;
};
