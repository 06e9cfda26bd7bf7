#pragma once
// The main of a benchmark program that needs a QApplication: the offscreen
// platform unless a display is given (a QT_QPA_PLATFORM already set wins).

// Qt
#include <QApplication>

// std
#include <cstdlib>

// benchmark
#include <benchmark/benchmark.h>

namespace bench {

inline int RunWithApplication(int argc, char** argv)
{
    if (std::getenv("DISPLAY") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
