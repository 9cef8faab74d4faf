#pragma once

#include "lesson.h"
#include "lesson/action_recorder.h"
#include "lesson/lesson_dialogs.h"
#include "lesson/step_replay.h"
#include "main_window.h"

#include <QByteArray>
#include <QStringList>

#include <chrono>
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
    // The step last shown or added, from 0: Page Down and Page Up go on from there.
    std::optional<int> step() const { return step_; }
    // The step the window shows: the step last shown or added, while its topic is on screen.
    std::optional<int> shown_step() const;
    // How many of the shown step's answers are revealed, in the order of its questions (those
    // without an answer passed over), and how many it has.
    int revealed() const { return shown_step() ? revealed_ : 0; }
    int answers() const;
    // "Step 3 of 8: The golden rectangle" while a step is shown, else nothing.
    QString mark() const;
    // The lessons opened or saved last, the latest first.
    const QStringList &recent() const { return recent_; }

    LessonDialogs &dialogs() { return *dialogs_; }
    void set_dialogs(LessonDialogs &dialogs) { dialogs_ = &dialogs; }
    // How long a step's replay goes on before its progress shows.
    void set_progress_delay(std::chrono::milliseconds delay) { progress_delay_ = delay; }

    // The Lesson menu's commands. Each asks through the dialogs where it must; a cancelled
    // dialog or a failure (after a message) changes nothing.
    void new_lesson();
    void open_lesson();
    bool open_lesson(const QString &path);
    void add_step();
    void set_title();
    bool save();
    bool save_as();
    void close_lesson();
    // Shows the step (from 0) in a fresh window that takes the place of the one on screen once
    // the step is ready; a cancelled or failed replay leaves the window on screen as it was.
    bool present(int step);
    // One step on or back while a lesson with steps is open; false leaves the keys to the topics.
    // As a presentation program's builds: on, the shown step's next answer is revealed before
    // the next step is shown; back, the last revealed answer is hidden before the step before is
    // shown, with all of its answers revealed.
    bool step_by(int delta);
    // Reveals the shown step's next answer; false where there is none left.
    bool reveal();
    // Saves the lesson's handout (a PDF or a web page, as the file's extension says, the
    // pupils' or the answer key) in the window's language, its progress shown while it is made.
    void save_handout(bool web_page);
    // Asks Save, Discard or Cancel when the lesson has unsaved changes; false for Cancel.
    bool may_discard_changes();

private:
    class Parts;
    std::unique_ptr<MainWindow> make_window(std::uint64_t seed, Parts *&parts);
    bool read(const QString &path);
    bool write();
    std::optional<bool> gives(const ActionRecorder::Path &path, const QByteArray &shown);
    // The shortest of the paths, and of a few shorter ones tried, that shows what was shown.
    ActionRecorder::Path shortest_path(ActionRecorder::Path shortest,
        const ActionRecorder::Path &relevant, const QByteArray &shown);
    StepReplay replay(MainWindow &window, const std::vector<RenderAction> &actions, QWidget *parent,
        const QString &text);
    void changed();
    void remember(const QString &path);
    QString name() const;

    WindowOptions options_;
    std::unique_ptr<MainWindow> window_;
    Parts *parts_ = nullptr; // the window's, owned by it
    std::uint64_t seed_ = 0;
    WindowLessonDialogs own_dialogs_;
    LessonDialogs *dialogs_ = &own_dialogs_;
    std::chrono::milliseconds progress_delay_ { 500 };
    bool busy_ = false; // a step is being replayed or checked
    bool open_ = false;
    Lesson lesson_;
    QString path_;
    QString source_path_; // the file the lesson was read from or last saved as
    bool modified_ = false;
    std::optional<int> step_;
    int revealed_ = 0; // of the step's answers
    int step_topic_ = 0; // the topic the step shows
    QStringList recent_;
};
