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

    std::function<void()> on_timer;

private:
    void restart();

    QTimer timer_;
    bool manual_;
    bool enabled_ = false;
    int interval_ = 0;
};
