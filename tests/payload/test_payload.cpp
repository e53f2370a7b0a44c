// The payload through the window. Sessions of browsing, mounting, ammunition and cargo, Artemis
// IV, CASE, Remove, Clear All and the turret taking its items with it, compared with what the
// window shows; long seeded runs of random actions; full tables of a hundred items, which refuse
// an add with nothing changed and the user told, and where Artemis IV adds only the lines that
// fit. After each, the list shows the table, the records past the count are empty and every
// total is the sum over the records. And the fixed columns of the payload lines.
#include "support/testsupport.h"

#include "core/payload/payloadline.h"

namespace {

// Two LRM launchers, in the front and in the turret.
const QStringList TwoLRM = OnTracked50({"chkTurret=1", "weapon=LRM 5", "optLocation_0", "cmdAdd", "optLocation_4", "cmdAdd"});

QStringList Times(int n, const char* step) { return QStringList(n, QString::fromLatin1(step)); }

// The steps of one random action. Adds outweigh removals, so that runs fill the table now and then.
QStringList RandomAction(frmMain& w, QRandomGenerator& random)
{
    const auto pick = [&](qsizetype n) { return int(random.bounded(int(n))); };
    const int roll = pick(100);
    if (roll < 38)
        return {"weapon=" + StandardWeapons()[pick(StandardWeapons().size())].type,
                QStringLiteral("optLocation_%1").arg(pick(w.optLocation[4]->isEnabled() ? 5 : 4)), "cmdAdd"};
    if (roll < 58)
        return {"ammo=" + StandardAmmo()[pick(StandardAmmo().size())].type, QStringLiteral("vsbAddTonnage=%1").arg(1 + pick(100)),
                "cmdAmmoAdd"};
    if (roll < 84) {
        const QString box = QStringList{"chkArtemisLRM", "chkArtemisLRM", "chkArtemisSRM", "chkCASE", "chkFerroFibrous", "chkTurret"}[pick(6)];
        return {QStringLiteral("%1=%2").arg(box).arg(int(!Control<QCheckBox>(w, box)->isChecked()))};
    }
    if (roll < 86) return {QStringLiteral("optMotiveType_%1").arg(pick(4))};
    if (roll < 97) return {QStringLiteral("line=%1").arg(pick(w.lstPayload->count())), "cmdRemove"};
    if (roll < 98) w.lstPayload->clearSelection();  // the current line stays, but it is not selected
    return {roll < 98 ? "cmdRemove" : "cmdClearAll"};
}

// What the user is told when the table is full.
const QString Full = QStringLiteral("msgPayloadNotice.text=The payload is full: it holds 100 items. Remove an item before adding another.");

// The payload list's lines 1.. as "name|heat|tons|location", read by column.
QStringList ShownItems(const frmMain& window)
{
    QStringList items;
    const QStringList lines = PayloadLines(window);
    for (int k = 1; k < lines.size(); ++k) {
        const QString& line = lines[k];
        items << QStringList{line.left(PayloadNameWidth).trimmed(), line.mid(PayloadNameWidth, PayloadNumberWidth).trimmed(),
                             line.mid(PayloadNameWidth + PayloadNumberWidth, PayloadNumberWidth).trimmed(),
                             line.mid(PayloadNameWidth + 2 * PayloadNumberWidth)}
                     .join(QLatin1Char('|'));
    }
    return items;
}

// Sessions over the standard test catalogue: checks of the window afterwards and the payload
// list's lines. The default design has 5 item slots, OnTracked50 15.
struct PayloadScenario {
    const char* name;
    QStringList steps, checks, items;
};

const QList<PayloadScenario> Sessions = {
    {"leaving half tons keeps the spinner in range; the spinner alone changes nothing",
     {"ammo=Cargo", "vsbAddTonnage=150", "cmdAmmoNext", "cmdAmmoNext"},
     {"vsbAddTonnage=100", "vsbAddTonnage.max=100", "lblAddTonnage=100", "lblCost=20,570", "lblTonnageRemaining=-1.5"}, {}},
    {"cargo in half tons", {"ammo=Cargo", "vsbAddTonnage=5", "cmdAmmoAdd"},
     {"lblAddTonnage=2.5", "PayloadCost=2500", "lblPayloadTonnage=2.5", "lblItemsFree=4"}, {"Cargo|0|2.5|Body"}},
    {"one slot per press, a hundred tons too", {"ammo=Ammo-SRM 2", "vsbAddTonnage=100", "cmdAmmoAdd", "cmdAmmoAdd"},
     {"PayloadCost=5400000", "lblItemsFree=3", "vsbAddTonnage=100"}, Times(2, "Ammo-SRM 2|0|100.0|Body")},
    {"a price per ton with a fraction", {"ammo=Ammo-Autocannon/5", "vsbAddTonnage=3", "cmdAmmoAdd"}, {"PayloadCost=13537.5"},
     {"Ammo-Autocannon/5|0|3.0|Body"}},
    {"energy weapon in the turret", OnTracked50({"chkTurret=1", "weapon=Medium Laser", "optLocation_4", "cmdAdd"}),
     {"PayloadCost=40000", "EnergyWeaponTonnage=1", "lblTurretTonnage=0.5", "lblPowerAmplifiers=0.1", "vsbHeatSinks=3"},
     {"Medium Laser|3|1.0|Turret"}},
    {"electronics go in the body, TAG where chosen",
     OnTracked50({"chkTurret=1", "optLocation_4", "weapon=Beagle Active Probe", "cmdAdd", "weapon=TAG", "cmdAdd"}),
     {"optLocation_4=1", "lblTurretTonnage=0.5", "EnergyWeaponTonnage=0"}, {"Beagle Active Probe|0|1.5|Body", "TAG|0|1.0|Turret"}},
    {"an empty heat mounts as none, the same row again", OnTracked50({"weapon=Machine Gun", "optLocation_1", "cmdAdd", "cmdAdd"}),
     {"lblHeat=N/A", "optLocation_1=1", "PayloadCost=10000", "lblItemsFree=13"}, Times(2, "Machine Gun|0|0.5|Rear")},
    {"beyond the tonnage and the item slots", QStringList{"weapon=Machine Gun"} + Times(6, "cmdAdd"),
     {"lblItemsFree=-1", "lblItemsFree:red", "lblTonnageRemaining=-4.5", "lblTonnageRemaining:red"}, Times(6, "Machine Gun|0|0.5|Front")},
    {"two launchers get two Artemis IV lines", TwoLRM + QStringList{"chkArtemisLRM=1"},
     {"PayloadCost=260000", "lblItemsFree=11", "lblTurretTonnage=0.5", "lblPayloadTonnage=6.0"},
     {"LRM 5|2|2.0|Front", "LRM 5|2|2.0|Turret", "Artemis IV - LRM|0|1.0|Front", "Artemis IV - LRM|0|1.0|Turret"}},
    {"off again gives them back and leaves the other family",
     TwoLRM + QStringList{"weapon=SRM 2", "optLocation_1", "cmdAdd", "chkArtemisSRM=1", "chkArtemisLRM=1", "chkArtemisLRM=0"},
     {"PayloadCost=170000", "lblItemsFree=11", "lblTurretTonnage=0.5"},
     {"LRM 5|2|2.0|Front", "LRM 5|2|2.0|Turret", "SRM 2|2|1.0|Rear", "Artemis IV - SRM|0|1.0|Rear"}},
    {"a third launcher with Artemis IV fitted", TwoLRM + QStringList{"chkArtemisLRM=1", "weapon=LRM 10", "optLocation_2", "cmdAdd"},
     {"PayloadCost=460000", "lblItemsFree=9", "chkArtemisLRM=1"},
     {"LRM 5|2|2.0|Front", "LRM 5|2|2.0|Turret", "LRM 10|4|5.0|Right", "Artemis IV - LRM|0|1.0|Front",
      "Artemis IV - LRM|0|1.0|Turret", "Artemis IV - LRM|0|1.0|Right"}},
    {"each family re-applies its own lines; LRM later in a name is no launcher",
     OnTracked50({"chkArtemisSRM=1", "chkArtemisLRM=1", "weapon=SRM 2", "cmdAdd", "weapon=LRM 5", "optLocation_1", "cmdAdd",
                  "weapon=Rocket Pod LRM", "cmdAdd", "weapon=SRM 2", "optLocation_3", "cmdAdd"}),
     {"PayloadCost=365000"}, {"SRM 2|2|1.0|Front", "LRM 5|2|2.0|Rear", "Artemis IV - LRM|0|1.0|Rear", "Rocket Pod LRM|1|1.5|Rear",
                              "SRM 2|2|1.0|Left", "Artemis IV - SRM|0|1.0|Front", "Artemis IV - SRM|0|1.0|Left"}},
    {"no launcher, no Artemis IV line", {"chkArtemisLRM=1", "chkArtemisSRM=1"}, {"lblCost=20,570", "lblItemsFree=5"}, {}},
    {"removing a launcher leaves its line; a line removed by hand gives back its ton, price and slot",
     OnTracked50({"weapon=LRM 5", "cmdAdd", "weapon=LRM 10", "optLocation_1", "cmdAdd", "chkArtemisLRM=1", "line=1", "cmdRemove",
                  "line=3", "cmdRemove"}),
     {"PayloadCost=200000", "lblItemsFree=13", "chkArtemisLRM=1"}, {"LRM 10|4|5.0|Rear", "Artemis IV - LRM|0|1.0|Front"}},
    {"CASE on", {"chkCASE=1"}, {"PayloadCost=50000", "CASETonnage=0.5", "lblTonnageRemaining=-2.0", "lblCost=71,570", "lblItemsFree=5"}, {}},
    {"removing an energy weapon in the turret",
     OnTracked50({"chkTurret=1", "weapon=Medium Laser", "optLocation_4", "cmdAdd", "weapon=LRM 5", "optLocation_0", "cmdAdd",
                  "weapon=Large Laser", "optLocation_4", "cmdAdd", "line=1", "cmdRemove"}),
     {"PayloadCost=130000", "EnergyWeaponTonnage=5", "lblItemsFree=13", "lblPowerAmplifiers=0.5"},
     {"LRM 5|2|2.0|Front", "Large Laser|8|5.0|Turret"}},
    {"the header removes nothing, the last item goes, a second press removes nothing more",
     OnTracked50({"weapon=Medium Laser", "cmdAdd", "weapon=LRM 5", "cmdAdd", "line=0", "cmdRemove", "line=2", "cmdRemove", "cmdRemove"}),
     {"PayloadCost=40000"}, {"Medium Laser|3|1.0|Front"}},
    {"clear all on ten items keeps CASE and the boxes",
     OnTracked50(QStringList{"chkCASE=1", "chkFerroFibrous=1", "chkArtemisLRM=1", "weapon=Large Laser", "cmdAdd", "weapon=LRM 5",
                             "cmdAdd", "weapon=Machine Gun"} + Times(7, "cmdAdd") + QStringList{"cmdClearAll"}),
     {"PayloadCost=50000", "vsbHeatSinks=0", "lblHeatSinks=0", "lblPayloadTonnage=0.0", "chkCASE=1", "chkArtemisLRM=1",
      "chkFerroFibrous=1", "lblItemsFree=13"}, {}},
    {"clear all on an empty payload resets the heat sinks", OnTracked50({"vsbHeatSinks=5", "cmdClearAll"}), {"vsbHeatSinks=0"}, {}},
    {"no turret, no turret items",
     OnTracked50({"chkTurret=1", "weapon=Medium Laser", "optLocation_4", "cmdAdd", "weapon=LRM 5", "optLocation_0", "cmdAdd",
                  "weapon=SRM 2", "optLocation_4", "cmdAdd", "weapon=Large Laser", "cmdAdd", "weapon=Machine Gun",
                  "optLocation_1", "cmdAdd", "chkTurret=0"}),
     {"PayloadCost=35000", "lblTurretTonnage=0.0", "optLocation_0=1", "optLocation_4.enabled=0"},
     {"LRM 5|2|2.0|Front", "Machine Gun|0|0.5|Rear"}},
    {"no turret takes its Artemis IV lines too", TwoLRM + QStringList{"chkArtemisLRM=1", "chkTurret=0"},
     {"PayloadCost=130000", "lblItemsFree=13"}, {"LRM 5|2|2.0|Front", "Artemis IV - LRM|0|1.0|Front"}},
    {"a full table refuses a weapon and ammunition",
     Times(99, "cmdAmmoAdd") + QStringList{"weapon=Medium Laser", "cmdAdd", "cmdAdd", "cmdAmmoAdd"},
     {"PayloadCount=100", Full}, Times(99, "Ammo-LRM 5|0|1.0|Body") + QStringList{"Medium Laser|3|1.0|Front"}},
    {"the hundredth item goes like any other", Times(99, "cmdAmmoAdd") + QStringList{"weapon=Medium Laser", "cmdAdd", "line=100", "cmdRemove"},
     {"PayloadCount=99", "EnergyWeaponTonnage=0", "msgPayloadNotice.text=<no control>"}, Times(99, "Ammo-LRM 5|0|1.0|Body")},
    {"three launchers, room for two Artemis IV lines: the first two get theirs",
     Times(95, "cmdAmmoAdd") + QStringList{"weapon=LRM 5", "optLocation_1", "cmdAdd", "optLocation_2", "cmdAdd", "optLocation_3", "cmdAdd",
                                           "chkArtemisLRM=1"},
     {"PayloadCount=100", Full}, Times(95, "Ammo-LRM 5|0|1.0|Body") + QStringList{"LRM 5|2|2.0|Rear", "LRM 5|2|2.0|Right", "LRM 5|2|2.0|Left",
                                                                                 "Artemis IV - LRM|0|1.0|Rear", "Artemis IV - LRM|0|1.0|Right"}},
    {"those two go again", Times(95, "cmdAmmoAdd") + QStringList{"weapon=LRM 5", "optLocation_1", "cmdAdd", "optLocation_2", "cmdAdd",
                                                                "optLocation_3", "cmdAdd", "chkArtemisLRM=1", "chkArtemisLRM=0"},
     {"PayloadCount=98"}, Times(95, "Ammo-LRM 5|0|1.0|Body") + QStringList{"LRM 5|2|2.0|Rear", "LRM 5|2|2.0|Right", "LRM 5|2|2.0|Left"}},
};

struct OwnCatalogue {
    const char* name;
    bool german;
    QList<CatalogueWeapon> weapons;
    QList<CatalogueAmmo> ammo;
    QStringList steps, checks;
};

const QList<OwnCatalogue> OwnCatalogues = {
    {"no N/A and whole tons before any move", false, {{"TAG", "Electronics", 1, std::nullopt, 50000}}, {{"Cargo", "Cargo", 0, 1000}},
     {"vsbAddTonnage=3", "cmdAmmoAdd"}, {"lblHeat=", "lblAddTonnage=3", "vsbAddTonnage.max=100", "PayloadTonnage=3", "PayloadCost=3000"}},
    {"a single row stays put", false, {{"ER PPC", "Energy", 7, 15, 300000}}, {{"Ammo-LRM 5", "Missile", 24, 30000}},
     {"cmdNextWeapon", "cmdPreviousWeapon", "cmdAmmoNext", "cmdAmmoPrevious"}, {"lblName=ER PPC", "lblHeat=15", "lblAmmoType=Ammo-LRM 5"}},
    {"a row without a name is refused", false, {{"", "Energy", 1, 3, 40000}}, {{"", "Missile", 24, 30000}},
     {"cmdAdd", "cmdAmmoAdd"}, {"PayloadCount=0"}},
    {"a heat past its range is refused", false, {{"Plasma Vent", "Energy", 1, 20000, 1000}}, {}, {"cmdAdd", "cmdAdd"}, {"PayloadCount=1"}},
    {"in German", true, StandardWeapons(), StandardAmmo(),
     {"ammo=Ammo-Autocannon/5", "vsbAddTonnage=2", "cmdAmmoAdd", "vsbAddTonnage=5", "ammo=Cargo"},
     {"lblAddTonnage=2,5", "PayloadCost=9025", "lblPayloadTonnage=2,0"}},
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
        const auto& [name, steps, checks, items] = CaseOf(Sessions);
        CatalogueWindow bench;
        Drive(bench.window, steps);
        QCOMPARE(FirstFailure(bench.window, checks), QString());
        QCOMPARE(ShownItems(bench.window), items);
        QCOMPARE(PayloadInvariantFailure(bench.window), QString());
    }

    // Catalogues of their own: first rows before any move, a single row, empty tables, rows the
    // payload cannot take; and the regional number form.
    void ownCatalogues_data() { AddCases(OwnCatalogues); }

    void ownCatalogues()
    {
        const OwnCatalogue& c = CaseOf(OwnCatalogues);
        const LocaleScope locale(c.german);
        TestCatalogue catalogue(c.weapons, c.ammo);
        frmMain window;
        catalogue.Attach(window);
        Drive(window, c.steps);
        QCOMPARE(FirstFailure(window, c.checks), QString());
        QCOMPARE(PayloadInvariantFailure(window), QString());
    }

    void lineColumns_data() { AddCases(Lines); }

    void lineColumns()
    {
        const auto& [name, german, item, heat, tons, line] = CaseOf(Lines);
        const LocaleScope locale(german);
        const PayloadItem shown{"Missile", item, heat, Currency::fromDouble(tons), "Front", {}, {}};
        QCOMPARE(*item ? FormatPayloadLine(shown) : PayloadHeaderLine(), QString::fromLatin1(line));
    }

    // Seeded runs of random actions: the payload stays in step, and an add refused on a full
    // table or a Remove with no line chosen changes nothing. Some runs fill the table.
    void randomRuns_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("fills");
        for (const auto& [seed, fills] : {std::pair{1u, false}, {7u, true}, {42u, true}, {2024u, false}})
            QTest::addRow("seed %u", seed) << seed << fills;
    }

    void randomRuns()
    {
        QFETCH(quint32, seed);
        QFETCH(bool, fills);
        int fullTables = 0;
        CatalogueWindow bench;
        Drive(bench.window, OnTracked50({}));
        QRandomGenerator random(seed);
        for (int step = 0; step < 400; ++step) {
            const QStringList before = DesignSnapshot(bench.window);
            const bool full = bench.window.PayloadCount == PayloadCapacity;
            fullTables += full;
            const QStringList action = RandomAction(bench.window, random);
            Drive(bench.window, action);
            const QString where = QStringLiteral("step %1, %2: ").arg(step).arg(action.join(u' '));
            const QString broken = PayloadInvariantFailure(bench.window);
            QVERIFY2(broken.isEmpty(), qPrintable(where + broken));
            const bool refused = full && action.last().endsWith(QLatin1String("Add"));
            if (refused || action == QStringList{"cmdRemove"}) QVERIFY2(DesignSnapshot(bench.window) == before, qPrintable(where + "changed"));
        }
        QCOMPARE(fullTables > 0, fills);
    }
};

QTEST_MAIN(PayloadTest)
#include "test_payload.moc"
