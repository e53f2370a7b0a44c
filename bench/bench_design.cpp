// The design without a window: a new design, the recalculation after one input, the cascades,
// the payload operations, design files and readouts.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "benchdesigns.h"
#include "core/export/readoutfile.h"

namespace {

void NewDesignStartUp(benchmark::State& state)
{
    for (auto _ : state) {
        Design design;
        benchmark::DoNotOptimize(design.State().EngineRating);
    }
}
BENCHMARK(NewDesignStartUp)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The whole recalculation after one input: the armor tonnage of the full 100-item design moved
// one step and back.
void RecalculateAfterInput(benchmark::State& state)
{
    const auto design = NewDesign();
    BuildFullDesign(*design);
    const int armor = design->State().vsbArmorTonnage.value;
    for (auto _ : state)
        design->SetSpinner(&DesignState::vsbArmorTonnage, design->State().vsbArmorTonnage.value == armor ? armor + 1 : armor);
    if (design->State().PayloadCount != 100) state.SkipWithError("the design does not hold 100 items");
}
BENCHMARK(RecalculateAfterInput)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A 50-ton Hover with Fusion XL: the cruise speed set to 1, which the hover engine minimum
// raises one point at a time back to 10.
void HoverCascade(benchmark::State& state)
{
    Design design;
    design.SetEngineType(int(Engine::FusionXL));
    design.SetSpinner(&DesignState::vsbMass, 50);
    for (auto _ : state) design.SetSpinner(&DesignState::vsbCruise, 1);
    if (design.State().vsbCruise.value != 10) state.SkipWithError("the cruise speed did not end at 10");
}
BENCHMARK(HoverCascade)->Unit(benchmark::kMicrosecond)->UseRealTime();

void AutoAllocate(benchmark::State& state)
{
    Design design;
    design.SetMotiveType(int(Motive::Tracked));
    design.SetBox(&DesignState::chkTurret, true);
    design.SetSpinner(&DesignState::vsbMass, 80);
    for (auto _ : state) {
        state.PauseTiming();
        design.SetSpinner(&DesignState::vsbArmorTonnage, design.State().vsbArmorTonnage.value == 30 ? 31 : 30);
        state.ResumeTiming();
        design.cmdAllocateArmor_Click();
    }
}
BENCHMARK(AutoAllocate)->Unit(benchmark::kMicrosecond)->UseRealTime();

void ClearAll100(benchmark::State& state)
{
    const auto design = NewDesign();
    for (auto _ : state) {
        state.PauseTiming();
        BuildFullDesign(*design);
        if (design->State().PayloadCount != 100) state.SkipWithError("the design does not hold 100 items");
        state.ResumeTiming();
        design->cmdClearAll_Click();
    }
}
BENCHMARK(ClearAll100)->Unit(benchmark::kMicrosecond)->UseRealTime();

constexpr int Actions = 1000;

void Replay1000Actions(benchmark::State& state)
{
    const auto design = NewDesign();
    BuildFullDesign(*design);
    for (auto _ : state)
        for (int step = 0; step < Actions; ++step) PerformUserAction(*design, unsigned(step));
    state.counters["per_action"] =
        benchmark::Counter(Actions, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(Replay1000Actions)->Unit(benchmark::kMillisecond)->UseRealTime();

struct FullDesignFile {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("full.edt"));
    std::unique_ptr<Design> design = NewDesign();
    FullDesignFile()
    {
        BuildFullDesign(*design);
        design->WriteDesignFile(path);
    }
};

void OpenFullDesign(benchmark::State& state)
{
    FullDesignFile file;
    for (auto _ : state) {
        Design design;
        design.Open(file.path);
        if (design.State().PayloadCount != 100) state.SkipWithError("the design was not read whole");
    }
}
BENCHMARK(OpenFullDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

void WriteFullDesign(benchmark::State& state)
{
    FullDesignFile file;
    const QString copy = file.folder.filePath(QStringLiteral("copy.edt"));
    for (auto _ : state) file.design->WriteDesignFile(copy);
}
BENCHMARK(WriteFullDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

void WriteReadout(benchmark::State& state, ReadoutStyle style)
{
    FullDesignFile file;
    const QString page = file.folder.filePath(QStringLiteral("readout.html"));
    for (auto _ : state) {
        if (WriteReadoutFile(*file.design, page, style)) continue;
        state.SkipWithError("cannot write the page");
        break;
    }
}
BENCHMARK_CAPTURE(WriteReadout, Plain, ReadoutStyle::Plain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(WriteReadout, Site, ReadoutStyle::Site)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
