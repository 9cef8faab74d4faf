#pragma once

#include <QFont>
#include <QString>

#include <map>

class Control;
class QAction;
class QMainWindow;
class Stage;
struct Form1;

// What the window's own parts (the View menu, the settings, the Help menu, the held buttons) reach
// of the window: the widget, the design on its stage, its controls and its menu commands.
class WindowHost
{
public:
    virtual QMainWindow &widget() = 0;
    virtual Form1 &form() = 0;
    virtual Stage &stage() = 0;
    // Every control by its name, array elements under "NAME:INDEX".
    virtual std::map<QString, Control *> controls() = 0;
    // Every menu command by its name, items of a menu array under "NAME:INDEX".
    virtual const std::map<QString, QAction *> &menus() const = 0;
    virtual double zoom() const = 0;
    // The dialogs' font: the menus' at the window's zoom, and never smaller than at zoom 1.
    virtual QFont dialog_font() const = 0;

protected:
    ~WindowHost() = default;
};
