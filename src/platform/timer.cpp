#include "timer.h"

Timer::Timer(bool manual)
    : manual_(manual)
{
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

void Timer::set_Enabled(bool on)
{
    enabled_ = on;
    restart();
}

void Timer::set_Interval(int milliseconds)
{
    interval_ = milliseconds;
    restart();
}

void Timer::tick()
{
    if (enabled_ && on_timer)
        on_timer();
}

void Timer::hold(bool on)
{
    held_ = on;
    restart();
}

void Timer::restart()
{
    timer_.stop();
    if (!manual_ && !held_ && enabled_ && interval_ > 0)
        timer_.start(interval_);
}
