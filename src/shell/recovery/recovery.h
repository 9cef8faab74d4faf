#pragma once

#include "recovery/recovery_dialogs.h"
#include "recovery/recovery_folder.h"

#include <QObject>

#include <functional>

class LessonSession;
class SignalWatcher;

// Nothing the user made is lost when the program is told to end. On SIGTERM, SIGHUP and SIGINT,
// and when the session manager asks the program to save its data (at logout), the window's
// settings are saved and an unsaved recording and an unsaved lesson are kept in the recovery
// folder; a signal then ends the program, as it asked. The next start offers each back: recovered
// into a file the user chooses, discarded, or asked about again at the next start.
class Recovery final : public QObject
{
public:
    // Watches the signals and the session manager for this lesson session and its window.
    explicit Recovery(
        LessonSession &session, const QString &folder = RecoveryFolder::user_folder());
    ~Recovery() override;

    // Saves the settings and keeps what is not saved; returns the files kept.
    QStringList keep();
    // Asks about what runs that were told to end kept; a recovered lesson opens.
    void offer();
    // The program ends as the user chose: the lesson this run kept is not needed any more.
    void ended_normally();

    RecoveryDialogs &dialogs() { return *dialogs_; }
    void set_dialogs(RecoveryDialogs &dialogs) { dialogs_ = &dialogs; }
    const RecoveryFolder &folder() const { return folder_; }
    // How a signal ends the program once all is kept: as the signal would have.
    std::function<void(int signal)> end;

private:
    void requested(int signal);
    bool recover(const KeptItem &item);
    QString question(const KeptItem &item) const;

    LessonSession &session_;
    RecoveryFolder folder_;
    WindowRecoveryDialogs own_dialogs_;
    RecoveryDialogs *dialogs_ = &own_dialogs_;
    SignalWatcher *watcher_ = nullptr;
};
