#pragma once
// Driving a Design in tests as a user drives the window, by the names of its inputs and
// commands, and reading its inputs and figures back by name; a design over a test catalogue;
// and the case tables and regional settings every test program uses. Nothing here needs a
// window.
#include <QLocale>
#include <QStringList>
#include <QtTest>

#include "core/design/design.h"
#include "core/payload/rowset.h"
#include "support/testcatalogue.h"

// A user's session on a design as data.
//   "vsbMass=50" sets a spinner, "chkTurret=1" ticks a box (0 clears it), "optMotiveType=3",
//   "optEngineType=1" and "optLocation=4" choose an option, "cmdAdd", "cmdAmmoAdd",
//   "cmdRemove", "cmdClearAll", "cmdAllocateArmor", "cmdNextWeapon", "cmdPreviousWeapon",
//   "cmdAmmoNext" and "cmdAmmoPrevious" give a command, "txtVehicleName=Kestrel" types a text, "weapon=LRM 5" and "ammo=Cargo" press
//   the browser's Next until its row has that name, "weaponRow=3" and "ammoRow=1" go straight
//   to a row (from 0), "line=2" selects payload line 2.
void Drive(Design& design, const QStringList& steps);

// An input or figure by its name: "vsbMass" (the value), "vsbMass.min", ".max", ".enabled",
// "chkTurret" (1 or 0), "chkTurret.enabled", "optMotiveType", "Mass", "Cost", "TonnageOver"
// (1 or 0), "ArmorTypeName", "DesignNotes" (joined by " | "), "weapon" and "ammo" (the name of
// the browser's current row). Amounts are exact, with a period
// and no trailing zeros ("12.5", "-0.5", "831666.6667"); "<unknown>" for a name not here.
QString Figure(const Design& design, const QString& name);
// The name of one of the design's spinners, such as "vsbMass"; "<unknown>" for another.
QString SpinnerName(const Design& design, const Spinner& spinner);
// Checks as "name=expected"; the first one that fails as "check (got ...)", or an empty text.
QString FirstFailure(const Design& design, const QStringList& checks);

// Every input a design file holds and every figure, as "name=value", then the payload lines and
// records 0 to 100: the whole design, to compare two designs or one before and after. The file
// name, the selected line, the mounting location and the ammunition tonnage stay out.
QStringList DesignFigures(const Design& design);

// The first way in which the payload table, its lines and the running totals are out of step,
// or an empty text: each line shows its record, the records past the count are empty, and each
// total is the sum of its field over the records (with CASE and Ferro-Fibrous armor beside).
QString PayloadInvariantFailure(const Design& design);

// A design whose browsers walk the two tables of a test catalogue, read as the window reads
// them.
class CatalogueDesign {
public:
    explicit CatalogueDesign(const TestCatalogue& catalogue = StandardCatalogue()) : CatalogueDesign(catalogue.path()) {}
    // Over the catalogue file at `path`, such as BuiltCatalogue().
    explicit CatalogueDesign(const QString& path);
    CatalogueDesign(const CatalogueDesign&) = delete;
    CatalogueDesign& operator=(const CatalogueDesign&) = delete;

    RowSet weapons{QStringLiteral("ISWeapons"), nullptr};
    RowSet ammo{QStringLiteral("ISAmmo"), nullptr};
    Design design;
};

// The catalogue the build writes beside the programs.
QString BuiltCatalogue();

// A file's bytes, empty when it cannot be read; a file written with `bytes` (or the test stops).
QByteArray BytesOf(const QString& path);
void PutBytes(const QString& path, const QByteArray& bytes);

// An amount of tons, or of anything else counted in ten-thousandths.
inline Currency Tons(double tons) { return Currency::fromDouble(tons); }

// What the user is told when the payload refuses an item.
const QString Full = QStringLiteral("The payload is full: it holds 100 items. Remove an item before adding another.");
const QString Nameless = QStringLiteral("This row of the equipment catalogue has no name and cannot be added.");

// A design file's bytes from its physical lines.
inline QByteArray FileBytes(const QList<QByteArray>& lines) { return lines.join("\r\n") + "\r\n"; }

// The file of a design in core/files/designs, "tracked" or "new" (21 values, then 100 empty
// records), as physical lines without their CR LF; the tracked design's records begin on line 25.
inline QList<QByteArray> DesignLines(const char* design)
{
    QList<QByteArray> lines = BytesOf(QFINDTESTDATA(QStringLiteral("core/files/designs/%1.edt").arg(design))).split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) line.chop(1);
    return lines;
}

// A tracked vehicle with every kind of input: a fusion engine, a turret with items in it,
// Ferro-Fibrous armor, CASE, both Artemis IV systems, half a ton of cargo, an amount with a
// fraction, letters beyond ASCII and an overview of several lines; the window's Drive takes
// these steps too.
const QStringList TrackedDesign = {
    "optMotiveType=1", "optEngineType=1", "vsbMass=60", "vsbCruise=4", "chkTurret=1", "chkFerroFibrous=1", "chkCASE=1",
    "vsbArmorTonnage=20", "vsbFrontArmor=40", "vsbRightArmor=30", "vsbLeftArmor=30", "vsbRearArmor=20", "vsbTurretArmor=25",
    "weapon=Large Laser", "optLocation=4", "cmdAdd", "weapon=LRM 10", "optLocation=0", "cmdAdd", "weapon=SRM 2",
    "optLocation=4", "cmdAdd", "weapon=Beagle Active Probe", "cmdAdd", "ammo=Cargo", "vsbAddTonnage=1", "cmdAmmoAdd",
    "ammo=Ammo-Autocannon/5", "vsbAddTonnage=3", "cmdAmmoAdd", "chkArtemisLRM=1", "chkArtemisSRM=1", "vsbHeatSinks=16",
    "txtVehicleName=Müller-Panzer Ä", "txtManufacturer=Hallberg Werke", "txtCommSystem=Skylink 9",
    "txtTargetingSystem=Falke TT-2", "txtOverview=Line one\nLine two, with a comma\n\nLast line: Größe"};

// A VTOL with its rotor armor at the rotor's limit.
const QStringList VTOLDesign = {"optMotiveType=3", "vsbMass=20", "vsbCruise=6", "vsbArmorTonnage=4", "vsbFrontArmor=10",
                                "vsbTurretArmor=2", "txtVehicleName=Kestrel VTOL"};

// The steps after those that make a 50-ton tracked vehicle with an I.C.E. engine (15 item
// slots), the base of most payload sessions.
inline QStringList OnTracked50(const QStringList& steps) { return QStringList{"optMotiveType=1", "vsbMass=50"} + steps; }

// Pins the regional settings for the test's lifetime.
class LocaleScope {
public:
    // German (Germany) settings, or else English (United States).
    explicit LocaleScope(bool german)
    {
        QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany) : QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~LocaleScope() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

// A table of cases as the rows of a data-driven test, each row named by its case's `name`; the
// test function reads its own case with CaseOf(table).
template <class Table>
void AddCases(const Table& table)
{
    QTest::addColumn<int>("row");
    int row = 0;
    for (const auto& c : table) QTest::newRow(c.name) << row++;
}

template <class Table>
const auto& CaseOf(const Table& table)
{
    QFETCH(int, row);
    return table[row];
}
