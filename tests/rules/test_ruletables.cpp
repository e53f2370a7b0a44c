// The pure construction rules, over their whole ranges.
#include <QTest>
#include <cmath>

#include "armor/allocation.h"
#include "armor/ferrofibrous.h"
#include "rules/engineweight.h"
#include "rules/items.h"
#include "rules/roundhalfton.h"

namespace {

Currency Tons(double tons) { return Currency::fromDouble(tons); }

// The engine base tonnage as the rules list it: the highest rating of each row and its tons;
// each row starts 5 above the one before, the first at 10.
constexpr struct { int highest; double tons; } BaseRows[] = {
    {25, 0.5}, {45, 1}, {60, 1.5}, {75, 2}, {85, 2.5}, {100, 3}, {110, 3.5}, {125, 4}, {135, 4.5},
    {145, 5}, {155, 5.5}, {170, 6}, {180, 7}, {190, 7.5}, {195, 8}, {205, 8.5}, {210, 9}, {215, 9.5},
    {225, 10}, {230, 10.5}, {235, 11}, {240, 11.5}, {245, 12}, {250, 12.5}, {255, 13}, {260, 13.5}, {265, 14},
    {270, 14.5}, {275, 15.5}, {280, 16}, {285, 16.5}, {290, 17.5}, {295, 18}, {300, 19}, {305, 19.5}, {310, 20.5},
    {315, 21.5}, {320, 22.5}, {325, 23.5}, {330, 24.5}, {335, 25.5}, {340, 27}, {345, 28.5}, {350, 29.5}, {355, 31.5},
    {360, 33}, {365, 34.5}, {370, 36.5}, {375, 38.5}, {380, 41}, {385, 43.5}, {390, 46}, {395, 49}, {400, 52.5},
};

double BaseTons(int rating)
{
    int lowest = 10;
    for (const auto& [highest, tons] : BaseRows) {
        if (rating >= lowest && rating <= highest) return tons;
        lowest = highest + 5;
    }
    return 0;
}

}  // namespace

class RuleTablesTest : public QObject {
    Q_OBJECT
private slots:
    void roundHalfTon()
    {
        const double rows[][2] = {{0, 0.5}, {0.05, 0.5}, {0.1, 0.5}, {0.45, 0.5}, {0.75, 1}, {0.95, 1}, {1.04, 1},
                                  {1.05, 1}, {1.15, 1.5}, {1.25, 1.5}, {1.55, 2}, {2.15, 2.5}, {3.75, 4}, {2.05, 2},
                                  {26.25, 26.5}, {10.5, 10.5}};
        for (const auto& [tons, rounded] : rows)
            QVERIFY2(RoundHalfTon(Tons(tons)) == Tons(rounded), qPrintable(QString::number(tons)));
    }

    // I.C.E. doubles the base, Fusion adds half of it rounded as a component, Fusion XL is three
    // quarters of it rounded so.
    void engineWeightOverEveryRating()
    {
        for (int rating = 0; rating <= 405; ++rating) {
            const double base = BaseTons(rating);
            const Currency expected[] = {Tons(base * 2), Tons(base) + RoundHalfTon(Tons(base * 0.5)),
                                         RoundHalfTon(Tons(base * 0.75)), Tons(0)};
            for (int type = 0; type < 4; ++type)
                QVERIFY2(EngineWeight(rating, type) == expected[type], qPrintable(QString::number(rating)));
        }
    }

    // Ten times the points rounded to a whole number, then tenths 1 to 5 down and 6 to 9 up.
    void armorPointsOverEveryHalfTon()
    {
        for (int halves = 0; halves <= 200; ++halves) {
            const Currency tons = Currency::fromUnits(halves * 5000);
            const long tenths = std::lround(halves * 0.5 * 179.2);
            const long points = tenths / 10 + (tenths % 10 >= 6 ? 1 : 0);
            QVERIFY2(FerroFibrousPoints(tons) == Currency(int(points)), qPrintable(QString::number(halves)));
        }
    }

    // Front, left, right, rear and turret (or rotor): percentage shares rounded down, the rest to
    // the front, or to the rear without a turret; a VTOL's rotor takes 2 points first.
    void allocationShares()
    {
        const struct { int points; ArmorAllocation none, turret, vtol; } rows[] = {
            {0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
            {8, {2, 2, 2, 2, 0}, {4, 1, 1, 0, 2}, {3, 1, 1, 1, 2}},
            {9, {2, 2, 2, 3, 0}, {5, 1, 1, 0, 2}, {4, 1, 1, 1, 2}},
            {18, {5, 4, 4, 5, 0}, {7, 3, 3, 1, 4}, {5, 4, 4, 3, 2}},
            {107, {32, 26, 26, 23, 0}, {29, 21, 21, 10, 26}, {32, 26, 26, 21, 2}},
            {160, {48, 40, 40, 32, 0}, {40, 32, 32, 16, 40}, {49, 39, 39, 31, 2}},
            {1792, {537, 448, 448, 359, 0}, {449, 358, 358, 179, 448}, {538, 447, 447, 358, 2}},
        };
        for (const auto& row : rows) {
            QVERIFY2(AllocateArmor(row.points, AllocationCase::NoTurret) == row.none, qPrintable(QString::number(row.points)));
            QVERIFY2(AllocateArmor(row.points, AllocationCase::TurretFitted) == row.turret, qPrintable(QString::number(row.points)));
            QVERIFY2(AllocateArmor(row.points, AllocationCase::VTOL) == row.vtol, qPrintable(QString::number(row.points)));
        }
    }

    void itemLimit()
    {
        const int rows[][2] = {{1, 5}, {4, 5}, {5, 6}, {9, 6}, {10, 7}, {50, 15}, {99, 24}, {100, 25}};
        for (const auto& [mass, limit] : rows) QCOMPARE(CalcItemLimit(mass), limit);
    }
};

QTEST_MAIN(RuleTablesTest)
#include "test_ruletables.moc"
