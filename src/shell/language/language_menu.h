#pragma once

#include <QObject>

class MainWindow;
class QActionGroup;
class QMenu;
class SettingsFile;

// The Language submenu of the View menu: English and each language of a catalogue in its own
// name. A choice switches the window at once and is kept in the settings for the next start.
class LanguageMenu final : public QObject
{
public:
    LanguageMenu(MainWindow &window, QMenu &view, SettingsFile *settings);

    // The settings' key of the chosen language.
    static const char *const key;

    // The menu's checked item follows the window's language.
    void update();

private:
    MainWindow &window_;
    SettingsFile *settings_;
    QMenu *menu_;
    QActionGroup *group_;
};
