#pragma once

#include "lesson.h"
#include "lesson/lesson_dialogs.h"
#include "main_window.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The lesson a teacher builds and presents, kept while the window that shows it changes: every
// step is shown by a fresh window that replays the step's actions from the program's start, so
// that it shows exactly what the window showed when the step was added. The session owns the
// window on screen and the random source of each window, whose seed a step keeps.
class LessonSession
{
public:
    // The options of every window; the session gives each its own seeded random source, the
    // first one seeded with this seed.
    LessonSession(const WindowOptions &options, std::uint64_t first_seed);
    ~LessonSession();

    MainWindow &window() { return *window_; }
    std::uint64_t seed() const { return seed_; }

    bool is_open() const { return open_; }
    const Lesson &lesson() const { return lesson_; }
    const QString &path() const { return path_; }
    bool modified() const { return modified_; }
    // The step on screen, from 0, while the window shows one as it was added or opened.
    std::optional<int> step() const { return step_; }
    // "Step 3 of 8: The golden rectangle"; empty while no step is on screen.
    QString mark() const;
    // The lessons opened or saved last, the latest first.
    const QStringList &recent() const { return recent_; }

    LessonDialogs &dialogs() { return *dialogs_; }
    void set_dialogs(LessonDialogs &dialogs) { dialogs_ = &dialogs; }

    // The Lesson menu's commands. Each asks through the dialogs where it must; a cancelled
    // dialog or a failure (after a message) changes nothing.
    void new_lesson();
    void open_lesson();
    bool open_lesson(const QString &path);
    void add_step();
    bool save();
    bool save_as();
    void close_lesson();
    // Shows the step (from 0) in a fresh window that takes the place of the one on screen.
    bool present(int step);
    // One step on or back while a lesson with steps is open; false leaves the keys to the topics.
    bool step_by(int delta);
    // Asks Save, Discard or Cancel when the lesson has unsaved changes; false for Cancel.
    bool may_discard_changes();

private:
    std::unique_ptr<MainWindow> make_window(std::uint64_t seed);
    void changed();
    void remember(const QString &path);
    QString name() const;

    WindowOptions options_;
    std::vector<std::unique_ptr<SeededRandom>> randoms_;
    std::unique_ptr<MainWindow> window_;
    std::uint64_t seed_ = 0;
    WindowLessonDialogs own_dialogs_;
    LessonDialogs *dialogs_ = &own_dialogs_;
    bool open_ = false;
    Lesson lesson_;
    QString path_;
    bool modified_ = false;
    std::optional<int> step_;
    QStringList recent_;
};
