// A replay of 1,000 mixed user actions on a full design; the counter gives the time per action.
#include <benchmark/benchmark.h>

#include "window/app/frmMain.h"
#include "benchdesigns.h"

namespace {

constexpr int Actions = 1000;

void Replay1000Actions(benchmark::State& state)
{
    frmMain window;
    BuildFullDesign(window);
    for (auto _ : state)
        for (int step = 0; step < Actions; ++step) PerformUserAction(window, unsigned(step));
    state.counters["per_action"] =
        benchmark::Counter(Actions, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(Replay1000Actions)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
