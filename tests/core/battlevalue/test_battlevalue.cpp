// Battle value: designs built over the catalogue the build writes beside the programs, each
// figure worked by hand from the rules; the breakdown's lines, the crew table, the catalogue's
// figures as the rating reads them, and the record sheet.
#include <functional>
#include <numeric>
#include <optional>
#include <vector>

#include "core/battlevalue/battlevalue.h"
#include "core/sheet/buildsheet.h"
#include "core/sheet/gathersheet.h"
#include "support/designdriver.h"

namespace {

// A payload line: an item at its location, or ammunition by the ton.
struct Line {
    const char* name;
    Mounting location = Mounting::Body;
    double tons = 0;
};

struct DesignCase {
    const char* name;
    Motive motive;
    int mass, cruise;
    bool turret = false, ferroFibrous = false, artemisSRM = false, artemisLRM = false;
    std::array<int, 5> armor{};  // front, left, right, rear, turret or rotor
    std::vector<Line> payload{};
    double defensive = 0, offensive = 0;
    int value = 0;
};

// The design of `c` over the built catalogue.
struct Built : CatalogueDesign {
    explicit Built(const DesignCase& c) : CatalogueDesign(BuiltCatalogue())
    {
        const int points = std::accumulate(c.armor.begin(), c.armor.end(), 0);
        Drive(design, {QStringLiteral("optMotiveType=%1").arg(int(c.motive)), QStringLiteral("vsbMass=%1").arg(c.mass),
                       QStringLiteral("vsbCruise=%1").arg(c.cruise), QStringLiteral("chkTurret=%1").arg(int(c.turret)),
                       QStringLiteral("chkFerroFibrous=%1").arg(int(c.ferroFibrous)),
                       QStringLiteral("vsbArmorTonnage=%1").arg(2 * ((points + 15) / 16))});
        const char* const locations[] = {"vsbFrontArmor", "vsbLeftArmor", "vsbRightArmor", "vsbRearArmor", "vsbTurretArmor"};
        for (int i = 0; i < 5; ++i) Drive(design, {QStringLiteral("%1=%2").arg(locations[i]).arg(c.armor[i])});
        Drive(design, {QStringLiteral("chkArtemisSRM=%1").arg(int(c.artemisSRM)), QStringLiteral("chkArtemisLRM=%1").arg(int(c.artemisLRM))});
        for (const Line& line : c.payload) {
            if (line.tons == 0) {
                Drive(design, {QStringLiteral("weapon=%1").arg(line.name), QStringLiteral("optLocation=%1").arg(int(line.location)), "cmdAdd"});
                continue;
            }
            Drive(design, {QStringLiteral("ammo=%1").arg(line.name)});
            const bool halfTons = design.State().vsbAddTonnage.maximum == 200;
            Drive(design, {QStringLiteral("vsbAddTonnage=%1").arg(int(line.tons * (halfTons ? 2 : 1))), "cmdAmmoAdd"});
        }
    }
};

using enum Mounting;

const DesignCase WorkedExample{"the rules' worked example", Motive::Tracked, 40, 4, true, false, false, true, {30, 20, 20, 14, 26},
                               {{"LRM 10", Front}, {"Medium Laser", Rear}, {"SRM 4", Turret}, {"Ammo-LRM 10", Body, 2}, {"Ammo-SRM 4", Body, 1}},
                               329.4, 243.04, 572};

const DesignCase Heavy{"heavy tracked, Gauss rifle in the turret", Motive::Tracked, 100, 3, true, false, false, false,
                       {60, 50, 50, 40, 60}, {{"Gauss Rifle", Turret}}, 783, 370, 1153};

const DesignCase RearFirepower{"hover, more rear than front firepower", Motive::Hover, 30, 8, false, false, false, false,
                               {20, 15, 15, 25, 0},
                               {{"Medium Laser", Front}, {"Large Laser", Rear}, {"SRM 2", Left}, {"Ammo-SRM 2", Body, 1}},
                               201.39, 349.65, 551};

const DesignCase Capped{"ammunition over its cap", Motive::Tracked, 40, 4, false, false, false, false, {20, 15, 15, 10, 0},
                        {{"LB 10-X AC", Front}, {"Anti-Missile System", Rear}, {"Ammo-LB 10-X AC", Body, 5},
                         {"Ammo-Anti-Missile System", Body, 4}, {"Ammo-LB 10-X AC Cluster", Body, 4}, {"Ammo-LRM 10", Body, 2}},
                        257.04, 353.92, 611};

const DesignCase Designs[] = {
    WorkedExample,
    // Front 90 x 1.2 = 108 outweighs the rear's 59 + 46 = 105 only with Artemis IV. Ammunition
    // is capped by its weapons' plain figures: LRM 5 min(8 x 6, 45), SRM 6 min(5 x 7, 59).
    {"tracked, turret, Artemis IV decides the facing", Motive::Tracked, 60, 3, true, false, false, true, {40, 30, 30, 20, 35},
     {{"LRM 10", Front}, {"SRM 6", Rear}, {"Medium Laser", Rear}, {"LRM 5", Turret}, {"Ammo-LRM 10", Body, 2}, {"Ammo-LRM 5", Body, 8},
      {"Ammo-SRM 6", Body, 5}},
     467.1, 346.5, 814},
    // 45 x 1.2 = 54 is less than 123: the launcher counts 27.
    {"rear-facing launcher with Artemis IV", Motive::Tracked, 40, 4, false, false, false, true, {20, 15, 15, 10, 0},
     {{"Large Laser", Front}, {"LRM 5", Rear}}, 187.92, 190.4, 378},
    RearFirepower,
    {"VTOL with rotor armor", Motive::VTOL, 20, 10, false, false, false, false, {12, 8, 8, 6, 2},
     {{"Machine Gun", Front}, {"Machine Gun", Front}, {"SRM 4", Front}, {"Ammo-Machine Gun", Body, 0.5}, {"Ammo-SRM 4", Body, 1}},
     110.25, 148.35, 259},
    {"wheeled with AMS and ECM", Motive::Wheeled, 50, 5, true, false, false, false, {30, 25, 25, 20, 30},
     {{"Anti-Missile System", Front}, {"Guardian ECM Suite"}, {"AC/10", Turret}, {"Medium Laser", Front},
      {"Ammo-Anti-Missile System", Body, 2}, {"Ammo-AC/10", Body, 2}},
     496.6, 306.88, 803},
    Capped,
    {"ferro-fibrous armor", Motive::Wheeled, 25, 6, false, true, false, false, {20, 16, 16, 12, 0},
     {{"Medium Laser", Front}, {"Small Laser", Rear}}, 185.12, 94.5, 280},
    {"no armor and no weapons", Motive::Hover, 1, 1, false, false, false, false, {}, {}, 4.2, 0.325, 5},
    {"a half rounds up", Motive::Tracked, 10, 4, false, false, false, false, {7}, {{"Medium Laser", Front}}, 25.38, 57.12, 83},
    Heavy,
};

// The breakdown's lines, English (United States) and German (Germany), as written by hand in
// breakdown_<name>.txt, one a line.
const struct BreakdownCase {
    const char* name;
    const DesignCase& design;
    bool german;
} Breakdowns[] = {
    {"worked_german", WorkedExample, true},
    {"front_halved", RearFirepower, false},
    {"capped_ammunition", Capped, false},
};

// The worked example changed afterwards: every change recalculates the battle value.
const struct ChangeCase {
    const char* name;
    std::function<void(Design&)> change;
    int value;
} Changes[] = {
    // 329.4 + 4 x 2.5 x 0.9 x 1.2 = 340.2; + 243.04
    {"more front armor", [](Design& d) { d.SetSpinner(&DesignState::vsbFrontArmor, 34); }, 583},
    // 84 points x 2.5 + 16 x 1.5 = 234 x 0.9 x 1.2 = 252.72; the SRM 4 goes, its ammunition
    // counts nothing: (108 + 23 + 22 + 20) x 1.12 = 193.76
    {"turret taken off", [](Design& d) { d.SetBox(&DesignState::chkTurret, false); }, 446},
};

// A catalogue of the user's own, with rows the built one does not have.
const QStringList OwnCatalogue = {
    "CREATE TABLE ISWeapons (Type, Class, Tons, Heat, Cost, BV, BVRole)",
    "INSERT INTO ISWeapons VALUES ('Foo Bar', 'Ballistic', 1, NULL, 1000, 20.5, 'offensive')",
    "INSERT INTO ISWeapons VALUES ('Foo', 'Ballistic', 1, NULL, 1000, 10, 'Offensive')",
    "INSERT INTO ISWeapons VALUES ('Screen', 'Electronics', 1, NULL, 1000, 7, 'DEFENSIVE')",
    "INSERT INTO ISWeapons VALUES ('Gadget', 'Electronics', 1, NULL, 1000, 50, 'weapon')",
    "INSERT INTO ISWeapons VALUES ('Bare', 'Ballistic', 1, NULL, 1000, NULL, 'offensive')",
    "INSERT INTO ISWeapons VALUES ('Foo', 'Ballistic', 1, NULL, 1000, 99, 'defensive')",
    "CREATE TABLE ISAmmo (Type, Class, ShotsPerTon, Cost, BV)",
    "INSERT INTO ISAmmo VALUES ('Ammo-Foo Bar Special', 'Ballistic', 10, 1000, 4)",
    "INSERT INTO ISAmmo VALUES ('Ammo-Foo', 'Ballistic', 10, 1000, 3)",
    "INSERT INTO ISAmmo VALUES ('Ammo-Screen', 'Ballistic', 10, 1000, 2)",
    "INSERT INTO ISAmmo VALUES ('Ammo-Foobar', 'Ballistic', 10, 1000, 5)",
    "INSERT INTO ISAmmo VALUES ('Gadget', 'Ballistic', 10, 1000, 8)",
};
// A catalogue without the battle value fields, which rates every item at nothing.
const QStringList NoFigures = {"CREATE TABLE ISWeapons (Type, Class, Tons, Heat, Cost)",
                               "INSERT INTO ISWeapons VALUES ('Medium Laser', 'Energy', 1, 3, 40000)",
                               "CREATE TABLE ISAmmo (Type, Class, ShotsPerTon, Cost)"};
// An entry the rating reads from a catalogue.
struct EntryCase {
    const char* name;
    BattleValueRole role;
    bool ammunition;
    Millionths figure;
    const char* weapon;  // the weapon it is or feeds; nullptr for none
    Box DesignState::*artemis = nullptr;
    const QStringList& catalogue = OwnCatalogue;
};
const EntryCase OwnEntries[] = {
    {"Foo", BattleValueRole::Offensive, false, 10'000'000, "Foo"},  // the first of two rows
    {"Foo Bar", BattleValueRole::Offensive, false, 20'500'000, "Foo Bar"},
    {"Screen", BattleValueRole::Defensive, false, 7'000'000, "Screen"},
    {"Gadget", BattleValueRole::None, false, 50'000'000, "Gadget"},  // a weapon's name before ammunition's
    {"Bare", BattleValueRole::Offensive, false, 0, "Bare"},
    {"Ammo-Foo Bar Special", BattleValueRole::Offensive, true, 4'000'000, "Foo Bar"},
    {"Ammo-Screen", BattleValueRole::Defensive, true, 2'000'000, "Screen"},
    {"Ammo-Foobar", BattleValueRole::None, true, 5'000'000, nullptr},
    {"Artemis IV - SRM", BattleValueRole::None, false, 0, nullptr},
    {"Medium Laser", BattleValueRole::None, false, 0, "Medium Laser", nullptr, NoFigures},  // no battle value fields
};

// Gunnery, driving and the battle value for that crew.
const struct CrewCase {
    const char* name;
    int value, gunnery, driving;
    std::optional<double> multiplier;
    std::optional<int> crewValue;
} Crews[] = {
    {"usual crew", 572, 4, 5, 1.00, 572},
    {"best crew", 572, 0, 0, 2.42, 1384},      // 1384.24
    {"best gunner, worst driver", 572, 0, 8, 1.50, 858},
    {"a half rounds up", 150, 4, 8, 0.85, 128},  // 127.5
    {"gunnery past the table", 572, 9, 5, std::nullopt, std::nullopt},
    {"driving below the table", 572, 4, -1, std::nullopt, std::nullopt},
};

}  // namespace

class BattleValueTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void ratesDesigns_data() { AddCases(Designs); }
    void ratesDesigns()
    {
        const DesignCase& c = CaseOf(Designs);
        const Built bench(c);
        const BattleValueRating rating = RateBattleValue(bench.design.State(), bench.design.BattleValues());
        QCOMPARE(rating.defensive, c.defensive);
        QCOMPARE(rating.offensive, c.offensive);
        QCOMPARE(rating.value, c.value);
        QCOMPARE(rating.unrated, 0);
        QCOMPARE(bench.design.State().BattleValue, c.value);
    }

    void breakdownLines_data() { AddCases(Breakdowns); }
    void breakdownLines()
    {
        const BreakdownCase& c = CaseOf(Breakdowns);
        const Built bench(c.design);
        const LocaleScope settings(c.german);
        QStringList lines;
        for (const BattleValueStep& step : BattleValueBreakdown(bench.design.State(), bench.design.BattleValues()))
            lines << BattleValueStepText(step);
        QCOMPARE(lines << QString(), QString::fromUtf8(BytesOf(QFINDTESTDATA(QStringLiteral("breakdown_%1.txt").arg(c.name)))).split(u'\n'));
    }

    void recalculates_data() { AddCases(Changes); }
    void recalculates()
    {
        Built bench(WorkedExample);
        CaseOf(Changes).change(bench.design);
        QCOMPARE(bench.design.State().BattleValue, CaseOf(Changes).value);
    }

    void crew_data() { AddCases(Crews); }
    void crew()
    {
        const CrewCase& c = CaseOf(Crews);
        QCOMPARE(CrewMultiplier(c.gunnery, c.driving), c.multiplier);
        QCOMPARE(CrewBattleValue(c.value, c.gunnery, c.driving), c.crewValue);
    }

    void ownCatalogueEntries_data() { AddCases(OwnEntries); }
    void ownCatalogueEntries()
    {
        const EntryCase& c = CaseOf(OwnEntries);
        QTemporaryDir dir;
        const CatalogueDesign own(SqlCatalogue(dir.filePath("own.mdb"), c.catalogue));
        const BattleValueTable table(own.weapons, own.ammo);
        const BattleValueEntry* entry = table.Find(QString::fromLatin1(c.name));
        QVERIFY(entry);
        QCOMPARE(entry->role, c.role);
        QCOMPARE(entry->ammunition, c.ammunition);
        QCOMPARE(entry->figure, c.figure);
        QCOMPARE(entry->weapon >= 0 ? table.WeaponName(entry->weapon) : QString(), QString::fromLatin1(c.weapon));
        QVERIFY(entry->artemis == c.artemis);
        QVERIFY(!table.Find(QStringLiteral("Large Laser")));
    }

    // The table remembers each record until its name or its location is another text, also
    // one changed in place or of the same length.
    void remembersRecordsUntilTheyChange()
    {
        const CatalogueDesign built(BuiltCatalogue());
        const BattleValueTable table(built.weapons, built.ammo);
        std::array<PayloadItem, 3> items;
        items[1].Name = QStringLiteral("SRM 4");
        items[1].Location = QStringLiteral("Front");
        items[2].Name = QStringLiteral("Thing");
        items[2].Location = QStringLiteral("Rear");
        RatedRecord rated[3];
        const auto rate = [&] {
            table.Rate(items.data(), 2, rated);
            return QStringLiteral("%1 %2 %3 %4")
                .arg(rated[1].entry ? rated[1].entry->figure / OneMillionth : -1)
                .arg(int(rated[1].facing))
                .arg(rated[2].entry ? rated[2].entry->figure / OneMillionth : -1)
                .arg(int(rated[2].facing));
        };
        QCOMPARE(rate(), QStringLiteral("39 1 -1 2"));
        items[1].Name[4] = u'2';
        QCOMPARE(rate(), QStringLiteral("21 1 -1 2"));
        items[2].Location.replace(0, 4, QStringLiteral("Left"));
        QCOMPARE(rate(), QStringLiteral("21 1 -1 0"));
    }

    // "Battle Value: N" in the vehicle data block, in the regional number format.
    void sheetShowsBattleValue()
    {
        const Built bench(Heavy);
        for (const auto& [german, text] : {std::pair{false, "Battle Value: 1,153"}, {true, "Battle Value: 1.153"}}) {
            const LocaleScope settings(german);
            const SheetModel sheet = BuildSheet(GatherSheet(bench.design, bench.weapons, bench.ammo), SheetPaper::A4);
            const auto data = std::find_if(sheet.frames.begin(), sheet.frames.end(), [](const SheetFrame& f) { return f.title == "Vehicle Data"; });
            const auto shown = std::find_if(sheet.texts.begin(), sheet.texts.end(), [&](const SheetText& t) { return t.text == text; });
            QVERIFY(data != sheet.frames.end() && shown != sheet.texts.end());
            QVERIFY(data->rect.contains(shown->rect));
        }
    }

    // A design read from a file without a catalogue of its own, as the batch tool reads it: only
    // armor, structure, tonnage and speed count, 329.4 + 20 x 1.12, and its six items go unrated;
    // the sheet rates it with the catalogue it is given, and so does the design once given one.
    void sheetOfDesignWithoutCatalogue()
    {
        Built bench(WorkedExample);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("worked.edt"));
        QVERIFY(bench.design.WriteDesignFile(path));
        Design read;
        read.Open(path);
        QCOMPARE(read.State().BattleValue, 352);
        QCOMPARE(RateBattleValue(read.State(), read.BattleValues()).unrated, 6);
        QCOMPARE(GatherSheet(read, bench.weapons, bench.ammo).battleValue, 572);
        read.UseCatalogue(&bench.weapons, &bench.ammo);
        QCOMPARE(read.State().BattleValue, 572);
    }
};

QTEST_GUILESS_MAIN(BattleValueTest)
#include "test_battlevalue.moc"
