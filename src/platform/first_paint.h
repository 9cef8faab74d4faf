#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>

// For the start-up measurement: when the environment variable AURELION_FIRST_PAINT is set, the
// window's first paint prints "first-paint NANOSECONDS" (the monotonic clock, once the painted
// frame has been handed to the platform); the value "exit" also ends the program there.
class FirstPaintProbe final : public QObject
{
public:
    static void install(QWidget &window)
    {
        const QByteArray mode = qgetenv("AURELION_FIRST_PAINT");
        if (!mode.isEmpty())
            window.installEventFilter(new FirstPaintProbe(mode == "exit", &window));
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The frame is flushed after the paint events of this pass; report on the next pass.
            QTimer::singleShot(0, this, [this] {
                timespec now {};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                if (exit_)
                    QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    FirstPaintProbe(bool exit, QObject *parent)
        : QObject(parent)
        , exit_(exit)
    { }

    bool exit_;
    bool seen_ = false;
};

// Runs a function once the widget's first frame has been painted: for work that has no part in
// the first frame, such as setting the window's icon.
class AfterFirstPaint final : public QObject
{
public:
    static void run(QWidget &widget, std::function<void()> work)
    {
        widget.installEventFilter(new AfterFirstPaint(std::move(work), &widget));
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && work_) {
            // The frame is handed over after the paint events of this pass: the work follows.
            QTimer::singleShot(0, this, [this, work = std::move(work_)] {
                work();
                deleteLater();
            });
            work_ = nullptr;
        }
        return false;
    }

private:
    AfterFirstPaint(std::function<void()> work, QObject *parent)
        : QObject(parent)
        , work_(std::move(work))
    { }

    std::function<void()> work_;
};
