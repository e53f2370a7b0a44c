// The construction rules as plain functions, against the worked figures of the rules: each row
// names the rule and its case, the figure the function gives and the one worked by hand.
#include "support/designdriver.h"

#include "core/armor/allocation.h"
#include "core/armor/ferrofibrous.h"
#include "core/rules/budgets.h"
#include "core/rules/chassis.h"
#include "core/rules/drive.h"
#include "core/rules/price.h"
#include "core/rules/roundhalfton.h"

Q_DECLARE_METATYPE(Currency)

class RuleTablesTest : public QObject {
    Q_OBJECT
private slots:
    void tonnages_data()
    {
        using namespace rules;
        QTest::addColumn<Currency>("figure");
        QTest::addColumn<Currency>("worked");
        const struct { const char* name; double tons, rounded; } halfTons[] = {
            {"0", 0, 0.5}, {"0.75", 0.75, 1}, {"1.05", 1.05, 1}, {"1.15", 1.15, 1.5}, {"10.5", 10.5, 10.5},
        };
        for (const auto& row : halfTons)
            QTest::addRow("RoundHalfTon %s", row.name) << RoundHalfTon(Tons(row.tons)) << Tons(row.rounded);
        QTest::newRow("engine 200 I.C.E.") << EngineWeight(200, Engine::ICE) << Tons(17);
        QTest::newRow("engine 200 Fusion XL") << EngineWeight(200, Engine::FusionXL) << Tons(6.5);
        QTest::newRow("engine 400 Fusion, 26.25 to 26.2 then up") << EngineWeight(400, Engine::Fusion) << Tons(79);
        QTest::newRow("engine 27, in no row") << EngineWeight(27, Engine::ICE) << Tons(0);
        QTest::newRow("engine 405, in no row") << EngineWeight(405, Engine::ICE) << Tons(0);
        QTest::newRow("flank of 5") << FlankSpeed(5) << Tons(8);
        QTest::newRow("lift, 31-ton Hover") << *LiftTonnage(Motive::Hover, 31) << Tons(3.5);
        QTest::newRow("control, 21 tons: 1.05 to 1.0 first") << ControlTonnage(21) << Tons(1);
        QTest::newRow("control, 23 tons: 1.15 to 1.2, then up") << ControlTonnage(23) << Tons(1.5);
        QTest::newRow("structure, 21 tons") << StructureTonnage(21) << Tons(2.5);
        QTest::newRow("turret, 7 tons in it") << TurretTonnage(true, 7) << Tons(1);
        QTest::newRow("turret, half a ton in it") << TurretTonnage(true, Tons(0.5)) << Tons(0.5);
        QTest::newRow("turret, none fitted") << TurretTonnage(false, 7) << Tons(0);
        QTest::newRow("amplifiers, I.C.E. 7") << PowerAmpTonnage(Engine::ICE, 7) << Tons(0.7);
        QTest::newRow("amplifiers, I.C.E. 2.5: half a tenth up") << PowerAmpTonnage(Engine::ICE, Tons(2.5)) << Tons(0.3);
        QTest::newRow("amplifiers, Fusion 7") << PowerAmpTonnage(Engine::Fusion, 7) << Tons(0);
        const struct { double tons; int standard, ferroFibrous; } points[] = {
            {0, 0, 0}, {0.5, 8, 9}, {5.5, 88, 99}, {18, 288, 323}, {100, 1600, 1792},
        };
        for (const auto& row : points) {
            QTest::addRow("standard armor, %g tons", row.tons) << ArmorPoints(Tons(row.tons), false) << Currency(row.standard);
            QTest::addRow("Ferro-Fibrous, %g tons", row.tons) << ArmorPoints(Tons(row.tons), true) << Currency(row.ferroFibrous);
        }
        const TonnageBalance balance = BalanceTonnage({.mass = 3, .engine = 1, .control = Tons(0.5), .lift = Tons(0.5),
                                                       .structure = Tons(0.5), .caseWeight = Tons(0.5)});
        QTest::newRow("tonnage used, with CASE") << balance.used << Tons(3);
        QTest::newRow("tonnage remaining, exactly used") << balance.remaining << Tons(0);
        QTest::newRow("cost, 80-ton Wheeled Fusion XL") << VehicleCost({.engine = Engine::FusionXL, .engineRating = 380,
                                                                        .mass = 80, .motive = Motive::Wheeled,
                                                                        .control = 4, .structure = 8})
                                                        << Tons(11517333.3334);
        // No engine and no movement factor: 2 heat sinks 4,000, 2 tons of Ferro-Fibrous armor
        // 40,000 and the payload's 6,000.
        QTest::newRow("cost, parts alone") << VehicleCost({.engine = {}, .motive = {}, .heatSinkTonnage = 2, .armor = 2,
                                                           .ferroFibrous = true, .payloadCost = 6000})
                                           << Tons(50000);
    }
    void tonnages()
    {
        QFETCH(Currency, figure);
        QTEST(figure, "worked");
    }

    void counts_data()
    {
        using namespace rules;
        QTest::addColumn<int>("figure");
        QTest::addColumn<int>("worked");
        QTest::newRow("lift, none on a Tracked") << int(LiftTonnage(Motive::Tracked, 30).has_value()) << 0;
        QTest::newRow("rating, 100-ton Tracked at 5 before the cap") << EngineRatingFor(5, 100, 0) << 500;
        QTest::newRow("rating, 50-ton Hover at 5") << EngineRatingFor(5, 50, 235) << 15;
        QTest::newRow("rating, up to a multiple of 5") << EngineRatingFor(3, 41, 0) << 125;
        QTest::newRow("rating, below 10") << EngineRatingFor(1, 30, 140) << 10;
        const struct { const char* name; Motive motive; int mass, factor; } suspension[] = {
            {"Hover 10", Motive::Hover, 10, 40},  {"Hover 11", Motive::Hover, 11, 85}, {"Hover 51, in no row", Motive::Hover, 51, -1},
            {"Wheeled 80", Motive::Wheeled, 80, 20}, {"VTOL 30", Motive::VTOL, 30, 140}, {"VTOL 31, in no row", Motive::VTOL, 31, -1},
        };
        for (const auto& row : suspension)
            QTest::addRow("suspension, %s", row.name) << SuspensionFactor(row.motive, row.mass).value_or(-1) << row.factor;
        const int limits[][2] = {{4, 5}, {5, 6}, {50, 15}, {100, 25}};
        for (const auto& [mass, limit] : limits) QTest::addRow("item limit, %d tons", mass) << CalcItemLimit(mass) << limit;
        const struct { const char* name; Engine engine; int heat, count, required, tonnage; } sinks[] = {
            {"Fusion, heat 8", Engine::Fusion, 8, 10, 10, 0},        {"Fusion, heat 14", Engine::Fusion, 14, 14, 14, 4},
            {"Fusion XL, 12 counted", Engine::FusionXL, 10, 12, 10, 2}, {"I.C.E., no heat", Engine::ICE, 0, 3, 0, 3},
        };
        for (const auto& row : sinks) {
            const HeatSinkNeed need = HeatSinkNeeds(row.engine, row.heat, row.count);
            QTest::addRow("heat sinks required, %s", row.name) << int(need.required) << row.required;
            QTest::addRow("heat sinks weighing, %s", row.name) << int(need.tonnage) << row.tonnage;
        }
        QTest::newRow("heat sink top, usual") << HeatSinkTop(14, 20) << 100;
        QTest::newRow("heat sink top, count above it") << HeatSinkTop(96, 104) << 104;
        // 32 points bought: 32 placed, then 33.
        QTest::newRow("armor points remaining") << int(BalanceArmorPoints({8, 6, 6, 6, 6}, 32).remaining) << 0;
        QTest::newRow("armor points over") << int(BalanceArmorPoints({9, 6, 6, 6, 6}, 32).remaining) << -1;
        // Red figures: more placed than bought, more weight than mass.
        QTest::newRow("armor points all placed, not red") << int(BalanceArmorPoints({8, 6, 6, 6, 6}, 32).over) << 0;
        QTest::newRow("armor points over, red") << int(BalanceArmorPoints({9, 6, 6, 6, 6}, 32).over) << 1;
        QTest::newRow("tonnage exactly used, not red") << int(BalanceTonnage({.mass = 1, .lift = 1}).over) << 0;
        QTest::newRow("tonnage over, red") << int(BalanceTonnage({.mass = 1, .lift = Tons(1.5)}).over) << 1;
    }
    void counts()
    {
        QFETCH(int, figure);
        QTEST(figure, "worked");
    }

    // Front, left, right, rear and turret (or rotor).
    void allocation_data()
    {
        QTest::addColumn<QList<int>>("figure");
        QTest::addColumn<QList<int>>("worked");
        const struct { int points; QList<int> none, turret, vtol; } rows[] = {
            {0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
            {8, {2, 2, 2, 2, 0}, {4, 1, 1, 0, 2}, {3, 1, 1, 1, 2}},
            {107, {32, 26, 26, 23, 0}, {29, 21, 21, 10, 26}, {32, 26, 26, 21, 2}},
            {1792, {537, 448, 448, 359, 0}, {449, 358, 358, 179, 448}, {538, 447, 447, 358, 2}},
        };
        const auto allocated = [](int points, bool rotor, bool turret) {
            const ArmorAllocation a = AllocateArmor(points, AllocationCaseOf(rotor, turret));
            return QList<int>{a.front, a.left, a.right, a.rear, a.turret};
        };
        for (const auto& row : rows) {
            QTest::addRow("%d, no turret", row.points) << allocated(row.points, false, false) << row.none;
            QTest::addRow("%d, turret", row.points) << allocated(row.points, false, true) << row.turret;
            QTest::addRow("%d, rotor", row.points) << allocated(row.points, true, false) << row.vtol;
        }
    }
    void allocation()
    {
        QFETCH(QList<int>, figure);
        QTEST(figure, "worked");
    }
};

QTEST_GUILESS_MAIN(RuleTablesTest)
#include "test_ruletables.moc"
