// Runs the benchmarks inside a Qt application on the offscreen platform. Before them it starts
// one window, as the program does, and reports the resident memory at that point; after them the
// peak of the whole run.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <memory>

#include "window/app/frmMain.h"

namespace {

double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    {
        frmMain window;
        window.show();
        benchmark::DoNotOptimize(window.design().State().Cost);
        QApplication::processEvents();
        std::printf("peak resident memory after start: %.1f MB (budget 60 MB)\n", PeakResidentMegabytes());
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("peak resident memory of the whole run: %.1f MB\n", PeakResidentMegabytes());
    return 0;
}
