// The languages: start-up in English and with a catalogue (constructing the main window, as
// bench_startup times it), and switching the window's language from the View menu with a topic
// on screen, which translates every caption and menu anew and draws the topic again.

#include "bench_main.h"
#include "language/languages.h"
#include "main_window.h"
#include "message_box.h"
#include "random_source.h"

#include <QAction>

#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

const char *const languages[] = { "en", "de", "fr", "es", "it", "pt_BR" };

WindowOptions options_for(RecordedMessageBox &messages, SeededRandom &random, const char *code)
{
    WindowOptions options;
    options.messages = &messages;
    options.random = &random;
    options.language = QString::fromLatin1(code);
    return options;
}

void BM_start_up_in(benchmark::State &state)
{
    const char *code = languages[state.range(0)];
    state.SetLabel(code);
    for (auto _ : state) {
        RecordedMessageBox messages;
        SeededRandom random(1);
        const auto start = std::chrono::steady_clock::now();
        auto window = std::make_unique<MainWindow>(options_for(messages, random, code));
        benchmark::DoNotOptimize(&window->Form1_surface().image());
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_start_up_in)->DenseRange(0, 5)->UseManualTime()->Unit(benchmark::kMillisecond);

// English and German in turn, with the sequence graph or the population model on screen.
void BM_switch_language(benchmark::State &state)
{
    const char *menu = state.range(0) == 0 ? "M_gr:1" : "M_bevolk:1";
    state.SetLabel(menu);
    RecordedMessageBox messages;
    SeededRandom random(1);
    MainWindow window(options_for(messages, random, "en"));
    window.menus().at(QLatin1String(menu))->trigger();
    bool german = false;
    for (auto _ : state) {
        german = !german;
        window.switch_language(german ? QStringLiteral("de") : QStringLiteral("en"));
    }
}
BENCHMARK(BM_switch_language)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return run_benchmarks(argc, argv); }
