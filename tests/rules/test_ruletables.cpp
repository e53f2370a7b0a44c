// The pure construction rules, over their whole ranges.
#include <QTest>

#include "armor/allocation.h"
#include "armor/ferrofibrous.h"
#include "rules/engineweight.h"
#include "rules/items.h"
#include "rules/roundhalfton.h"

namespace {

Currency Tons(double tons)
{
    return Currency::fromDouble(tons);
}

// The engine base tonnage, written out rating by rating as the rules list it.
double BaseTons(int rating)
{
    struct Row {
        int lowest, highest;
        double tons;
    };
    static const Row rows[] = {
        {10, 25, 0.5},   {30, 45, 1.0},   {50, 60, 1.5},   {65, 75, 2.0},   {80, 85, 2.5},   {90, 100, 3.0},
        {105, 110, 3.5}, {115, 125, 4.0}, {130, 135, 4.5}, {140, 145, 5.0}, {150, 155, 5.5}, {160, 170, 6.0},
        {175, 180, 7.0}, {185, 190, 7.5}, {195, 195, 8.0}, {200, 205, 8.5}, {210, 210, 9.0}, {215, 215, 9.5},
        {220, 225, 10.0}, {230, 230, 10.5}, {235, 235, 11.0}, {240, 240, 11.5}, {245, 245, 12.0},
        {250, 250, 12.5}, {255, 255, 13.0}, {260, 260, 13.5}, {265, 265, 14.0}, {270, 270, 14.5},
        {275, 275, 15.5}, {280, 280, 16.0}, {285, 285, 16.5}, {290, 290, 17.5}, {295, 295, 18.0},
        {300, 300, 19.0}, {305, 305, 19.5}, {310, 310, 20.5}, {315, 315, 21.5}, {320, 320, 22.5},
        {325, 325, 23.5}, {330, 330, 24.5}, {335, 335, 25.5}, {340, 340, 27.0}, {345, 345, 28.5},
        {350, 350, 29.5}, {355, 355, 31.5}, {360, 360, 33.0}, {365, 365, 34.5}, {370, 370, 36.5},
        {375, 375, 38.5}, {380, 380, 41.0}, {385, 385, 43.5}, {390, 390, 46.0}, {395, 395, 49.0},
        {400, 400, 52.5},
    };
    for (const Row& row : rows)
        if (rating >= row.lowest && rating <= row.highest) return row.tons;
    return 0;
}

// Up to the next half ton, from a value already in tenths.
double UpToHalf(double tenths)
{
    const double halves = std::ceil(tenths * 2 - 1e-9) / 2;
    return halves == 0 ? 0.5 : halves;
}

}  // namespace

class RuleTablesTest : public QObject {
    Q_OBJECT
private slots:
    void roundHalfTon_data()
    {
        QTest::addColumn<double>("tons");
        QTest::addColumn<double>("rounded");
        const double rows[][2] = {{0, 0.5},     {0.05, 0.5}, {0.1, 0.5},  {0.45, 0.5}, {0.75, 1.0},
                                  {0.95, 1.0},  {1.04, 1.0}, {1.05, 1.0}, {1.15, 1.5}, {1.25, 1.5},
                                  {1.55, 2.0},  {2.15, 2.5}, {3.75, 4.0}, {2.05, 2.0}, {26.25, 26.5},
                                  {10.0, 10.0}, {10.5, 10.5}};
        for (const auto& [tons, rounded] : rows) QTest::addRow("%g", tons) << tons << rounded;
    }
    void roundHalfTon()
    {
        QFETCH(double, tons);
        QFETCH(double, rounded);
        QCOMPARE(RoundHalfTon(Tons(tons)), Tons(rounded));
    }

    void engineWeightOverEveryRating()
    {
        for (int rating = 0; rating <= 405; ++rating) {
            const double base = BaseTons(rating);
            QCOMPARE(EngineBaseTonnage(rating), Tons(base));
            QCOMPARE(EngineWeight(rating, 0), Tons(base * 2));
            // Fusion shielding is half the base, to tenths (halves even) and up to a half ton.
            const double half = std::nearbyint(base * 0.5 * 10) / 10;
            QCOMPARE(EngineWeight(rating, 1), Tons(base + UpToHalf(half)));
            const double xl = std::nearbyint(base * 0.75 * 10) / 10;
            QCOMPARE(EngineWeight(rating, 2), Tons(UpToHalf(xl)));
            QCOMPARE(EngineWeight(rating, 3), Tons(0));
        }
        // Worked figures.
        QCOMPARE(EngineWeight(200, 1), Tons(13.0));
        QCOMPARE(EngineWeight(200, 0), Tons(17.0));
        QCOMPARE(EngineWeight(200, 2), Tons(6.5));
        QCOMPARE(EngineWeight(400, 1), Tons(79.0));
        QCOMPARE(EngineWeight(380, 2), Tons(31.0));
        QCOMPARE(EngineWeight(10, 1), Tons(1.0));
    }

    void engineRating_data()
    {
        QTest::addColumn<int>("cruise");
        QTest::addColumn<int>("mass");
        QTest::addColumn<int>("suspension");
        QTest::addColumn<int>("rating");
        QTest::newRow("below ten") << 1 << 30 << 140 << 10;
        QTest::newRow("exact multiple") << 4 << 50 << 0 << 200;
        QTest::newRow("up to five") << 5 << 50 << 235 << 15;
        QTest::newRow("up to ten") << 7 << 23 << 0 << 165;
        QTest::newRow("wheeled") << 5 << 80 << 20 << 380;
        QTest::newRow("over the cap") << 5 << 100 << 0 << 500;
    }
    void engineRating()
    {
        QFETCH(int, cruise);
        QFETCH(int, mass);
        QFETCH(int, suspension);
        QFETCH(int, rating);
        QCOMPARE(EngineRatingFor(cruise, mass, suspension), rating);
    }

    void itemLimit()
    {
        const int rows[][2] = {{1, 5}, {4, 5}, {5, 6}, {9, 6}, {10, 7}, {50, 15}, {99, 24}, {100, 25}};
        for (const auto& [mass, limit] : rows) QCOMPARE(CalcItemLimit(mass), limit);
    }

    void armorPointsOverEveryHalfTon()
    {
        for (int halves = 0; halves <= 200; ++halves) {
            const Currency tons = Currency::fromUnits(halves * 5000);
            QCOMPARE(StandardArmorPoints(tons), Currency(halves * 8));
            // Ten times the points, to a whole number, then tenths 1 to 5 down and 6 to 9 up.
            const long tenths = std::lround(halves * 0.5 * 179.2);
            const long digit = tenths % 10;
            const long points = digit <= 5 ? tenths / 10 : tenths / 10 + 1;
            QVERIFY2(FerroFibrousPoints(tons) == Currency(int(points)), qPrintable(QString::number(halves)));
        }
        const double worked[][2] = {{0, 0},     {0.5, 9},   {1, 18},    {2.5, 45}, {5, 90},
                                    {6, 107},   {10, 179},  {18.5, 331}, {31, 555}, {100, 1792}};
        for (const auto& [tons, points] : worked) QCOMPARE(FerroFibrousPoints(Tons(tons)), Currency(int(points)));
    }

    void allocationShares_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("which");
        QTest::addColumn<QList<int>>("expected");  // front, left, right, rear, turret
        const struct {
            int points;
            QList<int> noTurret, turret, vtol;
        } rows[] = {
            {0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
            {8, {2, 2, 2, 2, 0}, {4, 1, 1, 0, 2}, {3, 1, 1, 1, 2}},
            {9, {2, 2, 2, 3, 0}, {5, 1, 1, 0, 2}, {4, 1, 1, 1, 2}},
            {18, {5, 4, 4, 5, 0}, {7, 3, 3, 1, 4}, {5, 4, 4, 3, 2}},
            {107, {32, 26, 26, 23, 0}, {29, 21, 21, 10, 26}, {32, 26, 26, 21, 2}},
            {160, {48, 40, 40, 32, 0}, {40, 32, 32, 16, 40}, {49, 39, 39, 31, 2}},
            {1792, {537, 448, 448, 359, 0}, {449, 358, 358, 179, 448}, {538, 447, 447, 358, 2}},
        };
        for (const auto& row : rows) {
            QTest::addRow("%d no turret", row.points) << row.points << int(AllocationCase::NoTurret) << row.noTurret;
            QTest::addRow("%d turret", row.points) << row.points << int(AllocationCase::TurretFitted) << row.turret;
            QTest::addRow("%d vtol", row.points) << row.points << int(AllocationCase::VTOL) << row.vtol;
        }
    }
    void allocationShares()
    {
        QFETCH(int, points);
        QFETCH(int, which);
        QFETCH(QList<int>, expected);
        const ArmorAllocation got = AllocateArmor(points, AllocationCase(which));
        QCOMPARE((QList<int>{got.front, got.left, got.right, got.rear, got.turret}), expected);
    }

    void allocationAlwaysSpendsEveryPoint()
    {
        QList<int> reachable;  // what some armor tonnage buys
        for (int halves = 0; halves <= 200; ++halves) {
            const Currency tons = Currency::fromUnits(halves * 5000);
            reachable << StandardArmorPoints(tons).toInt16() << FerroFibrousPoints(tons).toInt16();
        }
        for (int points : reachable)
            for (int which = 0; which < 3; ++which) {
                const ArmorAllocation got = AllocateArmor(points, AllocationCase(which));
                QCOMPARE(got.front + got.left + got.right + got.rear + got.turret, points);
                QVERIFY(got.front >= 0 && got.rear >= 0 && got.turret >= 0);
            }
    }
};

QTEST_MAIN(RuleTablesTest)
#include "test_ruletables.moc"
