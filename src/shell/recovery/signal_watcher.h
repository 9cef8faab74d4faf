#pragma once

#include <QObject>

#include <csignal>
#include <functional>

class QSocketNotifier;

// The requests to end that come as signals: SIGTERM (logout, shutdown, `kill`), SIGHUP (the
// terminal or the session closes) and SIGINT (Ctrl+C in the terminal). The handler only writes
// the signal's number into a pipe; the event loop reads it and tells the program, which may then
// use Qt as anywhere else. A second request while the first is handled ends the program at once,
// as the signal would have. A signal ignored when the program started (nohup) stays ignored.
class SignalWatcher final : public QObject
{
public:
    static constexpr int watched[] = { SIGTERM, SIGHUP, SIGINT };

    // Installs the handlers, once: a request that comes before a watcher is made waits for it.
    // False when the pipe cannot be made; the signals then end the program as usual.
    static bool install();
    // Ends the program as the signal would have, so that the parent learns how it ended.
    [[noreturn]] static void end_as(int signal);

    // Told of each request in the event loop.
    explicit SignalWatcher(std::function<void(int signal)> requested, QObject *parent = nullptr);
    ~SignalWatcher() override;

private:
    void read_requests();

    std::function<void(int)> requested_;
    QSocketNotifier *notifier_ = nullptr;
};
