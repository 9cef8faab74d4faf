#pragma once

#include <QObject>
#include <QSize>

#include <functional>
#include <optional>

class QSettings;
class QVariant;
class ViewMenu;
class WindowHost;

// What the window keeps between runs: its size and place, its zoom and full screen. A restored
// window lies on an available screen with its menu bar in sight; a value the program would not
// have written counts as not kept; saving never keeps the program from ending.
class WindowSettings final : public QObject
{
public:
    // How long saving waits for the lock on the settings file before it gives up.
    static constexpr int lock_wait_ms = 500;

    // Nothing is kept without settings.
    WindowSettings(WindowHost &window, ViewMenu &view, QSettings *settings);

    void restore();
    // False when nothing was written: no settings, the lock not taken in time, or the file not
    // writable.
    bool save();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keep_on_screen(QSize default_size);

    WindowHost &window_;
    ViewMenu &view_;
    QSettings *settings_;
    std::optional<QSize> default_size_; // while a restored window waits for its first show
};

// A yes or no as the settings write it ("true" or "false"); anything else is neither.
std::optional<bool> settings_flag(const QVariant &value);

// Changes the settings in their file without waiting for ever: the file's lock (the one QSettings
// takes) is tried for `lock_wait_ms` and then given up, and the file is replaced through a
// temporary file beside the one a symbolic link names, so the link stays a link. Only a regular
// file (or none yet) is written. The settings read the file again afterwards.
bool change_settings_file(
    QSettings &settings, const std::function<void(QSettings &)> &change, int lock_wait_ms);
