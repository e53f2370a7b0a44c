// The construction rules as plain functions, over the worked figures of the rules.
#include <QTest>

#include "armor/allocation.h"
#include "armor/ferrofibrous.h"
#include "rules/budgets.h"
#include "rules/chassis.h"
#include "rules/drive.h"
#include "rules/price.h"
#include "rules/roundhalfton.h"

namespace {

Currency Tons(double tons) { return Currency::fromDouble(tons); }

}  // namespace

Q_DECLARE_METATYPE(Currency)
Q_DECLARE_METATYPE(Engine)
Q_DECLARE_METATYPE(Motive)
Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(rules::PricedDesign)

class RuleTablesTest : public QObject {
    Q_OBJECT
private slots:
    void roundHalfTon_data()
    {
        QTest::addColumn<double>("tons");
        QTest::addColumn<double>("rounded");
        const double rows[][2] = {{0, 0.5},  {0.05, 0.5}, {0.45, 0.5}, {0.75, 1},    {1.04, 1},      {1.05, 1},
                                  {1.15, 1.5}, {1.25, 1.5}, {2.05, 2},   {2.15, 2.5}, {26.25, 26.5}, {10.5, 10.5}};
        for (const auto& [tons, rounded] : rows) QTest::addRow("%g", tons) << tons << rounded;
    }
    void roundHalfTon()
    {
        QFETCH(double, tons);
        QFETCH(double, rounded);
        QCOMPARE(RoundHalfTon(Tons(tons)), Tons(rounded));
    }

    void engineWeight_data()
    {
        QTest::addColumn<int>("rating");
        QTest::addColumn<Engine>("engine");
        QTest::addColumn<double>("tons");
        QTest::newRow("200 I.C.E.") << 200 << Engine::ICE << 17.0;
        QTest::newRow("200 Fusion") << 200 << Engine::Fusion << 13.0;
        QTest::newRow("200 Fusion XL") << 200 << Engine::FusionXL << 6.5;
        QTest::newRow("400 I.C.E.") << 400 << Engine::ICE << 105.0;
        QTest::newRow("400 Fusion: 26.25 to 26.2, then up") << 400 << Engine::Fusion << 79.0;
        QTest::newRow("380 Fusion XL") << 380 << Engine::FusionXL << 31.0;
        QTest::newRow("165 I.C.E.") << 165 << Engine::ICE << 12.0;
        QTest::newRow("265 Fusion XL") << 265 << Engine::FusionXL << 10.5;
        QTest::newRow("215 Fusion") << 215 << Engine::Fusion << 14.5;
        QTest::newRow("10 Fusion") << 10 << Engine::Fusion << 1.0;
        QTest::newRow("gap 27 I.C.E.") << 27 << Engine::ICE << 0.0;
        QTest::newRow("above 400 I.C.E.") << 405 << Engine::ICE << 0.0;
    }
    void engineWeight()
    {
        QFETCH(int, rating);
        QFETCH(Engine, engine);
        QFETCH(double, tons);
        QCOMPARE(rules::EngineWeight(rating, engine), Tons(tons));
    }

    void engineRating_data()
    {
        QTest::addColumn<int>("cruise");
        QTest::addColumn<int>("mass");
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("rating");
        QTest::newRow("50-ton Tracked at 4") << 4 << 50 << 0 << 200;
        QTest::newRow("100-ton Tracked at 5, before the cap") << 5 << 100 << 0 << 500;
        QTest::newRow("80-ton Wheeled at 5") << 5 << 80 << 20 << 380;
        QTest::newRow("50-ton Hover at 5") << 5 << 50 << 235 << 15;
        QTest::newRow("50-ton Hover at 8") << 8 << 50 << 235 << 165;
        QTest::newRow("up to a multiple of 5") << 3 << 41 << 0 << 125;
        QTest::newRow("below 10") << 1 << 30 << 140 << 10;
    }
    void engineRating()
    {
        QFETCH(int, cruise);
        QFETCH(int, mass);
        QFETCH(int, factor);
        QFETCH(int, rating);
        QCOMPARE(rules::EngineRatingFor(cruise, mass, factor), rating);
    }

    void flankSpeed_data()
    {
        QTest::addColumn<int>("cruise");
        QTest::addColumn<int>("flank");
        QTest::newRow("1") << 1 << 2;
        QTest::newRow("4") << 4 << 6;
        QTest::newRow("5") << 5 << 8;
    }
    void flankSpeed()
    {
        QFETCH(int, cruise);
        QFETCH(int, flank);
        QCOMPARE(rules::FlankSpeed(cruise), Currency(flank));
    }

    void suspensionFactor_data()
    {
        QTest::addColumn<Motive>("motive");
        QTest::addColumn<int>("mass");
        QTest::addColumn<std::optional<int>>("factor");
        QTest::newRow("Hover 10") << Motive::Hover << 10 << std::optional(40);
        QTest::newRow("Hover 11") << Motive::Hover << 11 << std::optional(85);
        QTest::newRow("Hover 31") << Motive::Hover << 31 << std::optional(175);
        QTest::newRow("Hover 50") << Motive::Hover << 50 << std::optional(235);
        QTest::newRow("Hover 51") << Motive::Hover << 51 << std::optional<int>();
        QTest::newRow("Tracked 100") << Motive::Tracked << 100 << std::optional(0);
        QTest::newRow("Wheeled 80") << Motive::Wheeled << 80 << std::optional(20);
        QTest::newRow("VTOL 30") << Motive::VTOL << 30 << std::optional(140);
        QTest::newRow("VTOL 31") << Motive::VTOL << 31 << std::optional<int>();
    }
    void suspensionFactor()
    {
        QFETCH(Motive, motive);
        QFETCH(int, mass);
        QFETCH(std::optional<int>, factor);
        QCOMPARE(rules::SuspensionFactor(motive, mass), factor);
    }

    // Lift, control and structure of a mass.
    void componentShares_data()
    {
        QTest::addColumn<int>("mass");
        QTest::addColumn<double>("lift");
        QTest::addColumn<double>("control");
        QTest::addColumn<double>("structure");
        QTest::newRow("1") << 1 << 0.5 << 0.5 << 0.5;
        QTest::newRow("21: 1.05 to 1.0 first") << 21 << 2.5 << 1.0 << 2.5;
        QTest::newRow("23: 1.15 to 1.2, then up") << 23 << 2.5 << 1.5 << 2.5;
        QTest::newRow("30") << 30 << 3.0 << 1.5 << 3.0;
        QTest::newRow("31: 1.55 to 1.6 first") << 31 << 3.5 << 2.0 << 3.5;
    }
    void componentShares()
    {
        QFETCH(int, mass);
        QFETCH(double, lift);
        QFETCH(double, control);
        QFETCH(double, structure);
        QCOMPARE(rules::LiftTonnage(mass), Tons(lift));
        QCOMPARE(rules::ControlTonnage(mass), Tons(control));
        QCOMPARE(rules::StructureTonnage(mass), Tons(structure));
    }

    void turretTonnage_data()
    {
        QTest::addColumn<bool>("fitted");
        QTest::addColumn<double>("weapons");
        QTest::addColumn<double>("turret");
        QTest::newRow("7 tons in it") << true << 7.0 << 1.0;
        QTest::newRow("half a ton in it") << true << 0.5 << 0.5;
        QTest::newRow("empty") << true << 0.0 << 0.0;
        QTest::newRow("none fitted") << false << 7.0 << 0.0;
    }
    void turretTonnage()
    {
        QFETCH(bool, fitted);
        QFETCH(double, weapons);
        QFETCH(double, turret);
        QCOMPARE(rules::TurretTonnage(fitted, Tons(weapons)), Tons(turret));
    }

    void powerAmplifiers_data()
    {
        QTest::addColumn<Engine>("engine");
        QTest::addColumn<double>("energy");
        QTest::addColumn<double>("amplifiers");
        QTest::newRow("I.C.E. 7") << Engine::ICE << 7.0 << 0.7;
        QTest::newRow("I.C.E. 13") << Engine::ICE << 13.0 << 1.3;
        QTest::newRow("I.C.E. 2.5: half a tenth up") << Engine::ICE << 2.5 << 0.3;
        QTest::newRow("I.C.E. 0.5") << Engine::ICE << 0.5 << 0.1;
        QTest::newRow("Fusion 7") << Engine::Fusion << 7.0 << 0.0;
        QTest::newRow("Fusion XL 13") << Engine::FusionXL << 13.0 << 0.0;
    }
    void powerAmplifiers()
    {
        QFETCH(Engine, engine);
        QFETCH(double, energy);
        QFETCH(double, amplifiers);
        QCOMPARE(rules::PowerAmpTonnage(engine, Tons(energy)), Tons(amplifiers));
    }

    void heatSinks_data()
    {
        QTest::addColumn<Engine>("engine");
        QTest::addColumn<int>("heat");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("required");
        QTest::addColumn<int>("tonnage");
        QTest::newRow("Fusion, heat 8") << Engine::Fusion << 8 << 10 << 10 << 0;
        QTest::newRow("Fusion, heat 14") << Engine::Fusion << 14 << 14 << 14 << 4;
        QTest::newRow("Fusion XL, 12 counted") << Engine::FusionXL << 10 << 12 << 10 << 2;
        QTest::newRow("I.C.E., heat 6") << Engine::ICE << 6 << 6 << 6 << 6;
        QTest::newRow("I.C.E., no heat") << Engine::ICE << 0 << 3 << 0 << 3;
    }
    void heatSinks()
    {
        QFETCH(Engine, engine);
        QFETCH(int, heat);
        QFETCH(int, count);
        QFETCH(int, required);
        QFETCH(int, tonnage);
        const rules::HeatSinkNeed need = rules::HeatSinkNeeds(engine, heat, count);
        QCOMPARE(int(need.required), required);
        QCOMPARE(int(need.tonnage), tonnage);
    }

    void itemLimit_data()
    {
        QTest::addColumn<int>("mass");
        QTest::addColumn<int>("limit");
        const int rows[][2] = {{1, 5}, {4, 5}, {5, 6}, {9, 6}, {10, 7}, {50, 15}, {99, 24}, {100, 25}};
        for (const auto& [mass, limit] : rows) QTest::addRow("%d tons", mass) << mass << limit;
    }
    void itemLimit()
    {
        QFETCH(int, mass);
        QFETCH(int, limit);
        QCOMPARE(CalcItemLimit(mass), limit);
    }

    void armorPointsBalance_data()
    {
        QTest::addColumn<int>("rear");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<bool>("over");
        QTest::newRow("all placed") << 8 << 0 << false;
        QTest::newRow("one too many") << 9 << -1 << true;
    }
    // 32 points bought; front 6, left 6, right 6, rotor 6 and the rear.
    void armorPointsBalance()
    {
        QFETCH(int, rear);
        QFETCH(int, remaining);
        QFETCH(bool, over);
        const rules::ArmorPointsBalance points = rules::BalanceArmorPoints({6, 6, 6, rear, 6}, 32);
        QCOMPARE(int(points.used), 24 + rear);
        QCOMPARE(int(points.remaining), remaining);
        QCOMPARE(points.over, over);
    }

    void tonnageBalance_data()
    {
        QTest::addColumn<int>("mass");
        QTest::addColumn<double>("remaining");
        QTest::addColumn<bool>("over");
        QTest::newRow("over") << 1 << -2.0 << true;
        QTest::newRow("exactly used") << 3 << 0.0 << false;
    }
    // Engine 1.0, control, lift and structure 0.5 each, and half a ton of CASE: 3 tons.
    void tonnageBalance()
    {
        QFETCH(int, mass);
        QFETCH(double, remaining);
        QFETCH(bool, over);
        const rules::TonnageBalance tonnage = rules::BalanceTonnage(
            {.mass = mass, .engine = 1, .control = Tons(0.5), .lift = Tons(0.5), .structure = Tons(0.5),
             .caseWeight = Tons(0.5)});
        QCOMPARE(tonnage.used, Currency(3));
        QCOMPARE(tonnage.remaining, Tons(remaining));
        QCOMPARE(tonnage.over, over);
    }

    void cost_data()
    {
        QTest::addColumn<rules::PricedDesign>("design");
        QTest::addColumn<double>("cost");
        QTest::newRow("fresh Hover") << rules::PricedDesign{.engine = Engine::ICE, .engineRating = 10, .mass = 1,
                                                             .motive = Motive::Hover, .control = Tons(0.5),
                                                             .structure = Tons(0.5), .lift = Tons(0.5)}
                                     << 20570.0;
        QTest::newRow("50-ton Tracked Fusion") << rules::PricedDesign{.engine = Engine::Fusion, .engineRating = 200,
                                                                       .mass = 50, .motive = Motive::Tracked,
                                                                       .control = Tons(2.5), .structure = 5}
                                               << 1112500.0;
        QTest::newRow("30-ton VTOL") << rules::PricedDesign{.engine = Engine::Fusion, .engineRating = 10, .mass = 30,
                                                             .motive = Motive::VTOL, .control = Tons(1.5),
                                                             .structure = 3, .lift = 3}
                                     << 370000.0;
        QTest::newRow("80-ton Wheeled Fusion XL") << rules::PricedDesign{.engine = Engine::FusionXL,
                                                                          .engineRating = 380, .mass = 80,
                                                                          .motive = Motive::Wheeled, .control = 4,
                                                                          .structure = 8}
                                                  << 11517333.3334;
        // 2 heat sinks, 2 tons of Ferro-Fibrous armor, no engine and no movement factor:
        // 4,000 + 40,000 + the payload's 6,000.
        QTest::newRow("parts without factor") << rules::PricedDesign{.engine = {}, .motive = {}, .heatSinkTonnage = 2, .armor = 2,
                                                                      .ferroFibrous = true, .payloadCost = 6000}
                                              << 50000.0;
    }
    void cost()
    {
        QFETCH(rules::PricedDesign, design);
        QFETCH(double, cost);
        QCOMPARE(rules::VehicleCost(design), Tons(cost));
    }

    void armorPoints_data()
    {
        QTest::addColumn<double>("tons");
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("ferroFibrous");
        const struct { double tons; int standard, ferroFibrous; } rows[] = {
            {0, 0, 0},       {0.5, 8, 9},     {1, 16, 18},     {2.5, 40, 45},      {5, 80, 90},
            {6, 96, 107},    {10, 160, 179},  {18.5, 296, 331}, {31, 496, 555},    {100, 1600, 1792},
        };
        for (const auto& row : rows) QTest::addRow("%g tons", row.tons) << row.tons << row.standard << row.ferroFibrous;
    }
    void armorPoints()
    {
        QFETCH(double, tons);
        QFETCH(int, standard);
        QFETCH(int, ferroFibrous);
        QCOMPARE(ArmorPoints(Tons(tons), false), Currency(standard));
        QCOMPARE(ArmorPoints(Tons(tons), true), Currency(ferroFibrous));
    }

    // Front, left, right, rear and turret (or rotor).
    void allocation_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("rotor");
        QTest::addColumn<bool>("turret");
        QTest::addColumn<QList<int>>("locations");
        const struct { int points; QList<int> none, turret, vtol; } rows[] = {
            {0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
            {8, {2, 2, 2, 2, 0}, {4, 1, 1, 0, 2}, {3, 1, 1, 1, 2}},
            {9, {2, 2, 2, 3, 0}, {5, 1, 1, 0, 2}, {4, 1, 1, 1, 2}},
            {18, {5, 4, 4, 5, 0}, {7, 3, 3, 1, 4}, {5, 4, 4, 3, 2}},
            {107, {32, 26, 26, 23, 0}, {29, 21, 21, 10, 26}, {32, 26, 26, 21, 2}},
            {160, {48, 40, 40, 32, 0}, {40, 32, 32, 16, 40}, {49, 39, 39, 31, 2}},
            {1792, {537, 448, 448, 359, 0}, {449, 358, 358, 179, 448}, {538, 447, 447, 358, 2}},
        };
        for (const auto& row : rows) {
            QTest::addRow("%d, no turret", row.points) << row.points << false << false << row.none;
            QTest::addRow("%d, turret", row.points) << row.points << false << true << row.turret;
            QTest::addRow("%d, rotor", row.points) << row.points << true << false << row.vtol;
        }
    }
    void allocation()
    {
        QFETCH(int, points);
        QFETCH(bool, rotor);
        QFETCH(bool, turret);
        QFETCH(QList<int>, locations);
        const ArmorAllocation a = AllocateArmor(points, AllocationCaseOf(rotor, turret));
        QCOMPARE((QList<int>{a.front, a.left, a.right, a.rear, a.turret}), locations);
    }
};

QTEST_MAIN(RuleTablesTest)
#include "test_ruletables.moc"
