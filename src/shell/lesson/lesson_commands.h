#pragma once

#include <QObject>
#include <QStringList>

class ActionRecorder;
class Label;
class LessonSession;
class MainWindow;
class QuestionsPanel;
class QAction;
class QMenu;
class QWidget;

// The Lesson menu, before the Picture menu: New Lesson, Open Lesson, Open Recent, Add Step, the
// lesson's title, the first and the last step (Home and End), Reveal Answer, Save Lesson, Save
// Lesson As, Save Handout, Save as Web Page and Close Lesson; the mark under the drawing that
// names the step on screen and the step's questions beside the design. It keeps what the
// user does in the window, for the next step.
class LessonCommands final : public QObject
{
public:
    struct Actions
    {
        QAction *new_lesson = nullptr;
        QAction *open = nullptr;
        QAction *add_step = nullptr;
        QAction *title = nullptr;
        QAction *first_step = nullptr;
        QAction *last_step = nullptr;
        QAction *reveal = nullptr;
        QAction *save = nullptr;
        QAction *save_as = nullptr;
        QAction *save_handout = nullptr;
        QAction *save_web_page = nullptr;
        QAction *close = nullptr;
    };

    LessonCommands(MainWindow &window, LessonSession &session);

    QMenu *menu() const { return menu_; }
    QMenu *recent_menu() const { return recent_; }
    const Actions &actions() const { return actions_; }
    ActionRecorder &recorder() { return *recorder_; }
    LessonSession &session() { return session_; }
    // The mark's whole text while it is shown, else nothing.
    QString mark() const;
    const Label &mark_label() const { return *mark_; }
    const QuestionsPanel &questions() const { return *questions_; }
    // The menu's commands and the mark as the session stands.
    void update();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update_mark();
    void update_questions();

    MainWindow &window_;
    LessonSession &session_;
    QMenu *menu_ = nullptr;
    QMenu *recent_ = nullptr;
    Actions actions_;
    ActionRecorder *recorder_ = nullptr;
    Label *mark_ = nullptr;
    QuestionsPanel *questions_ = nullptr;
    QWidget *menu_bar_ = nullptr; // its font is the questions'
};

// The Open Recent menu's entries for these paths: each file's name, and where two share a name,
// the folders that tell them apart.
QStringList recent_entries(const QStringList &paths);
