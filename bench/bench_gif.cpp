// The cost of recording the drawing surface as an animated GIF, per frame as add_frame() takes
// it: a live recording at 5 frames a second has 200 ms for each, the chaos game's fast mode
// 20 ms. Beside the times: the bytes a recording costs and how close the colours come back.

#include "bench_main.h"
#include "gif_frames.h"
#include "gif_writer.h"

#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

// A looping recording of the surface's size into a temporary folder.
struct Recording
{
    Recording()
    {
        if (!writer.open(path(), picture_size, true))
            qFatal("%s", qPrintable(writer.error()));
    }
    QString path() const { return folder.filePath(QStringLiteral("bench.gif")); }
    void add(const QImage &frame, int delay_ms)
    {
        if (!writer.add_frame(frame, delay_ms))
            qFatal("%s", qPrintable(writer.error()));
    }
    qint64 finish()
    {
        if (!writer.finish())
            qFatal("%s", qPrintable(writer.error()));
        return QFileInfo(path()).size();
    }

    QTemporaryDir folder;
    GifWriter writer;
};

// Mean absolute difference per channel, in 0..255 units.
double mean_error(const QImage &shown, const QImage &source)
{
    const QImage a = shown.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = source.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * source.width() * source.height());
}

// One step of the chaos game: 50 new coloured dots on the black surface, frame after frame.
void BM_chaos_step(benchmark::State &state)
{
    Recording recording;
    std::mt19937 random(1);
    QImage image = black_picture();
    for (auto _ : state) {
        add_chaos_dots(image, random);
        recording.add(image, 20);
    }
    state.counters["bytes_per_frame"] = double(recording.finish()) / double(state.iterations());
}
BENCHMARK(BM_chaos_step)->Unit(benchmark::kMicrosecond);

// A 200-frame recording of the chaos game, opened, filled and finished: its file size.
void BM_chaos_recording_200_frames(benchmark::State &state)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        Recording recording;
        std::mt19937 random(1);
        QImage image = black_picture();
        for (int f = 0; f < 200; ++f) {
            add_chaos_dots(image, random);
            recording.add(image, 20);
        }
        bytes = recording.finish();
    }
    state.counters["file_bytes"] = double(bytes);
}
BENCHMARK(BM_chaos_recording_200_frames)->Unit(benchmark::kMillisecond);

// A whole antialiased figure redrawn turned a little each frame: thousands of colours, most of
// the picture changed. Afterwards the frames are read back for the mean colour error.
void BM_antialiased_redraw(benchmark::State &state)
{
    std::vector<QImage> frames;
    for (int i = 0; i < 8; ++i)
        frames.push_back(antialiased_drawing(0.01 * i));
    Recording recording;
    std::size_t next = 0;
    for (auto _ : state)
        recording.add(frames[next++ % frames.size()], 100);
    state.counters["bytes_per_frame"] = double(recording.finish()) / double(state.iterations());

    QImageReader reader(recording.path());
    double error = 0;
    int count = 0;
    for (QImage shown = reader.read(); !shown.isNull() && count < 8; shown = reader.read())
        error += mean_error(shown, frames[std::size_t(count++)]);
    state.counters["mean_error_of_255"] = error / count;
}
BENCHMARK(BM_antialiased_redraw)->Unit(benchmark::kMillisecond);

// Figures in palette colours without antialiasing moved over the picture: few colours, large
// changes.
void BM_palette_redraw(benchmark::State &state)
{
    std::vector<QImage> frames;
    for (int i = 0; i < 8; ++i)
        frames.push_back(palette_drawing(i));
    Recording recording;
    std::size_t next = 0;
    for (auto _ : state)
        recording.add(frames[next++ % frames.size()], 100);
    state.counters["bytes_per_frame"] = double(recording.finish()) / double(state.iterations());
}
BENCHMARK(BM_palette_redraw)->Unit(benchmark::kMillisecond);

// The same picture again: the comparison with the previous frame and a 1 x 1 frame.
void BM_unchanged(benchmark::State &state)
{
    const QImage picture = antialiased_drawing(0);
    Recording alone;
    alone.add(picture, 100);
    const qint64 first_frame = alone.finish();
    Recording recording;
    recording.add(picture, 100);
    for (auto _ : state)
        recording.add(picture, 100);
    state.counters["bytes_per_frame"] =
        double(recording.finish() - first_frame) / double(state.iterations());
}
BENCHMARK(BM_unchanged)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) { return run_benchmarks(argc, argv); }
