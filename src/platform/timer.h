#pragma once

#include <QTimer>

#include <functional>

// The window's timer: enabled or not, with an interval in milliseconds. In manual mode it never
// fires on its own; tick() delivers one tick, and only while it is enabled.
class Timer
{
public:
    explicit Timer(bool manual = false);
    bool Enabled() const { return enabled_; }
    void set_Enabled(bool on);
    int Interval() const { return interval_; }
    void set_Interval(int milliseconds);
    void tick();
    // While held, the timer does not fire on its own (a dialog is open over the window, or the
    // window is being made); tick() still delivers a tick. Enabled and Interval stay as they are.
    void hold(bool on);
    bool held() const { return held_; }

    std::function<void()> on_timer;

private:
    void restart();

    QTimer timer_;
    bool manual_;
    bool enabled_ = false;
    bool held_ = false;
    int interval_ = 0;
};
