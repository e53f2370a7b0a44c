// The payload of a design. Sessions of browsing, mounting, ammunition and cargo, Artemis IV,
// CASE, Remove, Clear All and the turret taking its items with it; refusals (a full table, a
// nameless row, ammunition without a price) that leave the design as it was and are told. After
// each, the lines show the table, the records past the count are empty and every total is the
// sum over the records. And the fixed columns of the payload lines.
#include "support/designdriver.h"

#include "core/payload/payloadline.h"

namespace {

// Two LRM launchers, in the front and in the turret.
const QStringList TwoLRM = OnTracked50({"chkTurret=1", "weapon=LRM 5", "optLocation=0", "cmdAdd", "optLocation=4", "cmdAdd"});

// What the user is told.

// The payload lines as "name|heat|tons|location", read by column.
QStringList ShownItems(const Design& design)
{
    QStringList items;
    for (const QString& line : design.State().PayloadLines)
        items << QStringList{line.left(PayloadNameWidth).trimmed(), line.mid(PayloadNameWidth, PayloadNumberWidth).trimmed(),
                             line.mid(PayloadNameWidth + PayloadNumberWidth, PayloadNumberWidth).trimmed(),
                             line.mid(PayloadNameWidth + 2 * PayloadNumberWidth)}
                     .join(QLatin1Char('|'));
    return items;
}

// Sessions over the standard test catalogue or one of their own (first rows before any move,
// wrapping, empty tables, rows the payload cannot take, the regional number form of a price):
// checks of the design afterwards, what the user was told and the payload lines. A new design
// has 5 item slots, OnTracked50 15.
struct PayloadScenario {
    const char* name;
    QStringList steps, checks, notices, items;
    QList<CatalogueWeapon> weapons = StandardWeapons();
    QList<CatalogueAmmo> ammo = StandardAmmo();
    bool german = false;
};

const QList<PayloadScenario> Sessions = {
    {"leaving half tons keeps the spinner in range; the spinner alone changes nothing",
     {"ammo=Cargo", "vsbAddTonnage=150", "cmdAmmoNext", "cmdAmmoNext"},
     {"vsbAddTonnage=100", "vsbAddTonnage.max=100", "ammo=Ammo-SRM 2", "Cost=20570", "TonnageRemaining=-1.5"}, {}, {}},
    {"straight to a row takes its tonnage step; a row not there moves nothing",
     {"ammoRow=1", "vsbAddTonnage=150", "ammoRow=5", "ammoRow=-1", "weaponRow=7", "weaponRow=10"},
     {"ammo=Cargo", "vsbAddTonnage=150", "vsbAddTonnage.max=200", "weapon=LRM 10"}, {}, {}},
    {"only the five location buttons", OnTracked50({"optLocation=3", "optLocation=5", "optLocation=-1", "weapon=Machine Gun", "cmdAdd"}),
     {"optLocation=3"}, {}, {"Machine Gun|0|0.5|Left"}},
    {"cargo in half tons", {"ammo=Cargo", "vsbAddTonnage=5", "cmdAmmoAdd"},
     {"PayloadCost=2500", "PayloadTonnage=2.5", "ItemsFree=4", "PayloadHeat=0"}, {}, {"Cargo|0|2.5|Body"}},
    {"one slot per press, a hundred tons too", {"ammo=Ammo-SRM 2", "vsbAddTonnage=100", "cmdAmmoAdd", "cmdAmmoAdd"},
     {"PayloadCost=5400000", "ItemsFree=3", "vsbAddTonnage=100",
      "DesignNotes=Ammo-SRM 2: no mounted weapon fires it | No armor | Tonnage over by 201.5 tons"},
     {}, QStringList(2, "Ammo-SRM 2|0|100.0|Body")},
    {"energy weapon in the turret", OnTracked50({"chkTurret=1", "weapon=Medium Laser", "optLocation=4", "cmdAdd"}),
     {"PayloadCost=40000", "EnergyWeaponTonnage=1", "TurretWeaponTonnage=1", "TurretTonnage=0.5", "PowerAmpTonnage=0.1",
      "vsbHeatSinks=3"},
     {}, {"Medium Laser|3|1.0|Turret"}},
    {"electronics go in the body, TAG where chosen",
     OnTracked50({"chkTurret=1", "optLocation=4", "weapon=Beagle Active Probe", "cmdAdd", "weapon=TAG", "cmdAdd"}),
     {"optLocation=4", "TurretTonnage=0.5", "TurretWeaponTonnage=1", "EnergyWeaponTonnage=0"}, {},
     {"Beagle Active Probe|0|1.5|Body", "TAG|0|1.0|Turret"}},
    {"beyond the tonnage and the item slots", QStringList{"weapon=Machine Gun"} + QStringList(6, "cmdAdd"),
     {"ItemsFree=-1", "TonnageRemaining=-4.5", "TonnageOver=1",
      "DesignNotes=No armor | Tonnage over by 4.5 tons | Item slots over by 1"},
     {}, QStringList(6, "Machine Gun|0|0.5|Front")},
    {"off again gives them back and leaves the other family",
     TwoLRM + QStringList{"weapon=SRM 2", "optLocation=1", "cmdAdd", "chkArtemisSRM=1", "chkArtemisLRM=1", "chkArtemisLRM=0"},
     {"PayloadCost=170000", "ItemsFree=11", "TurretTonnage=0.5"}, {},
     {"LRM 5|2|2.0|Front", "LRM 5|2|2.0|Turret", "SRM 2|2|1.0|Rear", "Artemis IV - SRM|0|1.0|Rear"}},
    {"a third launcher with Artemis IV fitted", TwoLRM + QStringList{"chkArtemisLRM=1", "weapon=LRM 10", "optLocation=2", "cmdAdd"},
     {"PayloadCost=460000", "ItemsFree=9", "chkArtemisLRM=1"}, {},
     {"LRM 5|2|2.0|Front", "LRM 5|2|2.0|Turret", "LRM 10|4|5.0|Right", "Artemis IV - LRM|0|1.0|Front",
      "Artemis IV - LRM|0|1.0|Turret", "Artemis IV - LRM|0|1.0|Right"}},
    {"each family re-applies its own lines; LRM later in a name is no launcher",
     OnTracked50({"chkArtemisSRM=1", "chkArtemisLRM=1", "weapon=SRM 2", "cmdAdd", "weapon=LRM 5", "optLocation=1", "cmdAdd",
                  "weapon=Rocket Pod LRM", "cmdAdd", "weapon=SRM 2", "optLocation=3", "cmdAdd"}),
     {"PayloadCost=365000"}, {},
     {"SRM 2|2|1.0|Front", "LRM 5|2|2.0|Rear", "Artemis IV - LRM|0|1.0|Rear", "Rocket Pod LRM|1|1.5|Rear", "SRM 2|2|1.0|Left",
      "Artemis IV - SRM|0|1.0|Front", "Artemis IV - SRM|0|1.0|Left"}},
    {"removing a launcher leaves its line; a line removed by hand gives back its ton, price and slot",
     OnTracked50({"weapon=LRM 5", "cmdAdd", "weapon=LRM 10", "optLocation=1", "cmdAdd", "chkArtemisLRM=1", "line=1", "cmdRemove",
                  "line=3", "cmdRemove"}),
     {"PayloadCost=200000", "ItemsFree=13", "chkArtemisLRM=1", "SelectedLine=-1"}, {},
     {"LRM 10|4|5.0|Rear", "Artemis IV - LRM|0|1.0|Front"}},
    {"Artemis IV lines without their launchers are noted",
     TwoLRM + QStringList{"chkArtemisLRM=1", "line=1", "cmdRemove", "line=1", "cmdRemove", "vsbArmorTonnage=1", "cmdAllocateArmor"},
     {"DesignNotes=Artemis IV - LRM: no LRM launcher left"}, {},
     {"Artemis IV - LRM|0|1.0|Front", "Artemis IV - LRM|0|1.0|Turret"}},
    // 20,166.6667 and the price of CASE, times 1.02.
    {"CASE on", {"chkCASE=1"}, {"PayloadCost=50000", "CASETonnage=0.5", "TonnageRemaining=-2", "Cost=71570", "ItemsFree=5"}, {}, {}},
    {"the header and no line remove nothing, the last item goes, a second press removes nothing more",
     OnTracked50({"weapon=Medium Laser", "cmdAdd", "weapon=LRM 5", "cmdAdd", "line=0", "cmdRemove", "line=-1", "cmdRemove", "line=2",
                  "cmdRemove", "cmdRemove"}),
     {"PayloadCost=40000", "PayloadCount=1"}, {}, {"Medium Laser|3|1.0|Front"}},
    {"clear all on ten items keeps CASE and the boxes",
     OnTracked50(QStringList{"chkCASE=1", "chkFerroFibrous=1", "chkArtemisLRM=1", "weapon=Large Laser", "cmdAdd", "weapon=LRM 5",
                             "cmdAdd", "weapon=Machine Gun"} + QStringList(7, "cmdAdd") + QStringList{"cmdClearAll"}),
     {"PayloadCost=50000", "vsbHeatSinks=0", "HeatSinks=0", "PayloadTonnage=0", "PayloadCount=0", "chkCASE=1", "chkArtemisLRM=1",
      "chkFerroFibrous=1", "ItemsFree=13", "SelectedLine=-1"},
     {}, {}},
    {"clear all keeps the heat sinks a fusion engine brings", OnTracked50({"optEngineType=1", "vsbHeatSinks=15", "cmdClearAll"}),
     {"vsbHeatSinks=10", "HeatSinks=10"}, {}, {}},
    {"no turret takes its items and Artemis IV lines", TwoLRM + QStringList{"chkArtemisLRM=1", "chkTurret=0"},
     {"PayloadCost=130000", "ItemsFree=13", "TurretTonnage=0", "TurretWeaponTonnage=0", "optLocation=0", "turretLocationEnabled=0"}, {}, {"LRM 5|2|2.0|Front", "Artemis IV - LRM|0|1.0|Front"}},
    {"a full table refuses a weapon and ammunition",
     QStringList(99, "cmdAmmoAdd") + QStringList{"weapon=Medium Laser", "cmdAdd", "cmdAdd", "cmdAmmoAdd"},
     {"PayloadCount=100"}, {Full, Full}, QStringList(99, "Ammo-LRM 5|0|1.0|Body") + QStringList{"Medium Laser|3|1.0|Front"}},
    {"the hundredth item goes like any other", QStringList(99, "cmdAmmoAdd") + QStringList{"weapon=Medium Laser", "cmdAdd", "line=100", "cmdRemove"},
     {"PayloadCount=99", "EnergyWeaponTonnage=0"}, {}, QStringList(99, "Ammo-LRM 5|0|1.0|Body")},
    {"three launchers, room for two Artemis IV lines: the first two get theirs",
     QStringList(95, "cmdAmmoAdd") + QStringList{"weapon=LRM 5", "optLocation=1", "cmdAdd", "optLocation=2", "cmdAdd", "optLocation=3", "cmdAdd",
                                           "chkArtemisLRM=1"},
     {"PayloadCount=100", "chkArtemisLRM=1"}, {Full},
     QStringList(95, "Ammo-LRM 5|0|1.0|Body") + QStringList{"LRM 5|2|2.0|Rear", "LRM 5|2|2.0|Right", "LRM 5|2|2.0|Left",
                                                      "Artemis IV - LRM|0|1.0|Rear", "Artemis IV - LRM|0|1.0|Right"}},
    {"whole tons before any move", {"vsbAddTonnage=3", "cmdAmmoAdd"}, {"vsbAddTonnage.max=100", "PayloadTonnage=3", "PayloadCost=3000"},
     {}, {"Cargo|0|3.0|Body"}, {{"TAG", "Electronics", 1, std::nullopt, 50000}}, {{"Cargo", "Cargo", 0, 1000}}},
    {"wrap-around at both ends", {"cmdPreviousWeapon", "cmdAmmoPrevious", "cmdAmmoPrevious"},
     {"weapon=Autocannon/5", "ammo=Ammo-SRM 2"}, {}, {}},
    {"empty tables", {"cmdNextWeapon", "cmdAmmoNext", "cmdAdd", "cmdAmmoAdd"}, {"PayloadCount=0", "weapon=", "ammo="}, {}, {}, {}, {}},
    {"a row without a name is refused", {"cmdAdd", "cmdAmmoAdd"}, {"PayloadCount=0", "ItemsFree=5"}, {Nameless, Nameless}, {},
     {{"", "Energy", 1, 3, 40000}}, {{"", "Missile", 24, 30000}}},
    {"ammunition without a price is refused", {"cmdAmmoAdd"}, {"PayloadCount=0", "PayloadCost=0"},
     {"\"Ammo-Gauss\" has no price per ton and cannot be added."}, {}, StandardWeapons(),
     {{"Ammo-Gauss", "Ballistic", 8, std::nullopt}}},
    {"a price in German", {"ammo=Ammo-Autocannon/5", "vsbAddTonnage=2", "cmdAmmoAdd", "vsbAddTonnage=5", "ammo=Cargo"},
     {"PayloadCost=9025", "PayloadTonnage=2", "vsbAddTonnage=5", "vsbAddTonnage.max=200"}, {}, {"Ammo-Autocannon/5|0|2,0|Body"},
     StandardWeapons(), StandardAmmo(), true},
};

// Payload lines with their columns filled and overfilled; an empty name stands for the header.
const struct { const char* name; bool german; const char* item; int heat; double tons; const char* line; } Lines[] = {
    {"header", false, "", 0, 0, "Type:                       Heat: Tons: Loc.:"},
    {"a column filled", false, "Gauss Rifle", 1, 12.5, "Gauss Rifle                 1     12.5  Front"},
    {"28-character name", false, "Extended Range Large Laser X", 12, 7, "Extended Range Large Laser X12    7.0   Front"},
    {"heat wider than its column", false, "Plasma Vent", 10000, 1, "Plasma Vent                 10,0001.0   Front"},
    {"German tons wider than its column", true, "Cargo", 0, 1000.5, "Cargo                       0     1.000,5Front"},
};

}  // namespace

class PayloadTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void sessions_data() { AddCases(Sessions); }
    void sessions()
    {
        const PayloadScenario& c = CaseOf(Sessions);
        const LocaleScope locale(c.german);
        const TestCatalogue catalogue(c.weapons, c.ammo);
        CatalogueDesign bench(catalogue);
        Drive(bench.design, c.steps);
        QCOMPARE(FirstFailure(bench.design, c.checks), QString());
        QCOMPARE(bench.design.TakeNotices(), c.notices);
        QCOMPARE(ShownItems(bench.design), c.items);
        QCOMPARE(PayloadInvariantFailure(bench.design), QString());
    }

    // An add whose heat would leave 16 bits throws, and the design stays as it was, to the last
    // figure and record.
    void heatOverflowChangesNothing()
    {
        const TestCatalogue catalogue({{"Plasma Vent", "Energy", 1, 20000, 1000}}, StandardAmmo());
        CatalogueDesign bench(catalogue);
        Drive(bench.design, {"cmdAdd"});
        const QStringList figures = DesignFigures(bench.design);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, bench.design.cmdAdd_Click());
        QCOMPARE(DesignFigures(bench.design), figures);
    }

    void lineColumns_data() { AddCases(Lines); }
    void lineColumns()
    {
        const auto& [name, german, item, heat, tons, line] = CaseOf(Lines);
        const LocaleScope locale(german);
        const PayloadItem shown{"Missile", item, heat, Currency::fromDouble(tons), "Front", {}, {}};
        QCOMPARE(*item ? FormatPayloadLine(shown) : PayloadHeaderLine(), QString::fromLatin1(line));
    }
};

QTEST_GUILESS_MAIN(PayloadTest)
#include "test_payload.moc"
