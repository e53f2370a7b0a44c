// Clear All on a full payload.
#include <QPushButton>
#include <benchmark/benchmark.h>

#include "window/app/frmMain.h"
#include "benchdesigns.h"

namespace {

void ClearAll100(benchmark::State& state)
{
    frmMain window;
    for (auto _ : state) {
        state.PauseTiming();
        BuildFullDesign(window);
        if (window.PayloadCount != 100) state.SkipWithError("the design does not hold 100 items");
        state.ResumeTiming();
        window.cmdClearAll->click();
    }
}
BENCHMARK(ClearAll100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
