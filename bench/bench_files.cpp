// Reading and writing a full design file, and writing each readout of a full design.
#include <QDateTime>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/frmMain.h"
#include "app/textfile.h"
#include "benchdesigns.h"
#include "export/datetimetext.h"
#include "export/gatherreadout.h"
#include "export/readout.h"

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
BENCHMARK(ReadFullDesign)->Unit(benchmark::kMillisecond);

void WriteFullDesign(benchmark::State& state)
{
    FullDesignFile file;
    const QString copy = file.folder.filePath(QStringLiteral("copy.edt"));
    for (auto _ : state) file.window.WriteDesignFile(copy);
}
BENCHMARK(WriteFullDesign)->Unit(benchmark::kMillisecond);

void WriteReadout(benchmark::State& state, ReadoutStyle style)
{
    FullDesignFile file;
    const QString page = file.folder.filePath(QStringLiteral("readout.html"));
    for (auto _ : state) {
        LineFileWriter writer;
        if (!writer.Create(page)) state.SkipWithError("cannot create the page");
        writer.WriteLines(ReadoutLines(GatherReadout(file.window), style, DateTimeText(QDateTime::currentDateTime())));
        writer.Close();
    }
}
BENCHMARK_CAPTURE(WriteReadout, Plain, ReadoutStyle::Plain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteReadout, Site, ReadoutStyle::Site)->Unit(benchmark::kMillisecond);

}  // namespace
