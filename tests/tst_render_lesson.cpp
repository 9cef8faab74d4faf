#include "pdf_tools.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// The render tool with a lesson: a step shown by the outputs, the handout, and bad lessons.
class TestRenderLesson : public QObject
{
    Q_OBJECT

private slots:
    void step_shows_what_its_actions_show_data();
    void step_shows_what_its_actions_show();
    void handout_has_a_page_a_step_data();
    void handout_has_a_page_a_step();
    void example_lesson_makes_its_handout();
    void bad_lessons_data();
    void bad_lessons();
    void replay_errors_name_file_and_line_data();
    void replay_errors_name_file_and_line();
    void only_regular_files_are_lessons_data();
    void only_regular_files_are_lessons();
    void ticks_end_with_the_timer();
    void title_page_lists_the_steps_under_the_title();
};

namespace {

struct Run
{
    int status = -1;
    QString error;
};

Run render(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(AURELION_RENDER), arguments);
    process.waitForFinished(60000);
    return { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()) };
}

QString write(const QTemporaryDir &dir, const QByteArray &text)
{
    const QString path = dir.filePath(QStringLiteral("l.aurelion-lesson"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

const QByteArray three_steps("title: Phi in class\n"
                             "step: The rabbits\nmenu:M_gr:0 click:Command5 click:Command5\n"
                             "step: The chaos game\nseed:9 menu:M_chaos tick:30\n"
                             "step: The pentagram\nmenu:M_R:4\n");

} // namespace

void TestRenderLesson::step_shows_what_its_actions_show_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("same"); // the actions and options that show the same
    QTest::newRow("rabbits") << 1
                             << QStringList { "menu:M_gr:0", "click:Command5", "click:Command5" };
    QTest::newRow("chaos game with its seed")
        << 2 << QStringList { "--seed", "9", "menu:M_chaos", "tick:30" };
    QTest::newRow("pentagram") << 3 << QStringList { "menu:M_R:4" };
}

void TestRenderLesson::step_shows_what_its_actions_show()
{
    QFETCH(int, step);
    QFETCH(QStringList, same);
    QTemporaryDir dir;
    const QString lesson = write(dir, three_steps);
    const QString a = dir.filePath(QStringLiteral("a.png")), b = dir.filePath("b.png");
    const QString sa = dir.filePath(QStringLiteral("a.json")), sb = dir.filePath("b.json");
    QCOMPARE(
        render({ "--lesson", lesson, "--step", QString::number(step), "--png", a, "--state", sa })
            .status,
        0);
    QCOMPARE(render(same + QStringList { "--png", b, "--state", sb }).status, 0);
    QFile fa(sa), fb(sb);
    QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
    QCOMPARE(fa.readAll(), fb.readAll());
    QVERIFY(QImage(a) == QImage(b));
    QVERIFY(!QImage(a).isNull());
}

void TestRenderLesson::handout_has_a_page_a_step_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QSizeF>("points");
    QTest::newRow("A4") << "a4" << QSizeF(595, 842);
    QTest::newRow("Letter") << "letter" << QSizeF(612, 792);
}

void TestRenderLesson::handout_has_a_page_a_step()
{
    QFETCH(QString, paper);
    QFETCH(QSizeF, points);
    QTemporaryDir dir;
    const QString lesson = write(dir, three_steps);
    const QString pdf_path = dir.filePath(QStringLiteral("handout.pdf"));
    const Run run = render({ "--lesson", lesson, "--handout", pdf_path, "--paper", paper });
    QCOMPARE(run.error, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(pdf::page_count(pdf_path), 4);
    const QSizeF size = pdf::page_size(pdf_path);
    QVERIFY2(qAbs(size.width() - points.width()) < 1 && qAbs(size.height() - points.height()) < 1,
        qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    const QString text = pdf::text(pdf_path);
    QVERIFY2(text.contains(QStringLiteral("Phi in class")), qPrintable(text));
    int at = 0;
    for (const char *heading :
        { "Step 1: The rabbits", "Step 2: The chaos game", "Step 3: The pentagram" }) {
        // After the title page's list, each heading again in order on its page.
        const int found = int(text.indexOf(QLatin1String(heading), at));
        QVERIFY2(found >= 0, heading);
        at = found + 1;
    }
    QVERIFY(text.indexOf(QStringLiteral("Step 3: The pentagram"), at) > 0);
}

// The lesson that ships with the program reads and replays, a page a step.
void TestRenderLesson::example_lesson_makes_its_handout()
{
    QTemporaryDir dir;
    const QString pdf_path = dir.filePath(QStringLiteral("example.pdf"));
    const Run run = render({ "--lesson", QStringLiteral(AURELION_EXAMPLE_LESSON), "--handout",
        pdf_path, "--black-and-white" });
    QCOMPARE(run.error, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(pdf::page_count(pdf_path), 7);
    QVERIFY(pdf::text(pdf_path).contains(QStringLiteral("Step 6: The chaos game")));
}

void TestRenderLesson::bad_lessons_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message"); // after "aurelion-render: "
    QTest::newRow("unknown action") << QByteArray("step: A\nmenu:M_R:4\nfly:3\n") << QStringList()
                                    << "line 3: fly:3: unknown action";
    QTest::newRow("bad number") << QByteArray("step: A\ntick:many\n") << QStringList()
                                << "line 2: tick:many: the number of ticks is not a whole number "
                                   "of 0 or more";
    QTest::newRow("missing step title")
        << QByteArray("step:\n") << QStringList() << "line 1: the step has no title";
    QTest::newRow("not text") << QByteArray("GIF89a\0\0\0", 9) << QStringList()
                              << "not a lesson: the file is not text";
    QTest::newRow("no such menu command when replayed") << QByteArray(
        "step: A\n\nmenu:M_R:44\n") << QStringList() << "line 3: menu:M_R:44: no such menu command";
    QTest::newRow("step beyond the lesson")
        << QByteArray("step: A\n") << QStringList { "--step", "2" } << "has only 1 step";
    QTest::newRow("empty file") << QByteArray() << QStringList() << "no steps: the file is empty";
    QTest::newRow("comments only") << QByteArray("# later\n") << QStringList { "--step", "1" }
                                   << "no steps: the file holds only comments";
    QTest::newRow("a tick that never ends")
        << QByteArray("step: A\nmenu:M_chaos tick:99999999999\n") << QStringList()
        << "line 2: tick:99999999999: a step ticks at most 50000 times";
    QTest::newRow("a word of control characters") << QByteArray(
        "step: A\n\x01\x1B\n") << QStringList() << "line 2: \\x01\\x1b: unknown action";
}

void TestRenderLesson::bad_lessons()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString lesson = write(dir, text);
    const QString pdf_path = dir.filePath(QStringLiteral("handout.pdf"));
    const Run run = render(QStringList { "--lesson", lesson, "--handout", pdf_path } + options);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.error.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.error.trimmed().endsWith(message), qPrintable(run.error));
    QVERIFY2(run.error.startsWith(QStringLiteral("aurelion-render: --lesson ") + lesson)
            || run.error.contains(QStringLiteral("--lesson ") + lesson),
        qPrintable(run.error));
    QVERIFY(!QFile::exists(pdf_path));
}

void TestRenderLesson::replay_errors_name_file_and_line_data()
{
    QTest::addColumn<QString>("output");
    QTest::newRow("handout") << "--handout";
    QTest::newRow("a step's picture") << "--png";
}

// A step that cannot be replayed is named the same way by the handout and by --step.
void TestRenderLesson::replay_errors_name_file_and_line()
{
    QFETCH(QString, output);
    QTemporaryDir dir;
    const QString lesson = write(dir, "step: A\n\nmenu:M_R:4 menu:M_R:44\n");
    const bool step = output == QLatin1String("--png");
    const QString path = dir.filePath(step ? "a.png" : "a.pdf");
    const Run run = render(QStringList { "--lesson", lesson, output, path }
        + (step ? QStringList { "--step", "1" } : QStringList()));
    QCOMPARE(run.status, 2);
    QCOMPARE(run.error,
        "aurelion-render: --lesson " + lesson + ": line 3: menu:M_R:44: no such menu command\n");
    QVERIFY(!QFile::exists(path));
}

void TestRenderLesson::only_regular_files_are_lessons_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("a named pipe") << "fifo"
                                  << "cannot read the file: not a regular file: a named pipe";
    QTest::newRow("a device that never ends")
        << "/dev/zero"
        << "cannot read the file: not a regular file: a device";
}

// A read that blocked on the pipe or went on through the device would end only with the
// process's time limit, and a status that is not 2.
void TestRenderLesson::only_regular_files_are_lessons()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString lesson = kind;
    if (kind == QLatin1String("fifo")) {
        lesson = dir.filePath(QStringLiteral("l.aurelion-lesson"));
        QCOMPARE(::mkfifo(QFile::encodeName(lesson).constData(), 0600), 0);
    }
    for (const QStringList &output : { QStringList { "--handout", dir.filePath("h.pdf") },
             QStringList { "--step", "1", "--png", dir.filePath("s.png") } }) {
        const Run run = render(QStringList { "--lesson", lesson } + output);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.error, "aurelion-render: --lesson " + lesson + ": " + message + "\n");
    }
}

// Ticks act only while the timer runs: where a topic has it off they end at once, however many.
void TestRenderLesson::ticks_end_with_the_timer()
{
    QTemporaryDir dir;
    const QString ticked = dir.filePath(QStringLiteral("ticked.json"));
    const QString plain = dir.filePath(QStringLiteral("plain.json"));
    QCOMPARE(render({ "menu:M_R:2", "tick:9223372036854775807", "--state", ticked }).status, 0);
    QCOMPARE(render({ "menu:M_R:2", "--state", plain }).status, 0);
    QFile a(ticked), b(plain);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
}

// The title page has the contents right under the lesson's title, over as many pages as they
// take; a long heading wraps and keeps every word.
void TestRenderLesson::title_page_lists_the_steps_under_the_title()
{
    QTemporaryDir dir;
    const QString long_title = QStringLiteral("The golden rectangle, whose sides are in the "
                                              "ratio of the golden number, cut into a square "
                                              "and a smaller golden rectangle again and again");
    QByteArray text = "title: Phi\nstep: " + long_title.toUtf8() + "\nmenu:M_R:2\n";
    constexpr int steps = 80;
    for (int i = 2; i <= steps; ++i)
        text += "step: Title screen " + QByteArray::number(i) + "\n";
    const QString pdf_path = dir.filePath(QStringLiteral("h.pdf"));
    const Run run = render({ "--lesson", write(dir, text), "--handout", pdf_path });
    QCOMPARE(run.error, QString());
    QCOMPARE(pdf::page_count(pdf_path), steps + 2);

    const double height = pdf::page_size(pdf_path).height();
    const std::vector<pdf::Word> first = pdf::words(pdf_path, 1);
    QVERIFY(first.size() > 3);
    QCOMPARE(first.front().text, QStringLiteral("Phi"));
    const auto step_word = std::find_if(first.begin(), first.end(),
        [](const pdf::Word &w) { return w.text == QLatin1String("Step"); });
    QVERIFY(step_word != first.end());
    QVERIFY2(
        step_word->box.top() < 0.15 * height, qPrintable(QString::number(step_word->box.top())));
    // The contents go on over the second page, the last step among them.
    QVERIFY(pdf::text(pdf_path).contains(QStringLiteral("Step %1: Title screen %1").arg(steps)));
    const std::vector<pdf::Word> second = pdf::words(pdf_path, 2);
    QVERIFY(!second.empty());
    QCOMPARE(second.front().text, QStringLiteral("Phi"));

    // The long heading, whole, on lines of its own above the drawing.
    QStringList heading;
    double bottom = 0;
    for (const pdf::Word &w : pdf::words(pdf_path, 3)) {
        if (heading.join(QLatin1Char(' ')).size() >= long_title.size() + 8)
            break;
        heading << w.text;
        bottom = std::max(bottom, w.box.bottom());
    }
    QCOMPARE(heading.join(QLatin1Char(' ')), "Step 1: " + long_title);
    QVERIFY2(bottom < 0.2 * height, qPrintable(QString::number(bottom)));
}

QTEST_MAIN(TestRenderLesson)
#include "tst_render_lesson.moc"
