#pragma once

#include <QString>

#include <memory>
#include <optional>

class QWidget;

// A long piece of work's progress, shown while it goes on: a replay of many ticks of the chaos
// game. Cancel, or Esc, asks it to stop.
class LessonProgress
{
public:
    virtual ~LessonProgress() = default;
    // How much of the work is done, out of the total the progress was shown for.
    virtual void set_done(long done) = 0;
    // Lets the user answer; true once the user has asked the work to stop.
    virtual bool cancelled() = 0;
};

// What the Lesson menu asks: the program's own dialogs, or scripted answers in the tests. A
// cancelled dialog answers nothing.
class LessonDialogs
{
public:
    enum class Unsaved { Save, Discard, Cancel };
    enum class Changed { Reload, Overwrite, Cancel };

    virtual ~LessonDialogs() = default;
    virtual std::optional<QString> choose_lesson_to_open(QWidget *parent) = 0;
    virtual std::optional<QString> choose_lesson_to_save(QWidget *parent, const QString &name) = 0;
    // The new step's title, starting from the proposed one; never empty.
    virtual std::optional<QString> ask_step_title(QWidget *parent, const QString &proposed) = 0;
    // The lesson's title, the title it has to start with; never empty.
    virtual std::optional<QString> ask_lesson_title(QWidget *parent, const QString &title) = 0;
    // The lesson has changes that are not saved: save them, discard them or do nothing.
    virtual Unsaved ask_unsaved(QWidget *parent, const QString &lesson_name) = 0;
    // The lesson's file was changed by someone else since it was read or saved here: read it
    // again, write over it, or do nothing.
    virtual Changed ask_changed_on_disk(QWidget *parent, const QString &lesson_name) = 0;
    // Shows the work's progress from now until the progress is destroyed.
    virtual std::unique_ptr<LessonProgress> show_progress(
        QWidget *parent, const QString &text, long total) = 0;
    virtual void show_error(QWidget *parent, const QString &text) = 0;
    virtual void show_message(QWidget *parent, const QString &text) = 0;
};

// The program's dialogs: file dialogs for .aurelion-lesson files, a line to edit for a title
// whose OK waits for a title, questions with Save, Discard and Cancel and with Reload,
// Overwrite and Cancel, a progress bar with Cancel.
class WindowLessonDialogs final : public LessonDialogs
{
public:
    std::optional<QString> choose_lesson_to_open(QWidget *parent) override;
    std::optional<QString> choose_lesson_to_save(QWidget *parent, const QString &name) override;
    std::optional<QString> ask_step_title(QWidget *parent, const QString &proposed) override;
    std::optional<QString> ask_lesson_title(QWidget *parent, const QString &title) override;
    Unsaved ask_unsaved(QWidget *parent, const QString &lesson_name) override;
    Changed ask_changed_on_disk(QWidget *parent, const QString &lesson_name) override;
    std::unique_ptr<LessonProgress> show_progress(
        QWidget *parent, const QString &text, long total) override;
    void show_error(QWidget *parent, const QString &text) override;
    void show_message(QWidget *parent, const QString &text) override;

private:
    QString folder_; // of the last lesson opened or saved
};
