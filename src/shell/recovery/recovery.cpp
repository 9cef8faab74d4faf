#include "recovery/recovery.h"

#include "language/languages.h"
#include "lesson/lesson_session.h"
#include "picture/picture_commands.h"
#include "picture/recorder.h"
#include "picture/worksheet_content.h"
#include "recovery/signal_watcher.h"
#include "window/window_settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QSessionManager>

#include <cstdio>

namespace {

const char *signal_name(int signal)
{
    switch (signal) {
    case SIGTERM:
        return "SIGTERM";
    case SIGHUP:
        return "SIGHUP";
    case SIGINT:
        return "SIGINT";
    default:
        return "a signal";
    }
}

} // namespace

Recovery::Recovery(LessonSession &session, const QString &folder)
    : end(&SignalWatcher::end_as)
    , session_(session)
    , folder_(folder)
{
    watcher_ = new SignalWatcher([this](int signal) { requested(signal); }, this);
    // At logout the session manager asks for the data first, and may still cancel the logout:
    // the program goes on, with nothing left to lose.
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(
            application, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager &) { keep(); }, Qt::DirectConnection);
        connect(
            application, &QGuiApplication::saveStateRequest, this,
            [this](QSessionManager &) { session_.window().settings().save(); },
            Qt::DirectConnection);
    }
}

Recovery::~Recovery() = default;

QStringList Recovery::keep()
{
    MainWindow &window = session_.window();
    window.settings().save();
    QStringList kept;
    if (Recorder &recorder = window.picture_commands().recorder(); recorder.recording()) {
        const QString path = folder_.recording_path(picture_file_stem(window));
        if (const QString why = recorder.finish_into(path); why.isEmpty())
            kept << path;
        else
            std::fprintf(
                stderr, "aurelion: the recording could not be kept: %s\n", qPrintable(why));
    }
    if (session_.is_open() && session_.modified()) {
        Lesson lesson = session_.lesson();
        if (lesson.title.isEmpty() && !session_.path().isEmpty())
            lesson.title = QFileInfo(session_.path()).completeBaseName();
        QString why;
        if (const QString path = folder_.keep_lesson(lesson, lesson.title, why); !path.isEmpty())
            kept << path;
        else
            std::fprintf(stderr, "aurelion: the lesson could not be kept: %s\n", qPrintable(why));
    } else {
        folder_.forget_lesson();
    }
    return kept;
}

void Recovery::requested(int signal)
{
    const QStringList kept = keep();
    if (!kept.isEmpty())
        std::fprintf(stderr, "aurelion: ended by %s; kept for the next start: %s\n",
            signal_name(signal), qPrintable(kept.join(QStringLiteral(", "))));
    end(signal);
}

void Recovery::ended_normally() { folder_.forget_lesson(); }

void Recovery::offer()
{
    QStringList dropped;
    const std::vector<KeptItem> items = folder_.items(dropped);
    if (!dropped.isEmpty()) {
        for (const QString &file : dropped)
            std::fprintf(
                stderr, "aurelion: %s: removed from the recovery folder\n", qPrintable(file));
        dialogs_->tell(&session_.window(),
            QCoreApplication::translate("Recovery",
                "What an earlier run of Aurelion kept for recovery cannot be read and has "
                "been removed:\n\n%1")
                .arg(dropped.join(QLatin1Char('\n'))));
    }
    for (const KeptItem &item : items) {
        switch (dialogs_->ask(&session_.window(), question(item))) {
        case RecoveryDialogs::Answer::Recover:
            recover(item);
            break;
        case RecoveryDialogs::Answer::Discard:
            RecoveryFolder::remove(item);
            break;
        case RecoveryDialogs::Answer::Later:
            break;
        }
    }
}

QString Recovery::question(const KeptItem &item) const
{
    const QLocale locale(session_.window().languages().language());
    const QString day = locale.toString(item.kept.date(), QLocale::ShortFormat);
    const QString time = locale.toString(item.kept.time(), QLocale::ShortFormat);
    QString what;
    if (item.kind == KeptItem::Kind::Recording)
        what = QCoreApplication::translate("Recovery",
            "Aurelion ended on %1 at %2 while it was recording the drawing. The recording was "
            "not saved.")
                   .arg(day, time);
    else if (item.lesson.title.isEmpty())
        what = QCoreApplication::translate(
            "Recovery", "Aurelion ended on %1 at %2 before a new lesson was saved.")
                   .arg(day, time);
    else
        what = QCoreApplication::translate(
            "Recovery", "Aurelion ended on %1 at %2 before the lesson \"%3\" was saved.")
                   .arg(day, time, item.name);
    return what + QStringLiteral("\n\n")
        + QCoreApplication::translate("Recovery",
            "Recover it and choose where to save it, discard it, or decide at the next start?");
}

bool Recovery::recover(const KeptItem &item)
{
    MainWindow &window = session_.window();
    QString why;
    std::optional<QString> path;
    if (item.kind == KeptItem::Kind::Lesson) {
        path = dialogs_->choose_lesson_file(&window, item.name);
        if (path) {
            Lesson lesson = item.lesson;
            why = save_lesson(*path, lesson);
        }
    } else {
        path = dialogs_->choose_recording_file(&window, item.name);
        if (path)
            why = RecoveryFolder::copy_recording(item, *path);
    }
    // Without a file chosen, the next start asks again.
    if (!path)
        return false;
    if (!why.isEmpty()) {
        dialogs_->tell(&window,
            QCoreApplication::translate(
                "Recovery", "The recovered work could not be saved as %1: %2.")
                .arg(*path, why));
        return false;
    }
    RecoveryFolder::remove(item);
    if (item.kind == KeptItem::Kind::Lesson && session_.may_discard_changes())
        session_.open_lesson(*path);
    return true;
}
