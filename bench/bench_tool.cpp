// tarnwell-readout as a user runs it: one process over 1,000 design files, for plain pages and
// for record sheets. The counter gives pages a second.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "benchdesigns.h"

namespace {

constexpr int Designs = 1000;

// 1,000 copies of one tracked design with a turret, armor and a few weapons and ammunition.
struct DesignFolder {
    QTemporaryDir folder;
    QStringList files;
    DesignFolder()
    {
        const auto design = NewDesign();
        design->SetMotiveType(int(Motive::Tracked));
        design->SetEngineType(int(Engine::Fusion));
        design->SetSpinner(&DesignState::vsbMass, 60);
        design->SetSpinner(&DesignState::vsbCruise, 4);
        design->SetBox(&DesignState::chkTurret, true);
        design->SetSpinner(&DesignState::vsbArmorTonnage, 20);
        design->cmdAllocateArmor_Click();
        for (const char* weapon : {"Large Laser", "LRM 10", "SRM 2", "Medium Laser"}) {
            BrowseWeaponTo(*design, QString::fromLatin1(weapon));
            design->cmdAdd_Click();
        }
        BrowseAmmoTo(*design, QStringLiteral("Ammo-LRM 10"));
        design->cmdAmmoAdd_Click();
        const QString first = folder.filePath(QStringLiteral("tank0000.edt"));
        design->WriteDesignFile(first);
        files << first;
        for (int i = 1; i < Designs; ++i) {
            files << folder.filePath(QStringLiteral("tank%1.edt").arg(i, 4, 10, QLatin1Char('0')));
            QFile::copy(first, files.last());
        }
    }
};

void ReadoutTool(benchmark::State& state, const char* style)
{
    static DesignFolder designs;
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tarnwell-readout"));
    QTemporaryDir out;
    for (auto _ : state) {
        QProcess tool;
        tool.start(program, QStringList{QStringLiteral("--style"), QLatin1String(style), QStringLiteral("--out"), out.path()} +
                                designs.files);
        if (!tool.waitForFinished(600000) || tool.exitCode() != 0) {
            state.SkipWithError("tarnwell-readout failed");
            break;
        }
    }
    state.counters["pages_per_second"] = benchmark::Counter(Designs, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK_CAPTURE(ReadoutTool, Plain, "plain")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(ReadoutTool, Sheet, "sheet")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
