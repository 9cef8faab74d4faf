#pragma once

#include <QObject>
#include <QStringList>

class ActionRecorder;
class Label;
class LessonSession;
class MainWindow;
class QAction;
class QMenu;

// The Lesson menu, before the Picture menu: New Lesson, Open Lesson, Open Recent, Add Step, the
// lesson's title, the first and the last step (Home and End), Save Lesson, Save Lesson As and
// Close Lesson; and the mark under the drawing that names the step on screen. It keeps what the
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
        QAction *save = nullptr;
        QAction *save_as = nullptr;
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
    // The menu's commands and the mark as the session stands.
    void update();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update_mark();

    MainWindow &window_;
    LessonSession &session_;
    QMenu *menu_ = nullptr;
    QMenu *recent_ = nullptr;
    Actions actions_;
    ActionRecorder *recorder_ = nullptr;
    Label *mark_ = nullptr;
};

// The Open Recent menu's entries for these paths: each file's name, and where two share a name,
// the folders that tell them apart.
QStringList recent_entries(const QStringList &paths);
