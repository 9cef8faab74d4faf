#include "lesson/lesson_session.h"

#include "language/languages.h"
#include "lesson/action_recorder.h"
#include "lesson/handout.h"
#include "lesson/lesson_commands.h"
#include "lesson/shown_state.h"
#include "lesson/step_random.h"
#include "output_file.h"
#include "picture/worksheet_content.h"
#include "window/settings_file.h"
#include "window_actions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QSettings>

#include <algorithm>
#include <set>

namespace {

const QString recent_key = QStringLiteral("lessons/recent");
constexpr int recent_count = 6;

// The timer does not fire on its own while this lives: the window keeps what it shows.
class TimerHold
{
public:
    explicit TimerHold(MainWindow &window)
        : timer_(*window.form().Timer1)
        , was_(timer_.held())
    {
        timer_.hold(true);
    }
    ~TimerHold() { timer_.hold(was_); }
    TimerHold(const TimerHold &) = delete;
    TimerHold &operator=(const TimerHold &) = delete;

private:
    Timer &timer_;
    bool was_;
};

// Shorter ways to try. A control clicked again may set afresh what it set before (a model, an
// example, start values, an angle set to nought), so that what came before counts for nothing:
// everything from the first click up to a control's last click left out, and then each click
// alone, the latest first.
std::vector<std::vector<RenderAction>> shorter_tries(const std::vector<RenderAction> &actions)
{
    const auto is_click = [](const RenderAction &a) { return a.kind == RenderAction::Kind::Click; };
    const auto first_click = std::find_if(actions.begin(), actions.end(), is_click);
    std::vector<std::vector<RenderAction>> tries;
    QStringList names;
    for (auto a = actions.rbegin(); a != actions.rend(); ++a) {
        if (!is_click(*a) || names.contains(a->name))
            continue;
        names << a->name;
        const auto last = a.base() - 1;
        if (last != first_click) {
            std::vector<RenderAction> after(actions.begin(), first_click);
            after.insert(after.end(), last, actions.end());
            tries.push_back(after);
        }
    }
    for (auto a = actions.rbegin(); a != actions.rend(); ++a) {
        if (!is_click(*a))
            continue;
        std::vector<RenderAction> without(actions.begin(), a.base() - 1);
        without.insert(without.end(), a.base(), actions.end());
        tries.push_back(without);
    }
    return tries;
}

} // namespace

// A window's own random source and messages. A message shown while the step was made (the end
// of a simulation, a corner's coordinates) is no part of what the step shows: the replay keeps
// quiet.
class LessonSession::Parts final : public QObject, public MessageBox
{
public:
    Parts(std::uint64_t seed, MessageBox *shown_by)
        : random(seed)
        , shown_by_(shown_by)
    { }
    void show_messages_of(MainWindow &window)
    {
        if (shown_by_)
            return;
        own_ =
            std::make_unique<DialogMessageBox>(&window, [&window] { return window.dialog_font(); });
        shown_by_ = own_.get();
    }
    void MsgBox(const QString &text, const QString &title) override
    {
        if (!quiet && shown_by_)
            shown_by_->MsgBox(text, title);
    }

    StepRandom random;
    bool quiet = false;

private:
    MessageBox *shown_by_;
    std::unique_ptr<DialogMessageBox> own_;
};

LessonSession::LessonSession(const WindowOptions &options, std::uint64_t first_seed)
    : options_(options)
{
    options_.lesson = this;
    if (options_.settings)
        recent_ = options_.settings->values().value(recent_key).toStringList();
    window_ = make_window(first_seed, parts_);
}

LessonSession::~LessonSession() = default;

std::unique_ptr<MainWindow> LessonSession::make_window(std::uint64_t seed, Parts *&parts)
{
    auto made = std::make_unique<Parts>(seed, options_.messages);
    WindowOptions options = options_;
    options.random = &made->random;
    options.messages = made.get();
    auto window = std::make_unique<MainWindow>(options);
    made->show_messages_of(*window);
    made->setParent(window.get());
    parts = made.release();
    if (LessonCommands *commands = window->lesson_commands())
        commands->recorder().set_random(&parts->random);
    seed_ = seed;
    return window;
}

std::optional<int> LessonSession::shown_step() const
{
    if (!open_ || !step_ || window_->form().topic != step_topic_)
        return std::nullopt;
    return step_;
}

QString LessonSession::mark() const
{
    const std::optional<int> shown = shown_step();
    if (!shown)
        return {};
    return QCoreApplication::translate("Lesson", "Step %1 of %2: %3")
        .arg(*shown + 1)
        .arg(lesson_.steps.size())
        .arg(lesson_.steps[std::size_t(*shown)].title);
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
    if (busy_ || !may_discard_changes())
        return;
    open_ = true;
    lesson_ = {};
    path_.clear();
    source_path_.clear();
    modified_ = false;
    step_.reset();
    changed();
}

void LessonSession::open_lesson()
{
    if (busy_ || !may_discard_changes())
        return;
    if (const auto path = dialogs_->choose_lesson_to_open(window_.get()))
        open_lesson(*path);
}

bool LessonSession::open_lesson(const QString &path) { return !busy_ && read(path); }

bool LessonSession::read(const QString &path)
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
    source_path_ = path;
    modified_ = false;
    step_.reset();
    remember(path);
    if (!lesson_.steps.empty())
        present(0);
    changed();
    if (lesson_.steps.empty())
        dialogs_->show_message(window_.get(),
            QCoreApplication::translate("Lesson",
                "The lesson %1 has no steps: its file is empty or holds only comments and a "
                "title. Add steps with Add Step (%2).")
                .arg(QFileInfo(path).fileName(),
                    QKeySequence(Qt::CTRL | Qt::Key_L).toString(QKeySequence::NativeText)));
    return true;
}

StepReplay LessonSession::replay(MainWindow &window, const std::vector<RenderAction> &actions,
    QWidget *parent, const QString &text)
{
    return replay_step(window, actions, progress_delay_,
        [this, parent, &text](long total) { return dialogs_->show_progress(parent, text, total); });
}

// Whether the path, replayed in a fresh window out of sight, shows what was shown; nothing when
// the user cancelled the check.
std::optional<bool> LessonSession::gives(const ActionRecorder::Path &path, const QByteArray &shown)
{
    StepRandom random(path.seed.value_or(0));
    RecordedMessageBox messages;
    WindowOptions options;
    options.manual_timer = true;
    options.messages = &messages;
    options.random = &random;
    options.zoom = 1;
    options.language = window_->languages().language();
    MainWindow check(options);
    check.setAttribute(Qt::WA_DontShowOnScreen);
    check.show();
    busy_ = true;
    const StepReplay done = replay(check, path.actions, window_.get(),
        QCoreApplication::translate("Lesson", "Checking the new step..."));
    busy_ = false;
    if (done.outcome == StepReplay::Outcome::Cancelled)
        return std::nullopt;
    return done.outcome == StepReplay::Outcome::Done && shown_state(check) == shown;
}

ActionRecorder::Path LessonSession::shortest_path(
    ActionRecorder::Path path, const ActionRecorder::Path &relevant, const QByteArray &shown)
{
    // Where the shortest path skipped a stretch that came back to what was shown before, the
    // values out of sight may differ in their last digits: it is kept where it shows the same.
    if (path.actions != relevant.actions) {
        const std::optional<bool> same = gives(path, shown);
        if (!same)
            return relevant;
        if (!*same)
            path = relevant;
    }
    // A few shorter ways are tried, each kept where it shows the same; each try replays its
    // path, so that the tries together replay a bounded number of actions and ticks.
    const auto work = [](const std::vector<RenderAction> &actions) {
        long units = 0;
        for (const RenderAction &a : actions)
            units += a.kind == RenderAction::Kind::Tick ? a.count : 1;
        return units;
    };
    std::set<QString> tried;
    int tries = 8;
    long units = 20000;
    for (bool shorter = true; shorter && tries > 0;) {
        shorter = false;
        for (const std::vector<RenderAction> &actions : shorter_tries(path.actions)) {
            QString words;
            for (const RenderAction &a : actions)
                words += action_text(a) + QLatin1Char(' ');
            if (!tried.insert(words).second)
                continue;
            units -= work(actions);
            if (units < 0)
                return path;
            const ActionRecorder::Path trial { actions, path.seed };
            const std::optional<bool> same = gives(trial, shown);
            if (!same)
                return path;
            if (*same) {
                path = trial;
                shorter = true;
                break;
            }
            if (--tries == 0)
                break;
        }
    }
    return path;
}

void LessonSession::add_step()
{
    if (busy_)
        return;
    if (!open_)
        new_lesson();
    MainWindow &w = *window_;
    // The step is what the window shows now: the chaos game waits until the title is given,
    // and goes on after it.
    const TimerHold hold(w);
    const ActionRecorder &recorder = w.lesson_commands()->recorder();
    const ActionRecorder::Path shortest = recorder.shortest_path();
    const ActionRecorder::Path relevant = recorder.relevant_path();
    const QByteArray shown = shown_state(w);
    const int topic = w.form().topic;
    const QString caption = topic_caption(w, topic);
    const QString state = picture_state_words(w);
    const QString proposed = caption.isEmpty()
        ? QCoreApplication::translate("Lesson", "Title screen")
        : state.isEmpty() ? caption
                          : caption + QStringLiteral(", ") + state;
    const auto notes = dialogs_->ask_step(&w, proposed);
    if (!notes)
        return;
    const ActionRecorder::Path path = shortest_path(shortest, relevant, shown);
    LessonStep step;
    step.title = notes->title;
    step.texts = notes->texts;
    step.questions = notes->questions;
    step.actions = path.actions;
    if (std::any_of(path.actions.begin(), path.actions.end(),
            [](const RenderAction &a) { return a.kind == RenderAction::Kind::Tick; }))
        step.seed = path.seed;
    // A step must replay within what a lesson file may hold (the chaos game's ticks, the
    // actions of a step, the steps of a lesson), or the lesson could not be read back.
    Lesson with = lesson_;
    with.steps.push_back(step);
    Lesson read;
    if (const LessonError error = parse_lesson(lesson_text(with), read); error.failed()) {
        dialogs_->show_error(&w,
            QCoreApplication::translate("Lesson",
                "The picture cannot become a step: %1. Choose its topic afresh and add the step "
                "sooner.")
                .arg(error.message));
        return;
    }
    lesson_.steps.push_back(step);
    step_ = int(lesson_.steps.size()) - 1;
    revealed_ = 0;
    step_topic_ = topic;
    modified_ = true;
    changed();
}

void LessonSession::set_title()
{
    if (busy_ || !open_)
        return;
    const auto title = dialogs_->ask_lesson_title(window_.get(),
        lesson_.title.isEmpty() && !path_.isEmpty() ? QFileInfo(path_).completeBaseName()
                                                    : lesson_.title);
    if (!title || *title == lesson_.title)
        return;
    lesson_.title = *title;
    modified_ = true;
    changed();
}

bool LessonSession::save()
{
    if (busy_ || !open_)
        return false;
    if (path_.isEmpty())
        return save_as();
    if (source_path_ == path_ && lesson_changed_on_disk(path_, lesson_)) {
        switch (dialogs_->ask_changed_on_disk(window_.get(), name())) {
        case LessonDialogs::Changed::Reload:
            read(path_);
            return false;
        case LessonDialogs::Changed::Overwrite:
            break;
        case LessonDialogs::Changed::Cancel:
            return false;
        }
    }
    return write();
}

bool LessonSession::write()
{
    if (lesson_.title.isEmpty())
        lesson_.title = QFileInfo(path_).completeBaseName();
    if (const QString why = save_lesson(path_, lesson_); !why.isEmpty()) {
        dialogs_->show_error(window_.get(),
            QCoreApplication::translate("Lesson", "The lesson could not be saved as %1: %2")
                .arg(path_, why));
        return false;
    }
    source_path_ = path_;
    modified_ = false;
    remember(path_);
    changed();
    return true;
}

bool LessonSession::save_as()
{
    if (busy_ || !open_)
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
    if (busy_ || !may_discard_changes())
        return;
    open_ = false;
    lesson_ = {};
    path_.clear();
    source_path_.clear();
    modified_ = false;
    step_.reset();
    changed();
}

bool LessonSession::present(int index)
{
    if (busy_ || !open_ || index < 0 || index >= int(lesson_.steps.size()))
        return false;
    const LessonStep step = lesson_.steps[std::size_t(index)];
    const std::uint64_t old_seed = seed_;
    MainWindow &old = *window_;
    Parts *next_parts = nullptr;
    std::unique_ptr<MainWindow> next =
        make_window(step.seed ? *step.seed : SeededRandom::fresh_seed(), next_parts);
    // The step is made out of sight while the window on screen stays as it is, its game
    // waiting; both windows' timers wait until the step is ready.
    busy_ = true;
    const TimerHold old_hold(old);
    std::optional<TimerHold> next_hold(std::in_place, *next);
    next->setAttribute(Qt::WA_DontShowOnScreen);
    next->show();
    next_parts->quiet = true;
    ActionRecorder &recorder = next->lesson_commands()->recorder();
    recorder.keep_looking(false);
    const StepReplay done = replay(*next, step.actions, &old,
        QCoreApplication::translate("Lesson", "Showing step %1 of %2...")
            .arg(index + 1)
            .arg(lesson_.steps.size()));
    next_parts->quiet = false;
    recorder.keep_looking(true);
    busy_ = false;
    if (done.outcome != StepReplay::Outcome::Done) {
        next_hold.reset();
        next.reset();
        seed_ = old_seed;
        if (done.outcome == StepReplay::Outcome::Failed)
            dialogs_->show_error(&old,
                QCoreApplication::translate("Lesson", "Step %1 cannot be shown: line %2: %3")
                    .arg(index + 1)
                    .arg(done.failed < step.lines.size() ? step.lines[done.failed] : 0)
                    .arg(done.why));
        return false;
    }
    // In the place of the window on screen, at its zoom.
    next->hide();
    next->setAttribute(Qt::WA_DontShowOnScreen, false);
    next->setGeometry(old.geometry());
    if (!old.view().zoom_fits())
        next->view().set_zoom(old.zoom());
    next->setWindowIcon(old.windowIcon());
    if (old.isFullScreen())
        next->view().set_full_screen(true);
    next->show();
    step_ = index;
    revealed_ = 0;
    step_topic_ = next->form().topic;
    std::swap(window_, next);
    parts_ = next_parts;
    next->hide();
    next.release()->deleteLater();
    window_->activateWindow();
    changed();
    return true;
}

int LessonSession::answers() const
{
    const std::optional<int> shown = shown_step();
    if (!shown)
        return 0;
    const auto &questions = lesson_.steps[std::size_t(*shown)].questions;
    return int(std::count_if(questions.begin(), questions.end(),
        [](const LessonQuestion &q) { return !q.answer.isEmpty(); }));
}

bool LessonSession::reveal()
{
    if (busy_ || revealed() >= answers())
        return false;
    ++revealed_;
    changed();
    return true;
}

bool LessonSession::step_by(int delta)
{
    if (!open_ || lesson_.steps.empty())
        return false;
    if (busy_)
        return true;
    if (delta > 0 && reveal())
        return true;
    if (delta < 0 && revealed() > 0) {
        --revealed_;
        changed();
        return true;
    }
    const int from = step_ ? *step_ : (delta > 0 ? -1 : int(lesson_.steps.size()));
    const int to = from + delta;
    if (to >= 0 && to < int(lesson_.steps.size()) && present(to) && delta < 0) {
        revealed_ = answers();
        changed();
    }
    return true;
}

void LessonSession::save_handout(bool web_page)
{
    if (busy_ || !open_)
        return;
    if (lesson_.steps.empty()) {
        dialogs_->show_message(window_.get(),
            QCoreApplication::translate(
                "Lesson", "The lesson has no steps yet. Add steps with Add Step (%1).")
                .arg(QKeySequence(Qt::CTRL | Qt::Key_L).toString(QKeySequence::NativeText)));
        return;
    }
    const auto choice = dialogs_->choose_handout_file(window_.get(), name(), web_page);
    if (!choice)
        return;
    HandoutSettings settings;
    settings.title = lesson_.title.isEmpty() ? name() : lesson_.title;
    settings.language = window_->languages().language();
    OutputFile file(choice->path);
    const auto failed = [&](const QString &why) {
        dialogs_->show_error(window_.get(),
            QCoreApplication::translate("Lesson", "The handout could not be saved as %1: %2")
                .arg(choice->path, why));
    };
    if (!file.open())
        return failed(file.error());
    // Its progress shows once the work has taken as long as a step's replay waits.
    const auto started = std::chrono::steady_clock::now();
    std::unique_ptr<LessonProgress> shown;
    const HandoutProgress progress = [&](int done, int total) {
        if (!shown && std::chrono::steady_clock::now() - started >= progress_delay_)
            shown = dialogs_->show_progress(window_.get(),
                QCoreApplication::translate("Lesson", "Making the handout..."), total);
        if (!shown)
            return true;
        shown->set_done(done);
        return !shown->cancelled();
    };
    const TimerHold hold(*window_);
    busy_ = true;
    const HandoutResult result = write_handouts(lesson_, settings,
        { { handout_format_of(choice->path)
                .value_or(web_page ? HandoutFormat::Html : HandoutFormat::Pdf),
            choice->answer_key, &file.device() } },
        progress);
    busy_ = false;
    shown.reset();
    switch (result.outcome) {
    case HandoutResult::Outcome::Written:
        if (!file.commit())
            failed(file.error());
        return;
    case HandoutResult::Outcome::Cancelled:
        file.cancel();
        return;
    case HandoutResult::Outcome::StepFailed:
        file.cancel();
        dialogs_->show_error(window_.get(),
            QCoreApplication::translate("Lesson", "Step %1 cannot be shown: %2")
                .arg(result.step)
                .arg(result.error.text()));
        return;
    case HandoutResult::Outcome::NotWritten:
        file.cancel();
        failed(file.error().isEmpty()
                ? QCoreApplication::translate("Lesson", "the contents could not be made")
                : file.error());
        return;
    }
}
