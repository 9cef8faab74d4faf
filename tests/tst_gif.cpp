#include "gif_frames.h"
#include "gif_writer.h"
#include "palette.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QList>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <gif_lib.h>
#include <limits>
#include <malloc.h>
#include <random>
#include <sys/resource.h>

namespace {

// Frames of the chaos game, 50 dots more in each.
QList<QImage> chaos_frames(int count, std::uint32_t seed)
{
    std::mt19937 random(seed);
    QImage image = black_picture();
    QList<QImage> frames;
    for (int f = 0; f < count; ++f) {
        add_chaos_dots(image, random);
        frames.append(image.copy());
    }
    return frames;
}

QImage with_pixel(QImage image, QPoint at, QRgb colour)
{
    image.setPixel(at, colour);
    return image;
}

QString path_in(const QTemporaryDir &dir) { return dir.filePath(QStringLiteral("recording.gif")); }

bool record(const QString &path, const QList<QImage> &frames, bool loop = true)
{
    GifWriter writer;
    if (!writer.open(path, frames.first().size(), loop))
        return false;
    for (const QImage &frame : frames)
        if (!writer.add_frame(frame, 100))
            return false;
    return writer.finish();
}

// Every frame as a viewer shows it, composed by Qt's GIF reader, with the delay of each.
struct Playback
{
    QList<QImage> frames;
    QList<int> delays;
    int loop_count = 0;
};

Playback play(const QString &path)
{
    Playback playback;
    QImageReader reader(path, "gif");
    playback.loop_count = reader.loopCount();
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        playback.frames.append(frame.convertToFormat(QImage::Format_RGB32));
        playback.delays.append(reader.nextImageDelay());
    }
    return playback;
}

int distinct_colours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

bool is_palette_colour(QRgb colour)
{
    for (int i = 0; i < 16; ++i)
        if (QBColor(i) == colour)
            return true;
    return false;
}

// Mean absolute difference per channel in 0..255 units, and the first pixel in a palette colour
// that came out in another colour.
struct Comparison
{
    double mean_error = 0;
    std::optional<QPoint> palette_pixel_changed;
};

Comparison compare(const QImage &shown, const QImage &source)
{
    Comparison result;
    double sum = 0;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = source.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                + std::abs(qBlue(a) - qBlue(b));
            if (a != b && is_palette_colour(b) && !result.palette_pixel_changed)
                result.palette_pixel_changed = QPoint(x, y);
        }
    result.mean_error = sum / (3.0 * source.width() * source.height());
    return result;
}

// The files that a recording left in a folder, temporary ones included.
QStringList files_in(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// The frames as giflib's decoder sees them: where each sub-image lies and how it is drawn.
struct StoredFrame
{
    QRect rect;
    int transparent_index = NO_TRANSPARENT_COLOR;
    int disposal = DISPOSAL_UNSPECIFIED;
    QList<int> indices; // row by row over rect
};

QList<StoredFrame> stored_frames(const QString &path)
{
    QList<StoredFrame> frames;
    int error = 0;
    GifFileType *gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif)
        return frames;
    if (DGifSlurp(gif) == GIF_OK) {
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage &image = gif->SavedImages[i];
            StoredFrame frame;
            const GifImageDesc &desc = image.ImageDesc;
            frame.rect = QRect(desc.Left, desc.Top, desc.Width, desc.Height);
            GraphicsControlBlock control {};
            if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) {
                frame.transparent_index = control.TransparentColor;
                frame.disposal = control.DisposalMode;
            }
            for (int k = 0; k < desc.Width * desc.Height; ++k)
                frame.indices.append(image.RasterBits[k]);
            frames.append(frame);
        }
    }
    DGifCloseFile(gif, &error);
    return frames;
}

// Bytes that malloc has handed out and not had back, large blocks that it maps apart included.
std::size_t heap_in_use()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<int>)

class TestGif : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void frames_play_back_data();
    void frames_play_back();
    void any_format_is_converted_data();
    void any_format_is_converted();
    void only_the_changed_rectangle_is_stored_data();
    void only_the_changed_rectangle_is_stored();
    void delays_data();
    void delays();
    void loop_data();
    void loop();
    void unchanged_frames_stay_tiny();
    void unwritable_folder_data();
    void unwritable_folder();
    void full_disk_leaves_nothing();
    void wrong_frame_size_is_refused_data();
    void wrong_frame_size_is_refused();
    void cancel_leaves_nothing();
    void destruction_leaves_nothing();
    void unfinished_recording_keeps_the_old_file();
    void finish_without_frames_is_refused();
    void second_open_is_refused();
    void memory_stays_flat_over_a_long_recording();

private:
    QTemporaryDir folders_;
};

void TestGif::initTestCase()
{
    QVERIFY2(QImageReader::supportedImageFormats().contains("gif"),
        "Qt cannot read GIF files here: the tests read every recording back with Qt's GIF "
        "plugin, which libqt6gui6 provides");
}

void TestGif::frames_play_back_data()
{
    QTest::addColumn<QList<QImage>>("frames");
    QTest::addColumn<bool>("many_colours");
    const QImage a = palette_drawing(0);
    const QImage b = palette_drawing(1);
    QTest::newRow("one frame") << QList<QImage> { a } << false;
    QTest::newRow("few colours, redrawn") << QList<QImage> { a, b, palette_drawing(2) } << false;
    QTest::newRow("a single changed pixel")
        << QList<QImage> { a, with_pixel(a, QPoint(200, 300), QBColor(12)) } << false;
    QTest::newRow("a corner pixel changed")
        << QList<QImage> { a, with_pixel(a, QPoint(508, 508), QBColor(9)) } << false;
    QTest::newRow("an unchanged frame") << QList<QImage> { a, a, b } << false;
    QTest::newRow("a pixel changed and back")
        << QList<QImage> { a, with_pixel(a, QPoint(7, 9), QBColor(2)), a } << false;
    QTest::newRow("chaos dots") << chaos_frames(6, 1) << false;
    QImage rainbow(picture_size, QImage::Format_RGB32);
    for (int y = 0; y < picture_size.height(); ++y)
        for (int x = 0; x < picture_size.width(); ++x)
            rainbow.setPixel(x, y, qRgb(x % 16 * 16, y % 16 * 16, 0));
    QTest::newRow("256 colours in the first frame") << QList<QImage> { rainbow } << false;
    QTest::newRow("more than 255 colours")
        << QList<QImage> { antialiased_drawing(0), antialiased_drawing(0.1) } << true;
    QTest::newRow("more than 255 colours, then a few colours")
        << QList<QImage> { antialiased_drawing(0.2), a } << true;
    QTest::newRow("few colours, then more than 255")
        << QList<QImage> { a, antialiased_drawing(0.3), antialiased_drawing(0.3) } << true;
}

// Each frame as Qt's reader composes it equals the frame recorded; with more than 255 colours
// the palette colours stay exact and the shades come out close.
void TestGif::frames_play_back()
{
    QFETCH(QList<QImage>, frames);
    QFETCH(bool, many_colours);
    QCOMPARE(std::ranges::any_of(frames, [](const QImage &f) { return distinct_colours(f) > 256; }),
        many_colours);

    QTemporaryDir dir;
    const QString path = path_in(dir);
    GifWriter writer;
    QVERIFY2(writer.open(path, picture_size, true), qPrintable(writer.error()));
    for (const QImage &frame : frames)
        QVERIFY2(writer.add_frame(frame, 100), qPrintable(writer.error()));
    QCOMPARE(writer.frame_count(), frames.size());
    QVERIFY2(writer.finish(), qPrintable(writer.error()));

    const Playback playback = play(path);
    QCOMPARE(playback.frames.size(), frames.size());
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(playback.frames[i].size(), picture_size);
        if (!many_colours) {
            QVERIFY2(
                playback.frames[i] == frames[i], qPrintable(QStringLiteral("frame %1").arg(i)));
            continue;
        }
        const Comparison c = compare(playback.frames[i], frames[i]);
        QVERIFY2(!c.palette_pixel_changed,
            qPrintable(QStringLiteral("frame %1: the palette colour at (%2, %3) changed")
                           .arg(i)
                           .arg(c.palette_pixel_changed->x())
                           .arg(c.palette_pixel_changed->y())));
        QVERIFY2(c.mean_error < 0.5,
            qPrintable(QStringLiteral("frame %1: mean error %2 / 255").arg(i).arg(c.mean_error)));
    }
}

void TestGif::any_format_is_converted_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::newRow("ARGB32") << QImage::Format_ARGB32;
    QTest::newRow("ARGB32 premultiplied") << QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("RGB888") << QImage::Format_RGB888;
    QTest::newRow("indexed") << QImage::Format_Indexed8;
    QTest::newRow("greyscale") << QImage::Format_Grayscale8;
}

void TestGif::any_format_is_converted()
{
    QFETCH(QImage::Format, format);
    const QList<QImage> frames { palette_drawing(0).convertToFormat(format),
        palette_drawing(3).convertToFormat(format) };
    QTemporaryDir dir;
    QVERIFY(record(path_in(dir), frames));
    const Playback playback = play(path_in(dir));
    QCOMPARE(playback.frames.size(), frames.size());
    for (int i = 0; i < frames.size(); ++i)
        QVERIFY(playback.frames[i] == frames[i].convertToFormat(QImage::Format_RGB32));
}

void TestGif::only_the_changed_rectangle_is_stored_data()
{
    QTest::addColumn<QList<QPoint>>("changed");
    QTest::addColumn<QRect>("stored");
    QTest::newRow("one pixel") << QList<QPoint> { { 10, 20 } } << QRect(10, 20, 1, 1);
    QTest::newRow("two pixels apart")
        << QList<QPoint> { { 400, 6 }, { 5, 300 } } << QRect(5, 6, 396, 295);
    QTest::newRow("opposite corners")
        << QList<QPoint> { { 0, 0 }, { 508, 508 } } << QRect(0, 0, 509, 509);
    QTest::newRow("nothing") << QList<QPoint> {} << QRect(0, 0, 1, 1);
}

// The second frame stores the bounding rectangle of its changes over the first, its unchanged
// pixels transparent, drawn over what is shown.
void TestGif::only_the_changed_rectangle_is_stored()
{
    QFETCH(QList<QPoint>, changed);
    QFETCH(QRect, stored);
    const QImage first = palette_drawing(0);
    QImage second = first;
    for (const QPoint &at : changed)
        second.setPixel(at, first.pixel(at) == QBColor(13) ? QBColor(14) : QBColor(13));

    QTemporaryDir dir;
    QVERIFY(record(path_in(dir), { first, second }));
    const QList<StoredFrame> frames = stored_frames(path_in(dir));
    QCOMPARE(frames.size(), 2);
    QCOMPARE(frames[0].rect, QRect(QPoint(0, 0), picture_size));
    QCOMPARE(frames[1].rect, stored);
    QCOMPARE(frames[1].disposal, DISPOSE_DO_NOT);
    for (int y = stored.top(); y <= stored.bottom(); ++y)
        for (int x = stored.left(); x <= stored.right(); ++x) {
            const int index =
                frames[1].indices[(y - stored.top()) * stored.width() + x - stored.left()];
            QCOMPARE(index == frames[1].transparent_index, !changed.contains(QPoint(x, y)));
        }
}

void TestGif::delays_data()
{
    QTest::addColumn<QList<int>>("delays_ms");
    QTest::addColumn<std::optional<int>>("last_delay_ms");
    QTest::addColumn<QList<int>>("played_ms");
    QTest::newRow("tenths of a second")
        << QList<int> { 100, 200, 300 } << std::optional<int>() << QList<int> { 100, 200, 300 };
    QTest::newRow("rounded to centiseconds") << QList<int> { 36, 44, 45,
        1004 } << std::optional<int>() << QList<int> { 40, 40, 50, 1000 };
    QTest::newRow("at least 2 cs")
        << QList<int> { 14, 5, 0, -10 } << std::optional<int>() << QList<int> { 20, 20, 20, 20 };
    QTest::newRow("at most 65535 cs") << QList<int> { 655350, std::numeric_limits<int>::max() }
                                      << std::optional<int>() << QList<int> { 655350, 655350 };
    QTest::newRow("last frame held 3 s") << QList<int> { 200, 200, 200 } << std::optional<int>(3000)
                                         << QList<int> { 200, 200, 3000 };
    QTest::newRow("only frame held 3 s")
        << QList<int> { 200 } << std::optional<int>(3000) << QList<int> { 3000 };
    QTest::newRow("last delay rounded too")
        << QList<int> { 200, 200 } << std::optional<int>(3) << QList<int> { 200, 20 };
}

// Delays as Qt plays them, on frames that alternate between changed and unchanged ones.
void TestGif::delays()
{
    QFETCH(QList<int>, delays_ms);
    QFETCH(std::optional<int>, last_delay_ms);
    QFETCH(QList<int>, played_ms);
    QTemporaryDir dir;
    GifWriter writer;
    QVERIFY(writer.open(path_in(dir), picture_size, true));
    for (int i = 0; i < delays_ms.size(); ++i)
        QVERIFY(writer.add_frame(palette_drawing(i / 2), delays_ms[i]));
    QVERIFY2(writer.finish(last_delay_ms), qPrintable(writer.error()));
    QCOMPARE(play(path_in(dir)).delays, played_ms);
}

void TestGif::loop_data()
{
    QTest::addColumn<bool>("loop");
    QTest::addColumn<int>("loop_count");
    // Qt reports a file that repeats forever as -1 and one without a loop block as 0.
    QTest::newRow("forever") << true << -1;
    QTest::newRow("once") << false << 0;
}

void TestGif::loop()
{
    QFETCH(bool, loop);
    QFETCH(int, loop_count);
    QTemporaryDir dir;
    QVERIFY(record(path_in(dir), { palette_drawing(0), palette_drawing(1) }, loop));
    QCOMPARE(play(path_in(dir)).loop_count, loop_count);
}

// A recording that shows the same picture for a minute adds a few bytes per frame, where a
// writer that stored every frame whole would add the first frame's size each time.
void TestGif::unchanged_frames_stay_tiny()
{
    const QImage picture = antialiased_drawing(0.1);
    QTemporaryDir dir;
    const QString one = dir.filePath(QStringLiteral("one.gif"));
    const QString many = dir.filePath(QStringLiteral("many.gif"));
    const int repeats = 300;
    QVERIFY(record(one, { picture }));
    QVERIFY(record(many, QList<QImage>(1 + repeats, picture)));
    const qint64 first_frame = QFileInfo(one).size();
    const qint64 extra = QFileInfo(many).size() - first_frame;
    QVERIFY2(first_frame > 10000, "the picture must be costly for the bound below to tell");
    QVERIFY2(extra <= repeats * 32, qPrintable(QStringLiteral("%1 bytes more").arg(extra)));
    QCOMPARE(play(many).frames.size(), 1 + repeats);
}

void TestGif::unwritable_folder_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("folder does not exist") << folders_.filePath(QStringLiteral("missing/a.gif"));
    QFile plain(folders_.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    QTest::newRow("folder is a file") << folders_.filePath(QStringLiteral("plain/a.gif"));
    // Permissions do not bind the superuser: the row is there only where they bind.
    const QString locked = folders_.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(locked));
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    QFile probe(locked + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        QTest::newRow("folder without write permission") << locked + QStringLiteral("/a.gif");
}

void TestGif::unwritable_folder()
{
    QFETCH(QString, path);
    const QString folder = QFileInfo(path).path();
    const QStringList before = files_in(folder);
    GifWriter writer;
    QVERIFY(!writer.open(path, picture_size, true));
    QVERIFY2(writer.error().contains(QDir::toNativeSeparators(path)), qPrintable(writer.error()));
    QVERIFY(!writer.error().contains(QLatin1Char('\n')));
    QVERIFY(!writer.add_frame(palette_drawing(0), 100));
    QVERIFY(!writer.finish());
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(files_in(folder), before);
}

// A file system that takes no more bytes, as a full disk does: the process's file size limit
// makes the writes fail once the file has reached it.
void TestGif::full_disk_leaves_nothing()
{
    QTemporaryDir dir;
    const QString path = path_in(dir);
    const QList<QImage> frames { antialiased_drawing(0), antialiased_drawing(0.25),
        antialiased_drawing(0.5) };

    rlimit old_limit {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = false;
    QString error;
    {
        GifWriter writer;
        written = writer.open(path, picture_size, true);
        for (const QImage &frame : frames)
            written = written && writer.add_frame(frame, 100);
        written = written && writer.finish();
        error = writer.error();
    }
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);

    QVERIFY(!written);
    QCOMPARE(error,
        QStringLiteral("Cannot record to %1: %2")
            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(EFBIG))));
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(files_in(dir.path()), QStringList());
}

void TestGif::wrong_frame_size_is_refused_data()
{
    QTest::addColumn<QImage>("frame");
    QTest::newRow("narrower") << palette_drawing(0).copy(0, 0, 508, 509);
    QTest::newRow("larger") << palette_drawing(0).scaled(510, 510);
    QTest::newRow("null image") << QImage();
}

// The refused frame names both sizes; the recording goes on without it.
void TestGif::wrong_frame_size_is_refused()
{
    QFETCH(QImage, frame);
    QTemporaryDir dir;
    GifWriter writer;
    QVERIFY(writer.open(path_in(dir), picture_size, true));
    QVERIFY(writer.add_frame(palette_drawing(1), 100));
    QVERIFY(!writer.add_frame(frame, 100));
    QVERIFY2(
        writer.error().contains(QStringLiteral("%1 x %2").arg(frame.width()).arg(frame.height()))
            && writer.error().contains(QStringLiteral("509 x 509")),
        qPrintable(writer.error()));
    QCOMPARE(writer.frame_count(), 1);
    QVERIFY(!QFileInfo::exists(path_in(dir)));
    QVERIFY(writer.add_frame(palette_drawing(2), 100));
    QVERIFY(writer.finish());
    const Playback playback = play(path_in(dir));
    QCOMPARE(playback.frames.size(), 2);
    QVERIFY(playback.frames[1] == palette_drawing(2));
}

void TestGif::cancel_leaves_nothing()
{
    QTemporaryDir dir;
    GifWriter writer;
    QVERIFY(writer.open(path_in(dir), picture_size, true));
    QVERIFY(writer.add_frame(palette_drawing(0), 100));
    QVERIFY(writer.add_frame(palette_drawing(1), 100));
    writer.cancel();
    QVERIFY(!writer.is_open());
    QCOMPARE(files_in(dir.path()), QStringList());
    QVERIFY(!writer.add_frame(palette_drawing(2), 100));
    QVERIFY2(writer.error().contains(QStringLiteral("no recording is open")),
        qPrintable(writer.error()));
    QVERIFY(!writer.finish());
    QCOMPARE(files_in(dir.path()), QStringList());
}

void TestGif::destruction_leaves_nothing()
{
    QTemporaryDir dir;
    {
        GifWriter writer;
        QVERIFY(writer.open(path_in(dir), picture_size, true));
        QVERIFY(writer.add_frame(palette_drawing(0), 100));
        QVERIFY(writer.add_frame(palette_drawing(1), 100));
    }
    QCOMPARE(files_in(dir.path()), QStringList());
}

// A recording to the name of an earlier one replaces it only when it is finished.
void TestGif::unfinished_recording_keeps_the_old_file()
{
    QTemporaryDir dir;
    const QString path = path_in(dir);
    QVERIFY(record(path, { palette_drawing(0) }));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray old_bytes = file.readAll();
    file.close();

    {
        GifWriter writer;
        QVERIFY(writer.open(path, picture_size, true));
        QVERIFY(writer.add_frame(palette_drawing(5), 100));
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old_bytes);
    QCOMPARE(files_in(dir.path()), QStringList { QStringLiteral("recording.gif") });
}

void TestGif::finish_without_frames_is_refused()
{
    QTemporaryDir dir;
    GifWriter writer;
    QVERIFY(writer.open(path_in(dir), picture_size, true));
    QVERIFY(!writer.finish());
    QVERIFY2(writer.error().contains(QDir::toNativeSeparators(path_in(dir))),
        qPrintable(writer.error()));
    QCOMPARE(files_in(dir.path()), QStringList());
}

// A second open() while a recording runs leaves that recording untouched.
void TestGif::second_open_is_refused()
{
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("other.gif"));
    GifWriter writer;
    QVERIFY(writer.open(path_in(dir), picture_size, true));
    QVERIFY(writer.add_frame(palette_drawing(0), 100));
    QVERIFY(!writer.open(other, picture_size, false));
    QVERIFY2(writer.error().contains(QDir::toNativeSeparators(other)), qPrintable(writer.error()));
    QVERIFY(writer.add_frame(palette_drawing(1), 100));
    QVERIFY(writer.finish());
    QVERIFY(!QFileInfo::exists(other));
    const Playback playback = play(path_in(dir));
    QCOMPARE(playback.frames.size(), 2);
    QCOMPARE(playback.loop_count, -1);
}

// Ten minutes at 5 frames a second of the chaos game: the heap holds the previous frame and
// the one being encoded whatever the length, so the frames after the first few add nothing.
void TestGif::memory_stays_flat_over_a_long_recording()
{
    QTemporaryDir dir;
    GifWriter writer;
    QVERIFY(writer.open(path_in(dir), picture_size, true));
    std::mt19937 random(7);
    QImage image = black_picture();
    auto add_frames = [&](int count) {
        for (int f = 0; f < count; ++f) {
            add_chaos_dots(image, random);
            if (!writer.add_frame(image, 200))
                return false;
        }
        return true;
    };
    QVERIFY(add_frames(10));
    const std::size_t start = heap_in_use();
    QVERIFY(add_frames(3000 - 10));
    const std::size_t end = heap_in_use();
    QVERIFY2(end < start + 256 * 1024,
        qPrintable(QStringLiteral("heap grew from %1 to %2 bytes").arg(start).arg(end)));
    QVERIFY(writer.finish());
    QCOMPARE(writer.frame_count(), 3000);
}

QTEST_MAIN(TestGif)
#include "tst_gif.moc"
