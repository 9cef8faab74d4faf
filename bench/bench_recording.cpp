// What recording the chaos game's fast mode costs: a frame every 200 ms, that is every ten ticks
// of 50 points, captured from the drawing and encoded into the GIF. The recording keeps pace
// while that work stays well under the 200 ms between frames (the target is 20 ms). A window that
// shows the drawing at 1.5 times its size or more records at twice its resolution (scale 2).

#include "bench_main.h"
#include "picture/animation.h"
#include "test_window.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The fast chaos game in a window at a zoom, recording.
struct Recording
{
    Recording(double zoom, double scale)
        : test(1, false, zoom)
        , animation(*test.form().Picture1)
        , scale(scale)
    {
        test.menu(QStringLiteral("M_chaos"));
        animation.start(dir.filePath(QStringLiteral("chaos.gif")), scale, true);
        animation.add_frame(200);
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            test.form().Timer1->tick();
    }

    TestWindow test;
    QTemporaryDir dir;
    Animation animation;
    double scale;
};

// One frame's work: the capture and the encoding, after ten ticks that are not timed. The game
// starts again every 50 frames (ten seconds of play): its first seconds, when every frame has new
// dots all over the drawing, cost the most.
void frame(benchmark::State &state, double zoom, double scale)
{
    Recording r(zoom, scale);
    long frames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (++frames % 50 == 0)
            r.test.form().Label11[0].click();
        r.ticks(10);
        // A recording holds so many frames at most: the benchmark starts a new one.
        if (r.animation.frame_count() + 1 >= Animation::max_frames) {
            r.animation.cancel();
            r.animation.start(r.dir.filePath(QStringLiteral("chaos.gif")), r.scale, true);
        }
        state.ResumeTiming();
        if (!r.animation.add_frame(200)) {
            state.SkipWithError(qPrintable(r.animation.error()));
            break;
        }
    }
    r.animation.cancel();
}

// The capture alone.
void capture(benchmark::State &state, double zoom, double scale)
{
    Recording r(zoom, scale);
    for (auto _ : state) {
        state.PauseTiming();
        r.ticks(10);
        state.ResumeTiming();
        benchmark::DoNotOptimize(r.animation.capture());
    }
    r.animation.cancel();
}

void register_all()
{
    // The window's zoom and the recording's scale as the window chooses it.
    for (const double zoom : { 1.0, 2.0 }) {
        const double scale = zoom >= 1.5 ? 2.0 : 1.0;
        const std::string suffix =
            "/window_zoom:" + std::to_string(int(zoom)) + "/scale:" + std::to_string(int(scale));
        benchmark::RegisterBenchmark(("chaos_frame" + suffix).c_str(),
            [zoom, scale](benchmark::State &s) { frame(s, zoom, scale); })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("chaos_capture" + suffix).c_str(),
            [zoom, scale](benchmark::State &s) { capture(s, zoom, scale); })
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char **argv) { return run_benchmarks(argc, argv, register_all); }
