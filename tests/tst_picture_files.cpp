// The picture files the render tool writes, read by the programs people open them with: every
// topic's SVG rasterised by librsvg's rsvg-convert against the PNG of the same drawing, the
// resolution a PNG declares, the title a PDF carries, and the hatch of a worksheet page as
// poppler draws it.

#include "pdf_tools.h"
#include "topic_states.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// What a rendered file tells of the run that made it.
struct Rendered
{
    int exit_code = -1;
    QString error;
};

Rendered render(const QString &actions, const QStringList &outputs, const QString &config)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(AURELION_RENDER),
        actions.split(QLatin1Char(' '), Qt::SkipEmptyParts) + outputs);
    if (!process.waitForFinished(120000))
        return { -1, QStringLiteral("the render tool did not finish") };
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardError()) };
}

// The SVG as librsvg draws it, at the size given.
QImage rasterised_svg(const QString &svg, QSize size, const QString &png)
{
    QProcess process;
    process.start(QStringLiteral(RSVG_CONVERT),
        { QStringLiteral("-w"), QString::number(size.width()), QStringLiteral("-h"),
            QString::number(size.height()), QStringLiteral("-b"), QStringLiteral("white"),
            QStringLiteral("-o"), png, svg });
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return {};
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

// How a picture file is compared with the PNG of the same drawing at scale 1, drawn at the same
// size by the program people open it with: a pixel differs where any channel differs by more
// than an eighth of its range, and at most 3 % of the pixels may. Antialiased slanting lines,
// circles and glyphs differ between renderers by less; a line or box edge a pixel off, a missing
// or misplaced line, fill or text by more.
constexpr int channel_tolerance = 32;
constexpr double most_differing = 0.03;

int differing_pixels(const QImage &a, const QImage &b, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::max({ std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                    std::abs(qBlue(p) - qBlue(q)) })
                > channel_tolerance)
                ++count;
        }
    return count;
}

// The pHYs chunk of a PNG: dots per unit across and down, and the unit (1: the metre).
struct Physical
{
    quint32 x = 0, y = 0;
    int unit = -1;
};

std::optional<Physical> physical_of(const QByteArray &png)
{
    // Chunks follow the eight-byte signature: length, type, data, CRC.
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArray type = png.mid(at + 4, 4);
        if (type == "pHYs" && length == 9 && at + 8 + 9 <= png.size()) {
            const char *data = png.constData() + at + 8;
            return Physical { qFromBigEndian<quint32>(data), qFromBigEndian<quint32>(data + 4),
                int(quint8(data[8])) };
        }
        at += 12 + qsizetype(length);
    }
    return {};
}

// Where each run of hatch-coloured pixels starts along the row, for a yellow hatch on white.
std::vector<int> yellow_run_starts(const QImage &image, int y)
{
    std::vector<int> starts;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        const bool yellow = qBlue(p) + 60 < qRed(p) && qBlue(p) + 60 < qGreen(p);
        if (yellow && !inside)
            starts.push_back(x);
        inside = yellow;
    }
    return starts;
}

// The repeat of the hatch in pixels, measured along the row with the most runs.
double hatch_repeat(const QImage &image)
{
    std::vector<int> best;
    for (int y = 0; y < image.height(); ++y)
        if (std::vector<int> starts = yellow_run_starts(image, y); starts.size() > best.size())
            best = std::move(starts);
    if (best.size() < 3)
        return 0;
    return double(best.back() - best.front()) / double(best.size() - 1);
}

// The left edge of a word of the PDF's text, in points.
std::optional<double> word_left(const QString &pdf, const QString &word)
{
    for (const pdf::Word &w : pdf::words(pdf))
        if (w.text == word)
            return w.box.left();
    return {};
}

} // namespace

class TestPictureFiles : public QObject
{
    Q_OBJECT

private slots:
    void svg_looks_like_the_png_data();
    void svg_looks_like_the_png();
    void pdf_points_are_paths();
    void empty_bar_is_a_line_in_the_svg();
    void png_declares_its_true_size_data();
    void png_declares_its_true_size();
    void pdf_is_titled_as_its_file_is_named_data();
    void pdf_is_titled_as_its_file_is_named();
    void worksheet_hatch_is_the_screens_at_the_page_scale_data();
    void worksheet_hatch_is_the_screens_at_the_page_scale();
};

void TestPictureFiles::svg_looks_like_the_png_data()
{
    QTest::addColumn<QString>("actions");
    // Each topic in the state of the window's reference pictures, and the states that draw the
    // most: the population model after 99 years, the chaos game after 1,000 steps, and its
    // hexagon at half the way, whose points of six colours lie scattered pixel by pixel.
    for (const TopicState &state : topic_states)
        QTest::newRow(state.name) << QString::fromLatin1(state.actions);
    QString years = QStringLiteral("menu:M_bevolk:1");
    for (int year = 0; year < 99; ++year)
        years += QStringLiteral(" click:Command3");
    QTest::newRow("population-year-99") << years;
    QTest::newRow("chaos-game-1000-ticks") << "--seed 7 menu:M_chaos tick:1000";
    QTest::newRow("chaos-hexagon-3000-ticks") << "--seed 7 menu:M_chaos click:Label11:2 tick:3000";
}

void TestPictureFiles::svg_looks_like_the_png()
{
    QFETCH(QString, actions);
    QTemporaryDir folder;
    const QString svg = folder.filePath(QStringLiteral("picture.svg"));
    const QString png = folder.filePath(QStringLiteral("picture.png"));
    for (const QString &file : { svg, png }) {
        const Rendered done = render(actions, { QStringLiteral("--picture"), file }, folder.path());
        QVERIFY2(done.exit_code == 0, qPrintable(done.error));
    }
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // Each style once, in a style sheet: the file does not grow with the state.
    constexpr int most_bytes = 150 * 1000;
    QVERIFY2(bytes.size() < most_bytes,
        qPrintable(QStringLiteral("%1 bytes, more than %2").arg(bytes.size()).arg(most_bytes)));
    // A box of no width or height is a line; as a rectangle an SVG reader shows nothing.
    QVERIFY(!bytes.contains("width=\"0\""));
    QVERIFY(!bytes.contains("height=\"0\""));
    // Every font has a generic family after it, in an attribute or the style sheet.
    static const QRegularExpression family(
        QStringLiteral("font-family(?:=\"([^\"]*)\"|:([^;}]*))"));
    int families = 0;
    for (auto it = family.globalMatch(QString::fromUtf8(bytes)); it.hasNext(); ++families) {
        const QRegularExpressionMatch m = it.next();
        const QString list = m.captured(1) + m.captured(2);
        QVERIFY2(
            list.endsWith(QLatin1String("sans-serif")) || list.endsWith(QLatin1String("monospace")),
            qPrintable(list));
    }
    QVERIFY(families > 0);

    const QImage expected = QImage(png).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!expected.isNull());
    const QImage drawn =
        rasterised_svg(svg, expected.size(), folder.filePath(QStringLiteral("rsvg.png")));
    QCOMPARE(drawn.size(), expected.size());
    const int differing = differing_pixels(expected, drawn, expected.rect());
    const double share = double(differing) / double(expected.width() * expected.height());
    QVERIFY2(share < most_differing,
        qPrintable(QStringLiteral("%1 pixels (%2 %) differ").arg(differing).arg(share * 100)));
}

void TestPictureFiles::pdf_points_are_paths()
{
    // A thousand steps of the chaos game: 50,001 points, one path a colour in the PDF.
    QTemporaryDir folder;
    const QString actions = QStringLiteral("--seed 7 menu:M_chaos tick:1000");
    const QString pdf = folder.filePath(QStringLiteral("picture.pdf"));
    const QString png = folder.filePath(QStringLiteral("picture.png"));
    for (const QString &file : { pdf, png })
        QCOMPARE(
            render(actions, { QStringLiteral("--picture"), file }, folder.path()).exit_code, 0);
    QVERIFY2(QFileInfo(pdf).size() < 64 * 1024, qPrintable(QString::number(QFileInfo(pdf).size())));
    // Drawn by poppler at 96 dpi, a logical pixel a pixel, the points are the PNG's.
    pdf::run(PDFTOPPM,
        { QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
            QStringLiteral("-singlefile"), pdf, folder.filePath(QStringLiteral("poppler")) });
    const QImage expected = QImage(png).convertToFormat(QImage::Format_RGB32);
    const QImage drawn = QImage(folder.filePath(QStringLiteral("poppler.png")))
                             .convertToFormat(QImage::Format_RGB32)
                             .copy(expected.rect());
    QCOMPARE(drawn.size(), expected.size());
    const int differing = differing_pixels(expected, drawn, expected.rect());
    QVERIFY2(differing < most_differing * expected.width() * expected.height(),
        qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
}

void TestPictureFiles::empty_bar_is_a_line_in_the_svg()
{
    // In year 3 the population model's age-20 bar is empty: its box has no width, and the
    // picture shows it as a short upright line at the bar's place, "|20|".
    QTemporaryDir folder;
    const QString actions =
        QStringLiteral("menu:M_bevolk:1 click:Command3 click:Command3 click:Command3");
    const QString svg = folder.filePath(QStringLiteral("picture.svg"));
    const QString png = folder.filePath(QStringLiteral("picture.png"));
    for (const QString &file : { svg, png })
        QCOMPARE(
            render(actions, { QStringLiteral("--picture"), file }, folder.path()).exit_code, 0);
    const QImage expected = QImage(png).convertToFormat(QImage::Format_RGB32);
    const QImage drawn =
        rasterised_svg(svg, expected.size(), folder.filePath(QStringLiteral("rsvg.png")));
    QCOMPARE(drawn.size(), expected.size());
    // The bar's two ends, upright lines from (247.4, 27) and (261.6, 27) down to y = 34; the
    // SVG's are antialiased across two columns where the PNG's fill one, so their ink is compared.
    const auto ink = [](const QImage &image, const QRect &area) {
        int sum = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                sum += 255 - qGray(image.pixel(x, y));
        return sum;
    };
    for (const QRect &end : { QRect(246, 27, 3, 7), QRect(260, 27, 3, 7) }) {
        const int shown = ink(expected, end);
        QVERIFY2(shown > 5 * 255, "the PNG shows the bar's end");
        QVERIFY2(ink(drawn, end) > shown * 6 / 10,
            qPrintable(QStringLiteral("ink %1 in the SVG, %2 in the PNG")
                           .arg(ink(drawn, end))
                           .arg(shown)));
    }
}

void TestPictureFiles::png_declares_its_true_size_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
    QTest::newRow("4") << 4.0;
}

void TestPictureFiles::png_declares_its_true_size()
{
    QFETCH(double, scale);
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("picture.png"));
    QCOMPARE(
        render(QStringLiteral("menu:M_R:2"),
            { QStringLiteral("--scale"), QString::number(scale), QStringLiteral("--picture"), png },
            folder.path())
            .exit_code,
        0);
    QFile file(png);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::optional<Physical> physical = physical_of(file.readAll());
    QVERIFY(physical);
    QCOMPARE(physical->unit, 1);
    // 96 dots an inch at a ratio of 1.
    const quint32 dots_per_metre = quint32(std::lround(96 * scale / 0.0254));
    QCOMPARE(physical->x, dots_per_metre);
    QCOMPARE(physical->y, dots_per_metre);
    // So the drawing is 134.7 mm across at any scale.
    const int width = QImage(png).width();
    QVERIFY(std::abs(width / double(physical->x) * 1000 - 134.7) < 0.3);
}

void TestPictureFiles::pdf_is_titled_as_its_file_is_named_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("title");
    QTest::newRow("golden rectangle") << "menu:M_R:2"
                                      << "Golden rectangle";
    QTest::newRow("rabbits, month 6")
        << "menu:M_gr:0 click:Command5 click:Command5 click:Command5 click:Command5 "
           "click:Command5 click:Command5"
        << "Fibonacci's rabblis, month 6";
    QTest::newRow("chaos game, pentagon") << "--seed 7 menu:M_chaos click:Label11:5 tick:40"
                                          << "CHAOS, pentagon golden";
}

void TestPictureFiles::pdf_is_titled_as_its_file_is_named()
{
    QFETCH(QString, actions);
    QFETCH(QString, title);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("picture.pdf"));
    const Rendered done = render(actions, { QStringLiteral("--picture"), pdf }, folder.path());
    QVERIFY2(done.exit_code == 0, qPrintable(done.error));
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Title:\\s+([^\\n]*)\\n"))
                                          .match(pdf::run(PDFINFO, { pdf }));
    QVERIFY(m.hasMatch());
    QCOMPARE(m.captured(1), title);
}

void TestPictureFiles::worksheet_hatch_is_the_screens_at_the_page_scale_data()
{
    QTest::addColumn<QString>("paper");
    // The golden ellipse is the topic with a hatched fill.
    QTest::newRow("a4") << "a4";
    QTest::newRow("letter") << "letter";
}

void TestPictureFiles::worksheet_hatch_is_the_screens_at_the_page_scale()
{
    QFETCH(QString, paper);
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("picture.pdf"));
    const QString page = folder.filePath(QStringLiteral("page.pdf"));
    QCOMPARE(render(QStringLiteral("menu:M_R:3"), { QStringLiteral("--picture"), picture },
                 folder.path())
                 .exit_code,
        0);
    QCOMPARE(
        render(QStringLiteral("menu:M_R:3"),
            { QStringLiteral("--paper"), paper, QStringLiteral("--page"), page }, folder.path())
            .exit_code,
        0);
    // How much larger the drawing is on the page than in the picture: two words of the drawing,
    // as far apart on each.
    const auto a_picture = word_left(picture, QStringLiteral("F4"));
    const auto b_picture = word_left(picture, QStringLiteral("asymptot"));
    const auto a_page = word_left(page, QStringLiteral("F4"));
    const auto b_page = word_left(page, QStringLiteral("asymptot"));
    QVERIFY(a_picture && b_picture && a_page && b_page);
    const double scale = (*b_page - *a_page) / (*b_picture - *a_picture);
    QVERIFY(scale > 0.5 && scale < 2);

    // Both drawn by poppler at one resolution: the hatch repeats as much wider on the page.
    const auto raster = [&folder](const QString &pdf, const QString &name) {
        pdf::run(PDFTOPPM,
            { QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), pdf, folder.filePath(name) });
        return QImage(folder.filePath(name + QStringLiteral(".png")));
    };
    const double picture_repeat = hatch_repeat(raster(picture, QStringLiteral("picture")));
    const double page_repeat = hatch_repeat(raster(page, QStringLiteral("page")));
    // Eight pixels of 1/96 inch on the screen: 12.5 pixels at 150 dpi.
    QVERIFY2(std::abs(picture_repeat - 12.5) < 0.5, qPrintable(QString::number(picture_repeat)));
    QVERIFY2(std::abs(page_repeat / picture_repeat - scale) < 0.05 * scale,
        qPrintable(QStringLiteral("repeat %1 on the page, %2 in the picture, drawing %3 times")
                       .arg(page_repeat)
                       .arg(picture_repeat)
                       .arg(scale)));
}

QTEST_GUILESS_MAIN(TestPictureFiles)
#include "tst_picture_files.moc"
