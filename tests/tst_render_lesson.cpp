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
    void answers_only_in_the_answer_key_data();
    void answers_only_in_the_answer_key();
    void questions_have_ruled_space_data();
    void questions_have_ruled_space();
    void many_questions_go_on_over_pages();
    void answer_key_refused_data();
    void answer_key_refused();
    void handouts_in_place_with_all_outputs_or_none_data();
    void handouts_in_place_with_all_outputs_or_none();
    void example_lesson_makes_its_web_page();
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

// A lesson with the teacher's texts and questions, some answered.
const QByteArray questions("title: Phi in class\n"
                           "step: The rabbits\nmenu:M_gr:0 click:Command5\n"
                           "text: Every pair has a new pair each month from its second month on.\n"
                           "question: How many pairs are there after a year?\n"
                           "answer: One hundred and forty-four.\n"
                           "question: Which sequence do the totals make?\n"
                           "answer: The Fibonacci sequence.\n"
                           "step: The pentagram\nmenu:M_R:4\n"
                           "text: Each diagonal cuts two others in the golden ratio.\n"
                           "question: How many diagonals has a pentagon?\n"
                           "answer: Five diagonals.\n"
                           "question: Draw one of them.\n");

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
    const QString key_path = dir.filePath(QStringLiteral("key.html"));
    const Run run =
        render(QStringList { "--lesson", lesson, "--handout", pdf_path, "--answer-key", key_path }
            + options);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.error.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.error.trimmed().endsWith(message), qPrintable(run.error));
    QVERIFY2(run.error.startsWith(QStringLiteral("aurelion-render: --lesson ") + lesson)
            || run.error.contains(QStringLiteral("--lesson ") + lesson),
        qPrintable(run.error));
    QVERIFY(!QFile::exists(pdf_path));
    QVERIFY(!QFile::exists(key_path));
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

void TestRenderLesson::answers_only_in_the_answer_key_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("answer_key"); // the title page's heading of the answer key
    QTest::newRow("English") << "en"
                             << "Answer key: Phi in class";
    QTest::newRow("German") << "de" << QString::fromUtf8("L\xC3\xB6sungen: Phi in class");
}

// The pupils' handout has the texts and questions, the answer key has the answers besides.
void TestRenderLesson::answers_only_in_the_answer_key()
{
    QFETCH(QString, language);
    QFETCH(QString, answer_key);
    QTemporaryDir dir;
    const QString pupils = dir.filePath(QStringLiteral("h.pdf"));
    const QString key = dir.filePath(QStringLiteral("k.pdf"));
    const Run run = render({ "--lesson", write(dir, questions), "--handout", pupils, "--answer-key",
        key, "--language", language });
    QCOMPARE(run.error, QString());
    QCOMPARE(run.status, 0);
    const QString handout = pdf::text(pupils), answers = pdf::text(key);
    for (const char *shown : { "Every pair has a new pair each month from its second month on.",
             "1. How many pairs are there after a year?", "2. Which sequence do the totals make?",
             "Each diagonal cuts two others in the golden ratio.",
             "1. How many diagonals has a pentagon?", "2. Draw one of them." }) {
        QVERIFY2(handout.contains(QLatin1String(shown)), shown);
        QVERIFY2(answers.contains(QLatin1String(shown)), shown);
    }
    for (const char *answer :
        { "One hundred and forty-four.", "The Fibonacci sequence.", "Five diagonals." }) {
        QVERIFY2(!handout.contains(QLatin1String(answer)), answer);
        QVERIFY2(answers.contains(QLatin1String(answer)), answer);
    }
    QVERIFY2(answers.startsWith(answer_key), qPrintable(answers.left(80)));
    QVERIFY2(handout.startsWith(QStringLiteral("Phi in class")), qPrintable(handout.left(80)));
    for (const QString &path : { pupils, key }) {
        QProcess qpdf;
        qpdf.start(QStringLiteral(QPDF), { QStringLiteral("--check"), path });
        QVERIFY(qpdf.waitForFinished(60000));
        QCOMPARE(qpdf.exitCode(), 0);
    }
}

void TestRenderLesson::questions_have_ruled_space_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("rules"); // long lines across the page
    // The heading's rule and the footer's, and three lines to write on under each question.
    QTest::newRow("pupils' handout") << "--handout" << 2 + 3 * 3;
    QTest::newRow("answer key") << "--answer-key" << 2;
}

// Counted on the page as a reader sees it: lines across the width between the margins.
void TestRenderLesson::questions_have_ruled_space()
{
    QFETCH(QString, output);
    QFETCH(int, rules);
    QTemporaryDir dir;
    // A step that shows the title screen has no drawing, whose frame would be a line as well.
    const QString lesson = write(dir,
        "step: Three questions\ntext: Think first.\nquestion: One?\nanswer: Yes.\n"
        "question: Two?\nanswer: No.\nquestion: Three?\nanswer: Maybe.\n");
    const QString path = dir.filePath(QStringLiteral("h.pdf"));
    QCOMPARE(render({ "--lesson", lesson, output, path }).status, 0);
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral(PDFTOPPM),
        { "-gray", "-r", "72", "-f", "2", "-l", "2", "-png", path, dir.filePath("page") });
    QVERIFY(pdftoppm.waitForFinished(60000));
    const QImage page(dir.filePath(QStringLiteral("page-2.png")));
    QVERIFY(!page.isNull());
    int found = 0;
    bool in_rule = false;
    for (int y = 0; y < page.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 220 ? 1 : 0;
        const bool rule = dark > page.width() * 3 / 4;
        found += rule && !in_rule ? 1 : 0;
        in_rule = rule;
    }
    QCOMPARE(found, rules);
}

// A step with more questions than fit under its drawing goes on over pages of its own.
void TestRenderLesson::many_questions_go_on_over_pages()
{
    QTemporaryDir dir;
    QByteArray text("step: The golden rectangle\nmenu:M_R:2\n");
    for (int i = 1; i <= 10; ++i)
        text += "question: Question number " + QByteArray::number(i) + "?\n";
    const QString path = dir.filePath(QStringLiteral("h.pdf"));
    QCOMPARE(render({ "--lesson", write(dir, text), "--handout", path }).status, 0);
    QVERIFY(pdf::page_count(path) >= 3);
    const QString all = pdf::text(path);
    QVERIFY(all.contains(QStringLiteral("Step 1: The golden rectangle (continued)")));
    for (int i = 1; i <= 10; ++i)
        QVERIFY(all.contains(QStringLiteral("%1. Question number %1?").arg(i)));
    // The drawing keeps most of the page's width on the step's own page.
    const std::vector<pdf::Word> first = pdf::words(path, 2);
    const auto question = std::find_if(first.begin(), first.end(),
        [](const pdf::Word &w) { return w.text == QLatin1String("Question"); });
    QVERIFY(question != first.end());
    QVERIFY2(question->box.top() > 0.5 * pdf::page_size(path).height(),
        qPrintable(QString::number(question->box.top())));
}

void TestRenderLesson::answer_key_refused_data()
{
    QTest::addColumn<QStringList>("arguments"); // LESSON: the lesson; names in the folder
    QTest::addColumn<QString>("message"); // after "aurelion-render: "
    QTest::newRow("not a PDF or a web page") << QStringList { "--lesson", "LESSON", "--answer-key",
        "k.txt" } << "--answer-key DIR/k.txt: the file must end in .pdf or .html";
    QTest::newRow("a handout that is no web page either") << QStringList { "--lesson", "LESSON",
        "--handout", "h.svg" } << "--handout DIR/h.svg: the file must end in .pdf or .html";
    QTest::newRow("without a lesson") << QStringList { "--answer-key", "k.html" }
                                      << "--answer-key DIR/k.html: needs --lesson FILE";
    QTest::newRow("the handout's file") << QStringList { "--lesson", "LESSON", "--handout", "a.pdf",
        "--answer-key", "a.pdf" } << "--answer-key DIR/a.pdf: the same file as --handout DIR/a.pdf";
    QTest::newRow("given twice") << QStringList {
        "--lesson", "LESSON", "--answer-key", "a.pdf", "--answer-key", "b.pdf"
    } << "--answer-key: --answer-key is given twice; every output but --picture is given once";
    QTest::newRow("in a missing folder")
        << QStringList { "--lesson", "LESSON", "--answer-key", "missing/k.html" }
        << "--answer-key DIR/missing/k.html: the folder DIR/missing does not exist";
}

void TestRenderLesson::answer_key_refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString lesson = write(dir, questions);
    for (QString &argument : arguments)
        if (argument == QLatin1String("LESSON"))
            argument = lesson;
        else if (!argument.startsWith(QLatin1String("--")))
            argument = dir.filePath(argument);
    const Run run = render(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.error,
        "aurelion-render: "
            + QString(message).replace(QLatin1String("DIR"), dir.path()).replace("LESSON", lesson)
            + "\n");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("l.aurelion-lesson") });
}

void TestRenderLesson::handouts_in_place_with_all_outputs_or_none_data()
{
    QTest::addColumn<QStringList>("arguments"); // names in the folder, or a device
    QTest::newRow("both, then a full device")
        << QStringList { "--handout", "h.pdf", "--answer-key", "k.html", "--png", "/dev/full" };
    QTest::newRow("a handout, then an answer key into a full device")
        << QStringList { "--handout", "h.html", "--answer-key", "full.pdf" };
}

// The handout and the answer key take their names with the tool's other files, or none does.
void TestRenderLesson::handouts_in_place_with_all_outputs_or_none()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const QString lesson = write(dir, questions);
    // A name of a PDF for the full device, which a stream carries whatever it is called.
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), dir.filePath(QStringLiteral("full.pdf"))));
    for (QString &argument : arguments)
        if (!argument.startsWith(QLatin1String("-")) && !argument.startsWith(QLatin1Char('/')))
            argument = dir.filePath(argument);
    const Run run = render(QStringList { "--lesson", lesson, "--step", "1" } + arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.error.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.error.contains(QStringLiteral("No space left on device")), qPrintable(run.error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot),
        (QStringList { QStringLiteral("full.pdf"), QStringLiteral("l.aurelion-lesson") }));
}

// The lesson that ships with the program as a web page: one file under 1 MB, a drawing a step.
void TestRenderLesson::example_lesson_makes_its_web_page()
{
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("example.html"));
    const Run run =
        render({ "--lesson", QStringLiteral(AURELION_EXAMPLE_LESSON), "--handout", html });
    QCOMPARE(run.error, QString());
    QCOMPARE(run.status, 0);
    QFile file(html);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray page = file.readAll();
    QVERIFY2(page.size() < 1024 * 1024, qPrintable(QString::number(page.size())));
    QCOMPARE(page.count("<svg"), 6);
    QVERIFY(page.contains("<h2 id=\"step-6-heading\">Step 6: The chaos game</h2>"));
}

QTEST_MAIN(TestRenderLesson)
#include "tst_render_lesson.moc"
