#pragma once

#include "fonts.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <functional>

// The benchmarks' main: the offscreen platform unless another is asked for, the application
// object and the bundled fonts as the program has them, then the registered benchmarks.
inline int run_benchmarks(int argc, char **argv, const std::function<void()> &register_more = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    load_bundled_fonts();
    if (register_more)
        register_more();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
