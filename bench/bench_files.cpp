// Reading and writing a full design file, and writing each readout of a full design.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "window/app/frmMain.h"
#include "benchdesigns.h"
#include "core/export/readoutfile.h"

namespace {

struct FullDesignFile {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("full.edt"));
    frmMain window;
    FullDesignFile()
    {
        BuildFullDesign(window);
        window.WriteDesignFile(path);
    }
};

void ReadFullDesign(benchmark::State& state)
{
    FullDesignFile file;
    frmMain window;
    for (auto _ : state) {
        // What File > Open does once the dialog has given the path.
        window.DesignFileName = file.path;
        window.cmdClearAll_Click();
        window.ReadDesignFile(file.path);
    }
    if (window.PayloadCount != 100) state.SkipWithError("the design was not read whole");
}
BENCHMARK(ReadFullDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

void WriteFullDesign(benchmark::State& state)
{
    FullDesignFile file;
    const QString copy = file.folder.filePath(QStringLiteral("copy.edt"));
    for (auto _ : state) file.window.WriteDesignFile(copy);
}
BENCHMARK(WriteFullDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

// What either export command does once the dialog has given the path.
void WriteReadout(benchmark::State& state, ReadoutStyle style)
{
    FullDesignFile file;
    const QString page = file.folder.filePath(QStringLiteral("readout.html"));
    for (auto _ : state) {
        if (WriteReadoutFile(file.window, page, style)) continue;
        state.SkipWithError("cannot write the page");
        break;
    }
}
BENCHMARK_CAPTURE(WriteReadout, Plain, ReadoutStyle::Plain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(WriteReadout, Site, ReadoutStyle::Site)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
