#include "input_file.h"
#include "output_file.h"
#include "palette.h"
#include "picture_box.h"
#include "picture_output.h"
#include "worksheet.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(Worksheet)

namespace {

// A drawing surface of the window's size with a red filled box, a blue line and a text.
std::unique_ptr<PictureBox> sample_picture()
{
    auto picture = std::make_unique<PictureBox>(nullptr, RGB(255, 255, 255), 1.0);
    picture->place(0, 0, 7692, 7692);
    Surface &s = picture->surface();
    s.Scale(0, 10, 10, 0);
    s.Line(2, 2, 4, 4, QBColor(4), Surface::Box::Filled);
    s.Line(0, 9, 10, 9, QBColor(1));
    s.CurrentX = 6;
    s.CurrentY = 6;
    s.Print(QStringLiteral("phi"));
    return picture;
}

// Counts the SVG's elements by name.
std::map<QString, int> svg_elements(const QByteArray &svg)
{
    std::map<QString, int> count;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            ++count[xml.name().toString()];
    return xml.hasError() ? std::map<QString, int>() : count;
}

WorksheetFigure blank_figure(QSize size)
{
    return { size, [](QPainter &, Ink) {} };
}

QStringList lines_of(int count, const QString &text)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1 %2").arg(i).arg(text);
    return lines;
}

WorksheetPanel table_of(int rows)
{
    WorksheetPanel panel { QStringLiteral("Sequence   F(i+2) = F(i+1) + F(i)"), {} };
    panel.rows.push_back({ QStringLiteral("i"), QStringLiteral("F(i)") });
    for (int i = 0; i < rows; ++i)
        panel.rows.push_back({ QString::number(i - rows / 2), QStringLiteral("-1234.00000") });
    return panel;
}

QSizeF page_points(Paper paper) { return page_size_of(paper).size(QPageSize::Point); }

QMarginsF margins()
{
    const double m = worksheet_margin_points;
    return QMarginsF(m, m, m, m);
}

QString write_text(const QString &path, const QByteArray &text)
{
    return save_file(path, [&text](QIODevice &d) { return d.write(text) == text.size(); });
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Root may write any file; as root the rules for a user are tried as nobody, with the effective
// ids (which faccessat with AT_EACCESS and open use) changed while the guard lives.
class ActingAsUser
{
public:
    ActingAsUser()
    {
        if (::geteuid() == 0)
            acting_ = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~ActingAsUser()
    {
        if (acting_ && ::seteuid(0) == 0)
            acting_ = ::setegid(0) != 0;
    }
    ActingAsUser(const ActingAsUser &) = delete;
    ActingAsUser &operator=(const ActingAsUser &) = delete;

private:
    bool acting_ = false;
};

// The outputs' own unnamed temporary files, as the tests choose them.
struct UnnamedFiles
{
    explicit UnnamedFiles(bool use) { OutputFile::use_unnamed_files(use); }
    ~UnnamedFiles() { OutputFile::use_unnamed_files(true); }
};

} // namespace

class TestOutput : public QObject
{
    Q_OBJECT

private slots:
    void picture_formats_data();
    void picture_formats();
    void paper_for_the_locale_data();
    void paper_for_the_locale();
    void picture_image_at_a_ratio_data();
    void picture_image_at_a_ratio();
    void vector_pictures_have_the_true_size();
    void hatch_prints_darker_than_any_fill();
    void clipboard_data_holds_bitmap_and_vector_data();
    void clipboard_data_holds_bitmap_and_vector();
    void failed_writes_leave_no_file_data();
    void failed_writes_leave_no_file();
    void a_full_disk_leaves_no_file_data();
    void a_full_disk_leaves_no_file();
    void layout_fits_the_page_data();
    void layout_fits_the_page();
    void short_texts_leave_the_drawing_the_width_data();
    void short_texts_leave_the_drawing_the_width();
    void only_regular_files_are_read_data();
    void only_regular_files_are_read();
    void links_lead_to_the_file_data();
    void links_lead_to_the_file();
    void a_file_the_user_may_not_write_is_kept();
    void a_batch_is_placed_whole_data();
    void a_batch_is_placed_whole();
    void signals_leave_no_temporary_file_data();
    void signals_leave_no_temporary_file();
    void names_are_quoted_data();
    void names_are_quoted();
};

void TestOutput::picture_formats_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("format"); // -1: none
    QTest::newRow("png") << "a/golden-rectangle.png" << int(PictureFormat::Png);
    QTest::newRow("capitals") << "RECT.PNG" << int(PictureFormat::Png);
    QTest::newRow("svg") << "pentagram.svg" << int(PictureFormat::Svg);
    QTest::newRow("pdf") << "pythagoras-a-40-b-24.72.pdf" << int(PictureFormat::Pdf);
    QTest::newRow("other image type") << "pentagram.jpg" << -1;
    QTest::newRow("no dot") << "png" << -1;
    QTest::newRow("extension in the middle") << "x.png.txt" << -1;
}

void TestOutput::picture_formats()
{
    QFETCH(QString, path);
    QFETCH(int, format);
    const std::optional<PictureFormat> found = picture_format_of(path);
    QCOMPARE(found ? int(*found) : -1, format);
}

void TestOutput::paper_for_the_locale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("paper");
    QTest::newRow("United States") << "en_US" << int(Paper::Letter);
    QTest::newRow("Canada, French") << "fr_CA" << int(Paper::Letter);
    QTest::newRow("Mexico") << "es_MX" << int(Paper::Letter);
    QTest::newRow("Philippines") << "en_PH" << int(Paper::Letter);
    QTest::newRow("United Kingdom") << "en_GB" << int(Paper::A4);
    QTest::newRow("Netherlands") << "nl_NL" << int(Paper::A4);
    QTest::newRow("Australia") << "en_AU" << int(Paper::A4);
    QTest::newRow("no country") << "C" << int(Paper::A4);
}

void TestOutput::paper_for_the_locale()
{
    QFETCH(QString, locale);
    QFETCH(int, paper);
    QCOMPARE(int(paper_for(QLocale(locale))), paper);
}

void TestOutput::picture_image_at_a_ratio_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("black_and_white");
    QTest::newRow("1") << 1.0 << false;
    QTest::newRow("1.5") << 1.5 << false;
    QTest::newRow("2") << 2.0 << false;
    QTest::newRow("4") << 4.0 << false;
    QTest::newRow("2, black and white") << 2.0 << true;
}

void TestOutput::picture_image_at_a_ratio()
{
    QFETCH(double, ratio);
    QFETCH(bool, black_and_white);
    const auto picture = sample_picture();
    const QSize size = picture->surface().inner_size();
    const QImage image =
        picture_image(*picture, ratio, black_and_white ? Ink::BlackAndWhite : Ink::Colour);
    QCOMPARE(image.size(), QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio)));
    QCOMPARE(image.devicePixelRatio(), ratio);
    // The middle of the box (3, 3), in device pixels; user y grows upwards.
    const QPointF middle = picture->surface().to_pixels(3, 3) * ratio;
    const QColor box = image.pixelColor(middle.toPoint());
    if (black_and_white) {
        QCOMPARE(box.red(), box.green());
        QCOMPARE(box.green(), box.blue());
        QVERIFY2(box.lightness() > 180, "a fill is light in black and white");
    } else {
        QCOMPARE(box.rgb(), QBColor(4));
    }
    QCOMPARE(image.pixelColor(1, 1).rgb(), qRgb(255, 255, 255));
}

void TestOutput::vector_pictures_have_the_true_size()
{
    // 96 logical pixels are an inch: 72 points or 25.4 mm.
    const auto picture = sample_picture();
    const QSize size = picture->surface().inner_size();

    QByteArray svg;
    QBuffer svg_buffer(&svg);
    svg_buffer.open(QIODevice::WriteOnly);
    QVERIFY(write_picture_svg(*picture, svg_buffer));
    QXmlStreamReader xml(svg);
    while (xml.readNext() != QXmlStreamReader::StartElement && !xml.atEnd()) { }
    QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
    const QString width = xml.attributes().value(QLatin1String("width")).toString();
    QVERIFY2(width.endsWith(QLatin1String("mm")), qPrintable(width));
    QVERIFY(qAbs(width.chopped(2).toDouble() - size.width() * 25.4 / 96) < 0.01);
    QCOMPARE(xml.attributes().value(QLatin1String("viewBox")).toString(),
        QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.pdf"));
    QVERIFY(
        save_file(path, [&](QIODevice &d) { return write_picture_pdf(*picture, d); }).isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    // The page in points: the drawing's size in logical pixels times 72 / 96, in whole points.
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .match(QString::fromLatin1(pdf));
    QVERIFY(box.hasMatch());
    QCOMPARE(box.captured(1).toDouble(), std::ceil(size.width() * 0.75));
    QCOMPARE(box.captured(2).toDouble(), std::ceil(size.height() * 0.75));
    QVERIFY2(!pdf.contains("/Subtype /Image"), "the drawing is vector graphics, no bitmap");
}

void TestOutput::hatch_prints_darker_than_any_fill()
{
    // The golden ellipse's fill: a yellow upward hatch, beside a box filled in black, the darkest
    // fill there is.
    const auto picture = sample_picture();
    Surface &s = picture->surface();
    s.FillColor = QBColor(14);
    s.FillStyle = 4;
    s.Circle(7, 3, 1.5, QBColor(0));
    s.FillStyle = 1;
    s.Line(8, 0.5, 9.5, 1.5, QBColor(0), Surface::Box::Filled);
    const QImage image = picture_image(*picture, 1, Ink::BlackAndWhite);
    const int darkest_fill = qGray(image.pixel(s.to_pixels(8.75, 1).toPoint()));
    QVERIFY(darkest_fill < 255);
    // Inside the circle, clear of its outline: lines of the hatch, paper between them.
    int darkest = 255, white = 0;
    const QPointF centre = s.to_pixels(7, 3);
    const double inside = (s.to_pixels(8, 3) - centre).x();
    for (int y = int(centre.y() - inside); y < centre.y() + inside; ++y)
        for (int x = int(centre.x() - inside); x < centre.x() + inside; ++x)
            if (std::hypot(x - centre.x(), y - centre.y()) < inside) {
                const int grey = qGray(image.pixel(x, y));
                darkest = std::min(darkest, grey);
                white += grey == 255;
            }
    QVERIFY2(darkest <= darkest_fill,
        qPrintable(QStringLiteral("hatch %1, fill %2").arg(darkest).arg(darkest_fill)));
    QVERIFY(white > 0);

    // The SVG draws the hatch as lines in the same grey, not as a bitmap pattern.
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(write_picture_svg(*picture, buffer, Ink::BlackAndWhite));
    const std::map<QString, int> elements = svg_elements(svg);
    QVERIFY(!elements.empty());
    QCOMPARE(elements.count(QStringLiteral("pattern")), std::size_t(0));
    QCOMPARE(elements.count(QStringLiteral("image")), std::size_t(0));
    const QRegularExpressionMatch hatch =
        QRegularExpression(QStringLiteral("<path clip-path=[^>]* stroke=\"(#[0-9a-f]{6})\""))
            .match(QString::fromLatin1(svg));
    QVERIFY(hatch.hasMatch());
    QCOMPARE(qGray(QColor(hatch.captured(1)).rgb()), darkest);
}

void TestOutput::clipboard_data_holds_bitmap_and_vector_data()
{
    QTest::addColumn<double>("screen_ratio");
    QTest::newRow("ordinary screen") << 1.0;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("high resolution") << 2.0;
}

void TestOutput::clipboard_data_holds_bitmap_and_vector()
{
    QFETCH(double, screen_ratio);
    const auto picture = sample_picture();
    const QSize size = picture->surface().inner_size();
    const std::unique_ptr<QMimeData> data(picture_mime_data(*picture, screen_ratio));
    QVERIFY(data->hasImage());
    QVERIFY(data->hasFormat(QStringLiteral("image/png")));
    QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));

    const QSize doubled(
        qCeil(size.width() * 2 * screen_ratio), qCeil(size.height() * 2 * screen_ratio));
    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    QCOMPARE(png.size(), doubled);
    QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), doubled);
    // The bitmap means the drawing's true size: 96 dpi times its pixel ratio.
    const int dots_per_metre = qRound(96 * 2 * screen_ratio / 0.0254);
    QCOMPARE(png.dotsPerMeterX(), dots_per_metre);
    QCOMPARE(png.dotsPerMeterY(), dots_per_metre);

    const QByteArray svg = data->data(QStringLiteral("image/svg+xml"));
    QVERIFY(QSvgRenderer(svg).isValid());
    const std::map<QString, int> elements = svg_elements(svg);
    QVERIFY(!elements.empty());
    QCOMPARE(elements.count(QStringLiteral("image")), std::size_t(0));
    QVERIFY(elements.count(QStringLiteral("polyline")) || elements.count(QStringLiteral("path")));
    QCOMPARE(elements.at(QStringLiteral("text")), 1);
}

void TestOutput::failed_writes_leave_no_file_data()
{
    QTest::addColumn<QString>("relative"); // to a folder holding old.txt, a file
    QTest::addColumn<bool>("write_succeeds");
    QTest::newRow("missing folder") << "missing/picture.png" << true;
    QTest::newRow("folder is a file") << "old.txt/picture.png" << true;
    QTest::newRow("write fails midway") << "picture.png" << false;
    QTest::newRow("write fails over an old file") << "old.txt" << false;
}

void TestOutput::failed_writes_leave_no_file()
{
    QFETCH(QString, relative);
    QFETCH(bool, write_succeeds);
    QTemporaryDir dir;
    QFile old(dir.filePath(QStringLiteral("old.txt")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    const QString why = save_file(dir.filePath(relative), [&](QIODevice &device) {
        device.write("partial");
        return write_succeeds;
    });
    QVERIFY(!why.isEmpty());
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("old.txt") });
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

void TestOutput::a_full_disk_leaves_no_file_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("PNG") << int(PictureFormat::Png);
    QTest::newRow("SVG") << int(PictureFormat::Svg);
    QTest::newRow("PDF") << int(PictureFormat::Pdf);
    QTest::newRow("worksheet page") << -1;
}

void TestOutput::a_full_disk_leaves_no_file()
{
    QFETCH(int, format);
    const auto picture = sample_picture();
    Worksheet sheet;
    sheet.heading = QStringLiteral("Golden rectangle");
    sheet.drawing = { picture->surface().inner_size(),
        [&picture](QPainter &painter, Ink ink) { paint_picture(*picture, painter, ink); } };
    sheet.texts = lines_of(10, QStringLiteral("DC = CB + BA"));
    const auto write = [&](QIODevice &device) {
        return format < 0 ? write_worksheet_pdf(sheet, page_size_of(Paper::A4), Ink::Colour, device)
                          : write_picture(*picture, PictureFormat(format), 4, Ink::Colour, device);
    };
    QByteArray whole;
    QBuffer buffer(&whole);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(write(buffer));
    constexpr rlim_t room = 1024;
    QVERIFY(whole.size() > qsizetype(room));

    // A limit on the file size fills the disk after a kilobyte: a write comes back short, the
    // next one fails, as on a full disk.
    QTemporaryDir dir;
    rlimit old {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto old_signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = old;
    full.rlim_cur = room;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    const QString why = save_file(dir.filePath(QStringLiteral("out")), write);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, old_signal);
    QVERIFY(!why.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList());
}

void TestOutput::layout_fits_the_page_data()
{
    QTest::addColumn<Worksheet>("sheet");
    QTest::addColumn<int>("paper");
    const QString line = QStringLiteral("A new point F2 on this line is found at a distance");
    const QString long_line = QString(line + QLatin1Char(' ')).repeated(4);
    std::vector<std::pair<QString, Worksheet>> sheets;
    const auto add = [&sheets](const char *name, QSize drawing, const QStringList &texts,
                         std::vector<WorksheetPanel> panels, QSize side = {}) {
        Worksheet s;
        s.heading = QStringLiteral("Golden ellips   Golden hyperbola");
        s.drawing = blank_figure(drawing);
        s.texts = texts;
        s.panels = std::move(panels);
        if (!side.isEmpty())
            s.side_panel = blank_figure(side);
        sheets.emplace_back(QString::fromLatin1(name), s);
    };
    const QSize square(509, 509);
    const WorksheetPanel values { QStringLiteral("Life Generator Data"),
        { { "k", "0.300" }, { "w", "0.0" }, { "yo", "10.0" }, { "d", "0.000" } } };
    add("drawing alone", square, {}, {});
    add("side panel lines", square, lines_of(12, line), { values });
    add("long lines wrap", square, lines_of(6, long_line), {});
    add("sequence table and ratio", square, {},
        { table_of(21),
            { QStringLiteral("F(i+1) / F(i)"),
                { { "i =10", "144.00000 / 89.0000 = 1.6179775" } } } });
    add("many lines and rows", square, lines_of(30, line), { table_of(60) });
    add("side panel figure", square, {}, { values }, QSize(283, 283));
    add("wide drawing", QSize(900, 300), lines_of(15, line), { values });
    add("tall drawing", QSize(300, 900), lines_of(15, line), { values });
    for (const auto &[name, sheet] : sheets)
        for (const Paper paper : { Paper::A4, Paper::Letter })
            QTest::addRow("%s, %s", qPrintable(name), paper == Paper::A4 ? "A4" : "Letter")
                << sheet << int(paper);
}

void TestOutput::layout_fits_the_page()
{
    QFETCH(Worksheet, sheet);
    QFETCH(int, paper);
    const QSizeF page = page_points(Paper(paper));
    const WorksheetLayout layout = layout_worksheet(sheet, page, margins());
    QVERIFY(layout.fits);
    QCOMPARE(layout.page, QRectF(QPointF(0, 0), page));
    const QRectF inside = layout.content.adjusted(-0.01, -0.01, 0.01, 0.01);

    // The drawing keeps its proportions, within the width.
    QVERIFY(inside.contains(layout.drawing));
    QVERIFY(layout.drawing.width() > 0.3 * layout.content.width());
    QVERIFY(qAbs(layout.drawing.width() / layout.drawing.height()
                - double(sheet.drawing.size.width()) / sheet.drawing.size.height())
        < 1e-9);

    std::vector<QRectF> boxes { layout.drawing };
    if (sheet.side_panel.shown()) {
        QVERIFY(inside.contains(layout.side_panel));
        boxes.push_back(layout.side_panel);
    }
    for (const PlacedText &t : layout.texts) {
        QVERIFY2(inside.contains(t.box), qPrintable(t.text));
        boxes.push_back(t.box);
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            QVERIFY2(!boxes[i].intersects(boxes[j].adjusted(0.01, 0.01, -0.01, -0.01)),
                qPrintable(QStringLiteral("%1 and %2 overlap").arg(i).arg(j)));

    // Nothing is left out: every word of every line and cell is on the page, in order.
    QStringList placed;
    for (const PlacedText &t : layout.texts)
        placed << t.text;
    const QString all = placed.join(QLatin1Char(' ')).simplified();
    QStringList expected { sheet.heading };
    expected += sheet.texts;
    for (const WorksheetPanel &panel : sheet.panels) {
        expected << panel.title;
        for (const QStringList &row : panel.rows)
            expected += row;
    }
    expected << program_name_and_version();
    qsizetype from = 0;
    for (const QString &text : expected) {
        const qsizetype at = all.indexOf(text.simplified(), from);
        QVERIFY2(at >= 0, qPrintable(text));
        from = at;
    }
}

void TestOutput::short_texts_leave_the_drawing_the_width_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("paper");
    for (const int lines : { 0, 4, 8 })
        for (const Paper paper : { Paper::A4, Paper::Letter })
            QTest::addRow("%d lines, %s", lines, paper == Paper::A4 ? "A4" : "Letter")
                << lines << int(paper);
}

void TestOutput::short_texts_leave_the_drawing_the_width()
{
    QFETCH(int, lines);
    QFETCH(int, paper);
    Worksheet sheet;
    sheet.heading = QStringLiteral("Pentagram");
    sheet.drawing = blank_figure(QSize(509, 509));
    sheet.texts = lines_of(lines, QStringLiteral("Triangle A,p2,p1  and  p1,p2,p4 :"));
    const WorksheetLayout layout = layout_worksheet(sheet, page_points(Paper(paper)), margins());
    QCOMPARE(layout.drawing.width(), layout.content.width());
    QCOMPARE(layout.columns, 1);
    QCOMPARE(layout.text_points, 10.0);
}

QTEST_MAIN(TestOutput)
#include "tst_output.moc"

void TestOutput::only_regular_files_are_read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");
    QTest::newRow("a small file") << "file"
                                  << "";
    QTest::newRow("a link to a file") << "link"
                                      << "";
    QTest::newRow("one byte too large") << "large"
                                        << "larger than 16 bytes";
    QTest::newRow("a named pipe with no writer") << "fifo"
                                                 << "not a regular file: a named pipe";
    QTest::newRow("a link to a named pipe") << "fifo link"
                                            << "not a regular file: a named pipe";
    QTest::newRow("a device that never ends") << "/dev/zero"
                                              << "not a regular file: a device";
    QTest::newRow("a folder") << "folder"
                              << "not a regular file: a folder";
    QTest::newRow("a socket") << "socket"
                              << "not a regular file: a socket";
    QTest::newRow("nothing") << "missing"
                             << "No such file or directory";
}

void TestOutput::only_regular_files_are_read()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("file"));
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(kind == QLatin1String("large") ? "0123456789abcdefg" : "title: phi\n");
    out.close();
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(QFile::link(file, dir.filePath(QStringLiteral("link"))));
    QVERIFY(QFile::link(fifo, dir.filePath(QStringLiteral("fifo link"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray socket_path = QFile::encodeName(dir.filePath(QStringLiteral("socket")));
    QVERIFY(socket_path.size() < qsizetype(sizeof address.sun_path));
    std::memcpy(address.sun_path, socket_path.constData(), std::size_t(socket_path.size()));
    QCOMPARE(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    const QString path = kind.startsWith(QLatin1Char('/')) ? kind
        : kind == QLatin1String("large")                   ? file
        : kind == QLatin1String("fifo")                    ? fifo
                                                           : dir.filePath(kind);
    // A read that blocked on the pipe, or went on through the device, would never end.
    ::alarm(10);
    QByteArray bytes = "old";
    const QString why = read_regular_file(path, 16, bytes);
    ::alarm(0);
    ::close(sock);
    QCOMPARE(why, error);
    QCOMPARE(bytes, error.isEmpty() ? QByteArray("title: phi\n") : QByteArray());
}

void TestOutput::links_lead_to_the_file_data()
{
    QTest::addColumn<QStringList>("links"); // "name>target", made in that order
    QTest::addColumn<QString>("written"); // the name the file is written through
    QTest::addColumn<QString>("made"); // the regular file that holds it ("": refused)
    QTest::newRow("a dangling link") << QStringList { "d.png>t.png" } << "d.png"
                                     << "t.png";
    QTest::newRow("a chain of links, the last dangling")
        << QStringList { "a>b", "b>sub/../t" } << "a"
        << "t";
    QTest::newRow("a link to a file in another folder") << QStringList { "d>other/t" } << "d"
                                                        << "other/t";
    QTest::newRow("a loop of links") << QStringList { "a>b", "b>a" } << "a"
                                     << "";
    QTest::newRow("a link to itself") << QStringList { "a>a" } << "a"
                                      << "";
}

void TestOutput::links_lead_to_the_file()
{
    QFETCH(QStringList, links);
    QFETCH(QString, written);
    QFETCH(QString, made);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("other")));
    for (const QString &link : links) {
        const QStringList parts = link.split(QLatin1Char('>'));
        QCOMPARE(::symlink(QFile::encodeName(parts[1]).constData(),
                     QFile::encodeName(dir.filePath(parts[0])).constData()),
            0);
    }
    const QString path = dir.filePath(written);
    // Two outputs through the link and to its file are told to be one before either exists.
    if (!made.isEmpty())
        QCOMPARE(OutputFile::identity(path), OutputFile::identity(dir.filePath(made)));
    const QString why = write_text(path, "phi");
    QCOMPARE(why.isEmpty(), !made.isEmpty());
    QCOMPARE(OutputFile::check(path).isEmpty(), !made.isEmpty());
    if (made.isEmpty())
        QVERIFY2(why.contains(QLatin1String("symbolic links")), qPrintable(why));
    else
        QCOMPARE(contents(dir.filePath(made)), QByteArray("phi"));
    for (const QString &link : links)
        QVERIFY(QFileInfo(dir.filePath(link.section(QLatin1Char('>'), 0, 0))).isSymLink());
    QStringList expected { QStringLiteral("other"), QStringLiteral("sub") };
    for (const QString &link : links)
        expected << link.section(QLatin1Char('>'), 0, 0);
    if (!made.isEmpty() && !made.contains(QLatin1Char('/')))
        expected << made;
    expected.sort();
    QCOMPARE(entries(dir.path()), expected);
}

void TestOutput::a_file_the_user_may_not_write_is_kept()
{
    // A read-only file in a folder that everyone may write: cp refuses it, and so does every
    // output, found before anything is written and again when the file would take its name.
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeGroup
            | QFile::ExeOther));
    const QString folder = dir.filePath(QStringLiteral("shared"));
    QVERIFY(QDir().mkdir(folder));
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    const QString path = folder + QStringLiteral("/kept.png");
    QCOMPARE(write_text(path, "old"), QString());
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    struct stat before
    {
    };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    QString checked, written;
    {
        const ActingAsUser user;
        checked = OutputFile::check(path);
        written = write_text(path, "new");
    }
    QCOMPARE(checked, QString::fromLocal8Bit(std::strerror(EACCES)));
    QCOMPARE(written, QString::fromLocal8Bit(std::strerror(EACCES)));
    QCOMPARE(contents(path), QByteArray("old"));
    struct stat after
    {
    };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(entries(folder), QStringList { QStringLiteral("kept.png") });
}

void TestOutput::a_batch_is_placed_whole_data()
{
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<QString>("failure");
    for (const bool unnamed : { true, false }) {
        const char *kind = unnamed ? "unnamed" : "named";
        QTest::addRow("%s temporary files, all placed", kind) << unnamed << "";
        QTest::addRow("%s temporary files, the last cannot be made", kind) << unnamed << "make";
        QTest::addRow("%s temporary files, the last cannot take its name", kind)
            << unnamed << "place";
    }
}

void TestOutput::a_batch_is_placed_whole()
{
    QFETCH(bool, unnamed);
    QFETCH(QString, failure);
    const UnnamedFiles files(unnamed);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.json"));
    const QString second = dir.filePath(QStringLiteral("second.png"));
    // A name longer than a folder allows can be made (the temporary file's is short), but it
    // cannot be given: the last file fails after the others took their names.
    const QString third = dir.filePath(QStringLiteral("sub/")
        + (failure == QLatin1String("place") ? QString(NAME_MAX, QLatin1Char('n'))
                                             : QStringLiteral("third"))
        + QStringLiteral(".pdf"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QCOMPARE(write_text(first, "old"), QString());
    bool placed = false;
    {
        OutputFile::Batch batch;
        QCOMPARE(write_text(first, "new"), QString());
        QCOMPARE(write_text(second, "new"), QString());
        // Made, but waiting for the others: nothing has its name yet.
        QCOMPARE(contents(first), QByteArray("old"));
        QVERIFY(!QFile::exists(second));
        const QString why = save_file(third, [&failure](QIODevice &d) {
            return d.write("new") == 3 && failure != QLatin1String("make");
        });
        QCOMPARE(why.isEmpty(), failure != QLatin1String("make"));
        if (failure != QLatin1String("make"))
            placed = batch.place();
        if (failure == QLatin1String("place"))
            QCOMPARE(batch.failed_path(), third);
    }
    QCOMPARE(placed, failure.isEmpty());
    QCOMPARE(contents(first), placed ? QByteArray("new") : QByteArray("old"));
    QCOMPARE(QFile::exists(second), placed);
    const QStringList all = placed ? QStringList { "first.json", "second.png", "sub" }
                                   : QStringList { "first.json", "sub" };
    QCOMPARE(entries(dir.path()), all);
    QCOMPARE(entries(dir.filePath(QStringLiteral("sub"))),
        placed ? QStringList { "third.pdf" } : QStringList());
}

void TestOutput::signals_leave_no_temporary_file_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("unnamed");
    QTest::newRow("SIGTERM, named temporary file") << int(SIGTERM) << false;
    QTest::newRow("SIGINT, named temporary file") << int(SIGINT) << false;
    QTest::newRow("SIGHUP, named temporary file") << int(SIGHUP) << false;
    QTest::newRow("SIGTERM, unnamed temporary file") << int(SIGTERM) << true;
    QTest::newRow("SIGKILL, unnamed temporary file") << int(SIGKILL) << true;
}

void TestOutput::signals_leave_no_temporary_file()
{
    // A child writes a file, one waiting in a batch and one not yet committed, and is ended
    // by the signal: it ends as the signal says, and nothing of the files is left.
    QFETCH(int, signal);
    QFETCH(bool, unnamed);
    QTemporaryDir dir;
    const QString waiting = dir.filePath(QStringLiteral("waiting.png"));
    const QString open = dir.filePath(QStringLiteral("open.png"));
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // As from a terminal: a test run in the background would have SIGINT ignored.
        for (const int number : { SIGINT, SIGTERM, SIGHUP })
            std::signal(number, SIG_DFL);
        OutputFile::use_unnamed_files(unnamed);
        OutputFile::remove_temporaries_on_signals();
        OutputFile::Batch batch;
        OutputFile written(waiting), writing(open);
        const bool made = written.open() && written.write("waits") && written.commit()
            && writing.open() && writing.write("half");
        if (made && entries(dir.path()).size() == (unnamed ? 0 : 2))
            ::raise(signal);
        ::_exit(made ? 3 : 4);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(WIFSIGNALED(status), qPrintable(QString::number(WEXITSTATUS(status))));
    QCOMPARE(WTERMSIG(status), signal);
    QCOMPARE(entries(dir.path()), QStringList());
}

void TestOutput::names_are_quoted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "out/rect-1_a.png"
                           << "out/rect-1_a.png";
    QTest::newRow("letters of other scripts") << "pentágono.svg"
                                              << "pentágono.svg";
    QTest::newRow("a space") << "my picture.png"
                             << "'my picture.png'";
    QTest::newRow("a new line") << "a\nb.png"
                                << "'a'$'\\n''b.png'";
    QTest::newRow("a quote") << "it's.png"
                             << "'it'\\''s.png'";
    QTest::newRow("empty") << ""
                           << "''";
}

void TestOutput::names_are_quoted()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(OutputFile::quoted(name), shown);
}
