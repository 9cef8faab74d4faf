#include "recovery/signal_watcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Written by the handlers, read by the watcher.
int request_pipe[2] = { -1, -1 };
// Set from a request until the program has been told of it.
volatile std::sig_atomic_t requested = 0;

// Only what a signal handler may do: write a byte, or end as the signal would.
extern "C" void on_request(int signal)
{
    if (requested) {
        std::signal(signal, SIG_DFL);
        std::raise(signal); // delivered as the handler returns
        return;
    }
    requested = 1;
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(request_pipe[1], &number, 1);
    errno = saved;
}

} // namespace

bool SignalWatcher::install()
{
    if (request_pipe[0] >= 0)
        return true;
    if (::pipe2(request_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        request_pipe[0] = request_pipe[1] = -1;
        return false;
    }
    struct sigaction action = {};
    action.sa_handler = on_request;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int signal : watched)
        sigaddset(&action.sa_mask, signal);
    for (int signal : watched) {
        struct sigaction before = {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            sigaction(signal, &action, nullptr);
    }
    return true;
}

void SignalWatcher::end_as(int signal)
{
    std::fflush(nullptr);
    std::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    std::raise(signal);
    ::_exit(128 + signal);
}

SignalWatcher::SignalWatcher(std::function<void(int)> requested, QObject *parent)
    : QObject(parent)
    , requested_(std::move(requested))
{
    if (!install())
        return;
    notifier_ = new QSocketNotifier(request_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { read_requests(); });
}

SignalWatcher::~SignalWatcher() = default;

void SignalWatcher::read_requests()
{
    unsigned char number = 0;
    while (::read(request_pipe[0], &number, 1) == 1) {
        requested_(number);
        requested = 0;
    }
}
