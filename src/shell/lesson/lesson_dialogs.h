#pragma once

#include "lesson.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

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

// What the teacher writes for a new step: its title (never empty), the paragraphs of its text and
// its questions, each with its answer or none.
struct StepNotes
{
    QString title;
    QStringList texts;
    std::vector<LessonQuestion> questions;
};

// A handout file and its kind: the pupils' or the answer key.
struct HandoutChoice
{
    QString path;
    bool answer_key = false;
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
    // The new step's title, starting from the proposed one, its texts and its questions.
    virtual std::optional<StepNotes> ask_step(QWidget *parent, const QString &proposed) = 0;
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
    // Where the handout goes (a PDF or a web page), the answer key chosen in the same dialog.
    virtual std::optional<HandoutChoice> choose_handout_file(
        QWidget *parent, const QString &name, bool web_page) = 0;
    virtual void show_error(QWidget *parent, const QString &text) = 0;
    virtual void show_message(QWidget *parent, const QString &text) = 0;
};

// The program's dialogs: file dialogs for .aurelion-lesson files and for handouts (the answer
// key a type of file to choose), a line to edit for a title whose OK waits for a title, the new
// step's title, paragraphs and a table of questions and answers, whose OK waits for what a lesson
// file may hold, questions with Save, Discard and Cancel and with Reload,
// Overwrite and Cancel, a progress bar with Cancel.
class WindowLessonDialogs final : public LessonDialogs
{
public:
    std::optional<QString> choose_lesson_to_open(QWidget *parent) override;
    std::optional<QString> choose_lesson_to_save(QWidget *parent, const QString &name) override;
    std::optional<StepNotes> ask_step(QWidget *parent, const QString &proposed) override;
    std::optional<QString> ask_lesson_title(QWidget *parent, const QString &title) override;
    Unsaved ask_unsaved(QWidget *parent, const QString &lesson_name) override;
    Changed ask_changed_on_disk(QWidget *parent, const QString &lesson_name) override;
    std::unique_ptr<LessonProgress> show_progress(
        QWidget *parent, const QString &text, long total) override;
    std::optional<HandoutChoice> choose_handout_file(
        QWidget *parent, const QString &name, bool web_page) override;
    void show_error(QWidget *parent, const QString &text) override;
    void show_message(QWidget *parent, const QString &text) override;

private:
    QString folder_; // of the last lesson opened or saved
    QString handout_folder_; // of the last handout saved
};
