#include "pdf_tools.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
        << QByteArray("step: A\n") << QStringList { "--step", "2" }
        << "--step 2: the lesson has 1 steps";
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
    QVERIFY2(run.error.contains(lesson) || options.size() > 0, qPrintable(run.error));
    QVERIFY(!QFile::exists(pdf_path));
}

QTEST_MAIN(TestRenderLesson)
#include "tst_render_lesson.moc"
