#include "lesson.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// The lesson file without a window: its words, its errors with their lines, and its round trip.
class TestLesson : public QObject
{
    Q_OBJECT

private slots:
    void action_words_data();
    void action_words();
    void parse_data();
    void parse();
    void errors_data();
    void errors();
    void round_trip_data();
    void round_trip();
    void save_keeps_old_file_data();
    void save_keeps_old_file();
};

void TestLesson::action_words_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("written");
    QTest::newRow("menu array item") << "menu:M_R:4"
                                     << "menu:M_R:4";
    QTest::newRow("menu command") << "menu:M_chaos"
                                  << "menu:M_chaos";
    QTest::newRow("click") << "click:ComP:0"
                           << "click:ComP:0";
    QTest::newRow("click without index") << "click:Label7"
                                         << "click:Label7";
    QTest::newRow("move") << "move:1.5,-2"
                          << "move:1.5,-2";
    QTest::newRow("press with single precision") << "press:0.1,2.25"
                                                 << "press:0.1,2.25";
    QTest::newRow("one tick") << "tick"
                              << "tick";
    QTest::newRow("one tick written out") << "tick:1"
                                          << "tick";
    QTest::newRow("ticks") << "tick:40"
                           << "tick:40";
    QTest::newRow("zoom") << "zoom:0.67"
                          << "zoom:0.67";
}

void TestLesson::action_words()
{
    QFETCH(QString, word);
    QFETCH(QString, written);
    RenderAction action;
    QCOMPARE(parse_action(word, action), QString());
    QCOMPARE(action_text(action), written);
    RenderAction again;
    QCOMPARE(parse_action(action_text(action), again), QString());
    QVERIFY(again == action);
}

void TestLesson::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("step_titles");
    QTest::addColumn<QStringList>("first_step_words");
    QTest::addColumn<qint64>("first_seed"); // -1: none

    QTest::newRow("title and two steps")
        << QByteArray("title: Phi in class\n"
                      "step: The rabbits\nmenu:M_gr:0 click:Command1\n  click:Command1\n\n"
                      "step: The pentagram\nmenu:M_R:4\n")
        << "Phi in class" << QStringList { "The rabbits", "The pentagram" }
        << QStringList { "menu:M_gr:0", "click:Command1", "click:Command1" } << qint64(-1);
    QTest::newRow("comments, blank lines and a comment after the words")
        << QByteArray("# prepared for class 3b\n\n  # indented comment\ntitle: Phi\n"
                      "step: Rabbits # not a comment in a title\nmenu:M_gr:0 # the rabbits\n")
        << "Phi" << QStringList { "Rabbits # not a comment in a title" }
        << QStringList { "menu:M_gr:0" } << qint64(-1);
    QTest::newRow("seed of the chaos game")
        << QByteArray("step: Chaos\nseed:42 menu:M_chaos tick:200\n") << QString()
        << QStringList { "Chaos" } << QStringList { "menu:M_chaos", "tick:200" } << qint64(42);
    QTest::newRow("byte order mark and Windows line ends")
        << QByteArray("\xEF\xBB\xBFtitle: Phi\r\nstep: Spiral\r\nmenu:M_R:5\r\n") << "Phi"
        << QStringList { "Spiral" } << QStringList { "menu:M_R:5" } << qint64(-1);
    QTest::newRow("UTF-8 titles") << QByteArray(
        "title: Le nombre d\xE2\x80\x99or \xCF\x86\nstep: \xC3\x89tape 1\n")
                                  << QString::fromUtf8("Le nombre d\xE2\x80\x99or \xCF\x86")
                                  << QStringList { QString::fromUtf8("\xC3\x89tape 1") }
                                  << QStringList() << qint64(-1);
    QTest::newRow("a step without actions is the title screen")
        << QByteArray("step: Start\n") << QString() << QStringList { "Start" } << QStringList()
        << qint64(-1);
    QTest::newRow("empty file") << QByteArray() << QString() << QStringList() << QStringList()
                                << qint64(-1);
}

void TestLesson::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, title);
    QFETCH(QStringList, step_titles);
    QFETCH(QStringList, first_step_words);
    QFETCH(qint64, first_seed);
    Lesson lesson;
    const LessonError error = parse_lesson(text, lesson);
    QCOMPARE(error.text(), QString());
    QCOMPARE(lesson.title, title);
    QStringList titles;
    for (const LessonStep &step : lesson.steps)
        titles << step.title;
    QCOMPARE(titles, step_titles);
    if (lesson.steps.empty())
        return;
    QStringList words;
    for (const RenderAction &action : lesson.steps.front().actions)
        words << action_text(action);
    QCOMPARE(words, first_step_words);
    QCOMPARE(
        lesson.steps.front().seed ? qint64(*lesson.steps.front().seed) : qint64(-1), first_seed);
}

void TestLesson::errors_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown action") << QByteArray("title: T\n\nstep: One\nmenu:M_R:4 jump:3\n")
                                    << "line 4: jump:3: unknown action";
    QTest::newRow("bad number of ticks") << QByteArray("step: One\ntick:x\n")
                                         << "line 2: tick:x: the number of ticks is not a whole "
                                            "number of 0 or more";
    QTest::newRow("bad index") << QByteArray("step: One\nclick:ComP:-1\n")
                               << "line 2: click:ComP:-1: the index is not a whole number of 0 "
                                  "or more";
    QTest::newRow("bad point") << QByteArray("step: One\n\n\npress:1,y\n")
                               << "line 4: press:1,y: expected X,Y as two numbers";
    QTest::newRow("zoom out of range") << QByteArray("step: One\nzoom:9\n")
                                       << "line 2: zoom:9: expected zoom:Z with Z from 0.5 to 4";
    QTest::newRow("bad seed") << QByteArray("step: One\nseed:-5\n")
                              << "line 2: seed:-5: the seed is not a whole number of 0 or more";
    QTest::newRow("two seeds") << QByteArray("step: One\nseed:1 seed:2\n")
                               << "line 2: seed:2: a second seed in the step";
    QTest::newRow("missing step title") << QByteArray("title: T\nstep: One\nstep:\nmenu:M_chaos\n")
                                        << "line 3: the step has no title";
    QTest::newRow("step title of blanks")
        << QByteArray("step:    \n") << "line 1: the step has no title";
    QTest::newRow("actions before the first step")
        << QByteArray("title: T\nmenu:M_chaos\n")
        << "line 2: menu:M_chaos: actions before the first step (a step starts with \"step: "
           "TITLE\")";
    QTest::newRow("misspelt step")
        << QByteArray("step: One\nstpe: Two\n") << "line 2: stpe:: unknown action";
    QTest::newRow("second title") << QByteArray("title: A\ntitle: B\n") << "line 2: a second title";
    QTest::newRow("title after a step")
        << QByteArray("step: A\ntitle: B\n") << "line 2: the title comes before the first step";
    QTest::newRow("not UTF-8") << QByteArray("title: T\nstep: Caf\xE9\n")
                               << "line 2: not UTF-8 text";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                            << "not a lesson: the file is not text";
}

void TestLesson::errors()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    Lesson lesson;
    lesson.title = QStringLiteral("kept");
    const LessonError error = parse_lesson(text, lesson);
    QVERIFY(error.failed());
    QCOMPARE(error.text(), message);
    QCOMPARE(lesson.title, QStringLiteral("kept"));
}

void TestLesson::round_trip_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("steps across topics")
        << QByteArray("title: The golden number\nstep: Rabbits after six months\n"
                      "menu:M_gr:0 click:Command1 click:Command1 click:Command1\n"
                      "step: The ratio\nmenu:M_gr:2 click:ComP:0 move:1.25,0.5 press:3,1.5\n"
                      "step: Chaos\nseed:18446744073709551615 menu:M_chaos tick:1000 tick\n"
                      "step: Large\nzoom:2 menu:M_R:2\n");
    QByteArray many("step: Many words\n");
    for (int i = 0; i < 60; ++i)
        many += "click:Label11:" + QByteArray::number(i % 7) + ' ';
    QTest::newRow("long steps are wrapped") << many;
    QTest::newRow("no title") << QByteArray("step: Only\nmenu:M_Pyt\n");
}

void TestLesson::round_trip()
{
    QFETCH(QByteArray, text);
    Lesson lesson;
    QVERIFY(!parse_lesson(text, lesson).failed());
    const QByteArray written = lesson_text(lesson);
    for (const QByteArray &line : written.split('\n'))
        QVERIFY2(line.size() <= 100, line.constData());
    Lesson again;
    const LessonError error = parse_lesson(written, again);
    QCOMPARE(error.text(), QString());
    QVERIFY(again == lesson);
    QCOMPARE(lesson_text(again), written);
}

void TestLesson::save_keeps_old_file_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("full disk") << "full";
    QTest::newRow("folder that is a file") << "file/";
    QTest::newRow("missing folder") << "missing/";
}

void TestLesson::save_keeps_old_file()
{
    QFETCH(QString, where);
    // A lesson of more than a kilobyte, larger than the room left on the full disk.
    Lesson lesson;
    lesson.title = QStringLiteral("New");
    for (int i = 0; i < 40; ++i) {
        RenderAction action;
        QVERIFY(parse_action(QStringLiteral("menu:M_R:%1").arg(i % 7), action).isEmpty());
        lesson.steps.push_back({ QStringLiteral("Step %1").arg(i), std::nullopt, { action }, {} });
    }
    constexpr rlim_t room = 1024;
    QVERIFY(lesson_text(lesson).size() > qsizetype(room));

    QTemporaryDir dir;
    const QString old_path = dir.filePath(QStringLiteral("old.aurelion-lesson"));
    const QByteArray old("title: Old\nstep: Kept\n");
    for (const QString &name : { QStringLiteral("old.aurelion-lesson"), QStringLiteral("file") }) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    QString why;
    if (where == QLatin1String("full")) {
        // A limit on the file size fills the disk after a kilobyte.
        rlimit was {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &was), 0);
        const auto old_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit full = was;
        full.rlim_cur = room;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
        why = save_lesson(old_path, lesson);
        setrlimit(RLIMIT_FSIZE, &was);
        std::signal(SIGXFSZ, old_signal);
    } else {
        why = save_lesson(dir.filePath(where + QStringLiteral("new.aurelion-lesson")), lesson);
    }
    QVERIFY(!why.isEmpty());
    QFile file(old_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList { QStringLiteral("file"), QStringLiteral("old.aurelion-lesson") }));
}

QTEST_APPLESS_MAIN(TestLesson)
#include "tst_lesson.moc"
