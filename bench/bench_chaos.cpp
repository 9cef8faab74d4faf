// The cost of the chaos game's fast mode: one timer tick moves the point 50 times and sets 50
// dots on the persistent surface, each asking its widget to repaint only its own pixels. At one
// tick every 20 ms the game keeps pace while a tick costs well under 20 ms.

#include "bench_main.h"
#include "chaos/chaos_model.h"
#include "fonts.h"
#include "main_window.h"
#include "message_box.h"
#include "test_window.h"

#include <QAction>
#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The chaos game on screen, recording off, as the program plays it.
struct ChaosWindow : TestWindow
{
    ChaosWindow()
        : TestWindow(1, false)
    {
        menu(QStringLiteral("M_chaos"));
    }
};

// The 50 steps alone: corner choice and move, no drawing.
void BM_fast_tick_model(benchmark::State &state)
{
    const float pi = float(4 * std::atan(1.0));
    const chaos::Polygon corners = chaos::make_polygon(3, 10, -2, 0, pi);
    SeededRandom random(1);
    chaos::Point point;
    for (auto _ : state) {
        for (int m = 0; m < 50; ++m) {
            const int j = chaos::corner_number(3, random.Rnd());
            point = chaos::step(point, corners[std::size_t(j)], 0.5f);
        }
        benchmark::DoNotOptimize(point);
    }
    state.SetItemsProcessed(state.iterations() * 50);
}
BENCHMARK(BM_fast_tick_model);

// One fast tick as the timer delivers it, with the window hidden: the steps, the dots on the
// surface and the repaint requests.
void BM_fast_tick(benchmark::State &state)
{
    ChaosWindow w;
    for (auto _ : state)
        w.window.form().Timer1->tick();
    state.SetItemsProcessed(state.iterations() * 50);
}
BENCHMARK(BM_fast_tick);

// One fast tick with the window shown, including the repaint of the changed pixels.
void BM_fast_tick_repainted(benchmark::State &state)
{
    ChaosWindow w;
    w.window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        w.window.form().Timer1->tick();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 50);
}
BENCHMARK(BM_fast_tick_repainted);

// For comparison: what a tick would cost if it repainted the whole drawing surface.
void BM_whole_surface_repaint(benchmark::State &state)
{
    ChaosWindow w;
    w.window.show();
    QApplication::processEvents();
    for (auto _ : state)
        w.window.form().Picture1->repaint();
}
BENCHMARK(BM_whole_surface_repaint);

} // namespace

int main(int argc, char **argv) { return run_benchmarks(argc, argv); }
