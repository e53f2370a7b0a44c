#pragma once
// Designs for the design file and readout tests, built in the window as a user builds them, the
// file each one gives, and the File menu commands answered through their dialogs.
#include <csignal>
#include <sys/resource.h>

#include "support/filedialogs.h"
#include "support/scenario.h"
#include "support/testcatalogue.h"

// A tracked vehicle with every kind of input: a fusion engine, a turret with items in it,
// Ferro-Fibrous armor, CASE, both Artemis IV systems, half a ton of cargo, an amount with a
// fraction, letters beyond ASCII and an overview of several lines.
inline void BuildTrackedDesign(frmMain& w)
{
    UseTestCatalogue(w);
    Drive(w, {"optMotiveType_1", "optEngineType_1", "vsbMass=60", "vsbCruise=4", "chkTurret=1", "chkFerroFibrous=1",
              "chkCASE=1", "vsbArmorTonnage=20", "vsbFrontArmor=40", "vsbRightArmor=30", "vsbLeftArmor=30",
              "vsbRearArmor=20", "vsbTurretArmor=25", "weapon=Large Laser", "optLocation_4", "cmdAdd",
              "weapon=LRM 10", "optLocation_0", "cmdAdd", "weapon=SRM 2", "optLocation_4", "cmdAdd",
              "weapon=Beagle Active Probe", "cmdAdd", "cmdAddAmmo", "ammo=Cargo", "vsbAddTonnage=1", "cmdAmmoAdd",
              "ammo=Ammo-Autocannon/5", "vsbAddTonnage=3", "cmdAmmoAdd", "chkArtemisLRM=1", "chkArtemisSRM=1",
              "vsbHeatSinks=16", "txtVehicleName=Müller-Panzer Ä", "txtManufacturer=Hallberg Werke",
              "txtCommSystem=Skylink 9", "txtTargetingSystem=Falke TT-2",
              "txtOverview=Line one\nLine two, with a comma\n\nLast line: Größe"});
}

// A VTOL with its rotor armor at the rotor's limit.
inline void BuildVTOLDesign(frmMain& w)
{
    Drive(w, {"optMotiveType_3", "vsbMass=20", "vsbCruise=6", "vsbArmorTonnage=4", "vsbFrontArmor=10", "vsbTurretArmor=2",
              "txtVehicleName=Kestrel VTOL"});
}

inline QByteArray FileBytes(const QList<QByteArray>& lines) { return lines.join("\r\n") + "\r\n"; }

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// The page at `path` without its one date-time line; empty when it has not exactly one.
inline QByteArray Undated(const QString& path)
{
    QList<QByteArray> lines = ReadBytes(path).split('\n');
    return lines.removeIf([](const QByteArray& line) { return line.startsWith("Generated on "); }) == 1 ? lines.join('\n') : QByteArray();
}

// The file of a design in core/files/designs, "tracked" or "new" (21 values, then 100 empty
// records), as physical lines without their CR LF; the tracked design's records begin on line 25.
inline QList<QByteArray> DesignLines(const char* design)
{
    QList<QByteArray> lines = ReadBytes(QFINDTESTDATA(QStringLiteral("core/files/designs/%1.edt").arg(design))).split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) line.chop(1);
    return lines;
}

// What `program` writes on standard output, or what went wrong.
inline QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return program + " failed on " + arguments.join(u' ');
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of the PDF file at `path`, or of its page `page` (from 1), as pdftotext lays it out.
inline QString PdfText(const QString& path, int page = 0)
{
    const QStringList pages = page ? QStringList{"-f", QString::number(page), "-l", QString::number(page)} : QStringList();
    return Run("pdftotext", QStringList{"-layout"} + pages + QStringList{path, "-"});
}

// How many pages pdfinfo counts in the PDF file at `path`; -1 when it cannot tell.
inline int PdfPageCount(const QString& path)
{
    const QRegularExpressionMatch pages = QRegularExpression("Pages: +(\\d+)").match(Run("pdfinfo", {path}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// A menu command as a user gives it, its file dialog answered with `path`: what the dialog was
// asked to show.
inline FileRequest Answered(frmMain& w, const char* command, const QString& path)
{
    Chooser(w).Answer(path);
    Trigger(w, QString::fromLatin1(command));
    return Chooser(w).asked.value(Chooser(w).asked.size() - 1);
}

inline FileRequest Open(frmMain& w, const QString& path) { return Answered(w, "mnuFileOpen", path); }

// Runs `action` while the disk takes no more than `allowed` bytes of any one file.
template <class Action>
void WithFileSizeLimit(rlim_t allowed, Action action)
{
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit small{allowed, before.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    action();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
}

