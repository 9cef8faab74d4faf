#include "lesson/web_page.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The lesson's web page as the programs that open it see it: tidy's validation, its markup read
// as a screen reader and a platform that strips scripts and styles read it, and chromium's
// rendering on a phone, on a desktop and on paper.
class TestWebPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void drawings_kept_apart_data();
    void drawings_kept_apart();
    void valid_html_data();
    void valid_html();
    void stands_alone_data();
    void stands_alone();
    void answers_only_folded_in_the_key_data();
    void answers_only_folded_in_the_key();
    void reads_on_phone_and_desktop_data();
    void reads_on_phone_and_desktop();
    void prints_a_step_a_page_data();
    void prints_a_step_a_page();

private:
    QTemporaryDir dir_;
};

namespace {

// Answers and texts with the characters that markup must escape.
const QByteArray questions("title: Phi & friends <in class>\n"
                           "step: The rabbits\nmenu:M_gr:0 click:Command5\n"
                           "text: Each pair has a new pair each month from its second month on.\n"
                           "question: How many pairs are there after a year? \"Count\" & <see>\n"
                           "answer: One hundred & forty-four <pairs>.\n"
                           "question: Which sequence do the totals make?\n"
                           "answer: The \"Fibonacci\" sequence.\n"
                           "step: The chaos game\nseed:1 menu:M_chaos tick:400\n"
                           "question: Where do the points fall?\n"
                           "answer: On a triangle of triangles.\n");
const char *const answers[] = { "One hundred &amp; forty-four &lt;pairs&gt;.",
    "The &quot;Fibonacci&quot; sequence.", "On a triangle of triangles." };

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program's exit status and output, or -1 once it has run a minute (chromium can hang).
struct Run
{
    int status = -1;
    QByteArray output;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAll() };
}

QString chromium() { return QStandardPaths::findExecutable(QStringLiteral("chromium")); }

// A tag of the page: its name, its attributes and the names of the elements around it.
struct Tag
{
    QString name;
    QString attributes;
    QStringList ancestors;
    qsizetype end = 0; // where the tag ends in the page
    bool hidden = false; // the element or one around it
};

QString attribute(const Tag &tag, const QString &name)
{
    const QRegularExpression re(QStringLiteral("(?:^|\\s)%1=\"([^\"]*)\"").arg(name));
    return re.match(tag.attributes).captured(1);
}

// The start tags in the order of the page, the style sheets' contents skipped. The page's
// attribute values have no ">" (it is escaped), so a tag ends at the first.
QList<Tag> start_tags(const QString &page)
{
    static const QRegularExpression tag_re(QStringLiteral("<(/?)([a-zA-Z][\\w:-]*)([^>]*?)(/?)>"));
    static const QStringList empty { "meta", "link", "br", "hr", "img", "input", "source", "area",
        "base", "col", "embed", "track", "wbr" };
    QList<Tag> tags;
    QStringList open; // name, with " hidden" where the element is hidden
    for (auto it = tag_re.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(2).toLower();
        if (!m.captured(1).isEmpty()) {
            const qsizetype at = open.lastIndexOf(QRegularExpression(
                QStringLiteral("^%1( hidden)?$").arg(QRegularExpression::escape(name))));
            if (at >= 0)
                open.resize(at);
            continue;
        }
        const bool hidden = QRegularExpression(QStringLiteral("(^|\\s)hidden(\\s|=|$)"))
                                .match(m.captured(3))
                                .hasMatch();
        tags.append({ name, m.captured(3), open, m.capturedEnd(),
            hidden || !open.filter(QStringLiteral(" hidden")).isEmpty() });
        if (name == QLatin1String("style") || name == QLatin1String("script")) {
            const qsizetype close = page.indexOf(QStringLiteral("</") + name, m.capturedEnd());
            while (it.hasNext() && it.peekNext().capturedStart() < close)
                it.next();
            open.append(name);
        } else if (m.captured(4).isEmpty() && !empty.contains(name)) {
            open.append(hidden ? name + QStringLiteral(" hidden") : name);
        }
    }
    return tags;
}

// Whether the text at a place of the page is shown with the style sheet stripped and every
// disclosure closed: outside hidden elements and outside details but for their summary.
bool shown_plainly(const QList<Tag> &tags, qsizetype at)
{
    const Tag *before = nullptr;
    for (const Tag &tag : tags)
        if (tag.end <= at)
            before = &tag;
    if (!before)
        return true;
    QStringList around = before->ancestors;
    around.append(before->name);
    const bool in_details = around.contains(QStringLiteral("details"));
    const bool in_summary = around.contains(QStringLiteral("summary"));
    return !before->hidden && (!in_details || in_summary);
}

// The pictures of a screenshot framed by the page's grey border: their rectangles, top down.
QList<QRect> framed_pictures(const QImage &shot)
{
    const auto grey = [&shot](int x, int y) {
        const QRgb c = shot.pixel(x, y);
        return qAbs(qRed(c) - 0x88) < 24 && qAbs(qGreen(c) - 0x88) < 24
            && qAbs(qBlue(c) - 0x88) < 24;
    };
    for (int x = 0; x < shot.width() / 2; ++x) {
        QList<QRect> frames;
        for (int y = 0; y < shot.height(); ++y) {
            int bottom = y;
            while (bottom < shot.height() && grey(x, bottom))
                ++bottom;
            if (bottom - y >= 100) {
                int right = x;
                while (right + 1 < shot.width() && grey(right + 1, y))
                    ++right;
                frames.append(QRect(QPoint(x, y), QPoint(right, bottom - 1)));
            }
            y = bottom;
        }
        if (!frames.isEmpty())
            return frames;
    }
    return {};
}

// The share of pixels whose colour differs markedly between two images of one size.
double differing(const QImage &a, const QImage &b)
{
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q))
                > 96)
                ++count;
        }
    return double(count) / (double(a.width()) * a.height());
}

} // namespace

void TestWebPage::initTestCase()
{
    QVERIFY(dir_.isValid());
    QFile lesson(dir_.filePath(QStringLiteral("q.aurelion-lesson")));
    QVERIFY(lesson.open(QIODevice::WriteOnly));
    lesson.write(questions);
    lesson.close();
    const QString example = QStringLiteral(AURELION_EXAMPLE_LESSON);
    const QString render = QStringLiteral(AURELION_RENDER);
    const auto page = [this](const char *name) { return dir_.filePath(QLatin1String(name)); };
    for (const QStringList &arguments :
        { QStringList { "--lesson", example, "--language", "en", "--handout", page("example.html"),
              "--answer-key", page("example-key.html") },
            QStringList { "--lesson", lesson.fileName(), "--language", "de", "--handout",
                page("de.html"), "--answer-key", page("de-key.html") },
            QStringList { "--lesson", lesson.fileName(), "--language", "pt_BR", "--answer-key",
                page("pt-key.html") } }) {
        const Run made = run(render, arguments);
        QVERIFY2(made.status == 0, made.output.constData());
    }
}

void TestWebPage::drawings_kept_apart_data()
{
    QTest::addColumn<QByteArray>("svg");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QStringList>("gone");
    QTest::newRow("class rules become styles")
        << QByteArray("<?xml version=\"1.0\"?>\n<svg width=\"2mm\" viewBox=\"0 0 10 20\">"
                      "<title>Drawing</title><defs><style type=\"text/css\"><![CDATA[\n"
                      ".s0{fill:#f00}\n.s1{font-family:'Sans'}\n]]></style></defs><g class=\"s0\" "
                      "id=\"a\"><rect/></g><use href=\"#a\" class=\"s1\"/></svg>")
        << QStringList { "<svg viewBox=\"0 0 10 20\" width=\"10\" height=\"20\" role=\"img\" "
                         "aria-label=\"A &lt;red&gt; square\">\n<title>A &lt;red&gt; "
                         "square</title>",
               "<g style=\"fill:#f00\" id=\"p-a\">",
               "<use href=\"#p-a\" style=\"font-family:'Sans'\"/>" }
        << QStringList { "<style", "class=", "2mm", "Drawing", "<?xml" };
    QTest::newRow("other style sheets keep their names apart")
        << QByteArray("<svg><style>.a .b{fill:red} #c{stroke:url(#d)}</style>"
                      "<g class=\"a\"><g class=\"b\" id=\"c\"/></g></svg>")
        << QStringList { "<style>.p-a .p-b{fill:red} #p-c{stroke:url(#p-d)}</style>",
               "<g class=\"p-a\"><g class=\"p-b\" id=\"p-c\"/>" }
        << QStringList { "style=" };
}

// Drawings side by side in one page: their names apart, their styles intact, the description
// their name for a screen reader.
void TestWebPage::drawings_kept_apart()
{
    QFETCH(QByteArray, svg);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, gone);
    const QString inlined =
        QString::fromUtf8(inline_svg(svg, QStringLiteral("p-"), QStringLiteral("A <red> square")));
    for (const QString &text : kept)
        QVERIFY2(inlined.contains(text), qPrintable(inlined));
    for (const QString &text : gone)
        QVERIFY2(!inlined.contains(text), qPrintable(inlined));
}

void TestWebPage::valid_html_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("example lesson") << "example.html";
    QTest::newRow("example lesson's answer key") << "example-key.html";
    QTest::newRow("answer key with markup in its texts") << "de-key.html";
}

void TestWebPage::valid_html()
{
    QFETCH(QString, page);
    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    if (tidy.isEmpty())
        QSKIP("tidy is not installed (scripts/setup.sh installs it)");
    const Run checked = run(tidy, { "-q", "-e", dir_.filePath(page) });
    QVERIFY2(checked.status == 0, checked.output.constData());
}

void TestWebPage::stands_alone_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("described"); // a part of the first drawing's description
    QTest::newRow("English") << "example.html"
                             << "en" << 6 << "Fibonacci's rabbits, month 6 of 12: 13 pairs";
    QTest::newRow("German answer key") << "de-key.html"
                                       << "de" << 2 << "Monat 1 von 12";
    QTest::newRow("Brazilian answer key") << "pt-key.html"
                                          << "pt-BR" << 2 << "m\xC3\xAAs 1 de 12";
}

// Nothing to fetch, nothing to run; the language, the headings and each drawing's name as a
// screen reader finds them.
void TestWebPage::stands_alone()
{
    QFETCH(QString, page);
    QFETCH(QString, language);
    QFETCH(int, steps);
    QFETCH(QString, described);
    const QString html = QString::fromUtf8(read(dir_.filePath(page)));
    const QList<Tag> tags = start_tags(html);
    QVERIFY(!tags.isEmpty());

    QCOMPARE(tags.first().name, QStringLiteral("html"));
    QCOMPARE(attribute(tags.first(), QStringLiteral("lang")), language);

    static const QRegularExpression reference(QStringLiteral(
        "(?:^|\\s)(src|srcset|href|xlink:href|data|action|poster|background)=\"([^\"]*)\""));
    static const QRegularExpression handler(QStringLiteral("(?:^|\\s)on\\w+="));
    for (const Tag &tag : tags) {
        QVERIFY2(tag.name != QLatin1String("script") && tag.name != QLatin1String("link")
                && tag.name != QLatin1String("iframe") && tag.name != QLatin1String("object"),
            qPrintable(tag.name));
        QVERIFY2(!handler.match(tag.attributes).hasMatch(), qPrintable(tag.attributes));
        for (auto it = reference.globalMatch(tag.attributes); it.hasNext();) {
            const QString target = it.next().captured(2);
            QVERIFY2(target.startsWith(QLatin1Char('#'))
                    && html.contains(QStringLiteral(" id=\"%1\"").arg(target.mid(1))),
                qPrintable(target));
        }
    }
    static const QRegularExpression url(QStringLiteral("url\\(\\s*['\"]?([^'\")]*)|@import"));
    for (auto it = url.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QVERIFY2(m.captured(1).startsWith(QLatin1Char('#')), qPrintable(m.captured(0)));
    }

    // One h1, then an h2 a step, no level skipped.
    QList<int> levels;
    for (const Tag &tag : tags)
        if (QRegularExpression(QStringLiteral("^h[1-6]$")).match(tag.name).hasMatch())
            levels.append(tag.name.mid(1).toInt());
    QVERIFY(!levels.isEmpty());
    QCOMPARE(levels.first(), 1);
    QCOMPARE(levels.count(1), 1);
    QCOMPARE(levels.count(2), steps);
    for (qsizetype i = 1; i < levels.size(); ++i)
        QVERIFY2(levels[i] <= levels[i - 1] + 1, qPrintable(QString::number(i)));

    // Each drawing is one image named by its description, inside its figure.
    QStringList names;
    for (const Tag &tag : tags)
        if (tag.name == QLatin1String("svg")) {
            QCOMPARE(tag.ancestors.last(), QStringLiteral("figure"));
            QCOMPARE(attribute(tag, QStringLiteral("role")), QStringLiteral("img"));
            const QString name = attribute(tag, QStringLiteral("aria-label"));
            QVERIFY(!name.isEmpty());
            QVERIFY(html.mid(tag.end).startsWith(QStringLiteral("\n<title>") + name + "</title>"));
            names.append(name);
        }
    QCOMPARE(names.size(), steps);
    QVERIFY2(names.first().contains(described), qPrintable(names.first()));
}

void TestWebPage::answers_only_folded_in_the_key_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("key");
    QTest::newRow("pupils' page") << "de.html" << false;
    QTest::newRow("answer key") << "de-key.html" << true;
}

// Pages go to public places: the pupils' page holds no answer; the key shows each one only when
// its disclosure under the question is opened, styles stripped or not.
void TestWebPage::answers_only_folded_in_the_key()
{
    QFETCH(QString, page);
    QFETCH(bool, key);
    const QString html = QString::fromUtf8(read(dir_.filePath(page)));
    const QList<Tag> tags = start_tags(html);
    for (const char *answer : answers) {
        const QString text = QString::fromUtf8(answer);
        QCOMPARE(html.count(text) > 0, key);
        for (qsizetype at = html.indexOf(text); at >= 0; at = html.indexOf(text, at + 1))
            QVERIFY2(!shown_plainly(tags, at), answer);
    }
    QCOMPARE(html.count(QStringLiteral("<details>")), key ? 3 : 0);
    static const QRegularExpression folded(
        QStringLiteral("<p class=\"question\">[^<]*</p>\\s*<details>\\s*<summary>"));
    QCOMPARE(html.count(folded), key ? 3 : 0);
}

void TestWebPage::reads_on_phone_and_desktop_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("phone") << 360 << 4000;
    QTest::newRow("desktop") << 1280 << 6000;
}

// No sideways scrolling: the right-hand columns stay the page's background. Each drawing as
// wide as the phone allows, and drawn as its picture file is.
void TestWebPage::reads_on_phone_and_desktop()
{
    QFETCH(int, width);
    QFETCH(int, height);
    if (chromium().isEmpty())
        QSKIP("chromium is not installed (scripts/setup.sh installs it)");
    const QString shot_path = dir_.filePath(QStringLiteral("shot-%1.png").arg(width));
    const Run shot = run(chromium(),
        { "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
            "--force-device-scale-factor=1", "--user-data-dir=" + dir_.filePath("chromium"),
            "--window-size=" + QString::number(width) + "," + QString::number(height),
            "--screenshot=" + shot_path, "file://" + dir_.filePath("example.html") });
    QVERIFY2(shot.status == 0, shot.output.constData());
    const QImage screen = QImage(shot_path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(screen.width(), width);

    for (int y = 0; y < screen.height(); ++y)
        for (int x = width - 8; x < width; ++x)
            QVERIFY2(screen.pixel(x, y) == qRgb(255, 255, 255),
                qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));

    const QList<QRect> frames = framed_pictures(screen);
    QCOMPARE(frames.size(), 6);
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const QRect frame = frames[i];
        QVERIFY2(frame.width() >= qMin(width * 85 / 100, 600), qPrintable(QString::number(i)));
        const QRect inside = frame.adjusted(1, 1, -1, -1);
        const QString svg = dir_.filePath(QStringLiteral("step-%1.svg").arg(i + 1));
        const QString png = dir_.filePath(QStringLiteral("step-%1-%2.png").arg(i + 1).arg(width));
        const Run picture = run(QStringLiteral(AURELION_RENDER),
            { "--lesson", QStringLiteral(AURELION_EXAMPLE_LESSON), "--language", "en", "--step",
                QString::number(i + 1), "--picture", svg });
        QVERIFY2(picture.status == 0, picture.output.constData());
        const Run drawn = run(QStringLiteral(RSVG_CONVERT),
            { "-w", QString::number(inside.width()), "-h", QString::number(inside.height()), "-b",
                "white", "-o", png, svg });
        QVERIFY2(drawn.status == 0, drawn.output.constData());
        const QImage expected = QImage(png).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(expected.size(), inside.size());
        const double share = differing(screen.copy(inside), expected);
        QVERIFY2(share < 0.04,
            qPrintable(QStringLiteral("step %1: %2 of the pixels differ").arg(i + 1).arg(share)));
    }
}

void TestWebPage::prints_a_step_a_page_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("starts"); // how each page's text starts
    QTest::addColumn<QString>("printed"); // a text on the last page
    QTest::newRow("example lesson")
        << "example.html"
        << QStringList { "The golden number", "Step 1: Fibonacci's rabbits", "Step 2: The ratio",
               "Step 3: The golden rectangle", "Step 4: The pentagram", "Step 5: The golden spiral",
               "Step 6: The chaos game" }
        << "Aurelion";
    QTest::newRow("answer key, its answers printed")
        << "de-key.html"
        << QStringList { QString::fromUtf8("L\xC3\xB6sungen"), "Schritt 1: The rabbits",
               "Schritt 2: The chaos game" }
        << "Antwort: On a triangle of triangles.";
}

void TestWebPage::prints_a_step_a_page()
{
    QFETCH(QString, page);
    QFETCH(QStringList, starts);
    QFETCH(QString, printed);
    if (chromium().isEmpty())
        QSKIP("chromium is not installed (scripts/setup.sh installs it)");
    const QString pdf = dir_.filePath(page + QStringLiteral(".pdf"));
    const Run print = run(chromium(),
        { "--headless", "--no-sandbox", "--disable-gpu", "--no-pdf-header-footer",
            "--user-data-dir=" + dir_.filePath("chromium"), "--print-to-pdf=" + pdf,
            "file://" + dir_.filePath(page) });
    QVERIFY2(print.status == 0, print.output.constData());
    const Run text = run(QStringLiteral(PDFTOTEXT), { pdf, "-" });
    QCOMPARE(text.status, 0);
    QStringList pages = QString::fromUtf8(text.output).split(QLatin1Char('\f'));
    if (pages.last().trimmed().isEmpty())
        pages.removeLast();
    QCOMPARE(pages.size(), starts.size());
    for (qsizetype i = 0; i < pages.size(); ++i)
        QVERIFY2(pages[i].trimmed().startsWith(starts[i]), qPrintable(pages[i].left(80)));
    QVERIFY2(pages.last().contains(printed), qPrintable(pages.last()));
}

QTEST_MAIN(TestWebPage)
#include "tst_web_page.moc"
