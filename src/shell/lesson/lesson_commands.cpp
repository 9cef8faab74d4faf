#include "lesson/lesson_commands.h"

#include "lesson/action_recorder.h"
#include "lesson/lesson_session.h"
#include "main_window.h"
#include "picture/picture_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

LessonCommands::LessonCommands(MainWindow &window, LessonSession &session)
    : QObject(&window)
    , window_(window)
    , session_(session)
    , recorder_(new ActionRecorder(window))
    , mark_(new Label(window.form().background))
{
    menu_ = new QMenu(QCoreApplication::translate("Lesson", "&Lesson"), &window);
    window.menuBar()->insertMenu(window.picture_commands().menu()->menuAction(), menu_);
    const auto add = [this](const QString &text, const QKeySequence &keys, auto handler) {
        QAction *action = menu_->addAction(text);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    actions_.new_lesson = add(QCoreApplication::translate("Lesson", "&New Lesson"), {},
        [this] { session_.new_lesson(); });
    actions_.open = add(QCoreApplication::translate("Lesson", "&Open Lesson..."),
        QKeySequence(Qt::CTRL | Qt::Key_O), [this] { session_.open_lesson(); });
    recent_ = menu_->addMenu(QCoreApplication::translate("Lesson", "Open &Recent"));
    menu_->addSeparator();
    actions_.add_step = add(QCoreApplication::translate("Lesson", "A&dd Step..."),
        QKeySequence(Qt::CTRL | Qt::Key_L), [this] { session_.add_step(); });
    menu_->addSeparator();
    actions_.save = add(QCoreApplication::translate("Lesson", "&Save Lesson"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), [this] { session_.save(); });
    actions_.save_as = add(QCoreApplication::translate("Lesson", "Save Lesson &As..."), {},
        [this] { session_.save_as(); });
    actions_.close = add(QCoreApplication::translate("Lesson", "&Close Lesson"), {},
        [this] { session_.close_lesson(); });

    // Under the drawing's right half, below the frames: on the window's background, so it grows
    // with the zoom and is never part of a picture or a recording.
    mark_->set_font_spec({ FontFamily::MsSansSerif, 9, true });
    mark_->set_foreground(qRgb(0, 0, 128));
    mark_->place(7900, 7830, 4300, 270);
    mark_->setAccessibleName(QCoreApplication::translate("Lesson", "lesson step"));
    update();
}

QString LessonCommands::mark() const
{
    return mark_->isVisibleTo(&window_) ? mark_->caption() : QString();
}

void LessonCommands::update()
{
    const bool open = session_.is_open();
    actions_.save->setEnabled(open);
    actions_.save_as->setEnabled(open);
    actions_.close->setEnabled(open);
    recent_->clear();
    for (const QString &path : session_.recent())
        connect(recent_->addAction(QFileInfo(path).fileName()), &QAction::triggered, this,
            [this, path] {
                if (session_.may_discard_changes())
                    session_.open_lesson(path);
            });
    recent_->setEnabled(!session_.recent().isEmpty());
    const QString text = session_.mark();
    mark_->set_caption(text);
    mark_->setVisible(!text.isEmpty());
}
