// Start-up in process: constructing the main window runs the design, the menus, Form_Load and
// the title screen, as the program does before its window first appears; the title screen's
// pixels are drawn when the window background is first needed, so that is timed too.

#include "bench_main.h"
#include "fonts.h"
#include "main_window.h"
#include "message_box.h"
#include "random_source.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

void BM_start_up(benchmark::State &state)
{
    const qreal ratio = qreal(state.range(0));
    for (auto _ : state) {
        RecordedMessageBox messages;
        SeededRandom random(1);
        WindowOptions options;
        options.device_pixel_ratio = ratio;
        options.messages = &messages;
        options.random = &random;
        const auto start = std::chrono::steady_clock::now();
        auto window = std::make_unique<MainWindow>(options);
        benchmark::DoNotOptimize(&window->Form1_surface().image()); // the title screen's pixels
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(window.get());
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_start_up)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return run_benchmarks(argc, argv); }
