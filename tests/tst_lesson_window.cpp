#include "lesson/action_recorder.h"
#include "lesson/lesson_commands.h"
#include "lesson/lesson_session.h"
#include "window_actions.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QJsonDocument>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

// The Lesson menu in the window: steps added, saved, opened and shown as they were added.
class TestLessonWindow : public QObject
{
    Q_OBJECT

private slots:
    void lesson_menu_before_picture();
    void steps_show_what_was_added_data();
    void steps_show_what_was_added();
    void page_keys_step_through_the_lesson();
    void bad_lesson_keeps_the_lesson_data();
    void bad_lesson_keeps_the_lesson();
    void unsaved_changes_ask_data();
    void unsaved_changes_ask();
};

namespace {

// Answers the Lesson menu's dialogs as a script says.
struct ScriptedDialogs final : LessonDialogs
{
    std::optional<QString> choose_lesson_to_open(QWidget *) override { return open; }
    std::optional<QString> choose_lesson_to_save(QWidget *, const QString &) override
    {
        return save;
    }
    std::optional<QString> ask_step_title(QWidget *, const QString &proposed) override
    {
        proposals << proposed;
        return title ? title : std::optional<QString>(proposed);
    }
    Unsaved ask_unsaved(QWidget *, const QString &) override
    {
        ++questions;
        return unsaved;
    }
    void show_error(QWidget *, const QString &text) override { errors << text; }

    std::optional<QString> open, save, title;
    Unsaved unsaved = Unsaved::Cancel;
    QStringList proposals, errors;
    int questions = 0;
};

struct TestSession
{
    explicit TestSession(std::uint64_t seed = 5)
        : session(
            [this] {
                WindowOptions options;
                options.manual_timer = true;
                options.messages = &messages;
                options.zoom = 1;
                return options;
            }(),
            seed)
    {
        session.set_dialogs(dialogs);
        session.window().show();
    }
    MainWindow &window() { return session.window(); }
    void perform_all(const QStringList &words)
    {
        for (const QString &word : words) {
            RenderAction action;
            QCOMPARE(parse_action(word, action), QString());
            QCOMPARE(perform(window(), action), QString());
        }
    }
    QByteArray state() { return QJsonDocument(state_of(window(), messages)).toJson(); }
    QImage drawing() { return window().form().Picture1->surface().image(); }
    QString mark() { return window().lesson_commands()->mark(); }

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

} // namespace

void TestLessonWindow::lesson_menu_before_picture()
{
    TestSession t;
    const QString titles = menu_titles(t.window().menuBar());
    QVERIFY2(titles.contains(QStringLiteral("|Lesson|Picture|")), qPrintable(titles));
    const LessonCommands::Actions &a = t.window().lesson_commands()->actions();
    QCOMPARE(a.open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(a.add_step->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(a.save->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+L")));
    QVERIFY(!a.save->isEnabled());
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
}

// Each step, added after what the user did, is saved, opened in a new program and shown: the
// window's state and drawing are those at the time it was added.
void TestLessonWindow::steps_show_what_was_added()
{
    QFETCH(QList<QStringList>, steps);
    QFETCH(QStringList, titles);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.aurelion-lesson"));
    std::vector<QByteArray> states;
    std::vector<QImage> drawings;
    {
        TestSession teacher(11);
        for (const QStringList &words : steps) {
            teacher.perform_all(words);
            states.push_back(teacher.state());
            drawings.push_back(teacher.drawing());
            teacher.window().lesson_commands()->actions().add_step->trigger();
        }
        QCOMPARE(teacher.dialogs.proposals, titles);
        QCOMPARE(teacher.mark(),
            QStringLiteral("Step %1 of %1: %2")
                .arg(steps.size())
                .arg(teacher.dialogs.proposals.back()));
        QVERIFY(teacher.session.modified());
        teacher.dialogs.save = path;
        teacher.window().lesson_commands()->actions().save->trigger();
        QVERIFY(!teacher.session.modified());
        QCOMPARE(teacher.dialogs.errors, QStringList());
    }
    TestSession student(99);
    QVERIFY(student.session.open_lesson(path));
    for (int i = 0; i < int(steps.size()); ++i) {
        QVERIFY(student.session.present(i));
        QApplication::processEvents();
        QCOMPARE(student.state(), states[std::size_t(i)]);
        QVERIFY(student.drawing() == drawings[std::size_t(i)]);
        QVERIFY(student.mark().startsWith(
            QStringLiteral("Step %1 of %2: ").arg(i + 1).arg(steps.size())));
    }
}

void TestLessonWindow::page_keys_step_through_the_lesson()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("l.aurelion-lesson"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("title: T\nstep: Spiral\nmenu:M_R:5\nstep: Pentagram\nmenu:M_R:4\n"
               "step: Pythagoras\nmenu:M_Pyt\n");
    file.close();
    TestSession t;
    // Without a lesson, Page Down steps through the topics.
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
    t.window().lesson_commands()->actions().close->trigger();
    QCOMPARE(t.mark(), QString());
    t.window().view().next_topic();
    QVERIFY(t.window().form().topic != spiral);
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
    for (const auto &[p, bytes] :
        { std::pair(good, QByteArray("step: Spiral\nmenu:M_R:5\n")), std::pair(bad, text) }) {
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    TestSession t;
    QVERIFY(t.session.open_lesson(good));
    t.dialogs.open = bad;
    t.window().lesson_commands()->actions().open->trigger();
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
    t.window().lesson_commands()->actions().add_step->trigger();
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
