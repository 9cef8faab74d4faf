#pragma once

#include <QString>

#include <optional>

class QWidget;

// What the Lesson menu asks: the program's own dialogs, or scripted answers in the tests. A
// cancelled dialog answers nothing.
class LessonDialogs
{
public:
    enum class Unsaved { Save, Discard, Cancel };

    virtual ~LessonDialogs() = default;
    virtual std::optional<QString> choose_lesson_to_open(QWidget *parent) = 0;
    virtual std::optional<QString> choose_lesson_to_save(QWidget *parent, const QString &name) = 0;
    // The new step's title, starting from the proposed one.
    virtual std::optional<QString> ask_step_title(QWidget *parent, const QString &proposed) = 0;
    // The lesson has changes that are not saved: save them, discard them or do nothing.
    virtual Unsaved ask_unsaved(QWidget *parent, const QString &lesson_name) = 0;
    virtual void show_error(QWidget *parent, const QString &text) = 0;
};

// The program's dialogs: file dialogs for .aurelion-lesson files, a line to edit for the
// step's title, a question with Save, Discard and Cancel.
class WindowLessonDialogs final : public LessonDialogs
{
public:
    std::optional<QString> choose_lesson_to_open(QWidget *parent) override;
    std::optional<QString> choose_lesson_to_save(QWidget *parent, const QString &name) override;
    std::optional<QString> ask_step_title(QWidget *parent, const QString &proposed) override;
    Unsaved ask_unsaved(QWidget *parent, const QString &lesson_name) override;
    void show_error(QWidget *parent, const QString &text) override;

private:
    QString folder_; // of the last lesson opened or saved
};
