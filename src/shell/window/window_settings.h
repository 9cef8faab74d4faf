#pragma once

#include <QObject>
#include <QSize>

#include <optional>

class QVariant;
class SettingsFile;
class ViewMenu;
class WindowHost;

// What the window keeps between runs: its size and place, its zoom and full screen. A restored
// window lies on an available screen with its menu bar in sight; a window that cannot have its
// kept size fits its zoom to the size it has; a value the program would not have written counts
// as not kept; saving never keeps the program from ending.
class WindowSettings final : public QObject
{
public:
    // Nothing is kept without settings.
    WindowSettings(WindowHost &window, ViewMenu &view, SettingsFile *settings);

    void restore();
    // False when nothing was written: no settings, the lock not taken in time, the file refused
    // or not writable.
    bool save();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // False when the window could not keep its size and took the default one.
    bool keep_on_screen(QSize default_size);

    WindowHost &window_;
    ViewMenu &view_;
    SettingsFile *settings_;
    std::optional<QSize> default_size_; // while a restored window waits for its first show
};

// A yes or no as the settings write it ("true" or "false"); anything else is neither.
std::optional<bool> settings_flag(const QVariant &value);
