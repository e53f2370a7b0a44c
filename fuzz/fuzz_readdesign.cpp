// Fuzz target of the design file reader. Each input becomes a design file that a new design
// opens as the Open command does: Clear All, then the reader. Afterwards every input must lie
// within its bounds, a disabled input must be at rest, the payload's lines, records and totals
// must agree as far as the reading went, and the file must be closed; anything else aborts, so
// that libFuzzer keeps the input. No window is involved, and nothing outlives an input.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/design/design.h"

namespace {

QTemporaryDir* folder = nullptr;
QString inputPath;

[[noreturn]] void Fail(const QString& what)
{
    std::fprintf(stderr, "design reader: %s\n", qPrintable(what));
    std::abort();
}

void WriteInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(inputPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        Fail(QStringLiteral("cannot write ") + inputPath);
}

// The lowest descriptor free now: it rises when a file is left open.
int LowestFreeDescriptor()
{
    const int descriptor = ::open("/dev/null", O_RDONLY);
    ::close(descriptor);
    return descriptor;
}

int freeAtStart = 0;

void CheckInputs(const DesignState& s)
{
    const std::pair<const char*, const Spinner*> spinners[] = {
        {"vsbMass", &s.vsbMass},           {"vsbCruise", &s.vsbCruise},         {"vsbHeatSinks", &s.vsbHeatSinks},
        {"vsbArmorTonnage", &s.vsbArmorTonnage}, {"vsbFrontArmor", &s.vsbFrontArmor}, {"vsbLeftArmor", &s.vsbLeftArmor},
        {"vsbRightArmor", &s.vsbRightArmor}, {"vsbRearArmor", &s.vsbRearArmor},   {"vsbTurretArmor", &s.vsbTurretArmor},
    };
    for (const auto& [name, spinner] : spinners)
        if (spinner->value < spinner->minimum || spinner->value > spinner->maximum)
            Fail(QStringLiteral("%1 = %2 outside %3..%4").arg(name).arg(spinner->value).arg(spinner->minimum).arg(spinner->maximum));
    if (!s.vsbTurretArmor.enabled && s.vsbTurretArmor.value != 0) Fail(QStringLiteral("armor on a turret that is not there"));
    if (!s.chkTurret.enabled && s.chkTurret.checked) Fail(QStringLiteral("a turret on a vehicle without one"));
    if (s.Mass != s.vsbMass.value || s.CruiseMP != s.vsbCruise.value) Fail(QStringLiteral("mass or cruise out of step"));
}

// Every record past the count is empty; a whole reading lists every record and counts it in.
void CheckPayload(const DesignState& s, bool wholeFile)
{
    for (int k = s.PayloadCount + 1; k <= PayloadCapacity; ++k)
        if (!wholeFile && k > s.PayloadLines.size()) break;
        else if (wholeFile && !s.PayloadItems[k].isEmpty()) Fail(QStringLiteral("record %1 past the count").arg(k));
    if (!wholeFile) return;
    if (s.PayloadLines.size() != s.PayloadCount) Fail(QStringLiteral("lines and records out of step"));
    Currency tons;
    for (int k = 1; k <= s.PayloadCount; ++k) tons += s.PayloadItems[k].Tons;
    if (tons != s.PayloadTonnage) Fail(QStringLiteral("payload tonnage is not the sum of its records"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "fuzz_readdesign";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* application = new QCoreApplication(argc, argv);
    Q_UNUSED(application);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // In memory where the system offers it: the input is written and read again every time.
    folder = QDir(QStringLiteral("/dev/shm")).exists() ? new QTemporaryDir(QStringLiteral("/dev/shm/fuzz_readdesign-XXXXXX"))
                                                       : new QTemporaryDir;
    if (!folder->isValid()) Fail(QStringLiteral("no temporary folder"));
    inputPath = folder->filePath(QStringLiteral("input.edt"));
    freeAtStart = LowestFreeDescriptor();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteInput(data, size);
    const auto design = std::make_unique<Design>();
    design->Open(inputPath);
    CheckInputs(design->State());
    CheckPayload(design->State(), design->DesignFileStopLine() == 0);
    if (LowestFreeDescriptor() != freeAtStart) Fail(QStringLiteral("the design file is still open"));
    return 0;
}
