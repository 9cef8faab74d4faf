#include "lesson/action_recorder.h"
#include "lesson/lesson_commands.h"
#include "lesson/lesson_session.h"
#include "lesson/questions_panel.h"
#include "lesson/shown_state.h"
#include "lesson/step_random.h"
#include "pdf_tools.h"
#include "picture/picture_commands.h"
#include "window_actions.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

// The Lesson menu in the window: steps added, saved, opened and shown as they were added.
class TestLessonWindow : public QObject
{
    Q_OBJECT

private slots:
    void lesson_menu_before_picture();
    void steps_show_what_was_added_data();
    void steps_show_what_was_added();
    void steps_keep_the_shortest_words_data();
    void steps_keep_the_shortest_words();
    void step_is_the_moment_of_ctrl_l();
    void page_keys_step_through_the_lesson();
    void long_step_shows_progress_data();
    void long_step_shows_progress();
    void mark_keeps_the_step_number_data();
    void mark_keeps_the_step_number();
    void mark_names_only_the_step_on_screen();
    void file_changed_on_disk_asks_data();
    void file_changed_on_disk_asks();
    void hand_edits_kept_through_the_window();
    void lesson_file_grows_linearly();
    void picture_beyond_a_steps_limits();
    void lesson_title_set_in_the_window();
    void notes_saved_and_read_back_data();
    void notes_saved_and_read_back();
    void questions_beside_the_design_data();
    void questions_beside_the_design();
    void page_keys_reveal_answers_then_step();
    void questions_absent_from_pictures();
    void screen_reader_reads_the_shown_step();
    void handout_and_web_page_from_the_window_data();
    void handout_and_web_page_from_the_window();
    void step_dialog_takes_notes_data();
    void step_dialog_takes_notes();
    void lesson_without_steps_says_so_data();
    void lesson_without_steps_says_so();
    void recent_entries_tell_folders_apart_data();
    void recent_entries_tell_folders_apart();
    void bad_lesson_keeps_the_lesson_data();
    void bad_lesson_keeps_the_lesson();
    void unsaved_changes_ask_data();
    void unsaved_changes_ask();
};

namespace {

// A long piece of work's progress as a script answers it: cancelled when it is first asked, or
// never.
struct ScriptedProgress final : LessonProgress
{
    ScriptedProgress(bool cancel, int &asked)
        : cancel(cancel)
        , asked(asked)
    { }
    void set_done(long) override { }
    bool cancelled() override
    {
        ++asked;
        return cancel;
    }
    bool cancel;
    int &asked;
};

// Answers the Lesson menu's dialogs as a script says.
struct ScriptedDialogs final : LessonDialogs
{
    std::optional<QString> choose_lesson_to_open(QWidget *) override { return open; }
    std::optional<QString> choose_lesson_to_save(QWidget *, const QString &) override
    {
        return save;
    }
    std::optional<StepNotes> ask_step(QWidget *, const QString &proposed) override
    {
        proposals << proposed;
        if (while_asked)
            while_asked();
        if (title && title->isEmpty())
            return std::nullopt;
        StepNotes written = notes;
        written.title = title ? *title : proposed;
        return written;
    }
    std::optional<HandoutChoice> choose_handout_file(QWidget *, const QString &, bool) override
    {
        return handout;
    }
    std::optional<QString> ask_lesson_title(QWidget *, const QString &) override
    {
        return lesson_title;
    }
    Unsaved ask_unsaved(QWidget *, const QString &) override
    {
        ++questions;
        return unsaved;
    }
    Changed ask_changed_on_disk(QWidget *, const QString &) override
    {
        ++changed_questions;
        return changed;
    }
    std::unique_ptr<LessonProgress> show_progress(QWidget *, const QString &text, long) override
    {
        progress_texts << text;
        return std::make_unique<ScriptedProgress>(cancel_progress, progress_asked);
    }
    void show_error(QWidget *, const QString &text) override { errors << text; }
    void show_message(QWidget *, const QString &text) override { messages << text; }

    std::optional<QString> open, save, title, lesson_title;
    StepNotes notes; // the texts and questions of every step added
    std::optional<HandoutChoice> handout;
    std::function<void()> while_asked;
    Unsaved unsaved = Unsaved::Cancel;
    Changed changed = Changed::Cancel;
    bool cancel_progress = false;
    QStringList proposals, errors, messages, progress_texts;
    int questions = 0, changed_questions = 0, progress_asked = 0;
};

struct TestSession
{
    explicit TestSession(std::uint64_t seed = 5, bool manual_timer = true, double zoom = 1)
        : session(
            [this, manual_timer, zoom] {
                WindowOptions options;
                options.manual_timer = manual_timer;
                options.messages = &messages;
                options.zoom = zoom;
                return options;
            }(),
            seed)
    {
        session.set_dialogs(dialogs);
        session.window().show();
    }
    MainWindow &window() { return session.window(); }
    LessonCommands &commands() { return *window().lesson_commands(); }
    void perform_all(const QStringList &words)
    {
        for (const QString &word : words) {
            RenderAction action;
            QCOMPARE(parse_action(word, action), QString());
            QCOMPARE(perform(window(), action), QString());
        }
    }
    QByteArray shown() { return shown_state(window()); }
    QImage drawing() { return window().form().Picture1->surface().image(); }
    QString mark() { return commands().mark(); }

    RecordedMessageBox messages;
    ScriptedDialogs dialogs;
    LessonSession session;
};

QString menu_titles(QMenuBar *bar)
{
    QStringList titles;
    for (QAction *a : bar->actions())
        titles << a->text().remove(QLatin1Char('&'));
    return titles.join(QLatin1Char('|'));
}

void write_file(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray file_bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lets the event loop run until the condition holds; a watchdog ends a test that would wait
// for ever.
template <typename Condition> void wait_until(Condition condition)
{
    ::alarm(60);
    while (!condition())
        QTest::qWait(5);
    ::alarm(0);
}

} // namespace

void TestLessonWindow::lesson_menu_before_picture()
{
    TestSession t;
    const QString titles = menu_titles(t.window().menuBar());
    QVERIFY2(titles.contains(QStringLiteral("|Lesson|Picture|")), qPrintable(titles));
    const LessonCommands::Actions &a = t.commands().actions();
    QCOMPARE(a.open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(a.add_step->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(a.save->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+L")));
    QCOMPARE(a.first_step->shortcut(), QKeySequence(Qt::Key_Home));
    QCOMPARE(a.last_step->shortcut(), QKeySequence(Qt::Key_End));
    for (QAction *closed : { a.save, a.title, a.first_step, a.last_step })
        QVERIFY(!closed->isEnabled());
    QCOMPARE(t.mark(), QString());
}

void TestLessonWindow::steps_show_what_was_added_data()
{
    QTest::addColumn<QList<QStringList>>("steps"); // what the user does before each Add Step
    QTest::addColumn<QStringList>("titles"); // as proposed
    QTest::newRow("across topics, chaos game included")
        << QList<QStringList> { { "menu:M_gr:0", "click:Command5", "click:Command5" },
               { "menu:M_chaos", "click:Label11:1", "tick:25" },
               { "menu:M_R:6", "move:0.5,1.5", "menu:M_Pyt" } }
        << QStringList { "Fibonacci's rabblis, month 2", "CHAOS, triangle minus half",
               "Pythagoras, a 40 b 30" };
    QTest::newRow("the chaos game twice, start values carried over")
        << QList<QStringList> { { "tick:300", "menu:M_chaos", "tick:12", "menu:M_gr:1",
                                    "click:Label8" },
               { "menu:M_chaos", "click:Label11:4", "tick:7", "click:Cchaos:1", "tick:2" },
               { "menu:M_gr:3" } }
        << QStringList { "Graph y = F(i), f0 1 f1 minus 0.61803", "CHAOS, triangle nine tenths",
               "Graph P, f0 1 f1 minus 0.61803" };
}

// Each step, added after what the user did, is saved, opened in a new program and shown: the
// window shows what it showed when the step was added, to the pixel.
void TestLessonWindow::steps_show_what_was_added()
{
    QFETCH(QList<QStringList>, steps);
    QFETCH(QStringList, titles);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.aurelion-lesson"));
    std::vector<QByteArray> shown;
    {
        TestSession teacher(11);
        for (const QStringList &words : steps) {
            teacher.perform_all(words);
            shown.push_back(teacher.shown());
            teacher.commands().actions().add_step->trigger();
        }
        QCOMPARE(teacher.dialogs.proposals, titles);
        QCOMPARE(teacher.mark(),
            QStringLiteral("Step %1 of %1: %2")
                .arg(steps.size())
                .arg(teacher.dialogs.proposals.back()));
        QVERIFY(teacher.session.modified());
        teacher.dialogs.save = path;
        teacher.commands().actions().save->trigger();
        QVERIFY(!teacher.session.modified());
        QCOMPARE(teacher.dialogs.errors, QStringList());
    }
    TestSession student(99);
    QVERIFY(student.session.open_lesson(path));
    for (int i = 0; i < int(steps.size()); ++i) {
        QVERIFY(student.session.present(i));
        QCOMPARE(student.shown(), shown[std::size_t(i)]);
        QVERIFY(student.mark().startsWith(
            QStringLiteral("Step %1 of %2: ").arg(i + 1).arg(steps.size())));
    }
}

void TestLessonWindow::steps_keep_the_shortest_words_data()
{
    QTest::addColumn<QByteArray>("shown"); // a step shown first, or nothing
    QTest::addColumn<QStringList>("done");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("models tried before the one shown")
        << QByteArray()
        << QStringList { "tick:90", "menu:M_chaos", "click:Label11:3", "tick:4", "click:Cchaos:1",
               "click:Label11:5", "tick:2" }
        << QStringList { "menu:M_chaos", "click:Cchaos:1", "click:Label11:5", "tick:2" };
    QTest::newRow("a turn set to nought after turns")
        << QByteArray()
        << QStringList { "menu:M_plato", "click:Crot1:1", "click:Crot2:0", "click:Crot1:1",
               "click:Lh1" }
        << QStringList { "menu:M_plato", "click:Crot2:0", "click:Lh1" };
    // The diagram of the life generator is drawn again over itself at each click: what it shows
    // depends on how often.
    QTest::newRow("examples tried, their diagram drawn thrice")
        << QByteArray() << QStringList { "menu:M_bevolk:0", "click:CEx:1", "click:CEx:2" }
        << QStringList { "menu:M_bevolk:0", "click:CEx:1", "click:CEx:2" };
    QTest::newRow("start values chosen after steps")
        << QByteArray()
        << QStringList { "menu:M_gr:1", "click:ComP:0", "click:ComP:0", "click:Label8" }
        << QStringList { "menu:M_gr:1", "click:Label8" };
    QTest::newRow("a population run on from its model chosen again")
        << QByteArray()
        << QStringList { "menu:M_bevolk:1", "click:Command3", "click:Optie:2", "click:Command3" }
        << QStringList { "menu:M_bevolk:1", "click:Optie:2", "click:Command3" };
    QTest::newRow("turns are no settings")
        << QByteArray() << QStringList { "menu:M_plato", "click:Crot1:1", "click:Crot1:1" }
        << QStringList { "menu:M_plato", "click:Crot1:1", "click:Crot1:1" };
    QTest::newRow("a step shown, then taken back")
        << QByteArray("step: Month 2\nmenu:M_gr:0 click:Command5 click:Command5\n")
        << QStringList { "click:Command4", "click:Command4" } << QStringList { "menu:M_gr:0" };
    QTest::newRow("a step shown, then taken further")
        << QByteArray("step: Month 2\nmenu:M_gr:0 click:Command5 click:Command5\n")
        << QStringList { "click:Command5", "click:Command4", "click:Command5" }
        << QStringList { "menu:M_gr:0", "click:Command5", "click:Command5", "click:Command5" };
}

// Add Step keeps the shortest words it finds that show what the window shows.
void TestLessonWindow::steps_keep_the_shortest_words()
{
    QFETCH(QByteArray, shown);
    QFETCH(QStringList, done);
    QFETCH(QStringList, kept);
    QTemporaryDir dir;
    TestSession t;
    if (!shown.isEmpty()) {
        const QString path = dir.filePath(QStringLiteral("shown.aurelion-lesson"));
        write_file(path, shown);
        QVERIFY(t.session.open_lesson(path));
    }
    t.perform_all(done);
    const QByteArray now = t.shown();
    t.commands().actions().add_step->trigger();
    QStringList words;
    for (const RenderAction &a : t.session.lesson().steps.back().actions)
        words << action_text(a);
    QCOMPARE(words, kept);
    QVERIFY(t.session.present(int(t.session.lesson().steps.size()) - 1));
    QCOMPARE(t.shown(), now);
}

// The chaos game runs under its timer while the teacher types the step's title: the step is what
// the window showed at Ctrl+L, the game waits while the title is asked and goes on after.
void TestLessonWindow::step_is_the_moment_of_ctrl_l()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.aurelion-lesson"));
    QImage at_ctrl_l;
    {
        TestSession teacher(3, false);
        teacher.perform_all({ "menu:M_chaos" });
        const QImage fresh = teacher.drawing();
        wait_until([&] { return teacher.drawing() != fresh; });
        at_ctrl_l = teacher.drawing();
        bool held = false;
        teacher.dialogs.while_asked = [&teacher, &held, &at_ctrl_l] {
            QTest::qWait(300);
            held = teacher.drawing() == at_ctrl_l;
        };
        teacher.commands().actions().add_step->trigger();
        QVERIFY(held);
        wait_until([&] { return teacher.drawing() != at_ctrl_l; });
        teacher.dialogs.save = path;
        QVERIFY(teacher.session.save());
    }
    TestSession student(8);
    QVERIFY(student.session.open_lesson(path));
    QVERIFY(student.drawing() == at_ctrl_l);
}

void TestLessonWindow::page_keys_step_through_the_lesson()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("l.aurelion-lesson"));
    write_file(path,
        "title: T\nstep: Spiral\nmenu:M_R:5\nstep: Pentagram\nmenu:M_R:4\n"
        "step: Pythagoras\nmenu:M_Pyt\n");
    TestSession t;
    // Without a lesson, Page Down steps through the topics; Home and End are left alone.
    QCOMPARE(t.window().form().topic, 0);
    t.window().view().next_topic();
    QVERIFY(t.window().form().topic != 0);
    QVERIFY(t.session.open_lesson(path));
    QCOMPARE(t.mark(), QStringLiteral("Step 1 of 3: Spiral"));
    const int spiral = t.window().form().topic;
    t.window().view().next_topic();
    QCOMPARE(t.mark(), QStringLiteral("Step 2 of 3: Pentagram"));
    t.window().view().next_topic();
    t.window().view().next_topic(); // beyond the last step: stays
    QCOMPARE(t.mark(), QStringLiteral("Step 3 of 3: Pythagoras"));
    t.window().view().previous_topic();
    t.window().view().previous_topic();
    QCOMPARE(t.mark(), QStringLiteral("Step 1 of 3: Spiral"));
    QCOMPARE(t.window().form().topic, spiral);
    // Home and End: the first and the last step.
    t.commands().actions().last_step->trigger();
    QCOMPARE(t.mark(), QStringLiteral("Step 3 of 3: Pythagoras"));
    t.commands().actions().first_step->trigger();
    QCOMPARE(t.mark(), QStringLiteral("Step 1 of 3: Spiral"));
    QApplication::setActiveWindow(&t.window());
    QVERIFY(QTest::qWaitForWindowActive(&t.window()));
    QTest::keyClick(&t.window(), Qt::Key_End);
    QCOMPARE(t.mark(), QStringLiteral("Step 3 of 3: Pythagoras"));
    QVERIFY(QTest::qWaitForWindowActive(&t.window()));
    QTest::keyClick(&t.window(), Qt::Key_Home);
    QCOMPARE(t.mark(), QStringLiteral("Step 1 of 3: Spiral"));
    t.commands().actions().close->trigger();
    QCOMPARE(t.mark(), QString());
    QVERIFY(!t.commands().actions().first_step->isEnabled());
    t.window().view().next_topic();
    QVERIFY(t.window().form().topic != spiral);
}

void TestLessonWindow::long_step_shows_progress_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("real_dialog"); // the program's own progress, cancelled with Esc
    QTest::newRow("cancelled: the step before stays") << true << false;
    QTest::newRow("Esc: the step before stays") << true << true;
    QTest::newRow("left to finish") << false << false;
}

// A step whose replay takes long shows its progress and can be cancelled, leaving the window on
// screen and its mark as they were; the step's game does not run on meanwhile.
void TestLessonWindow::long_step_shows_progress()
{
    QFETCH(bool, cancel);
    QFETCH(bool, real_dialog);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.aurelion-lesson"));
    write_file(path, "step: Pentagram\nmenu:M_R:4\nstep: Chaos\nseed:4\nmenu:M_chaos tick:3000\n");
    TestSession t;
    WindowLessonDialogs windows;
    if (real_dialog)
        t.session.set_dialogs(windows);
    QVERIFY(t.session.open_lesson(path));
    t.session.set_progress_delay(std::chrono::milliseconds(0));
    MainWindow *before = &t.window();
    const QByteArray shown = t.shown();
    t.dialogs.cancel_progress = cancel;
    // Esc in the progress as soon as it shows.
    QTimer escape;
    escape.setInterval(5);
    QObject::connect(&escape, &QTimer::timeout, [&escape] {
        if (QWidget *progress = QApplication::activeModalWidget()) {
            escape.stop();
            QTest::keyClick(progress, Qt::Key_Escape);
        }
    });
    if (real_dialog)
        escape.start();
    ::alarm(60);
    t.window().view().next_topic();
    ::alarm(0);
    if (!real_dialog) {
        QCOMPARE(t.dialogs.progress_texts, QStringList { "Showing step 2 of 2..." });
        QVERIFY(t.dialogs.progress_asked > 0);
    }
    QCOMPARE(t.dialogs.errors, QStringList());
    if (cancel) {
        QCOMPARE(&t.window(), before);
        QCOMPARE(t.mark(), QStringLiteral("Step 1 of 2: Pentagram"));
        QCOMPARE(t.shown(), shown);
    } else {
        QCOMPARE(t.mark(), QStringLiteral("Step 2 of 2: Chaos"));
        QCOMPARE(t.window().form().topic, 15);
    }
}

void TestLessonWindow::mark_keeps_the_step_number_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<double>("zoom");
    const QString rabbits = QStringLiteral("Fibonacci's rabbits after six months");
    const QString euclid =
        QString::fromUtf8("Le point A coupe p2p4 en « moyenne et extrême raison »");
    for (double zoom : { 0.5, 1.0, 2.0, 3.0 }) {
        QTest::addRow("a long title at zoom %g", zoom) << rabbits << zoom;
        QTest::addRow("French quotes and accents at zoom %g", zoom) << euclid << zoom;
    }
}

// "Step 1 of 1:" always shows whole, the title as far as it fits with an ellipsis, never cut at
// either end; the whole text is the mark's tooltip and what a screen reader reads.
void TestLessonWindow::mark_keeps_the_step_number()
{
    QFETCH(QString, title);
    QFETCH(double, zoom);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mark.aurelion-lesson"));
    write_file(path, "step: " + title.toUtf8() + "\nmenu:M_R:4\n");
    TestSession t(5, true, zoom);
    QVERIFY(t.session.open_lesson(path));
    const QString whole = QStringLiteral("Step 1 of 1: ") + title;
    const Label &mark = t.commands().mark_label();
    QVERIFY2(
        mark.caption().startsWith(QStringLiteral("Step 1 of 1: ")), qPrintable(mark.caption()));
    QVERIFY2(mark.caption().endsWith(QChar(0x2026)), qPrintable(mark.caption()));
    QCOMPARE(mark.toolTip(), whole);
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(const_cast<Label *>(&mark));
    QVERIFY(read);
    QCOMPARE(read->text(QAccessible::Description), whole);
    // The ink stays clear of both ends of the mark.
    const QImage drawn = const_cast<Label &>(mark).grab().toImage();
    const QRgb background = drawn.pixel(0, drawn.height() - 1);
    for (int x : { 0, 1, drawn.width() - 2, drawn.width() - 1 })
        for (int y = 0; y < drawn.height(); ++y)
            QVERIFY2(
                drawn.pixel(x, y) == background, qPrintable(QStringLiteral("ink at %1").arg(x)));
}

void TestLessonWindow::mark_names_only_the_step_on_screen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("l.aurelion-lesson"));
    write_file(path,
        "step: Rabbits\nmenu:M_gr:0 click:Command5\nstep: Pentagram\nmenu:M_R:4\n"
        "step: Spiral\nmenu:M_R:5\n");
    TestSession t;
    QVERIFY(t.session.open_lesson(path));
    t.window().view().next_topic();
    QCOMPARE(t.mark(), QStringLiteral("Step 2 of 3: Pentagram"));
    // Another topic: no step is on screen; its own topic again: the step's values are gone.
    t.perform_all({ "menu:M_plato" });
    QCOMPARE(t.mark(), QString());
    QVERIFY(!t.commands().mark_label().isVisible());
    // Page Down goes on from the step last shown.
    t.window().view().next_topic();
    QCOMPARE(t.mark(), QStringLiteral("Step 3 of 3: Spiral"));
    // A click on the step's topic keeps the step named.
    t.window().view().previous_topic();
    t.window().view().previous_topic();
    t.perform_all({ "click:Command5" });
    QCOMPARE(t.mark(), QStringLiteral("Step 1 of 3: Rabbits"));
}

void TestLessonWindow::file_changed_on_disk_asks_data()
{
    QTest::addColumn<QByteArray>("edit"); // written over the file after it was opened
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("kept"); // the file after the save: "ours", "theirs"
    const QByteArray theirs = "# Edited by hand.\nstep: Spiral, renamed\nmenu:M_R:5\n";
    const int cancel = int(LessonDialogs::Changed::Cancel);
    QTest::newRow("unchanged: saved at once") << QByteArray() << cancel << false << "ours";
    QTest::newRow("the same bytes written again: saved at once")
        << QByteArray("step: Spiral\nmenu:M_R:5\n") << cancel << false << "ours";
    QTest::newRow("changed, Cancel: the file stays") << theirs << cancel << true << "theirs";
    QTest::newRow("changed, Overwrite")
        << theirs << int(LessonDialogs::Changed::Overwrite) << true << "ours";
    QTest::newRow("changed, Reload: the file's lesson")
        << theirs << int(LessonDialogs::Changed::Reload) << true << "theirs";
}

// The file changed by another program since it was read: saving asks Reload, Overwrite or
// Cancel; a file as it was is saved without a question.
void TestLessonWindow::file_changed_on_disk_asks()
{
    QFETCH(QByteArray, edit);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hand.aurelion-lesson"));
    write_file(path, "step: Spiral\nmenu:M_R:5\n");
    TestSession t;
    QVERIFY(t.session.open_lesson(path));
    t.perform_all({ "menu:M_R:4" });
    t.commands().actions().add_step->trigger();
    if (!edit.isEmpty())
        write_file(path, edit);
    const QByteArray theirs = file_bytes(path);
    t.dialogs.changed = LessonDialogs::Changed(answer);
    t.commands().actions().save->trigger();
    QCOMPARE(t.dialogs.changed_questions, asked ? 1 : 0);
    if (kept == QLatin1String("theirs")) {
        QCOMPARE(file_bytes(path), theirs);
    } else {
        Lesson saved;
        QVERIFY(!read_lesson(path, saved).failed());
        QCOMPARE(int(saved.steps.size()), 2);
    }
    const bool reloaded = LessonDialogs::Changed(answer) == LessonDialogs::Changed::Reload;
    QCOMPARE(t.session.modified(), kept == QLatin1String("theirs") && !reloaded);
    if (reloaded) {
        QCOMPARE(t.session.lesson().steps.front().title, QStringLiteral("Spiral, renamed"));
        QCOMPARE(t.mark(), QStringLiteral("Step 1 of 1: Spiral, renamed"));
    }
}

// A commented, hand-formatted lesson opened in the window, a step added and the lesson saved:
// every line of the file stays as it was, the new step after them.
void TestLessonWindow::hand_edits_kept_through_the_window()
{
    const QByteArray hand = "# For class 3b, Tuesday.\n"
                            "title: The golden number\n"
                            "\n"
                            "# Start with the rabbits.\n"
                            "step: Rabbits after two months\n"
                            "menu:M_gr:0   # the diagram\n"
                            "click:Command5 click:Command5\n"
                            "\n"
                            "\n"
                            "step: The pentagram\n"
                            "menu:M_R:4\n"
                            "# Ask: where is phi?\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hand.aurelion-lesson"));
    write_file(path, hand);
    TestSession t;
    QVERIFY(t.session.open_lesson(path));
    t.perform_all({ "menu:M_R:5" });
    t.dialogs.title = QStringLiteral("The spiral");
    t.commands().actions().add_step->trigger();
    QVERIFY(t.session.save());
    const QByteArray saved = file_bytes(path);
    QVERIFY2(saved.startsWith(hand), saved.constData());
    QVERIFY2(saved.mid(hand.size()).contains("step: The spiral\nmenu:M_R:5\n"), saved.constData());
}

// A lesson built over twenty steps in one session, topic after topic and back: each step keeps
// what it shows, not everything done before it, so the file grows by about as much each step.
void TestLessonWindow::lesson_file_grows_linearly()
{
    const QList<QStringList> visits = { { "menu:M_gr:0", "click:Command5", "click:Command4" },
        { "menu:M_chaos", "tick:30" }, { "menu:M_R:4", "move:0.5,0.25" },
        { "menu:M_plato", "click:Crot1:1", "click:Crot1:0", "click:ChP:2" },
        { "menu:M_gr:3", "click:Label7" } };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("twenty.aurelion-lesson"));
    TestSession t;
    t.dialogs.save = path;
    std::vector<qint64> sizes;
    for (int step = 0; step < 20; ++step) {
        t.perform_all(visits[step % visits.size()]);
        t.dialogs.title = QStringLiteral("Step %1").arg(step + 1, 2, 10, QLatin1Char('0'));
        t.commands().actions().add_step->trigger();
        QVERIFY(t.session.save());
        sizes.push_back(QFileInfo(path).size());
    }
    // Each step adds its title and a few words, however many came before it.
    for (std::size_t i = 1; i < sizes.size(); ++i)
        QVERIFY2(sizes[i] - sizes[i - 1] <= 80,
            qPrintable(
                QStringLiteral("step %1 added %2 bytes").arg(i + 1).arg(sizes[i] - sizes[i - 1])));
    // And every step shows what it did.
    TestSession student(1);
    QVERIFY(student.session.open_lesson(path));
    QVERIFY(student.session.present(19));
    QCOMPARE(student.window().form().topic, 1);
}

// A step replays within what a lesson file may hold: a picture beyond it does not become a step
// that could not be saved and read back.
void TestLessonWindow::picture_beyond_a_steps_limits()
{
    TestSession t;
    t.perform_all({ "menu:M_chaos", "click:Cchaos:1", "tick:50001" });
    t.commands().actions().add_step->trigger();
    QCOMPARE(t.dialogs.errors.size(), 1);
    QVERIFY2(t.dialogs.errors.front().contains(QStringLiteral("at most 50000")),
        qPrintable(t.dialogs.errors.front()));
    QVERIFY(t.session.lesson().steps.empty());
    QVERIFY(!t.session.modified());
}

void TestLessonWindow::lesson_title_set_in_the_window()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file-name.aurelion-lesson"));
    TestSession t;
    t.perform_all({ "menu:M_R:2" });
    t.commands().actions().add_step->trigger();
    QVERIFY(t.commands().actions().title->isEnabled());
    t.dialogs.lesson_title = QString::fromUtf8("Le nombre d'or, « classe 3b »");
    t.commands().actions().title->trigger();
    QVERIFY(t.session.modified());
    t.dialogs.save = path;
    QVERIFY(t.session.save());
    // Changed again after a save.
    t.dialogs.lesson_title = QStringLiteral("The golden number");
    t.commands().actions().title->trigger();
    QVERIFY(t.session.modified());
    QVERIFY(t.session.save());
    Lesson saved;
    QVERIFY(!read_lesson(path, saved).failed());
    QCOMPARE(saved.title, QStringLiteral("The golden number"));
}

// OK in the step's title dialog waits until there is a title.
namespace {

// A lesson whose first step asks three questions, the second without an answer.
const QByteArray asking = "title: Questions\n"
                          "step: Rectangle\nmenu:M_R:2\n"
                          "question: How long is the long side?\nanswer: The golden number.\n"
                          "question: What is left?\n"
                          "question: And after the next square?\nanswer: Another one.\n"
                          "step: Pythagoras\nmenu:M_Pyt\n"
                          "question: Which side is longest?\nanswer: The hypotenuse.\n";

QStringList shown_questions(LessonCommands &commands)
{
    QStringList shown;
    const QuestionsPanel &panel = commands.questions();
    if (!panel.isVisible())
        return shown;
    for (std::size_t i = 0; i < panel.question_labels().size(); ++i) {
        const QLabel *question = panel.question_labels()[i];
        const QLabel *answer = panel.answer_labels()[i];
        if (question->isVisible())
            shown << question->accessibleName();
        if (answer->isVisible())
            shown << answer->accessibleName();
    }
    return shown;
}

} // namespace

void TestLessonWindow::notes_saved_and_read_back_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("questions"); // question|answer
    QTest::addColumn<QByteArray>("lines"); // the step's lines after its words
    QTest::newRow("none") << QStringList() << QStringList() << QByteArray();
    QTest::newRow("texts, questions with and without answers")
        << QStringList { "Cut a square off.", "A golden rectangle is left." }
        << QStringList { "How long is the side?|About 1.618.", "What is left?|" }
        << QByteArray("text: Cut a square off.\ntext: A golden rectangle is left.\n"
                      "question: How long is the side?\nanswer: About 1.618.\n"
                      "question: What is left?\n");
}

// A step's texts and questions written in the Add Step dialog are saved with it and read back.
void TestLessonWindow::notes_saved_and_read_back()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, questions);
    QFETCH(QByteArray, lines);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.aurelion-lesson"));
    TestSession t;
    t.dialogs.notes.texts = texts;
    for (const QString &q : questions)
        t.dialogs.notes.questions.push_back(
            { q.section(QLatin1Char('|'), 0, 0), q.section(QLatin1Char('|'), 1, 1) });
    t.perform_all({ "menu:M_R:2" });
    t.commands().actions().add_step->trigger();
    t.dialogs.save = path;
    QVERIFY(t.session.save_as());
    const QByteArray file = file_bytes(path);
    QVERIFY2(file.endsWith("menu:M_R:2\n" + lines), file.constData());
    Lesson read;
    QCOMPARE(read_lesson(path, read).text(), QString());
    QCOMPARE(read.steps.size(), std::size_t(1));
    QCOMPARE(read.steps[0].texts, texts);
    QCOMPARE(read.steps[0].questions, t.dialogs.notes.questions);
}

void TestLessonWindow::questions_beside_the_design_data()
{
    // The window's room maximised on a screen (less the title bar and the desktop's panel).
    QTest::addColumn<QSize>("room");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("place"); // Stage::Beside
    const int right = int(Stage::Beside::Right), below = int(Stage::Beside::Below);
    QTest::newRow("1366 x 768, zoom 1") << QSize(1366, 700) << 1.0 << right;
    QTest::newRow("1366 x 768, zoom 2") << QSize(1366, 700) << 2.0 << below;
    QTest::newRow("1920 x 1080, zoom 1") << QSize(1920, 1010) << 1.0 << right;
    QTest::newRow("1920 x 1080, zoom 2") << QSize(1920, 1010) << 2.0 << right;
    QTest::newRow("3840 x 2160, zoom 1") << QSize(3840, 2090) << 1.0 << right;
    QTest::newRow("3840 x 2160, zoom 2") << QSize(3840, 2090) << 2.0 << right;
    QTest::newRow("the design's size, zoom 1") << QSize(820, 570) << 1.0 << below;
    // A zoom of 0 fits the design to the window, which then has no scroll bars but under the strip.
    QTest::newRow("the design's size, fitted") << QSize(820, 570) << 0.0 << below;
}

// The shown step's questions are on the window's background beside the design, never over it,
// in the window's text at its zoom, and only while the step's topic is on screen.
void TestLessonWindow::questions_beside_the_design()
{
    QFETCH(QSize, room);
    QFETCH(double, zoom);
    QFETCH(int, place);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.aurelion-lesson"));
    write_file(path, asking);
    TestSession t(5, true, zoom);
    QVERIFY(t.session.open_lesson(path));
    t.window().resize(room);
    QApplication::processEvents();
    const QuestionsPanel &panel = t.commands().questions();
    QCOMPARE(shown_questions(t.commands()),
        QStringList({ "1. How long is the long side?", "2. What is left?",
            "3. And after the next square?" }));
    QCOMPARE(int(t.window().stage().beside()), place);
    const QRect questions(panel.mapTo(&t.window(), QPoint(0, 0)), panel.size());
    const QWidget &stage = t.window().stage();
    const QRect inside(stage.mapTo(&t.window(), QPoint(0, 0)), stage.size());
    // What shows of the design: where it is larger than the window, it scrolls.
    const QWidget &view = *t.window().stage().viewport();
    const QRect design =
        QRect(t.window().form().background->mapTo(&t.window(), QPoint(0, 0)),
            t.window().form().background->size())
            .intersected(QRect(view.mapTo(&t.window(), QPoint(0, 0)), view.size()));
    QVERIFY2(!questions.intersects(design) && inside.contains(questions),
        qPrintable(QStringLiteral("questions %1,%2 %3x%4, design %5,%6 %7x%8")
                       .arg(questions.x())
                       .arg(questions.y())
                       .arg(questions.width())
                       .arg(questions.height())
                       .arg(design.x())
                       .arg(design.y())
                       .arg(design.width())
                       .arg(design.height())));
    QVERIFY(questions.width() >= panel.minimumSizeHint().width());
    if (place == int(Stage::Beside::Below))
        QCOMPARE(t.window().stage().verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(panel.font(), t.window().menuBar()->font());
    // Every question whole: as wide as it needs, or scrolled in the panel.
    for (const QLabel *label : panel.question_labels())
        QVERIFY(label->width() <= panel.viewport()->width());
    // Another topic: the questions go, and the design has the whole stage again.
    t.perform_all({ "menu:M_Pyt" });
    QApplication::processEvents();
    QVERIFY(!panel.isVisible());
    QCOMPARE(t.window().stage().beside(), Stage::Beside::None);
    QCOMPARE(t.window().stage().verticalScrollBarPolicy(),
        zoom == 0 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

// Page Down reveals the step's answers one at a time, then shows the next step; Page Up hides the
// last one revealed, then shows the step before with its answers revealed. A screen reader reads
// a revealed answer as its question's description.
void TestLessonWindow::page_keys_reveal_answers_then_step()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.aurelion-lesson"));
    write_file(path, asking);
    TestSession t;
    QVERIFY(t.session.open_lesson(path));
    QStringList seen;
    const auto look = [&] {
        const QStringList shown = shown_questions(t.commands());
        seen << QStringLiteral("%1 %2: %3")
                    .arg(t.session.step().value_or(-1) + 1)
                    .arg(t.commands().actions().reveal->isEnabled() ? "more" : "all")
                    .arg(shown.filter(QStringLiteral("Answer: ")).join(QStringLiteral(", ")));
    };
    look();
    for (int i = 0; i < 5; ++i) {
        t.window().view().next_topic();
        look();
    }
    for (int i = 0; i < 5; ++i) {
        t.window().view().previous_topic();
        look();
    }
    QCOMPARE(seen,
        QStringList({ "1 more: ", "1 more: Answer: The golden number.",
            "1 all: Answer: The golden number., Answer: Another one.",
            "2 more: ", "2 all: Answer: The hypotenuse.", "2 all: Answer: The hypotenuse.",
            "2 more: ", "1 all: Answer: The golden number., Answer: Another one.",
            "1 more: Answer: The golden number.", "1 more: ", "1 more: " }));
    const QLabel *first = t.commands().questions().question_labels()[0];
    QCOMPARE(first->accessibleDescription(), QString());
    t.commands().actions().reveal->trigger();
    QCOMPARE(first->accessibleDescription(), QStringLiteral("Answer: The golden number."));
}

// What a screen reader reads from the application: the window on screen, the only one, with
// the step's mark, its questions and each revealed answer, after every step shown.
void TestLessonWindow::screen_reader_reads_the_shown_step()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.aurelion-lesson"));
    write_file(path, asking);
    TestSession t;
    const QRegularExpression steps_texts(QStringLiteral("(^|\\|)(Step |\\d\\. |Answer: )"));
    const auto read = [&t, &steps_texts] {
        QApplication::processEvents();
        QStringList windows, texts;
        QAccessibleInterface *application = QAccessible::queryAccessibleInterface(qApp);
        for (int i = 0; i < application->childCount(); ++i) {
            QAccessibleInterface *window = application->child(i);
            if (window->state().invisible)
                continue;
            windows << (window->object() == &t.window() ? QStringLiteral("shown")
                                                        : window->text(QAccessible::Name));
            QList<QAccessibleInterface *> left { window };
            while (!left.isEmpty()) {
                QAccessibleInterface *node = left.takeFirst();
                for (int c = 0; c < node->childCount(); ++c)
                    if (QAccessibleInterface *child = node->child(c); !child->state().invisible)
                        left << child;
                const QString text = node->text(QAccessible::Name) + QLatin1Char('|')
                    + node->text(QAccessible::Description);
                if (steps_texts.match(text).hasMatch())
                    texts << text;
            }
        }
        return windows.join(QLatin1Char(',')) + QLatin1Char(' ') + texts.join(QLatin1Char(','));
    };
    QVERIFY(t.session.open_lesson(path));
    QCOMPARE(read(),
        QStringLiteral("shown lesson step|Step 1 of 2: Rectangle,1. How long is the long side?|,"
                       "2. What is left?|,3. And after the next square?|"));
    t.window().view().next_topic();
    QCOMPARE(read(),
        QStringLiteral(
            "shown lesson step|Step 1 of 2: Rectangle,"
            "1. How long is the long side?|Answer: The golden number.,"
            "Answer: The golden number.|,2. What is left?|,3. And after the next square?|"));
    t.window().view().next_topic();
    t.window().view().next_topic();
    QCOMPARE(read(),
        QStringLiteral("shown lesson step|Step 2 of 2: Pythagoras,1. Which side is longest?|"));
}

// A picture and a worksheet made while the questions show are those of the same picture without
// a lesson.
void TestLessonWindow::questions_absent_from_pictures()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.aurelion-lesson"));
    write_file(path, asking);
    const auto outputs = [&dir](MainWindow &window, const QString &name) {
        PictureCommands &commands = window.picture_commands();
        const QString picture = dir.filePath(name + QStringLiteral(".png"));
        const QString sheet = dir.filePath(name + QStringLiteral(".pdf"));
        const bool saved = commands.save_picture({ picture, PictureFormat::Png, 2 })
            && commands.save_worksheet({ sheet, Paper::A4, Ink::Colour });
        return saved ? file_bytes(picture).toBase64() + ' ' + pdf::text(sheet).toUtf8()
                     : QByteArray();
    };
    TestSession with;
    QVERIFY(with.session.open_lesson(path));
    with.window().view().next_topic();
    QVERIFY(with.commands().questions().isVisible());
    TestSession without;
    without.perform_all({ "menu:M_R:2" });
    const QByteArray shown = outputs(with.window(), QStringLiteral("with"));
    QVERIFY(!shown.isEmpty());
    QVERIFY(!shown.contains("golden number."));
    QCOMPARE(shown, outputs(without.window(), QStringLiteral("without")));
}

void TestLessonWindow::handout_and_web_page_from_the_window_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("web_page");
    QTest::addColumn<bool>("answer_key");
    QTest::newRow("handout") << "h.pdf" << false << false;
    QTest::newRow("answer key") << "k.pdf" << false << true;
    QTest::newRow("web page") << "p.html" << true << false;
    QTest::newRow("web page with the answers") << "a.html" << true << true;
}

// Save Handout and Save as Web Page write the questions, the answers only in the answer key.
void TestLessonWindow::handout_and_web_page_from_the_window()
{
    QFETCH(QString, file);
    QFETCH(bool, web_page);
    QFETCH(bool, answer_key);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.aurelion-lesson"));
    write_file(path, asking);
    TestSession t;
    QVERIFY(t.session.open_lesson(path));
    const QString out = dir.filePath(file);
    t.dialogs.handout = HandoutChoice { out, answer_key };
    t.session.set_progress_delay(std::chrono::milliseconds(0));
    const LessonCommands::Actions &a = t.commands().actions();
    (web_page ? a.save_web_page : a.save_handout)->trigger();
    QCOMPARE(t.dialogs.errors, QStringList());
    QVERIFY(!t.dialogs.progress_texts.isEmpty());
    const QString text = web_page ? QString::fromUtf8(file_bytes(out)) : pdf::text(out);
    QVERIFY2(text.contains(QStringLiteral("How long is the long side?"))
            && text.contains(QStringLiteral("Which side is longest?")),
        qPrintable(text.left(2000)));
    QCOMPARE(text.contains(QStringLiteral("The hypotenuse.")), answer_key);
}

void TestLessonWindow::step_dialog_takes_notes_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("cells"); // question|answer a row of the table
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("questions"); // question|answer
    QTest::newRow("title only") << "Pentagram"
                                << "" << QStringList() << true << QStringList() << QStringList();
    QTest::newRow("no title") << "   "
                              << "" << QStringList() << false << QStringList() << QStringList();
    QTest::newRow("paragraphs, questions with and without answers")
        << " Spiral "
        << "First paragraph.\n\n  Second one. \n"
        << QStringList { "How many squares?|Eight", "", "Why gold?|" } << true
        << QStringList { "First paragraph.", "Second one." }
        << QStringList { "How many squares?|Eight", "Why gold?|" };
    QTest::newRow("an answer without its question")
        << "Spiral"
        << "" << QStringList { "|Eight" } << false << QStringList() << QStringList();
    QTest::newRow("a paragraph too long")
        << "Spiral" << QString(text_max_length + 1, QLatin1Char('x')) << QStringList() << false
        << QStringList() << QStringList();
    QTest::newRow("too many paragraphs")
        << "Spiral" << QStringLiteral("p\n").repeated(step_max_texts + 1) << QStringList() << false
        << QStringList() << QStringList();
}

// The Add Step dialog takes the title, a paragraph a line and a question with its answer a row;
// OK waits for what a lesson file may hold.
void TestLessonWindow::step_dialog_takes_notes()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QStringList, cells);
    QFETCH(bool, ok);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, questions);
    TestSession t;
    WindowLessonDialogs windows;
    bool enabled = false;
    QTimer look;
    look.setInterval(5);
    QObject::connect(&look, &QTimer::timeout, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        auto *line = dialog ? dialog->findChild<QLineEdit *>() : nullptr;
        auto *edit = dialog ? dialog->findChild<QPlainTextEdit *>() : nullptr;
        auto *table = dialog ? dialog->findChild<QTableWidget *>() : nullptr;
        auto *buttons = dialog ? dialog->findChild<QDialogButtonBox *>() : nullptr;
        if (!line || !edit || !table || !buttons)
            return;
        look.stop();
        line->setText(title);
        edit->setPlainText(text);
        for (int row = 0; row < cells.size(); ++row)
            for (int column = 0; column < 2; ++column)
                table->setItem(row, column,
                    new QTableWidgetItem(cells[row].section(QLatin1Char('|'), column, column)));
        QPushButton *accept = buttons->button(QDialogButtonBox::Ok);
        enabled = accept->isEnabled();
        if (enabled)
            accept->click();
        else
            buttons->button(QDialogButtonBox::Cancel)->click();
    });
    look.start();
    ::alarm(60);
    const auto notes = windows.ask_step(&t.window(), QStringLiteral("Pentagram"));
    ::alarm(0);
    QCOMPARE(enabled, ok);
    QCOMPARE(notes.has_value(), ok);
    if (!ok)
        return;
    QCOMPARE(notes->title, title.trimmed());
    QCOMPARE(notes->texts, texts);
    QStringList asked;
    for (const LessonQuestion &q : notes->questions)
        asked << q.question + QLatin1Char('|') + q.answer;
    QCOMPARE(asked, questions);
}

void TestLessonWindow::lesson_without_steps_says_so_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("comments only") << QByteArray("# A lesson to come.\n\n#   Steps later.\n");
    QTest::newRow("a title only") << QByteArray("title: Next week\n");
}

void TestLessonWindow::lesson_without_steps_says_so()
{
    QFETCH(QByteArray, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.aurelion-lesson"));
    write_file(path, text);
    TestSession t;
    QVERIFY(t.session.open_lesson(path));
    QCOMPARE(t.dialogs.messages.size(), 1);
    QVERIFY2(
        t.dialogs.messages.front().contains(QStringLiteral("empty.aurelion-lesson has no steps")),
        qPrintable(t.dialogs.messages.front()));
    QVERIFY(t.session.is_open());
    QCOMPARE(t.session.path(), path);
}

void TestLessonWindow::recent_entries_tell_folders_apart_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("names of their own") << QStringList { "/home/t/a.aurelion-lesson",
        "/home/t/b.aurelion-lesson" } << QStringList { "a.aurelion-lesson", "b.aurelion-lesson" };
    QTest::newRow("one name in two folders")
        << QStringList { "/home/t/3b/phi.aurelion-lesson", "/home/t/a.aurelion-lesson",
               "/home/t/3c/phi.aurelion-lesson" }
        << QStringList { "phi.aurelion-lesson (3b)", "a.aurelion-lesson",
               "phi.aurelion-lesson (3c)" };
    QTest::newRow("folders of one name") << QStringList {
        "/school/2024/3b/phi.aurelion-lesson", "/school/2025/3b/phi.aurelion-lesson"
    } << QStringList { "phi.aurelion-lesson (2024/3b)", "phi.aurelion-lesson (2025/3b)" };
    QTest::newRow("an ampersand is no accelerator")
        << QStringList { "/t/rock&roll.aurelion-lesson" }
        << QStringList { "rock&&roll.aurelion-lesson" };
}

void TestLessonWindow::recent_entries_tell_folders_apart()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, entries);
    QCOMPARE(recent_entries(paths), entries);
    // In the menu, each entry's tooltip is its whole path.
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a/phi.aurelion-lesson"));
    const QString b = dir.filePath(QStringLiteral("b/phi.aurelion-lesson"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a"))
        && QDir(dir.path()).mkpath(QStringLiteral("b")));
    write_file(a, "step: A\nmenu:M_R:4\n");
    write_file(b, "step: B\nmenu:M_R:5\n");
    TestSession t;
    QVERIFY(t.session.open_lesson(a));
    QVERIFY(t.session.open_lesson(b));
    QStringList shown;
    for (QAction *entry : t.commands().recent_menu()->actions())
        shown << entry->text() + QLatin1Char('|') + entry->toolTip();
    QCOMPARE(shown,
        QStringList({ "phi.aurelion-lesson (b)|" + QDir::toNativeSeparators(b),
            "phi.aurelion-lesson (a)|" + QDir::toNativeSeparators(a) }));
}

void TestLessonWindow::bad_lesson_keeps_the_lesson_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown action") << QByteArray("step: A\nmenu:M_R:4 hop\n")
                                    << "bad.aurelion-lesson cannot be opened: line 2: hop: "
                                       "unknown action";
    QTest::newRow("binary") << QByteArray("\0\1\2", 3)
                            << "bad.aurelion-lesson cannot be opened: not a lesson: the file is "
                               "not text";
}

void TestLessonWindow::bad_lesson_keeps_the_lesson()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.aurelion-lesson"));
    const QString bad = dir.filePath(QStringLiteral("bad.aurelion-lesson"));
    write_file(good, "step: Spiral\nmenu:M_R:5\n");
    write_file(bad, text);
    TestSession t;
    QVERIFY(t.session.open_lesson(good));
    t.dialogs.open = bad;
    t.commands().actions().open->trigger();
    QCOMPARE(t.dialogs.errors.size(), 1);
    QVERIFY2(t.dialogs.errors.front().endsWith(error), qPrintable(t.dialogs.errors.front()));
    QCOMPARE(t.session.path(), good);
    QCOMPARE(t.mark(), QStringLiteral("Step 1 of 1: Spiral"));
}

void TestLessonWindow::unsaved_changes_ask_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Save") << int(LessonDialogs::Unsaved::Save) << true << true;
    QTest::newRow("Discard") << int(LessonDialogs::Unsaved::Discard) << true << false;
    QTest::newRow("Cancel") << int(LessonDialogs::Unsaved::Cancel) << false << false;
}

void TestLessonWindow::unsaved_changes_ask()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.aurelion-lesson"));
    TestSession t;
    t.perform_all({ "menu:M_R:2" });
    t.commands().actions().add_step->trigger();
    t.dialogs.unsaved = LessonDialogs::Unsaved(answer);
    t.dialogs.save = path;
    QCloseEvent close;
    QApplication::sendEvent(&t.window(), &close);
    QCOMPARE(t.dialogs.questions, 1);
    QCOMPARE(close.isAccepted(), closes);
    QCOMPARE(QFile::exists(path), saved);
    // Saved or not asked again: nothing is asked once there is nothing to lose.
    if (saved) {
        QCloseEvent again;
        QApplication::sendEvent(&t.window(), &again);
        QCOMPARE(t.dialogs.questions, 1);
        QVERIFY(again.isAccepted());
    }
}

QTEST_MAIN(TestLessonWindow)
#include "tst_lesson_window.moc"
