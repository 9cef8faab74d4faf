#include "palette.h"
#include "pdf_tools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Run
{
    int status = -1;
    QString error;
    QString output;
};

Run render(const QStringList &arguments, const QString &config_folder = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!config_folder.isEmpty())
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config_folder);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(AURELION_RENDER), arguments);
    process.waitForFinished(60000);
    return { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
        QString::fromLocal8Bit(process.readAllStandardOutput()) };
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray start_of(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(8) : QByteArray();
}

QJsonObject read_json(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void bad_input_data();
    void bad_input();
    void usage_data();
    void usage();
    void state_of_a_topic();
    void trace_lines();
    void pictures_at_a_scale_data();
    void pictures_at_a_scale();
    void svg_holds_vector_elements();
    void window_at_a_zoom_data();
    void window_at_a_zoom();
    void animation_frames_data();
    void animation_frames();
    void animation_of_a_still_drawing_stays_small();
    void animation_errors_leave_nothing_data();
    void animation_errors_leave_nothing();
    void picture_pdf_is_vector_graphics();
    void worksheet_page_data();
    void worksheet_page();
    void unwritable_outputs_data();
    void unwritable_outputs();
    void settings_are_left_alone();
    void standard_output_data();
    void standard_output();
    void devices_are_written_in_place();
    void full_disk_data();
    void full_disk();
    void standard_output_to_a_full_disk();
    void usage_to_a_full_disk();
    void name_not_in_utf8();
    void longest_names_are_replaced_data();
    void longest_names_are_replaced();
    void a_link_keeps_pointing_at_its_file();
    void outputs_through_links_data();
    void outputs_through_links();
    void an_input_is_never_written_data();
    void an_input_is_never_written();
    void several_pictures_each_in_its_format();
    void all_outputs_or_none_data();
    void all_outputs_or_none();
    void a_closed_pipe_data();
    void a_closed_pipe();
    void signals_leave_no_temporary_file_data();
    void signals_leave_no_temporary_file();
    void offscreen_whatever_the_environment_data();
    void offscreen_whatever_the_environment();
    void memory_stays_bounded_data();
    void memory_stays_bounded();
    void trace_holds_what_shows_after_an_erase();
};

void TestRender::bad_input_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");
    QTest::newRow("unknown action") << QStringList { "jump" } << "jump";
    QTest::newRow("unknown control") << QStringList { "click:NoSuchLabel" } << "click:NoSuchLabel";
    QTest::newRow("array without index") << QStringList { "click:ComP" } << "click:ComP";
    QTest::newRow("index out of range")
        << QStringList { "menu:M_gr:3", "click:ComP:2" } << "click:ComP:2";
    QTest::newRow("hidden control") << QStringList { "click:ComP:0" } << "click:ComP:0";
    QTest::newRow("control of another topic")
        << QStringList { "menu:M_chaos", "click:Ckp:0" } << "click:Ckp:0";
    QTest::newRow("end is refused") << QStringList { "menu:M_end" } << "menu:M_end";
    QTest::newRow("unknown menu item") << QStringList { "menu:M_R:9" } << "menu:M_R:9";
    QTest::newRow("menu title") << QStringList { "menu:M_Fibo" } << "menu:M_Fibo";
    QTest::newRow("malformed point") << QStringList { "menu:M_R:4", "move:1,x" } << "move:1,x";
    QTest::newRow("one coordinate") << QStringList { "menu:M_R:4", "press:1" } << "press:1";
    QTest::newRow("not finite") << QStringList { "menu:M_R:4", "move:inf,1" } << "move:inf,1";
    QTest::newRow("beyond a single")
        << QStringList { "menu:M_R:4", "move:1e39,1e39" } << "move:1e39,1e39";
    QTest::newRow("press beyond a single")
        << QStringList { "menu:M_R:4", "press:0,-4e38" } << "press:0,-4e38";
    for (const char *option : { "--png", "--picture", "--page", "--trace", "--animation" })
        QTest::addRow("empty name for %s", option)
            << QStringList { "menu:M_R:4", option, "" } << QString::fromLatin1(option);
    QTest::newRow("empty name for the state") << QStringList { "--state", "" } << "--state";
    QTest::newRow("a PNG named .svg") << QStringList { "--png", "a.svg" } << "--png a.svg";
    QTest::newRow("a state named .png") << QStringList { "--trace", "t.png" } << "--trace t.png";
    QTest::newRow("a GIF to /dev/null is fine, a GIF named .png is not")
        << QStringList { "--animation", "/dev/null", "--png", "x.gif" } << "--png x.gif";
    QTest::newRow("extension and format differ")
        << QStringList { "--picture", "a.svg", "--format", "pdf" } << "--picture a.svg";
    QTest::newRow("unknown format")
        << QStringList { "--picture", "-", "--format", "bmp" } << "--format bmp";
    QTest::newRow("format without a picture") << QStringList { "--format", "svg" } << "--format";
    QTest::newRow("standard output without a format")
        << QStringList { "--picture", "-" } << "--picture -";
    QTest::newRow("standard output twice")
        << QStringList { "--png", "-", "--picture", "-", "--format", "svg" } << "--picture -";
    QTest::newRow("the same file twice")
        << QStringList { "--png", "same.png", "--picture", "./same.png" } << "./same.png";
    QTest::newRow("a missing folder is found before a long game") << QStringList { "menu:M_chaos",
        "tick:100000000", "--png", "missing/x.png" } << "missing/x.png";
    QTest::newRow("a folder that cannot be written is found before a long game")
        << QStringList { "menu:M_chaos", "tick:100000000", "--picture", "/proc/x.svg" }
        << "/proc/x.svg";
    QTest::newRow("the standard output by two names") << QStringList { "--png", "-", "--picture",
        "/dev/stdout", "--format", "svg" } << "--picture /dev/stdout";
    QTest::newRow("a folder as the file") << QStringList { "--png", "/tmp" } << "--png /tmp";
    QTest::newRow("no such folder")
        << QStringList { "--trace", "missing/t.jsonl" } << "--trace missing/t.jsonl";
    QTest::newRow("window too large")
        << QStringList { "--scale", "8", "--zoom", "3", "--png", "w.png" } << "--zoom 3";
    QTest::newRow("window too large by an action")
        << QStringList { "--scale", "8", "menu:M_R:2", "zoom:2.5" } << "zoom:2.5";
    QTest::newRow("pointer over hidden surface") << QStringList { "move:1,2" } << "move:1,2";
    QTest::newRow("negative ticks") << QStringList { "tick:-1" } << "tick:-1";
    QTest::newRow("zoom action out of range") << QStringList { "zoom:8" } << "zoom:8";
    QTest::newRow("bad index") << QStringList { "menu:M_R:x" } << "menu:M_R:x";
    QTest::newRow("bad scale") << QStringList { "--scale", "big" } << "--scale big";
    QTest::newRow("bad zoom") << QStringList { "--zoom", "big" } << "--zoom big";
    QTest::newRow("zoom too small") << QStringList { "--zoom", "0.2" } << "--zoom 0.2";
    QTest::newRow("zoom too large") << QStringList { "--zoom", "9" } << "--zoom 9";
    QTest::newRow("animation type") << QStringList { "--animation", "a.png" } << "a.png";
    QTest::newRow("no frame every 0 ticks")
        << QStringList { "--frame-every", "0" } << "--frame-every 0";
    QTest::newRow("delay too short") << QStringList { "--delay", "5" } << "--delay 5";
    QTest::newRow("delay not a number") << QStringList { "--delay", "soon" } << "--delay soon";
    QTest::newRow("loop and once") << QStringList { "--loop", "--once" } << "--once";
    QTest::newRow("bad seed") << QStringList { "--seed", "-4" } << "--seed -4";
    QTest::newRow("picture type") << QStringList { "--picture", "out.bmp" } << "out.bmp";
    QTest::newRow("PNG data under a JPEG name")
        << QStringList { "--picture", "b.jpg", "--format", "png" } << "--picture b.jpg";
    QTest::newRow("SVG under a GIF name")
        << QStringList { "--picture", "b.gif", "--format", "svg" } << "--picture b.gif";
    QTest::newRow("PDF under a JSON name")
        << QStringList { "--format", "pdf", "--picture", "b.json" } << "--picture b.json";
    QTest::newRow("an output given twice")
        << QStringList { "--png", "a.png", "--png", "b.png" } << "--png b.png";
    QTest::newRow("a new line in a name")
        << QStringList { "--png", "a\nb/x.png" } << "--png 'a'$'\\n''b/x.png'";
    QTest::newRow("an animation of more frames than a recording holds")
        << QStringList { "menu:M_chaos", "tick:3001", "--frame-every", "1", "--animation", "a.gif" }
        << "--animation a.gif";
    QTest::newRow("page type") << QStringList { "menu:M_R:4", "--page", "page.svg" } << "page.svg";
    QTest::newRow("paper") << QStringList { "menu:M_R:4", "--page", "p.pdf", "--paper", "a5" }
                           << "--paper a5";
    QTest::newRow("page of the title screen") << QStringList { "--page", "p.pdf" } << "--page";
    QTest::newRow("option without value") << QStringList { "--state" } << "--state";
    QTest::newRow("unknown option") << QStringList { "--colour" } << "--colour";
}

void TestRender::bad_input()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state.json"));
    const Run run = render(QStringList { "--state", state } + arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.error.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.error.contains(named), qPrintable(run.error));
    QVERIFY(!QFile::exists(state));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

void TestRender::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("on_stdout");
    QTest::newRow("nothing to do or write") << QStringList() << 2 << false;
    QTest::newRow("only a seed and a scale")
        << QStringList { "--seed", "3", "--scale", "2" } << 2 << false;
    QTest::newRow("help") << QStringList { "--help" } << 0 << true;
    QTest::newRow("help beside an action") << QStringList { "menu:M_R:4", "-h" } << 0 << true;
}

void TestRender::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(bool, on_stdout);
    const Run run = render(arguments);
    QCOMPARE(run.status, status);
    const QString &usage = on_stdout ? run.output : run.error;
    const QString &other = on_stdout ? run.error : run.output;
    QVERIFY2(usage.startsWith(QLatin1String("Usage: aurelion-render")), qPrintable(usage));
    QVERIFY(usage.contains(QLatin1String("--picture FILE")));
    QCOMPARE(other, QString());
}

void TestRender::state_of_a_topic()
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state.json"));
    const Run run = render({ "menu:M_R:4", "move:1.5,-0.25", "--state", state });
    QCOMPARE(run.status, 0);
    const QJsonObject s = read_json(state);
    QCOMPARE(s["topic"].toInt(), 6);
    QVERIFY(s["caption"].toString().startsWith("The Aurelion relationship 1.6"));
    QCOMPARE(s["menus"]["M_R:4"]["caption"].toString(), QStringLiteral("Pentagram"));
    const QJsonObject controls = s["controls"].toObject();
    QCOMPARE(controls["Label2"]["caption"].toString(), QStringLiteral("1.500    -0.250"));
    QCOMPARE(controls["Label2"]["visible"].toBool(), true);
    QCOMPARE(controls["Frame3"]["visible"].toBool(), false);
    QCOMPARE(controls["Label1:10"]["visible"].toBool(), false);
    QCOMPARE(controls["Picture2"]["height"].toInt(), 3400);
    QCOMPARE(controls["Picture2"]["scale"].toArray(), QJsonArray({ 0, 0, 100, 100 }));
    QCOMPARE(controls["ChP:2"]["value"].toInt(), 0);
    QCOMPARE(controls["ChP:2"]["top"].toInt(), 1780);
    QCOMPARE(controls["Shape1"]["visible"].toBool(), false);
    QCOMPARE(s["timer"]["enabled"].toBool(), false);
    QCOMPARE(s["timer"]["interval"].toInt(), 10);
    QCOMPARE(s["messages"].toArray().size(), 0);
}

void TestRender::trace_lines()
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.jsonl"));
    QCOMPARE(render({ "--trace", trace }).status, 0);
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 6 * 24 + 5 + 1); // the title screen, then an empty last line
    const QJsonObject tail = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(tail["surface"].toString(), QStringLiteral("Form1"));
    QCOMPARE(tail["op"].toString(), QStringLiteral("circle"));
    QCOMPARE(tail["x"].toDouble(), 1000.0);
    QCOMPARE(tail["y"].toDouble(), 1000 + 3800 * 0.4);
    QCOMPARE(tail["color"].toString(), QStringLiteral("#ff0000"));
    QCOMPARE(tail["fill"].toString(), QStringLiteral("#000000"));
    QCOMPARE(tail["fill_style"].toInt(), 0);
    QVERIFY(tail["start"].isNull());
    const QJsonObject brow = QJsonDocument::fromJson(lines[5]).object();
    QVERIFY(brow["fill"].isNull());
    QVERIFY(brow["end"].toDouble() > brow["start"].toDouble());
    const QJsonObject title = QJsonDocument::fromJson(lines[144]).object();
    QCOMPARE(title["op"].toString(), QStringLiteral("text"));
    QCOMPARE(title["text"].toString(), QStringLiteral("THE"));
}

void TestRender::pictures_at_a_scale_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("0.5") << 0.5;
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
    QTest::newRow("4") << 4.0;
}

void TestRender::pictures_at_a_scale()
{
    QFETCH(double, scale);
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("window.png"));
    const QString picture = dir.filePath(QStringLiteral("picture.png"));
    QCOMPARE(render({ "menu:M_R:2", "--scale", QString::number(scale), "--png", png, "--picture",
                        picture })
                 .status,
        0);
    const QImage one = QImage(png);
    const QImage inner = QImage(picture);
    // The drawing surface is 7692 twips wide with a two-pixel border on each side.
    QCOMPARE(inner.width(), qCeil(509 * scale));
    QCOMPARE(inner.height(), qCeil(509 * scale));
    QCOMPARE(one.width(), qRound(820 * scale));
    // Both mean their size on a 96-dpi screen.
    const int dots_per_metre = qRound(96 * scale / 0.0254);
    QCOMPARE(one.dotsPerMeterX(), dots_per_metre);
    QCOMPARE(one.dotsPerMeterY(), dots_per_metre);
    QCOMPARE(inner.dotsPerMeterX(), dots_per_metre);
    // The whole drawing at that size: its golden rectangle's red corner mark at the same place
    // of the picture whatever the scale, found by the widest run of red in the lower half.
    const auto red_centre = [](const QImage &image) {
        double sum = 0;
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 80
                    && qBlue(image.pixel(x, y)) < 80) {
                    sum += double(x) / image.width();
                    ++count;
                }
        return count ? sum / count : -1;
    };
    const QString reference = dir.filePath(QStringLiteral("reference.png"));
    QCOMPARE(render({ "menu:M_R:2", "--picture", reference }).status, 0);
    QVERIFY(std::abs(red_centre(inner) - red_centre(QImage(reference))) < 0.02);
}

void TestRender::svg_holds_vector_elements()
{
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("pentagram.svg"));
    QCOMPARE(render({ "menu:M_R:4", "--picture", svg }).status, 0);
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(!text.contains("<image"));
    QVERIFY(text.contains("<svg"));
    QVERIFY(text.contains("<polyline"));
    QVERIFY(text.contains("<circle") || text.contains("<path"));
    QVERIFY(text.contains(">PENTAGRAM</text>"));
    QVERIFY(text.contains("> p4</text>"));
}

void TestRender::window_at_a_zoom_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("0.5") << 0.5;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

void TestRender::window_at_a_zoom()
{
    // The window grows with the zoom; the state says the zoom; the drawing alone does not change.
    QFETCH(double, zoom);
    QTemporaryDir dir;
    const auto file = [&dir](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
    QCOMPARE(render({ "menu:M_gr:0", "click:Command5", "--png", file("one.png"), "--picture",
                        file("one-picture.png") })
                 .status,
        0);
    QCOMPARE(render({ "menu:M_gr:0", "click:Command5", "--zoom", QString::number(zoom), "--png",
                        file("zoomed.png"), "--picture", file("zoomed-picture.png"), "--state",
                        file("state.json") })
                 .status,
        0);
    const QImage one(file("one.png"));
    const QImage zoomed(file("zoomed.png"));
    QCOMPARE(zoomed.width(), qRound(820 * zoom));
    QVERIFY(std::abs(zoomed.height() - one.height() * zoom) < 4 + 10 * std::abs(zoom - 1));
    QCOMPARE(QImage(file("zoomed-picture.png")), QImage(file("one-picture.png")));
    QCOMPARE(read_json(file("state.json"))["zoom"].toDouble(), zoom);
    // Zoomed between the clicks, the window ends as zoomed from the start.
    QCOMPARE(render({ "menu:M_gr:0", "zoom:3", "click:Command5", "zoom:" + QString::number(zoom),
                        "--png", file("between.png") })
                 .status,
        0);
    QCOMPARE(QImage(file("between.png")), zoomed);
}

namespace {

// How far two pictures of the same drawing differ: the share of pixels not exactly alike, and
// the largest difference of a channel.
std::pair<double, int> difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    long differing = 0;
    int largest = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            if (p == q)
                continue;
            ++differing;
            largest = std::max({ largest, std::abs(qRed(p) - qRed(q)),
                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)) });
        }
    return { double(differing) / (x.width() * x.height()), largest };
}

} // namespace

void TestRender::animation_frames_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QList<int>>("delays"); // of every frame but the last, in milliseconds
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("loops"); // Qt's loop count: -1 forever, 0 once
    const QStringList months = QStringList { "menu:M_gr:0" } + QStringList(12, "click:Command5");
    QTest::newRow("rabbits, month 0 to 12")
        << months << QStringList() << 13 << QList<int>(12, 500) << 1.0 << -1;
    QTest::newRow("rabbits, once, at scale 2") << months << QStringList { "--once", "--scale", "2" }
                                               << 13 << QList<int>(12, 500) << 2.0 << 0;
    QTest::newRow("Pythagoras, b going up, a quarter second a frame")
        << (QStringList { "menu:M_Pyt" } + QStringList(8, "click:Com_p2:1"))
        << QStringList { "--delay", "250" } << 9 << QList<int>(8, 250) << 1.0 << -1;
    // A frame after each of the two clicks, then one every 10 ticks and one for the last 5.
    QTest::newRow("chaos game, a frame every 10 ticks")
        << QStringList { "menu:M_chaos", "click:Label11:5", "tick:95" }
        << QStringList { "--frame-every", "10", "--seed", "7" } << 2 + 10
        << (QList<int> { 500, 500 } + QList<int>(9, 40)) << 1.0 << -1;
    // Ticks where the timer is off do nothing, however many are asked for: one frame for them.
    QTest::newRow("golden rectangle, ticks with the timer off")
        << QStringList { "menu:M_R:2", "tick:9223372036854775807" }
        << QStringList { "--frame-every", "4611686018427387904" } << 2 << QList<int> { 500 } << 1.0
        << -1;
    QTest::newRow("title screen first: no frame for it")
        << QStringList { "tick:5", "menu:M_R:4" } << QStringList() << 1 << QList<int>() << 1.0
        << -1;
}

void TestRender::animation_frames()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, options);
    QFETCH(int, frames);
    QFETCH(QList<int>, delays);
    QFETCH(double, scale);
    QFETCH(int, loops);
    QTemporaryDir dir;
    const QString gif = dir.filePath(QStringLiteral("recording.gif"));
    const Run run = render(actions + options + QStringList { "--animation", gif });
    QCOMPARE(run.status, 0);
    QVERIFY(QImageReader::supportedImageFormats().contains("gif"));
    QImageReader reader(gif);
    QCOMPARE(reader.imageCount(), frames);
    QCOMPARE(reader.loopCount(), loops);
    const QSize size(qCeil(509 * scale), qCeil(509 * scale));
    QList<QImage> read;
    QList<int> shown;
    for (int i = 0; i < frames; ++i) {
        read << reader.read(); // Qt tells a frame's delay after reading it
        shown << reader.nextImageDelay();
        QCOMPARE(read.back().size(), size);
    }
    QCOMPARE(shown.takeLast(), 3000); // the last frame holds 3 seconds
    QCOMPARE(shown, delays);

    // The first and the last frame are the --picture of the same states.
    const auto picture = [&](const QStringList &done, const QString &name) {
        const QString png = dir.filePath(name);
        const QStringList seed =
            options.contains("--seed") ? QStringList { "--seed", "7" } : QStringList();
        render(done + seed + QStringList { "--scale", QString::number(scale), "--picture", png });
        return QImage(png);
    };
    QSet<QRgb> palette;
    for (int i = 0; i < 16; ++i)
        palette.insert(QBColor(i));
    const int first_drawn = actions.indexOf(QRegularExpression(QStringLiteral("menu:.*")));
    const QImage first = picture(actions.mid(0, first_drawn + 1), QStringLiteral("first.png"));
    const QImage last = picture(actions, QStringLiteral("last.png"));
    for (const auto &[frame, expected] :
        { std::pair { read.front(), first }, { read.back(), last } }) {
        // The drawing's own colours exactly; the antialiasing shades close.
        const auto [share, largest] = difference(frame, expected);
        QVERIFY2(share < 0.03 && largest <= 32,
            qPrintable(QStringLiteral("%1 %2").arg(share).arg(largest)));
        int palette_pixels = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const QRgb colour = expected.pixel(x, y);
                if (!palette.contains(colour))
                    continue;
                ++palette_pixels;
                if (frame.pixel(x, y) != colour)
                    QFAIL(qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        QVERIFY(palette_pixels > expected.width() * expected.height() / 2);
    }
}

void TestRender::animation_of_a_still_drawing_stays_small()
{
    // Forty pointer moves change nothing on the drawing: forty frames that cost a few bytes each.
    QTemporaryDir dir;
    const QString still = dir.filePath(QStringLiteral("still.gif"));
    const QString one = dir.filePath(QStringLiteral("one.gif"));
    QStringList moves { "menu:M_R:2" };
    for (int i = 0; i < 40; ++i)
        moves << QStringLiteral("move:%1,0.5").arg(i * 0.02);
    QCOMPARE(render(moves + QStringList { "--animation", still }).status, 0);
    QCOMPARE(render({ "menu:M_R:2", "--animation", one }).status, 0);
    QCOMPARE(QImageReader(still).imageCount(), 41);
    QVERIFY2(QFileInfo(still).size() < QFileInfo(one).size() + 40 * 40,
        qPrintable(
            QStringLiteral("%1 %2").arg(QFileInfo(still).size()).arg(QFileInfo(one).size())));
}

void TestRender::animation_errors_leave_nothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");
    QTest::newRow("no such folder")
        << QStringList { "menu:M_R:4", "--animation", "missing/folder/x.gif" } << "x.gif";
    QTest::newRow("the drawing never shown")
        << QStringList { "tick:3", "--animation", "x.gif" } << "x.gif";
    QTest::newRow("a bad action after the first frames")
        << QStringList { "menu:M_R:4", "click:Nothing", "--animation", "x.gif" } << "click:Nothing";
}

void TestRender::animation_errors_leave_nothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    QTemporaryDir dir;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(AURELION_RENDER), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(error.count(QLatin1Char('\n')), 1);
    QVERIFY2(error.contains(named), qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList());
}

void TestRender::picture_pdf_is_vector_graphics()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pentagram.pdf"));
    QCOMPARE(render({ "menu:M_R:4", "--picture", path }).status, 0);
    // The drawing's 509 logical pixels at 96 dpi, in whole points.
    QCOMPARE(pdf::page_size(path), QSizeF(382, 382));
    QCOMPARE(pdf::images(path), QStringList());
    const QString text = pdf::text(path);
    QVERIFY(text.contains(QStringLiteral("PENTAGRAM")));
    QVERIFY(!text.contains(QStringLiteral("The line p2p4 has a lenght c")));
}

void TestRender::worksheet_page_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("pentagram, A4 by default")
        << QStringList { "menu:M_R:4" } << QSizeF(595, 842)
        << QStringList { "Pentagram", "The line p2p4 has a lenght c", "Aurelion 1.6" };
    QTest::newRow("rabbits in month 2, Letter")
        << QStringList { "menu:M_gr:0", "click:Command5", "click:Command5", "--paper", "letter" }
        << QSizeF(612, 792)
        << QStringList { "Fibonacci's rabblis", "relationchip", "T I M E", "month 2" };
    QTest::newRow("chaos game in black and white")
        << QStringList { "--seed", "3", "menu:M_chaos", "tick:10", "--black-and-white" }
        << QSizeF(595, 842) << QStringList { "CHAOS", "Model", "n=3 k=+1/2", "Points", "500" };
    QTest::newRow("ratio graph, A4")
        << QStringList { "menu:M_gr:2", "--paper", "a4" } << QSizeF(595, 842)
        << QStringList { "Graph y = F(i+1) / F(i)", "F(i+1) / F(i)",
               "144.00000 / 89.0000 = 1.6179775", "-21.00000" };
}

void TestRender::worksheet_page()
{
    QFETCH(QStringList, arguments);
    QFETCH(QSizeF, page);
    QFETCH(QStringList, texts);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    const Run run = render(arguments + QStringList { "--page", path });
    QCOMPARE(run.status, 0);
    QCOMPARE(run.error, QString());
    QCOMPARE(pdf::page_count(path), 1);
    QCOMPARE(pdf::page_size(path), page);
    QCOMPARE(pdf::images(path), QStringList());
    const QString text = pdf::text(path);
    for (const QString &t : texts)
        QVERIFY2(text.contains(t), qPrintable(t));
}

void TestRender::unwritable_outputs_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("relative"); // to a folder holding the file "file"
    for (const auto &[option, name] :
        { std::pair("--page", "sheet.pdf"), std::pair("--picture", "p.pdf"),
            std::pair("--picture", "p.png"), std::pair("--picture", "p.svg") }) {
        QTest::addRow("%s %s, missing folder", option, name)
            << option << QStringLiteral("missing/") + QLatin1String(name);
        QTest::addRow("%s %s, folder is a file", option, name)
            << option << QStringLiteral("file/") + QLatin1String(name);
    }
}

void TestRender::unwritable_outputs()
{
    QFETCH(QString, option);
    QFETCH(QString, relative);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString bad = dir.filePath(relative);
    const Run run = render({ "menu:M_R:2", option, bad });
    QCOMPARE(run.status, 2);
    QCOMPARE(run.error.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.error.contains(bad), qPrintable(run.error));
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("file") });
}

void TestRender::settings_are_left_alone()
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    QVERIFY(QDir().mkpath(config));
    const Run run = render({ "menu:M_Pyt", "--page", dir.filePath(QStringLiteral("p.pdf")),
                               "--picture", dir.filePath(QStringLiteral("p.png")) },
        config);
    QCOMPARE(run.status, 0);
    QCOMPARE(QDir(config).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList());
}

void TestRender::standard_output_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("start"); // the first bytes of the format
    QTest::newRow("PNG of the window") << QStringList { "--png", "-" } << QByteArray("\x89PNG");
    QTest::newRow("picture as SVG")
        << QStringList { "--picture", "-", "--format", "svg" } << QByteArray("<?xml");
    QTest::newRow("picture as PDF")
        << QStringList { "--format", "pdf", "--picture", "-" } << QByteArray("%PDF");
    QTest::newRow("picture as PNG")
        << QStringList { "--picture", "-", "--format", "png" } << QByteArray("\x89PNG");
    QTest::newRow("worksheet page") << QStringList { "--page", "-" } << QByteArray("%PDF");
    QTest::newRow("state") << QStringList { "--state", "-" } << QByteArray("{\n");
    QTest::newRow("trace") << QStringList { "--trace", "-" } << QByteArray("{\"");
    QTest::newRow("animation") << QStringList { "--animation", "-" } << QByteArray("GIF89a");
}

void TestRender::standard_output()
{
    // "-" is the standard output: what a file of that option would hold, nothing else.
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, start);
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(AURELION_RENDER), QStringList { "menu:M_R:2" } + arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardError(), QByteArray());
    const QByteArray out = process.readAllStandardOutput();
    QVERIFY2(out.startsWith(start), out.left(16).toHex().constData());
    QVERIFY(out.size() > 100);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList());
}

void TestRender::devices_are_written_in_place()
{
    // A device stays a device, and a pipe is written as a stream.
    QTemporaryDir dir;
    QCOMPARE(render({ "menu:M_R:2", "--png", "/dev/null" }).status, 0);
    const QFileInfo null(QStringLiteral("/dev/null"));
    QVERIFY(!null.isFile());
    QVERIFY(!null.isSymLink());
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), { fifo }), 0);
    QTemporaryDir elsewhere;
    const QString read = elsewhere.filePath(QStringLiteral("read.svg"));
    QProcess reader;
    reader.setStandardOutputFile(read);
    reader.start(QStringLiteral("cat"), { fifo });
    QVERIFY(reader.waitForStarted());
    QCOMPARE(render({ "menu:M_R:2", "--picture", fifo, "--format", "svg" }).status, 0);
    QVERIFY(reader.waitForFinished(60000));
    QFile svg(read);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray bytes = svg.readAll();
    QVERIFY(bytes.startsWith("<?xml"));
    QVERIFY(bytes.trimmed().endsWith("</svg>"));
    QVERIFY(!QFileInfo(fifo).isFile());
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("pipe") });
}

void TestRender::full_disk_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("PNG") << QStringList { "--png", "/dev/full" };
    QTest::newRow("state") << QStringList { "--state", "/dev/full" };
    QTest::newRow("trace") << QStringList { "--trace", "/dev/full" };
    QTest::newRow("SVG picture") << QStringList { "--picture", "/dev/full", "--format", "svg" };
    QTest::newRow("page") << QStringList { "--page", "/dev/full" };
    QTest::newRow("animation") << QStringList { "--animation", "/dev/full" };
}

void TestRender::full_disk()
{
    // A write that fails says why in the system's words, and the device stays a device.
    QFETCH(QStringList, arguments);
    const Run run = render(QStringList { "menu:M_R:2" } + arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.error.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.error.contains(QLatin1String("No space left on device")), qPrintable(run.error));
    QVERIFY2(run.error.contains(QLatin1String("/dev/full")), qPrintable(run.error));
    QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
}

void TestRender::standard_output_to_a_full_disk()
{
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(AURELION_RENDER), { "menu:M_R:2", "--png", "-" });
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(error.count(QLatin1Char('\n')), 1);
    QVERIFY2(error.contains(QLatin1String("No space left on device")), qPrintable(error));
}

void TestRender::usage_to_a_full_disk()
{
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(AURELION_RENDER), { "--help" });
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 1);
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(error.contains(QLatin1String("No space left on device")), qPrintable(error));
}

void TestRender::name_not_in_utf8()
{
    // The bytes of the name reach the tool as they are; it writes under exactly that name or,
    // as here, refuses: never under another name.
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral("/bin/sh"),
        { "-c", "exec \"$0\" menu:M_R:2 --png \"$(printf 'raw-\\377\\376.png')\"",
            QStringLiteral(AURELION_RENDER) });
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(error.count(QLatin1Char('\n')), 1);
    QVERIFY2(error.contains(QLatin1String("--png")), qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList());
}

void TestRender::longest_names_are_replaced_data()
{
    QTest::addColumn<int>("length");
    for (int length : { 249, 250, 252, 255 })
        QTest::addRow("%d bytes", length) << length;
}

void TestRender::longest_names_are_replaced()
{
    QFETCH(int, length);
    QTemporaryDir dir;
    const QString name = QString(length - 4, QLatin1Char('n')) + QStringLiteral(".png");
    const QString path = dir.filePath(name);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older file");
    old.close();
    const Run run = render({ "menu:M_R:2", "--png", path });
    QCOMPARE(run.status, 0);
    // The window: the design's 820 x 541 pixels under the menu bar, in the desktop's font.
    const QImage window(path);
    QCOMPARE(window.width(), 820);
    QVERIFY(window.height() > 541);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { name });
}

void TestRender::a_link_keeps_pointing_at_its_file()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("state.json"));
    const QString link = dir.filePath(QStringLiteral("link.json"));
    QFile old(file);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    QVERIFY(QFile::link(file, link));
    QCOMPARE(render({ "menu:M_R:2", "--state", link }).status, 0);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(read_json(file)["topic"].toInt(), 4);
}

void TestRender::outputs_through_links_data()
{
    QTest::addColumn<QStringList>("links"); // "name>target"
    QTest::addColumn<QStringList>("arguments"); // names in the folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("made"); // the regular file written, if any
    QTest::newRow("a dangling link: its file is made")
        << QStringList { "d.json>t.json" } << QStringList { "--state", "d.json" } << 0 << "t.json";
    QTest::newRow("a dangling link and its file as two outputs")
        << QStringList { "d.png>t.png" } << QStringList { "--png", "t.png", "--picture", "d.png" }
        << 2 << "";
    QTest::newRow("two dangling links to one file")
        << QStringList { "a.png>t.png", "b.png>t.png" }
        << QStringList { "--png", "a.png", "--picture", "b.png" } << 2 << "";
    QTest::newRow("a loop of links") << QStringList { "a.png>b.png", "b.png>a.png" }
                                     << QStringList { "--png", "a.png" } << 2 << "";
}

void TestRender::outputs_through_links()
{
    QFETCH(QStringList, links);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, made);
    QTemporaryDir dir;
    QStringList expected;
    for (const QString &link : links) {
        const QStringList parts = link.split(QLatin1Char('>'));
        QVERIFY(QFile::link(parts[1], dir.filePath(parts[0])));
        expected << parts[0];
    }
    for (QString &argument : arguments)
        if (!argument.startsWith(QLatin1String("--")))
            argument = dir.filePath(argument);
    const Run run = render(QStringList { "menu:M_R:2" } + arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(run.error.count(QLatin1Char('\n')), status == 0 ? 0 : 1);
    if (!made.isEmpty()) {
        QVERIFY(QFileInfo(dir.filePath(made)).isFile());
        QVERIFY(!QFileInfo(dir.filePath(made)).isSymLink());
        expected << made;
    }
    for (const QString &link : links)
        QVERIFY(QFileInfo(dir.filePath(link.section(QLatin1Char('>'), 0, 0))).isSymLink());
    expected.sort();
    QCOMPARE(entries(dir.path()), expected);
}

void TestRender::an_input_is_never_written_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("through_a_link");
    QTest::newRow("the lesson as the state") << "--state" << false;
    QTest::newRow("a link to the lesson as the trace") << "--trace" << true;
}

void TestRender::an_input_is_never_written()
{
    QFETCH(QString, option);
    QFETCH(bool, through_a_link);
    QTemporaryDir dir;
    const QString lesson = dir.filePath(QStringLiteral("lesson.txt"));
    const QByteArray text = "title: Golden\n\nstep: The rectangle\nmenu:M_R:2\n";
    QFile file(lesson);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    QVERIFY(QFile::link(lesson, link));
    const Run run =
        render({ "--lesson", lesson, "--step", "1", option, through_a_link ? link : lesson });
    QCOMPARE(run.status, 2);
    QCOMPARE(run.error.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.error.contains(QLatin1String("--lesson")), qPrintable(run.error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), text);
}

void TestRender::several_pictures_each_in_its_format()
{
    // One run, one state: every picture asked for, in the format its name says.
    QTemporaryDir dir;
    const QStringList names { "p.svg", "p.png", "p.pdf" };
    QStringList arguments { "menu:M_R:4" };
    for (const QString &name : names)
        arguments << "--picture" << dir.filePath(name);
    QCOMPARE(render(arguments).status, 0);
    QVERIFY(start_of(dir.filePath(names[0])).startsWith("<?xml"));
    QVERIFY(start_of(dir.filePath(names[1])).startsWith("\x89PNG"));
    QVERIFY(start_of(dir.filePath(names[2])).startsWith("%PDF"));
    QCOMPARE(entries(dir.path()), QStringList({ "p.pdf", "p.png", "p.svg" }));
}

void TestRender::all_outputs_or_none_data()
{
    QTest::addColumn<QStringList>("arguments"); // names in the folder, or a device
    QTest::addColumn<int>("limit"); // the largest file the tool may write, in kB; 0: none
    QTest::newRow("a state, then a full device")
        << QStringList { "--state", "s.json", "--png", "/dev/full" } << 0;
    QTest::newRow("an animation and pictures, then a full device") << QStringList { "--animation",
        "a.gif", "--picture", "p.png", "--page", "/dev/full", "--picture", "p.svg" }
                                                                   << 0;
    QTest::newRow("a state, then a window too large for the disk")
        << QStringList { "--state", "s.json", "--scale", "4", "--png", "w.png" } << 100;
}

void TestRender::all_outputs_or_none()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, limit);
    QTemporaryDir dir;
    for (QString &argument : arguments)
        if (!argument.startsWith(QLatin1String("-")) && !argument.startsWith(QLatin1Char('/'))
            && !argument.at(0).isDigit())
            argument = dir.filePath(argument);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    // A limit on the file size fills the disk for that file, as a full disk does (the signal
    // it sends is ignored, so the write fails).
    process.start(QStringLiteral("/bin/bash"),
        QStringList { "-c",
            limit > 0 ? QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$@\"").arg(limit)
                      : QStringLiteral("exec \"$@\""),
            "bash", QStringLiteral(AURELION_RENDER), "menu:M_R:2" }
            + arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(error.count(QLatin1Char('\n')), 1);
    QCOMPARE(entries(dir.path()), QStringList());
}

void TestRender::a_closed_pipe_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("the usage") << QStringList { "--help" } << 1;
    QTest::newRow("the window") << QStringList { "menu:M_R:2", "--png", "-" } << 2;
    QTest::newRow("the trace") << QStringList { "menu:M_R:2", "--trace", "-" } << 2;
}

void TestRender::a_closed_pipe()
{
    // The reader has left before the tool writes: the write fails, the tool says so on one line
    // and ends with its status, rather than being ended by SIGPIPE without a word.
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    int pipe[2];
    QCOMPARE(::pipe2(pipe, O_CLOEXEC), 0);
    ::close(pipe[0]);
    QProcess process;
    const int end = pipe[1];
    process.setChildProcessModifier([end] { ::dup2(end, STDOUT_FILENO); });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(AURELION_RENDER), arguments);
    const bool finished = process.waitForFinished(60000);
    ::close(end);
    QVERIFY(finished);
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(error.count(QLatin1Char('\n')), 1);
    QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(EPIPE))), qPrintable(error));
}

void TestRender::signals_leave_no_temporary_file_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGKILL") << int(SIGKILL);
}

void TestRender::signals_leave_no_temporary_file()
{
    // The tool is ended while it writes an animation: it ends by the signal, and nothing of the
    // file is left in its folder.
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    // As from a terminal: a test run in the background would pass SIGINT on ignored.
    process.setChildProcessModifier([] {
        for (const int number : { SIGINT, SIGTERM })
            std::signal(number, SIG_DFL);
    });
    process.start(QStringLiteral(AURELION_RENDER),
        { "--seed", "1", "menu:M_chaos", "tick:2900", "--frame-every", "1", "--animation",
            folder + QStringLiteral("/a.gif") });
    QVERIFY(process.waitForStarted());
    // The animation is being written once the tool holds a file of the folder open.
    const QString descriptors = QStringLiteral("/proc/%1/fd").arg(process.processId());
    const auto writing = [&] {
        for (const QString &fd : QDir(descriptors).entryList(QDir::System | QDir::Files)) {
            char target[4096];
            const ssize_t size =
                ::readlink(QFile::encodeName(descriptors + QLatin1Char('/') + fd).constData(),
                    target, sizeof target);
            if (size > 0 && QByteArray(target, size).startsWith(QFile::encodeName(folder)))
                return true;
        }
        return false;
    };
    while (process.state() == QProcess::Running && !writing())
        QTest::qWait(10);
    QCOMPARE(process.state(), QProcess::Running);
    QCOMPARE(::kill(pid_t(process.processId()), signal), 0);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(process.exitCode(), signal);
    QCOMPARE(entries(dir.path()), QStringList());
}

void TestRender::offscreen_whatever_the_environment_data()
{
    QTest::addColumn<QString>("platform");
    QTest::newRow("xcb without a display") << "xcb";
    QTest::newRow("wayland without a compositor") << "wayland";
    QTest::newRow("a platform that does not exist") << "nothing";
}

void TestRender::offscreen_whatever_the_environment()
{
    QFETCH(QString, platform);
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("w.png"));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_FONT_DPI"), QStringLiteral("192"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(AURELION_RENDER), { "menu:M_R:2", "--png", png });
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString reference = dir.filePath(QStringLiteral("reference.png"));
    QCOMPARE(render({ "menu:M_R:2", "--png", reference }).status, 0);
    QCOMPARE(QImage(png), QImage(reference));
}

void TestRender::memory_stays_bounded_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("without a trace") << QStringList();
    QTest::newRow("with a trace") << QStringList { "--trace", "trace.jsonl" };
}

void TestRender::memory_stays_bounded()
{
    // A million points of the chaos game fit in 200 MB of data, with the trace written as it
    // goes (the window's history keeps a byte a pixel at most).
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral("/bin/sh"),
        QStringList { "-c", "ulimit -d 200000 && exec \"$@\"", "sh",
            QStringLiteral(AURELION_RENDER), "--seed", "1", "menu:M_chaos", "tick:20000", "--state",
            "state.json" }
            + options);
    QVERIFY(process.waitForFinished(600000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(read_json(dir.filePath(QStringLiteral("state.json")))["topic"].toInt(), 15);
    if (!options.isEmpty()) {
        QFile trace(dir.filePath(QStringLiteral("trace.jsonl")));
        QVERIFY(trace.open(QIODevice::ReadOnly));
        qint64 lines = 0;
        char buffer[1 << 16];
        for (qint64 n; (n = trace.read(buffer, sizeof buffer)) > 0;)
            lines += std::count(buffer, buffer + n, '\n');
        QVERIFY2(lines > 1000000, qPrintable(QString::number(lines)));
    }
}

void TestRender::trace_holds_what_shows_after_an_erase()
{
    // The pentagram's lines are gone from the trace once the chaos game erases the drawing.
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("t.jsonl"));
    const QString alone = dir.filePath(QStringLiteral("alone.jsonl"));
    QCOMPARE(
        render({ "--seed", "2", "menu:M_R:4", "menu:M_chaos", "tick:3", "--trace", trace }).status,
        0);
    QCOMPARE(render({ "--seed", "2", "menu:M_chaos", "tick:3", "--trace", alone }).status, 0);
    QFile a(trace), b(alone);
    QVERIFY(a.open(QIODevice::ReadOnly));
    QVERIFY(b.open(QIODevice::ReadOnly));
    const QByteArray after = a.readAll();
    QVERIFY(!after.contains("PENTAGRAM"));
    QVERIFY(after.contains("\"op\":\"point\""));
    QCOMPARE(after.count('\n'), b.readAll().count('\n'));
}

QTEST_APPLESS_MAIN(TestRender)
#include "tst_render.moc"
