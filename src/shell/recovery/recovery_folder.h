#pragma once

#include "lesson.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

// Something the program kept for the user when it was told to end before it was saved.
struct KeptItem
{
    enum class Kind { Lesson, Recording };

    Kind kind = Kind::Lesson;
    QString path; // in the recovery folder
    QString name; // for a file of the user's: the lesson's name, or the recording's topic
    QDateTime kept; // when the program ended
    Lesson lesson; // a lesson as it was read
};

// The folder where a program told to end keeps the work the user had not saved, for the next
// start to offer back: a lesson ("lesson-PID-NAME.aurelion-lesson", one a run, the latest) and
// recordings ("recording-PID-N-TOPIC.gif"). It lies in the user's state directory, readable by
// the user alone. What a run keeps is offered only once that run has ended.
class RecoveryFolder
{
public:
    // The largest recording offered back, at most 3000 frames; a lesson is read as any lesson
    // file is, within the lesson file's limits.
    static constexpr qint64 max_recording_bytes = qint64(2) * 1024 * 1024 * 1024;

    // $XDG_STATE_HOME/aurelion/recovery, or ~/.local/state/aurelion/recovery.
    static QString user_folder();

    explicit RecoveryFolder(const QString &path = user_folder());
    QString path() const { return path_; }

    // Keeps the lesson of this run in place of the one it kept before; returns where, or nothing
    // with the reason in `why`.
    QString keep_lesson(Lesson lesson, const QString &name, QString &why);
    // The lesson this run kept is no longer needed.
    void forget_lesson();
    // Where the next recording of this run is kept: the folder is made if need be.
    QString recording_path(const QString &topic);

    // What runs that have ended kept, the oldest first. A file that cannot be read (not a
    // regular file, too large, not a lesson or a GIF) is removed, and told in `dropped` as its
    // name and the reason.
    std::vector<KeptItem> items(QStringList &dropped) const;
    // Removes what is no longer to be offered.
    static void remove(const KeptItem &item);
    // Copies a kept recording into the user's file; returns why it failed, or nothing.
    static QString copy_recording(const KeptItem &item, const QString &to);

private:
    bool make() const;
    QString own_prefix(const QString &kind) const;

    QString path_;
};
