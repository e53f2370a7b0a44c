// Single user actions on the real window, each its own benchmark.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "app/frmMain.h"

namespace {

void StartUp(benchmark::State& state)
{
    for (auto _ : state) {
        frmMain window;
        benchmark::DoNotOptimize(window.EngineRating);
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

void OneUpdateDesign(benchmark::State& state)
{
    frmMain window;
    for (auto _ : state) window.UpdateDesign();
}
BENCHMARK(OneUpdateDesign)->Unit(benchmark::kMicrosecond);

void SpinnerChange(benchmark::State& state)
{
    frmMain window;
    window.optMotiveType[1]->setChecked(true);
    window.vsbMass->setValue(60);
    window.vsbArmorTonnage->setValue(40);
    int armor = 40;
    for (auto _ : state) {
        armor = armor == 40 ? 41 : 40;
        window.vsbArmorTonnage->setValue(armor);
    }
}
BENCHMARK(SpinnerChange)->Unit(benchmark::kMicrosecond);

void HoverCascade(benchmark::State& state)
{
    frmMain window;
    window.optEngineType[2]->setChecked(true);
    window.vsbMass->setValue(50);
    for (auto _ : state) {
        state.PauseTiming();
        window.vsbMass->setValue(1);
        window.vsbCruise->setValue(1);
        state.ResumeTiming();
        window.vsbMass->setValue(50);  // the cruise speed climbs from 1 to 10
    }
}
BENCHMARK(HoverCascade)->Unit(benchmark::kMicrosecond);

void AutoAllocate(benchmark::State& state)
{
    frmMain window;
    window.optMotiveType[1]->setChecked(true);
    window.chkTurret->setChecked(true);
    window.vsbMass->setValue(80);
    for (auto _ : state) {
        state.PauseTiming();
        window.vsbArmorTonnage->setValue(window.vsbArmorTonnage->value() == 30 ? 31 : 30);
        state.ResumeTiming();
        window.cmdAllocateArmor->click();
    }
}
BENCHMARK(AutoAllocate)->Unit(benchmark::kMicrosecond);

}  // namespace
