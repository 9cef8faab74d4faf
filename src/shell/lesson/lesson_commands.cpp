#include "lesson/lesson_commands.h"

#include "lesson/action_recorder.h"
#include "lesson/lesson_session.h"
#include "lesson/questions_panel.h"
#include "main_window.h"
#include "picture/picture_commands.h"
#include "twips.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

// The mark's place under the drawing's right half, below the frames, in twips.
constexpr int mark_left = 7900, mark_top = 7830, mark_width = 4300, mark_height = 270;
// Room the shortened title leaves at the mark's ends, in the design's pixels: where the type
// is drawn larger at a zoom, its ink may reach a little beyond its advance.
constexpr double mark_margin = 4;

} // namespace

QStringList recent_entries(const QStringList &paths)
{
    QStringList entries;
    for (const QString &path : paths) {
        const QFileInfo file(path);
        QStringList sharing;
        for (const QString &other : paths)
            if (QFileInfo(other).fileName() == file.fileName())
                sharing << QFileInfo(other).absolutePath();
        QString entry = file.fileName();
        if (sharing.size() > 1) {
            // The fewest last folders that tell the files apart, or the whole folder.
            const QString folder = file.absolutePath();
            QString tail = QDir::toNativeSeparators(folder);
            const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
            for (qsizetype count = 1; count < parts.size(); ++count) {
                const auto last = [count](const QString &f) {
                    const QStringList p = f.split(QLatin1Char('/'), Qt::SkipEmptyParts);
                    return p.mid(std::max<qsizetype>(0, p.size() - count)).join(QLatin1Char('/'));
                };
                if (std::count_if(sharing.begin(), sharing.end(),
                        [&](const QString &f) { return last(f) == last(folder); })
                    == 1) {
                    tail = QDir::toNativeSeparators(last(folder));
                    break;
                }
            }
            entry = QStringLiteral("%1 (%2)").arg(entry, tail);
        }
        entries << entry.replace(QLatin1Char('&'), QStringLiteral("&&"));
    }
    return entries;
}

LessonCommands::LessonCommands(MainWindow &window, LessonSession &session)
    : QObject(&window)
    , window_(window)
    , session_(session)
    , recorder_(new ActionRecorder(window))
    , mark_(new Label(window.form().background))
    , questions_(new QuestionsPanel(&window.stage()))
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
    recent_->setToolTipsVisible(true);
    menu_->addSeparator();
    actions_.add_step = add(QCoreApplication::translate("Lesson", "A&dd Step..."),
        QKeySequence(Qt::CTRL | Qt::Key_L), [this] { session_.add_step(); });
    actions_.title = add(QCoreApplication::translate("Lesson", "Lesson &Title..."), {},
        [this] { session_.set_title(); });
    menu_->addSeparator();
    actions_.first_step = add(QCoreApplication::translate("Lesson", "&First Step"),
        QKeySequence(Qt::Key_Home), [this] { session_.present(0); });
    actions_.last_step =
        add(QCoreApplication::translate("Lesson", "&Last Step"), QKeySequence(Qt::Key_End),
            [this] { session_.present(int(session_.lesson().steps.size()) - 1); });
    // Page Down reveals too, but it is the View menu's Next Topic's shortcut.
    actions_.reveal = add(
        QCoreApplication::translate("Lesson", "Re&veal Answer"), {}, [this] { session_.reveal(); });
    menu_->addSeparator();
    actions_.save = add(QCoreApplication::translate("Lesson", "&Save Lesson"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), [this] { session_.save(); });
    actions_.save_as = add(QCoreApplication::translate("Lesson", "Save Lesson &As..."), {},
        [this] { session_.save_as(); });
    actions_.save_handout = add(QCoreApplication::translate("Lesson", "Save &Handout..."), {},
        [this] { session_.save_handout(false); });
    actions_.save_web_page = add(QCoreApplication::translate("Lesson", "Save as &Web Page..."), {},
        [this] { session_.save_handout(true); });
    menu_->addSeparator();
    actions_.close = add(QCoreApplication::translate("Lesson", "&Close Lesson"), {},
        [this] { session_.close_lesson(); });

    // Under the drawing's right half, below the frames: on the window's background, so it grows
    // with the zoom and is never part of a picture or a recording.
    mark_->set_font_spec({ FontFamily::MsSansSerif, 9, true });
    mark_->set_foreground(qRgb(0, 0, 128));
    mark_->place(mark_left, mark_top, mark_width, mark_height);
    mark_->setAccessibleName(QCoreApplication::translate("Lesson", "lesson step"));
    window.stage().set_beside(questions_);
    // The mark names the step only while the step's topic is on screen.
    for (const auto &[key, action] : window.menus())
        if (!action->menu())
            connect(action, &QAction::triggered, this, [this] { update_mark(); });
    window.installEventFilter(this);
    menu_bar_ = window.menuBar();
    menu_bar_->installEventFilter(this);
    questions_->set_text_font(window.menuBar()->font());
    update();
}

bool LessonCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &window_ && event->type() == QEvent::LanguageChange)
        update_mark();
    // The questions' text follows the menu bar's, at the window's zoom.
    if (event->type() == QEvent::FontChange && watched == menu_bar_) {
        questions_->set_text_font(menu_bar_->font());
        window_.stage().place_beside();
    }
    return false;
}

QString LessonCommands::mark() const
{
    return mark_->isVisibleTo(&window_) ? mark_->toolTip() : QString();
}

void LessonCommands::update()
{
    const bool open = session_.is_open();
    const bool steps = open && !session_.lesson().steps.empty();
    actions_.title->setEnabled(open);
    actions_.first_step->setEnabled(steps);
    actions_.last_step->setEnabled(steps);
    actions_.save->setEnabled(open);
    actions_.save_as->setEnabled(open);
    actions_.save_handout->setEnabled(steps);
    actions_.save_web_page->setEnabled(steps);
    actions_.close->setEnabled(open);
    recent_->clear();
    const QStringList entries = recent_entries(session_.recent());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString path = session_.recent()[i];
        QAction *entry = recent_->addAction(entries[i]);
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] {
            if (session_.may_discard_changes())
                session_.open_lesson(path);
        });
    }
    recent_->setEnabled(!session_.recent().isEmpty());
    update_mark();
}

void LessonCommands::update_questions()
{
    const std::optional<int> shown = session_.shown_step();
    actions_.reveal->setEnabled(session_.revealed() < session_.answers());
    questions_->show_questions(shown ? session_.lesson().steps[std::size_t(*shown)].questions
                                     : std::vector<LessonQuestion> {},
        session_.revealed());
    window_.stage().place_beside();
}

void LessonCommands::update_mark()
{
    update_questions();
    const std::optional<int> shown = session_.shown_step();
    if (!shown) {
        mark_->setVisible(false);
        mark_->set_caption({});
        mark_->setToolTip({});
        mark_->setAccessibleDescription({});
        return;
    }
    const QString head = QCoreApplication::translate("Lesson", "Step %1 of %2: %3")
                             .arg(*shown + 1)
                             .arg(session_.lesson().steps.size());
    const QString title = session_.lesson().steps[std::size_t(*shown)].title;
    const QString whole = head.arg(title);
    // The step's number always whole; the title shortened at its end to what the mark holds. The
    // mark lays out its text at the design's size, whatever the zoom.
    const QFontMetricsF metrics(mark_->font());
    const double room = double(mark_width) / twips_per_pixel - 2 * mark_margin
        - metrics.horizontalAdvance(head.arg(QString()));
    mark_->set_caption(head.arg(metrics.elidedText(title, Qt::ElideRight, std::max(room, 0.0))));
    mark_->setToolTip(whole);
    if (mark_->accessibleDescription() != whole) {
        mark_->setAccessibleDescription(whole);
        QAccessibleEvent described(mark_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    mark_->setVisible(true);
}
