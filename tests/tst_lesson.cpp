#include "lesson.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// The lesson file without a window: its words, its errors with their lines, and its round trip.
class TestLesson : public QObject
{
    Q_OBJECT

private slots:
    void action_words_data();
    void action_words();
    void parse_data();
    void parse();
    void notes_data();
    void notes();
    void errors_data();
    void errors();
    void round_trip_data();
    void round_trip();
    void save_keeps_old_file_data();
    void save_keeps_old_file();
    void edits_keep_the_rest_of_the_file_data();
    void edits_keep_the_rest_of_the_file();
    void example_keeps_its_comments();
    void lessons_without_steps_say_why_data();
    void lessons_without_steps_say_why();
    void only_regular_files_are_read_data();
    void only_regular_files_are_read();
    void changes_on_disk_are_seen_data();
    void changes_on_disk_are_seen();
};

namespace {

// The text in UTF-16 with its byte order mark, as Windows editors save it.
QByteArray utf16(const QByteArray &utf8, bool big_endian)
{
    QByteArray bytes = big_endian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : QString::fromUtf8(utf8)) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes.append(big_endian ? high : low).append(big_endian ? low : high);
    }
    return bytes;
}

// A step of this many words, fifty to a line.
QByteArray step_of(int words, const QByteArray &word)
{
    QByteArray text("step: Many\n");
    for (int i = 0; i < words; ++i)
        text += word + (i % 50 == 49 ? "\n" : " ");
    return text + "\n";
}

} // namespace

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
    const QByteArray windows("title: Phi\r\nstep: Caf\xC3\xA9\r\nmenu:M_R:5 tick:3\r\n");
    QTest::newRow("UTF-16 little-endian")
        << utf16(windows, false) << "Phi" << QStringList { QString::fromUtf8("Caf\xC3\xA9") }
        << QStringList { "menu:M_R:5", "tick:3" } << qint64(-1);
    QTest::newRow("UTF-16 big-endian")
        << utf16(windows, true) << "Phi" << QStringList { QString::fromUtf8("Caf\xC3\xA9") }
        << QStringList { "menu:M_R:5", "tick:3" } << qint64(-1);
    QTest::newRow("tabs between words")
        << QByteArray("step: Tabs\n\tmenu:M_chaos\ttick:2 \t tick\n") << QString()
        << QStringList { "Tabs" } << QStringList { "menu:M_chaos", "tick:2", "tick" } << qint64(-1);
    QTest::newRow("the most ticks, actions and steps")
        << step_of(step_max_actions - 1, "tick")
            + "tick:" + QByteArray::number(step_max_ticks - step_max_actions + 1) + "\n"
            + QByteArray("step: Next\n").repeated(lesson_max_steps - 1)
        << QString() << QStringList() << QStringList() << qint64(-1);
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
    if (step_titles.isEmpty() && !text.isEmpty()) {
        // The largest lesson the limits allow.
        QCOMPARE(lesson.steps.size(), std::size_t(lesson_max_steps));
        QCOMPARE(lesson.steps.front().actions.size(), std::size_t(step_max_actions));
        return;
    }
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

void TestLesson::notes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("texts"); // of the first step
    QTest::addColumn<QStringList>("questions"); // of the first step, each "question | answer"

    QTest::newRow("texts and questions with and without answers")
        << QByteArray("step: The pentagram\nmenu:M_R:4\ntext: Five corners.\n"
                      "text:   Each diagonal cuts two others.  \n"
                      "question: How many diagonals?\nanswer: Five.\n"
                      "question: Which ratio?\n\nstep: Next\n")
        << QStringList { "Five corners.", "Each diagonal cuts two others." }
        << QStringList { "How many diagonals? | Five.", "Which ratio? | " };
    QTest::newRow("an answer after a comment, words and a text")
        << QByteArray("step: A\nquestion: Why?\n# think\nmenu:M_R:2\ntext: Look.\n"
                      "answer: Because. # kept\n")
        << QStringList { "Look." } << QStringList { "Why? | Because. # kept" };
    QTest::newRow("UTF-16 with Windows line ends")
        << utf16("step: A\r\nquestion: \xCF\x86 = ?\r\nanswer: 1,618\r\n", false) << QStringList()
        << QStringList { QString::fromUtf8("\xCF\x86 = ? | 1,618") };
    QTest::newRow("the most and the longest")
        << "step: A\n"
            + ("text: " + QByteArray(text_max_length, 't') + '\n').repeated(step_max_texts)
            + ("question: " + QByteArray(question_max_length, 'q')
                + "\nanswer: " + QByteArray(answer_max_length, 'a') + '\n')
                  .repeated(step_max_questions)
        << QStringList(step_max_texts, QString(text_max_length, QLatin1Char('t')))
        << QStringList(step_max_questions,
               QString(question_max_length, QLatin1Char('q')) + " | "
                   + QString(answer_max_length, QLatin1Char('a')));
}

void TestLesson::notes()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, questions);
    Lesson lesson;
    QCOMPARE(parse_lesson(text, lesson).text(), QString());
    QCOMPARE(lesson.steps.front().texts, texts);
    QStringList read;
    for (const LessonQuestion &q : lesson.steps.front().questions)
        read << q.question + " | " + q.answer;
    QCOMPARE(read, questions);
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
    QTest::newRow("a word of control characters")
        << QByteArray("title: T\nstep: One\n\x01\x02\n") << "line 3: \\x01\\x02: unknown action";
    QTest::newRow("a terminal's escape in a word")
        << QByteArray("step: One\nzoom:\x1B[2J\n")
        << "line 2: zoom:\\x1b[2J: expected zoom:Z with Z from 0.5 to 4";
    QTest::newRow("a right-to-left override and a no-break space") << QByteArray(
        "step: One\njump\xE2\x80\xAE:\xC2\xA0x\n") << "line 2: jump\\u202e:\\xa0x: unknown action";
    QTest::newRow("control characters before the first step")
        << QByteArray("\x7F\n")
        << "line 1: \\x7f: actions before the first step (a step starts "
           "with \"step: TITLE\")";
    const QString most_ticks = QString::number(step_max_ticks);
    QTest::newRow("ticks without end")
        << QByteArray("step: Chaos\nmenu:M_chaos tick:99999999999\n")
        << "line 2: tick:99999999999: a step ticks at most " + most_ticks + " times";
    QTest::newRow("ticks of the largest number")
        << QByteArray("step: Off\nmenu:M_R:2 tick:9223372036854775807\n")
        << "line 2: tick:9223372036854775807: a step ticks at most " + most_ticks + " times";
    QTest::newRow("ticks that add up beyond the limit")
        << "step: Chaos\nmenu:M_chaos tick:" + QByteArray::number(step_max_ticks - 1)
            + "\ntick tick\n"
        << "line 3: tick: a step ticks at most " + most_ticks + " times";
    QTest::newRow("too many actions")
        << step_of(step_max_actions + 1, "click:Command5")
        << QStringLiteral("line %1: click:Command5: a step has at most %2 actions")
               .arg(step_max_actions / 50 + 2)
               .arg(step_max_actions);
    QTest::newRow("too many steps") << QByteArray("step: S\n").repeated(lesson_max_steps + 1)
                                    << QStringLiteral("line %1: a lesson has at most %2 steps")
                                           .arg(lesson_max_steps + 1)
                                           .arg(lesson_max_steps);
    QTest::newRow("a line too long")
        << "title: T\nstep: " + QByteArray(lesson_max_line - 5, 'x') + "\n"
        << QStringLiteral("line 2: a line has at most %1 characters").arg(lesson_max_line);
    QTest::newRow("UTF-16 cut in half") << utf16("step: A\n", false) + 'x'
                                        << "line 2: not UTF-16 text: the file ends in half a "
                                           "character";
    QTest::newRow("an answer without a question")
        << QByteArray("step: A\ntext: Look.\nanswer: Five.\n")
        << "line 3: an answer without a question before it in the step";
    QTest::newRow("an answer to the previous step's question")
        << QByteArray("step: A\nquestion: Why?\nstep: B\nanswer: Because.\n")
        << "line 4: an answer without a question before it in the step";
    QTest::newRow("a second answer")
        << QByteArray("step: A\nquestion: Why?\nanswer: One.\n\nanswer: Two.\n")
        << "line 5: a second answer to the question";
    QTest::newRow("an empty question")
        << QByteArray("step: A\nquestion:   \n") << "line 2: the question is empty";
    QTest::newRow("an empty text") << QByteArray("step: A\ntext:\n") << "line 2: the text is empty";
    QTest::newRow("an empty answer")
        << QByteArray("step: A\nquestion: Why?\nanswer:\n") << "line 3: the answer is empty";
    QTest::newRow("a question before the first step")
        << QByteArray("title: T\nquestion: Why?\n")
        << "line 2: question: before the first step (a step starts with \"step: TITLE\")";
    QTest::newRow("too many questions")
        << "step: A\n" + QByteArray("question: Why?\n").repeated(step_max_questions + 1)
        << QStringLiteral("line %1: a step has at most %2 questions")
               .arg(step_max_questions + 2)
               .arg(step_max_questions);
    QTest::newRow("too many texts")
        << "step: A\n" + QByteArray("text: Look.\n").repeated(step_max_texts + 1)
        << QStringLiteral("line %1: a step has at most %2 texts")
               .arg(step_max_texts + 2)
               .arg(step_max_texts);
    QTest::newRow("a question too long")
        << "step: A\nquestion: " + QByteArray(question_max_length + 1, 'q') + "\n"
        << QStringLiteral("line 2: a question has at most %1 characters").arg(question_max_length);
    QTest::newRow("a text too long")
        << "step: A\ntext: " + QByteArray(text_max_length + 1, 't') + "\n"
        << QStringLiteral("line 2: a text has at most %1 characters").arg(text_max_length);
    QTest::newRow("an answer too long")
        << "step: A\nquestion: Why?\nanswer: " + QByteArray(answer_max_length + 1, 'a') + "\n"
        << QStringLiteral("line 3: an answer has at most %1 characters").arg(answer_max_length);
    QTest::newRow("UTF-16 with half a character pair")
        << utf16("step: A\n", false) + QByteArray("\x3D\xD8\n\x00", 4) << "line 2: not UTF-16 text";
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
    QTest::newRow("texts and questions")
        << QByteArray("step: The pentagram\nmenu:M_R:4\ntext: Five corners.\n"
                      "text: A # is kept.\nquestion: How many diagonals?\nanswer: Five.\n"
                      "question: Which ratio?\nstep: Questions only\nquestion: Why?\n");
}

void TestLesson::round_trip()
{
    QFETCH(QByteArray, text);
    Lesson lesson;
    QVERIFY(!parse_lesson(text, lesson).failed());
    // As the window writes a lesson it built: without the lines it was read from.
    lesson.source.reset();
    for (LessonStep &step : lesson.steps)
        step.source.reset();
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
        LessonStep step;
        step.title = QStringLiteral("Step %1").arg(i);
        step.actions = { action };
        lesson.steps.push_back(step);
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

namespace {

// A lesson as a teacher formats it by hand: comments above and inside steps, spacing, a comment
// after the words.
const QByteArray commented("# For class 3b, Tuesday.\n"
                           "# Each step replays from the start.\n"
                           "title: Phi in class\n"
                           "\n"
                           "# First the rabbits.\n"
                           "step: The rabbits\n"
                           "menu:M_gr:0   click:Command5 # six months\n"
                           "# half a year\n"
                           "click:Command5\n"
                           "\n"
                           "step: The chaos game\n"
                           "seed:9 menu:M_chaos\n"
                           "tick:30\n"
                           "\n"
                           "# Geometry.\n"
                           "step: The pentagram\n"
                           "menu:M_R:4\n"
                           "# end of the lesson\n");

LessonStep step_with(const QString &title, const QStringList &words)
{
    LessonStep step;
    step.title = title;
    for (const QString &word : words) {
        RenderAction action;
        parse_action(word, action);
        step.actions.push_back(action);
    }
    return step;
}

} // namespace

void TestLesson::edits_keep_the_rest_of_the_file_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("nothing changed") << commented << "" << commented;
    QByteArray renamed = commented;
    renamed.replace("step: The chaos game", "step: Chaos, fast");
    QTest::newRow("a step renamed") << commented << "rename 2" << renamed;
    QByteArray acted = commented;
    acted.replace("menu:M_gr:0   click:Command5 # six months\n# half a year\nclick:Command5\n",
        "menu:M_gr:0 click:Command1\n# half a year\n");
    QTest::newRow("a step's actions changed") << commented << "act 1" << acted;
    QByteArray removed = commented;
    removed.replace("step: The chaos game\nseed:9 menu:M_chaos\ntick:30\n\n", "");
    QTest::newRow("a step removed") << commented << "remove 2" << removed;
    QTest::newRow("a step added") << commented << "add"
                                  << commented + "\nstep: The spiral\nmenu:M_R:5\n";
    QTest::newRow("the last step moved first")
        << commented << "last first"
        << QByteArray("# For class 3b, Tuesday.\n# Each step replays from the start.\n"
                      "title: Phi in class\n\n"
                      "# Geometry.\nstep: The pentagram\nmenu:M_R:4\n# end of the lesson\n\n"
                      "# First the rabbits.\nstep: The rabbits\n"
                      "menu:M_gr:0   click:Command5 # six months\n# half a year\nclick:Command5\n\n"
                      "step: The chaos game\nseed:9 menu:M_chaos\ntick:30\n\n");
    QByteArray retitled = commented;
    retitled.replace("title: Phi in class", "title: The golden number");
    QTest::newRow("the title changed") << commented << "title" << retitled;
    QByteArray untitled = commented;
    untitled.replace("title: Phi in class\n", "");
    QTest::newRow("the title removed") << commented << "no title" << untitled;
    QTest::newRow("a title given")
        << QByteArray("# Mine.\nstep: A\nmenu:M_R:4\n") << "title"
        << QByteArray("# Mine.\ntitle: The golden number\n\nstep: A\nmenu:M_R:4\n");
    QTest::newRow("the same step twice")
        << QByteArray("# c\nstep: A\nmenu:M_R:4 # pentagram\n") << "twice"
        << QByteArray("# c\nstep: A\nmenu:M_R:4 # pentagram\n\nstep: A\nmenu:M_R:4\n");
    QByteArray asked = commented;
    asked.replace("# half a year\nclick:Command5\n",
        "# half a year\nclick:Command5\nquestion: How many pairs?\nanswer: 13.\n");
    QTest::newRow("a question added after the words") << commented << "ask 1" << asked;
    const QByteArray noted("step: The rabbits\nmenu:M_gr:0 click:Command5\ntext: Six months.\n"
                           "# ask the class first\nquestion: How many pairs?\nanswer: 13.\n"
                           "step: Chaos\nmenu:M_chaos # fast\ntext: Points.\n");
    QTest::newRow("an answer changed, the words kept")
        << noted << "answer 1"
        << QByteArray("step: The rabbits\nmenu:M_gr:0 click:Command5\ntext: Six months.\n"
                      "question: How many pairs?\nanswer: Thirteen.\n# ask the class first\n"
                      "step: Chaos\nmenu:M_chaos # fast\ntext: Points.\n");
    QTest::newRow("the words changed, the texts kept")
        << noted << "act 2"
        << QByteArray("step: The rabbits\nmenu:M_gr:0 click:Command5\ntext: Six months.\n"
                      "# ask the class first\nquestion: How many pairs?\nanswer: 13.\n"
                      "step: Chaos\nmenu:M_gr:0 click:Command1\ntext: Points.\n");
    QTest::newRow("Windows line ends")
        << QByteArray("title: T\r\n\r\nstep: The chaos game\r\nmenu:M_chaos\r\n") << "rename 1"
        << QByteArray("title: T\r\n\r\nstep: Chaos, fast\r\nmenu:M_chaos\r\n");
    QTest::newRow("UTF-16 is written as UTF-8") << utf16("# Caf\xC3\xA9\r\nstep: A\r\n", false)
                                                << "" << QByteArray("# Caf\xC3\xA9\r\nstep: A\r\n");
    QTest::newRow("a byte order mark stays")
        << QByteArray("\xEF\xBB\xBFstep: A\n# end") << "rename 1"
        << QByteArray("\xEF\xBB\xBFstep: Chaos, fast\n# end\n");
}

void TestLesson::edits_keep_the_rest_of_the_file()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, edit);
    QFETCH(QByteArray, written);
    Lesson lesson;
    QCOMPARE(parse_lesson(text, lesson).text(), QString());
    std::vector<LessonStep> &steps = lesson.steps;
    if (edit.startsWith(QLatin1String("rename")))
        steps[std::size_t(edit.back().digitValue() - 1)].title = QStringLiteral("Chaos, fast");
    else if (edit.startsWith(QLatin1String("act")))
        steps[std::size_t(edit.back().digitValue() - 1)].actions =
            step_with({}, { "menu:M_gr:0", "click:Command1" }).actions;
    else if (edit == QLatin1String("ask 1"))
        steps[0].questions.push_back({ QStringLiteral("How many pairs?"), QStringLiteral("13.") });
    else if (edit == QLatin1String("answer 1"))
        steps[0].questions[0].answer = QStringLiteral("Thirteen.");
    else if (edit == QLatin1String("remove 2"))
        steps.erase(steps.begin() + 1);
    else if (edit == QLatin1String("add"))
        steps.push_back(step_with(QStringLiteral("The spiral"), { "menu:M_R:5" }));
    else if (edit == QLatin1String("last first"))
        std::rotate(steps.begin(), steps.end() - 1, steps.end());
    else if (edit == QLatin1String("title"))
        lesson.title = QStringLiteral("The golden number");
    else if (edit == QLatin1String("no title"))
        lesson.title.clear();
    else if (edit == QLatin1String("twice"))
        steps.push_back(steps.front());
    QCOMPARE(QString::fromUtf8(lesson_text(lesson)), QString::fromUtf8(written));
    Lesson again;
    QCOMPARE(parse_lesson(written, again).text(), QString());
    QVERIFY(again == lesson);
}

// The example that ships with the program keeps its explanations when it is saved.
void TestLesson::example_keeps_its_comments()
{
    QFile file(QStringLiteral(AURELION_EXAMPLE_LESSON));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("# "));
    Lesson lesson;
    QVERIFY(!parse_lesson(text, lesson).failed());
    QCOMPARE(lesson_text(lesson), text);
    lesson.steps.pop_back();
    QVERIFY(lesson_text(lesson).startsWith(text.left(text.indexOf("step: "))));
}

void TestLesson::lessons_without_steps_say_why_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "no steps: the file is empty";
    QTest::newRow("blank lines") << QByteArray("\n \r\n\t\n") << "no steps: the file is empty";
    QTest::newRow("comments") << QByteArray("# to do\n\n# more\n")
                              << "no steps: the file holds only comments";
    QTest::newRow("a title") << QByteArray("# to do\ntitle: Phi\n")
                             << "no steps: the lesson has only a title";
    QTest::newRow("a step") << QByteArray("step: A\n") << "";
}

void TestLesson::lessons_without_steps_say_why()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, reason);
    Lesson lesson;
    QCOMPARE(parse_lesson(text, lesson).text(), QString());
    QCOMPARE(empty_lesson_reason(lesson), reason);
}

void TestLesson::only_regular_files_are_read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");
    QTest::newRow("a named pipe") << "fifo"
                                  << "cannot read the file: not a regular file: a named pipe";
    QTest::newRow("a device that never ends")
        << "/dev/zero"
        << "cannot read the file: not a regular file: a device";
    QTest::newRow("one byte too large") << "large"
                                        << "cannot read the file: larger than 1 MB";
    QTest::newRow("the largest") << "largest"
                                 << "";
}

void TestLesson::only_regular_files_are_read()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("l.aurelion-lesson"));
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind.startsWith(QLatin1String("large"))) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray comment = "# " + QByteArray(97, 'x') + '\n';
        QByteArray text = comment.repeated(int(lesson_max_bytes / comment.size()));
        text += QByteArray(lesson_max_bytes - text.size() - 8, '#') + "\nstep: A";
        file.write(kind == QLatin1String("large") ? text + '\n' : text);
    } else {
        path = kind;
    }
    // A read that blocked on the pipe, or went on through the device, would never end.
    ::alarm(10);
    Lesson lesson;
    const LessonError why = read_lesson(path, lesson);
    ::alarm(0);
    QCOMPARE(why.text(), error);
    QCOMPARE(lesson.steps.size(), std::size_t(error.isEmpty() ? 1 : 0));
}

void TestLesson::changes_on_disk_are_seen_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("changed");
    QTest::newRow("none") << "" << false;
    QTest::newRow("written again as it was") << "same" << false;
    QTest::newRow("edited") << "edit" << true;
    QTest::newRow("saved by the window") << "save" << false;
    QTest::newRow("edited after a save") << "save edit" << true;
    QTest::newRow("removed") << "remove" << false;
    QTest::newRow("a named pipe in its place") << "fifo" << true;
}

void TestLesson::changes_on_disk_are_seen()
{
    QFETCH(QString, change);
    QFETCH(bool, changed);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("l.aurelion-lesson"));
    const auto write = [&path](const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(write(commented));
    Lesson lesson;
    QVERIFY(!read_lesson(path, lesson).failed());
    if (change.startsWith(QLatin1String("save"))) {
        lesson.steps.pop_back();
        QCOMPARE(save_lesson(path, lesson), QString());
    }
    if (change == QLatin1String("same"))
        QVERIFY(write(commented));
    if (change.endsWith(QLatin1String("edit")))
        QVERIFY(write(QByteArray(commented).replace("The rabbits", "Rabbits")));
    if (change == QLatin1String("remove") || change == QLatin1String("fifo"))
        QVERIFY(QFile::remove(path));
    if (change == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    ::alarm(10);
    QCOMPARE(lesson_changed_on_disk(path, lesson), changed);
    ::alarm(0);
}

QTEST_APPLESS_MAIN(TestLesson)
#include "tst_lesson.moc"
