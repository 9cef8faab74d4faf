#include "lesson/action_recorder.h"
#include "lesson/shown_state.h"
#include "lesson/step_random.h"
#include "main_window.h"
#include "window_actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QTest>

// What a user does in the window, kept as action words, and the shortest way to what the window
// shows, replayed in a fresh window.
class TestLessonReplay : public QObject
{
    Q_OBJECT

private slots:
    void recorded_words_data();
    void recorded_words();
    void step_words_data();
    void step_words();
    void every_control_replays_data();
    void every_control_replays();
};

namespace {

QStringList words_of(const std::vector<RenderAction> &actions)
{
    QStringList words;
    for (const RenderAction &a : actions)
        words << action_text(a);
    return words;
}

std::vector<RenderAction> actions_of(const QStringList &words)
{
    std::vector<RenderAction> actions;
    for (const QString &word : words) {
        RenderAction a;
        if (!parse_action(word, a).isEmpty())
            return {};
        actions.push_back(a);
    }
    return actions;
}

// A window as a lesson's window draws its random numbers, with ticks by hand and messages
// recorded, and what is done in it kept.
struct RecordedWindow
{
    explicit RecordedWindow(std::uint64_t seed = 7)
        : random(seed)
        , window([this] {
            WindowOptions options;
            options.manual_timer = true;
            options.messages = &messages;
            options.random = &random;
            options.zoom = 1;
            return options;
        }())
        , recorder(window)
    {
        recorder.set_random(&random);
        window.show();
    }
    Form1 &form() { return window.form(); }
    QString perform_all(const QStringList &words)
    {
        for (const RenderAction &a : actions_of(words))
            if (const QString why = perform(window, a); !why.isEmpty())
                return why;
        return {};
    }

    RecordedMessageBox messages;
    StepRandom random;
    MainWindow window;
    ActionRecorder recorder;
};

// What a fresh window shows after the path, or why it could not follow it.
QByteArray replayed(const ActionRecorder::Path &path)
{
    StepRandom random(path.seed.value_or(0));
    RecordedMessageBox messages;
    WindowOptions options;
    options.manual_timer = true;
    options.messages = &messages;
    options.random = &random;
    options.zoom = 1;
    MainWindow replay(options);
    replay.show();
    for (const RenderAction &a : path.actions)
        if (const QString why = perform(replay, a); !why.isEmpty())
            return why.toUtf8();
    return shown_state(replay);
}

} // namespace

void TestLessonReplay::recorded_words_data()
{
    QTest::addColumn<QStringList>("done"); // performed in the window
    QTest::addColumn<QStringList>("kept"); // as the recorder keeps them
    QTest::newRow("menu commands")
        << QStringList { "menu:M_R:4", "menu:M_Pyt" } << QStringList { "menu:M_R:4", "menu:M_Pyt" };
    QTest::newRow("a button of an array and a label")
        << QStringList { "menu:M_gr:2", "click:ComP:0", "click:ComP:0" }
        << QStringList { "menu:M_gr:2", "click:ComP:0", "click:ComP:0" };
    QTest::newRow("ticks in a row are gathered") << QStringList { "menu:M_chaos", "click:Label11:1",
        "tick:5", "tick:3" } << QStringList { "menu:M_chaos", "click:Label11:1", "tick:8" };
    QTest::newRow("ticks of a stopped timer change nothing and are not kept")
        << QStringList { "menu:M_R:2", "tick:5" } << QStringList { "menu:M_R:2" };
    QTest::newRow("only the pointer's last position is kept")
        << QStringList { "menu:M_R:6", "move:1,1", "move:0.5,0.25", "menu:M_R:5" }
        << QStringList { "menu:M_R:6", "move:0.5,0.25", "menu:M_R:5" };
    QTest::newRow("a press holds the pointer's position") << QStringList { "menu:M_plato",
        "move:1,1", "press:0.1,0.2" } << QStringList { "menu:M_plato", "press:0.1,0.2" };
    QTest::newRow("zoom is the view's, not the lesson's")
        << QStringList { "menu:M_R:0", "zoom:2" } << QStringList { "menu:M_R:0" };
}

void TestLessonReplay::recorded_words()
{
    QFETCH(QStringList, done);
    QFETCH(QStringList, kept);
    RecordedWindow t;
    QCOMPARE(t.perform_all(done), QString());
    QCOMPARE(words_of(t.recorder.actions()), kept);
}

void TestLessonReplay::step_words_data()
{
    QTest::addColumn<QStringList>("done"); // performed in the window
    QTest::addColumn<QStringList>("kept"); // the step's words
    QTest::newRow("the title screen's ticks are left out")
        << QStringList { "tick:4090", "menu:M_R:2" } << QStringList { "menu:M_R:2" };
    QTest::newRow("other topics are left out")
        << QStringList { "menu:M_gr:0", "click:Command5", "menu:M_chaos", "tick:9", "menu:M_R:4" }
        << QStringList { "menu:M_R:4" };
    QTest::newRow("the topic's values from an earlier visit are kept") << QStringList {
        "menu:M_gr:0", "click:Command5", "menu:M_R:4", "menu:M_gr:0", "click:Command5"
    } << QStringList { "menu:M_gr:0", "click:Command5", "click:Command5" };
    QTest::newRow("steps up and back are no steps") << QStringList { "menu:M_gr:0",
        "click:Command5", "click:Command5", "click:Command5", "click:Command4",
        "click:Command4" } << QStringList { "menu:M_gr:0", "click:Command5" };
    QTest::newRow("a step beyond the end changes nothing") << QStringList { "menu:M_gr:0",
        "click:Command4", "click:Command4" } << QStringList { "menu:M_gr:0" };
    QTest::newRow("start values set under another sequence graph") << QStringList {
        "menu:M_gr:3", "click:Label7", "click:ComP:1", "menu:M_R:4", "menu:M_gr:1"
    } << QStringList { "menu:M_gr:1", "click:Label7", "click:ComP:1" };
    QTest::newRow("start values set back to the classic ones") << QStringList { "menu:M_gr:3",
        "click:Label7", "click:Label1:10" } << QStringList { "menu:M_gr:3" };
    QTest::newRow("the chaos game since it started last, with its model and speed")
        << QStringList { "menu:M_chaos", "tick:5", "click:Label11:2", "click:Cchaos:1", "tick:3",
               "click:Cchaos:0", "tick" }
        << QStringList { "menu:M_chaos", "click:Label11:2", "click:Cchaos:1", "tick:3",
               "click:Cchaos:0", "tick" };
    QTest::newRow("the chaos game chosen again starts afresh")
        << QStringList { "menu:M_chaos", "tick:20", "menu:M_Pyt", "menu:M_chaos", "tick:4" }
        << QStringList { "menu:M_chaos", "tick:4" };
    QTest::newRow("a model chosen and left again")
        << QStringList { "menu:M_chaos", "click:Label11:2", "tick:4", "click:Label11:0", "tick:2" }
        << QStringList { "menu:M_chaos", "tick:2" };
    QTest::newRow("ticks of a stopped timer")
        << QStringList { "menu:M_R:2", "tick:5" } << QStringList { "menu:M_R:2" };
    QTest::newRow("the pointer's last position, over another topic")
        << QStringList { "menu:M_R:6", "move:1,1", "move:0.5,0.25", "menu:M_R:5" }
        << QStringList { "menu:M_R:5", "move:0.5,0.25" };
    QTest::newRow("the read-out of the platonic figures carried over")
        << QStringList { "menu:M_plato", "move:1,1", "menu:M_R:4" }
        << QStringList { "menu:M_plato", "move:1,1", "menu:M_R:4" };
    QTest::newRow("a press beside everything is where the pointer is")
        << QStringList { "menu:M_R:4", "press:0.5,0.25" }
        << QStringList { "menu:M_R:4", "move:0.5,0.25" };
    QTest::newRow("no read-out, no pointer") << QStringList { "menu:M_R:4", "move:0.5,0.25",
        "menu:M_Pyt" } << QStringList { "menu:M_Pyt" };
    QTest::newRow("the title screen") << QStringList { "tick:5" } << QStringList {};
}

// The step keeps the shortest words to what the window shows, and they show it.
void TestLessonReplay::step_words()
{
    QFETCH(QStringList, done);
    QFETCH(QStringList, kept);
    RecordedWindow t;
    QCOMPARE(t.perform_all(done), QString());
    const ActionRecorder::Path path = t.recorder.shortest_path();
    QCOMPARE(words_of(path.actions), kept);
    QCOMPARE(replayed(path), shown_state(t.window));
}

void TestLessonReplay::every_control_replays_data()
{
    QTest::addColumn<QString>("menu");
    for (const char *menu :
        { "M_gr:0", "M_gr:1", "M_gr:2", "M_gr:3", "M_R:0", "M_R:1", "M_R:2", "M_R:3", "M_R:4",
            "M_R:5", "M_R:6", "M_bevolk:0", "M_bevolk:1", "M_chaos", "M_Pyt", "M_plato" })
        QTest::newRow(menu) << QString::fromLatin1(menu);
}

// Every topic visited and each of its visible controls clicked, the timer ticked and the drawing
// pressed; then the row's topic, every control clicked in turn (twice, so that values go up and
// back), the drawing pressed and the pointer moved over it: the step's shortest words, and the
// words of everything done on the topic, replayed in a fresh window show what the window shows,
// to the pixel, and leave the other topics out.
void TestLessonReplay::every_control_replays()
{
    QFETCH(QString, menu);
    RecordedWindow t(11);
    Form1 &f = t.form();
    const auto click_all = [&t, &f](int rounds) {
        int clicks = 0;
        for (int round = 0; round < rounds; ++round) {
            for (const auto &[key, control] : t.window.controls()) {
                QWidget &w = control->widget();
                if (control == f.Picture1 || !seen(w, t.window) || !w.isEnabled())
                    continue;
                RenderAction click;
                click.kind = RenderAction::Kind::Click;
                click.argument = key;
                const qsizetype colon = key.indexOf(QLatin1Char(':'));
                click.name = key.left(colon);
                if (colon >= 0)
                    click.index = key.mid(colon + 1).toInt();
                if (dynamic_cast<Label *>(control) || qobject_cast<QAbstractButton *>(&w)) {
                    perform(t.window, click);
                    ++clicks;
                }
                f.Timer1->tick();
            }
            if (seen(*f.Picture1, t.window)) {
                const UserScale &s = f.Picture1->surface().scale();
                f.Picture1->move_pointer(float(s.left + s.width / 3), float(s.top + s.height / 3));
                f.Picture1->click();
                f.Picture1->move_pointer(
                    float(s.left + s.width * 0.6), float(s.top + s.height * 0.7));
            }
        }
        return clicks;
    };
    for (const auto &[key, action] : t.window.menus()) {
        if (action->menu() || key == QLatin1String("M_end"))
            continue;
        action->trigger();
        click_all(1);
    }
    t.window.menus().at(menu)->trigger();
    QVERIFY(click_all(2) > 0);
    const QByteArray shown = shown_state(t.window);
    const ActionRecorder::Path shortest = t.recorder.shortest_path();
    const ActionRecorder::Path relevant = t.recorder.relevant_path();
    QCOMPARE(replayed(relevant), shown);
    QCOMPARE(replayed(shortest), shown);
    QVERIFY(shortest.actions.size() <= relevant.actions.size());
    QVERIFY(relevant.actions.size() < t.recorder.actions().size());
    // Through the file's text, as a lesson keeps them.
    ActionRecorder::Path read { actions_of(words_of(shortest.actions)), shortest.seed };
    QCOMPARE(replayed(read), shown);
}

QTEST_MAIN(TestLessonReplay)
#include "tst_lesson_replay.moc"
