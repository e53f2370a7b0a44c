// Single user actions on the real window, each its own benchmark.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "window/app/frmMain.h"
#include "benchdesigns.h"

namespace {

void StartUp(benchmark::State& state)
{
    for (auto _ : state) {
        frmMain window;
        benchmark::DoNotOptimize(window.EngineRating);
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->UseRealTime();

void OneUpdateDesign(benchmark::State& state)
{
    frmMain window;
    for (auto _ : state) window.UpdateDesign();
}
BENCHMARK(OneUpdateDesign)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The armor tonnage spinner of the full 100-item design moved one step and back.
void SpinnerChange(benchmark::State& state)
{
    frmMain window;
    BuildFullDesign(window);
    const int armor = window.vsbArmorTonnage->value();
    for (auto _ : state)
        window.vsbArmorTonnage->setValue(window.vsbArmorTonnage->value() == armor ? armor + 1 : armor);
    if (window.PayloadCount != 100) state.SkipWithError("the design does not hold 100 items");
}
BENCHMARK(SpinnerChange)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A 50-ton Hover with Fusion XL: the user sets the cruise speed to 1 and the hover engine
// minimum raises it one point at a time back to 10.
void HoverCascade(benchmark::State& state)
{
    frmMain window;
    window.optEngineType[int(Engine::FusionXL)]->setChecked(true);
    window.vsbMass->setValue(50);
    for (auto _ : state) window.vsbCruise->setValue(1);
    if (window.vsbCruise->value() != 10) state.SkipWithError("the cruise speed did not end at 10");
}
BENCHMARK(HoverCascade)->Unit(benchmark::kMicrosecond)->UseRealTime();

void AutoAllocate(benchmark::State& state)
{
    frmMain window;
    window.optMotiveType[int(Motive::Tracked)]->setChecked(true);
    window.chkTurret->setChecked(true);
    window.vsbMass->setValue(80);
    for (auto _ : state) {
        state.PauseTiming();
        window.vsbArmorTonnage->setValue(window.vsbArmorTonnage->value() == 30 ? 31 : 30);
        state.ResumeTiming();
        window.cmdAllocateArmor->click();
    }
}
BENCHMARK(AutoAllocate)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
