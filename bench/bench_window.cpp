// The window on top of the design: start-up, and one input through a control, shown again.
#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "window/app/frmMain.h"

namespace {

void WindowStartUp(benchmark::State& state)
{
    for (auto _ : state) {
        frmMain window;
        benchmark::DoNotOptimize(window.design().State().EngineRating);
    }
}
BENCHMARK(WindowStartUp)->Unit(benchmark::kMillisecond)->UseRealTime();

// The armor tonnage spinner moved one step and back: the design recalculated and every control
// shown again.
void WindowSpinnerChange(benchmark::State& state)
{
    frmMain window;
    auto* armor = window.findChild<QScrollBar*>(QStringLiteral("vsbArmorTonnage"));
    for (auto _ : state) armor->setValue(armor->value() == 10 ? 11 : 10);
}
BENCHMARK(WindowSpinnerChange)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
