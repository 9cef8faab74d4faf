#include "lesson/action_recorder.h"
#include "test_window.h"
#include "window_actions.h"

#include <QJsonDocument>
#include <QTest>

// What a user does in the window, kept as action words and replayed in a fresh window.
class TestLessonReplay : public QObject
{
    Q_OBJECT

private slots:
    void recorded_words_data();
    void recorded_words();
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

// Performs the words in a fresh window with the seed and returns its state.
QByteArray replayed_state(
    std::uint64_t seed, const std::vector<RenderAction> &actions, QImage *drawing = nullptr)
{
    TestWindow replay(seed, false);
    replay.window.show();
    for (const RenderAction &a : actions) {
        const QString why = perform(replay.window, a);
        if (!why.isEmpty())
            return why.toUtf8();
    }
    if (drawing)
        *drawing = replay.form().Picture1->surface().image();
    return QJsonDocument(state_of(replay.window, replay.messages)).toJson();
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
    QTest::newRow("the pointer's last move") << QStringList { "menu:M_R:6", "move:0.1,0.3" }
                                             << QStringList { "menu:M_R:6", "move:0.1,0.3" };
    QTest::newRow("zoom is the view's, not the lesson's")
        << QStringList { "menu:M_R:0", "zoom:2" } << QStringList { "menu:M_R:0" };
}

void TestLessonReplay::recorded_words()
{
    QFETCH(QStringList, done);
    QFETCH(QStringList, kept);
    TestWindow t(1, false);
    t.window.show();
    ActionRecorder recorder(t.window);
    for (const QString &word : done) {
        RenderAction action;
        QCOMPARE(parse_action(word, action), QString());
        QCOMPARE(perform(t.window, action), QString());
    }
    QCOMPARE(words_of(recorder.actions()), kept);
    recorder.clear();
    QCOMPARE(words_of(recorder.actions()), QStringList());
}

void TestLessonReplay::every_control_replays_data()
{
    QTest::addColumn<QString>("menu");
    for (const char *menu :
        { "M_gr:0", "M_gr:1", "M_gr:2", "M_gr:3", "M_R:0", "M_R:1", "M_R:2", "M_R:3", "M_R:4",
            "M_R:5", "M_R:6", "M_bevolk:0", "M_bevolk:1", "M_chaos", "M_Pyt", "M_plato" })
        QTest::newRow(menu) << QString::fromLatin1(menu);
}

// The topic's every visible control clicked in turn (twice, so that steps go up and back), the
// drawing pressed and the pointer moved over it, the timer ticked: the recorded words replayed
// in a fresh window give the same state and the same drawing, to the pixel.
void TestLessonReplay::every_control_replays()
{
    QFETCH(QString, menu);
    constexpr std::uint64_t seed = 7;
    TestWindow t(seed, false);
    t.window.show();
    ActionRecorder recorder(t.window);
    t.menu(menu);
    int clicks = 0;
    for (int round = 0; round < 2; ++round) {
        for (const auto &[key, control] : t.window.controls()) {
            QWidget &w = control->widget();
            if (control == t.form().Picture1 || !seen(w, t.window) || !w.isEnabled())
                continue;
            if (dynamic_cast<Label *>(control) || qobject_cast<QAbstractButton *>(&w)) {
                t.click(key);
                ++clicks;
            }
            t.form().Timer1->tick();
        }
        if (seen(*t.form().Picture1, t.window)) {
            const UserScale &s = t.form().Picture1->surface().scale();
            t.form().Picture1->move_pointer(
                float(s.left + s.width / 3), float(s.top + s.height / 3));
            t.form().Picture1->click();
            t.form().Picture1->move_pointer(
                float(s.left + s.width * 0.6), float(s.top + s.height * 0.7));
        }
    }
    QVERIFY(clicks > 0);
    const std::vector<RenderAction> actions = recorder.actions();
    QVERIFY(actions.size() > 2);
    // Through the file's text, as a lesson keeps them.
    std::vector<RenderAction> read;
    for (const QString &word : words_of(actions)) {
        RenderAction a;
        QCOMPARE(parse_action(word, a), QString());
        read.push_back(a);
    }
    QImage drawing;
    const QByteArray replayed = replayed_state(seed, read, &drawing);
    const QByteArray original = QJsonDocument(state_of(t.window, t.messages)).toJson();
    QCOMPARE(replayed, original);
    QVERIFY(drawing == t.form().Picture1->surface().image());
}

QTEST_MAIN(TestLessonReplay)
#include "tst_lesson_replay.moc"
