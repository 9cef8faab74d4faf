#include "lesson/lesson_session.h"

#include "lesson/action_recorder.h"
#include "lesson/lesson_commands.h"
#include "picture/worksheet_content.h"
#include "window/settings_file.h"
#include "window_actions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString recent_key = QStringLiteral("lessons/recent");
constexpr int recent_count = 6;

} // namespace

LessonSession::LessonSession(const WindowOptions &options, std::uint64_t first_seed)
    : options_(options)
{
    options_.lesson = this;
    if (options_.settings)
        recent_ = options_.settings->values().value(recent_key).toStringList();
    window_ = make_window(first_seed);
}

LessonSession::~LessonSession() = default;

std::unique_ptr<MainWindow> LessonSession::make_window(std::uint64_t seed)
{
    randoms_.push_back(std::make_unique<SeededRandom>(seed));
    WindowOptions options = options_;
    options.random = randoms_.back().get();
    seed_ = seed;
    return std::make_unique<MainWindow>(options);
}

QString LessonSession::mark() const
{
    if (!open_ || !step_)
        return {};
    return QCoreApplication::translate("Lesson", "Step %1 of %2: %3")
        .arg(*step_ + 1)
        .arg(lesson_.steps.size())
        .arg(lesson_.steps[std::size_t(*step_)].title);
}

QString LessonSession::name() const
{
    if (!path_.isEmpty())
        return QFileInfo(path_).completeBaseName();
    return lesson_.title.isEmpty() ? QStringLiteral("lesson") : lesson_.title;
}

void LessonSession::changed()
{
    if (LessonCommands *commands = window_->lesson_commands())
        commands->update();
}

void LessonSession::remember(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent_.removeAll(absolute);
    recent_.prepend(absolute);
    while (recent_.size() > recent_count)
        recent_.removeLast();
    // Kept at once, through the file's lock like the window's other settings.
    if (options_.settings)
        options_.settings->change([this](QSettings &kept) { kept.setValue(recent_key, recent_); });
}

bool LessonSession::may_discard_changes()
{
    if (!open_ || !modified_)
        return true;
    switch (dialogs_->ask_unsaved(window_.get(), name())) {
    case LessonDialogs::Unsaved::Save:
        return save();
    case LessonDialogs::Unsaved::Discard:
        return true;
    case LessonDialogs::Unsaved::Cancel:
        return false;
    }
    return false;
}

void LessonSession::new_lesson()
{
    if (!may_discard_changes())
        return;
    open_ = true;
    lesson_ = {};
    path_.clear();
    modified_ = false;
    step_.reset();
    changed();
}

void LessonSession::open_lesson()
{
    if (!may_discard_changes())
        return;
    if (const auto path = dialogs_->choose_lesson_to_open(window_.get()))
        open_lesson(*path);
}

bool LessonSession::open_lesson(const QString &path)
{
    Lesson read;
    if (const LessonError error = read_lesson(path, read); error.failed()) {
        dialogs_->show_error(window_.get(),
            QCoreApplication::translate("Lesson", "The lesson %1 cannot be opened: %2")
                .arg(QFileInfo(path).fileName(), error.text()));
        return false;
    }
    open_ = true;
    lesson_ = read;
    path_ = path;
    modified_ = false;
    step_.reset();
    remember(path);
    if (!lesson_.steps.empty())
        present(0);
    changed();
    return true;
}

void LessonSession::add_step()
{
    if (!open_)
        new_lesson();
    MainWindow &w = *window_;
    const QString caption = topic_caption(w, w.form().topic);
    const QString state = picture_state_words(w);
    const QString proposed = caption.isEmpty()
        ? QCoreApplication::translate("Lesson", "Title screen")
        : state.isEmpty() ? caption
                          : caption + QStringLiteral(", ") + state;
    const auto title = dialogs_->ask_step_title(&w, proposed);
    if (!title)
        return;
    LessonStep step;
    step.title = *title;
    step.actions = w.lesson_commands()->recorder().actions();
    // Only the chaos game's ticks draw random numbers.
    for (const RenderAction &a : step.actions)
        if (a.kind == RenderAction::Kind::Tick)
            step.seed = seed_;
    lesson_.steps.push_back(step);
    step_ = int(lesson_.steps.size()) - 1;
    modified_ = true;
    changed();
}

bool LessonSession::save()
{
    if (!open_)
        return false;
    if (path_.isEmpty())
        return save_as();
    if (lesson_.title.isEmpty())
        lesson_.title = QFileInfo(path_).completeBaseName();
    if (const QString why = save_lesson(path_, lesson_); !why.isEmpty()) {
        dialogs_->show_error(window_.get(),
            QCoreApplication::translate("Lesson", "The lesson could not be saved as %1: %2")
                .arg(path_, why));
        return false;
    }
    modified_ = false;
    remember(path_);
    changed();
    return true;
}

bool LessonSession::save_as()
{
    if (!open_)
        return false;
    const auto path = dialogs_->choose_lesson_to_save(window_.get(), name());
    if (!path)
        return false;
    const QString before = path_;
    path_ = *path;
    if (!save()) {
        path_ = before;
        return false;
    }
    return true;
}

void LessonSession::close_lesson()
{
    if (!may_discard_changes())
        return;
    open_ = false;
    lesson_ = {};
    path_.clear();
    modified_ = false;
    step_.reset();
    changed();
}

bool LessonSession::present(int index)
{
    if (!open_ || index < 0 || index >= int(lesson_.steps.size()))
        return false;
    const LessonStep &step = lesson_.steps[std::size_t(index)];
    const std::uint64_t old_seed = seed_;
    std::unique_ptr<MainWindow> next =
        make_window(step.seed ? *step.seed : SeededRandom::fresh_seed());
    MainWindow &old = *window_;
    // In the place of the window on screen, at its zoom.
    if (old.isFullScreen())
        next->view().set_full_screen(true);
    else
        next->setGeometry(old.geometry());
    if (!old.view().zoom_fits())
        next->view().set_zoom(old.zoom());
    next->setWindowIcon(old.windowIcon());
    next->show();
    QApplication::processEvents();
    for (std::size_t i = 0; i < step.actions.size(); ++i) {
        if (const QString why = perform(*next, step.actions[i]); !why.isEmpty()) {
            next->hide();
            seed_ = old_seed;
            dialogs_->show_error(&old,
                QCoreApplication::translate("Lesson", "Step %1 cannot be shown: line %2: %3")
                    .arg(index + 1)
                    .arg(i < step.lines.size() ? step.lines[i] : 0)
                    .arg(why));
            return false;
        }
    }
    step_ = index;
    std::swap(window_, next);
    next->hide();
    next.release()->deleteLater();
    window_->activateWindow();
    changed();
    return true;
}

bool LessonSession::step_by(int delta)
{
    if (!open_ || lesson_.steps.empty())
        return false;
    const int from = step_ ? *step_ : (delta > 0 ? -1 : int(lesson_.steps.size()));
    const int to = from + delta;
    if (to >= 0 && to < int(lesson_.steps.size()))
        present(to);
    return true;
}
