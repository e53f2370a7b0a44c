// The "Armor" page driven as a user drives it: armor tonnage and type, the points they buy,
// the five locations and Auto-Allocate.
#include <QTest>

#include "support/scenario.h"
#include "support/testsupport.h"

namespace {

void UseLocale(bool german)
{
    QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany)
                               : QLocale(QLocale::English, QLocale::UnitedStates));
}

const char* const Locations[] = {"Front", "Left", "Right", "Rear", "Turret"};

// The armor tonnage steps (in half tons) and type that buy a number of points.
struct Purchase {
    int points;
    int halfTons;
    bool ferroFibrous;
};
constexpr Purchase Purchases[] = {
    {0, 0, false}, {8, 1, false}, {9, 1, true}, {18, 2, true}, {107, 12, true}, {160, 20, false}, {1792, 200, true},
};

QStringList Buy(const Purchase& purchase)
{
    QStringList steps;
    if (purchase.ferroFibrous) steps << QStringLiteral("chkFerroFibrous=1");
    steps << QStringLiteral("vsbArmorTonnage=%1").arg(purchase.halfTons);
    return steps;
}

const struct {
    const char* name;
    QStringList steps;
} Cases[] = {
    {"no turret", {"optMotiveType_1"}},
    {"turret", {"optMotiveType_1", "chkTurret=1"}},
    {"vtol", {"optMotiveType_3"}},
};

}  // namespace

class ArmorTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void pointsBought_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<int>("halfTons");
        QTest::addColumn<bool>("ferroFibrous");
        QTest::addColumn<QString>("tons");
        QTest::addColumn<QString>("points");
        const struct {
            int halfTons;
            bool ferroFibrous;
            const char *tons, *points;
        } rows[] = {
            {0, false, "0.0", "0"},      {0, true, "0.0", "0"},       {1, false, "0.5", "8"},
            {1, true, "0.5", "9"},       {2, true, "1.0", "18"},      {5, true, "2.5", "45"},
            {10, true, "5.0", "90"},     {12, false, "6.0", "96"},    {12, true, "6.0", "107"},
            {20, true, "10.0", "179"},   {37, true, "18.5", "331"},   {62, true, "31.0", "555"},
            {187, true, "93.5", "1,675"}, {200, false, "100.0", "1,600"}, {200, true, "100.0", "1,792"},
        };
        for (const bool german : {false, true})
            for (const auto& row : rows)
                QTest::addRow("%s %s %d", german ? "de" : "en", row.ferroFibrous ? "ferro" : "standard", row.halfTons)
                    << german << row.halfTons << row.ferroFibrous << QString::fromLatin1(row.tons)
                    << QString::fromLatin1(row.points);
    }
    // The tonnage label and the points it buys, whichever of tonnage and type is set first.
    void pointsBought()
    {
        QFETCH(bool, german);
        QFETCH(int, halfTons);
        QFETCH(bool, ferroFibrous);
        QFETCH(QString, tons);
        QFETCH(QString, points);
        UseLocale(german);
        QStringList checks = {QStringLiteral("lblArmorTonnage=") + tons, QStringLiteral("lblTotalArmorPoints=") + points};
        if (german)
            for (QString& check : checks) check = InGerman(check);
        const QString tonnage = QStringLiteral("vsbArmorTonnage=%1").arg(halfTons);
        const QString type = QStringLiteral("chkFerroFibrous=%1").arg(int(ferroFibrous));
        for (const QStringList& steps : {QStringList{tonnage, type}, QStringList{type, tonnage}}) {
            frmMain window;
            Drive(window, steps);
            const QString failure = FirstFailure(window, checks);
            QVERIFY2(failure.isEmpty(), qPrintable(steps.join(' ') + ": " + failure));
        }
    }

    // Ferro-Fibrous takes two item slots and gives them back; the type name follows the box.
    void ferroFibrousOnAndOff()
    {
        frmMain window;
        Drive(window, {"optMotiveType_1", "vsbMass=10", "vsbArmorTonnage=20"});
        QVERIFY(FirstFailure(window, {"lblItemsFree=7", "lblTotalArmorPoints=160", "lblCost=128,333"}).isEmpty());
        QCOMPARE(window.ArmorTypeName, QStringLiteral("Standard"));
        Tick(window, QStringLiteral("chkFerroFibrous"), true);
        QString failure = FirstFailure(window, {"lblItemsFree=5", "lblTotalArmorPoints=179", "lblCost=238,333"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(window.ArmorTypeName, QStringLiteral("Ferro Fibrous"));
        Tick(window, QStringLiteral("chkFerroFibrous"), false);
        failure = FirstFailure(window, {"lblItemsFree=7", "lblTotalArmorPoints=160", "lblCost=128,333"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(window.ArmorTypeName, QStringLiteral("Standard"));
        QCOMPARE(int(window.ItemsUsed), 0);
    }

    void allocation_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("expected");  // front, left, right, rear, turret
        const QList<int> worked[][3] = {
            // no turret, turret fitted, VTOL
            {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
            {{2, 2, 2, 2, 0}, {4, 1, 1, 0, 2}, {3, 1, 1, 1, 2}},
            {{2, 2, 2, 3, 0}, {5, 1, 1, 0, 2}, {4, 1, 1, 1, 2}},
            {{5, 4, 4, 5, 0}, {7, 3, 3, 1, 4}, {5, 4, 4, 3, 2}},
            {{32, 26, 26, 23, 0}, {29, 21, 21, 10, 26}, {32, 26, 26, 21, 2}},
            {{48, 40, 40, 32, 0}, {40, 32, 32, 16, 40}, {49, 39, 39, 31, 2}},
            {{537, 448, 448, 359, 0}, {449, 358, 358, 179, 448}, {538, 447, 447, 358, 2}},
        };
        for (const bool german : {false, true})
            for (int p = 0; p < int(std::size(Purchases)); ++p)
                for (int c = 0; c < int(std::size(Cases)); ++c)
                    QTest::addRow("%s %d %s", german ? "de" : "en", Purchases[p].points, Cases[c].name)
                        << german << Cases[c].steps + Buy(Purchases[p]) << worked[p][c];
    }
    // Auto-Allocate spends every point bought by the worked shares; the labels follow.
    void allocation()
    {
        QFETCH(bool, german);
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, expected);
        UseLocale(german);
        frmMain window;
        Drive(window, steps + QStringList{"vsbFrontArmor=7", "vsbRearArmor=300", "cmdAllocateArmor"});
        QStringList checks;
        int total = 0;
        for (int k = 0; k < 5; ++k) {
            checks << QStringLiteral("vsb%1Armor=%2").arg(QLatin1String(Locations[k])).arg(expected[k])
                   << QStringLiteral("lbl%1Armor=%2").arg(QLatin1String(Locations[k])).arg(expected[k]);
            total += expected[k];
        }
        checks << QStringLiteral("lblArmorPointsUsed=%1").arg(total) << QStringLiteral("lblArmorPointsRemaining=0")
               << QStringLiteral("lblArmorPointsRemaining:black");
        const QString failure = FirstFailure(window, checks);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void writeOrder_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("writes");  // location and the points used right after it
        QTest::newRow("turret") << QStringList{"optMotiveType_1", "chkTurret=1", "vsbArmorTonnage=20"}
                                << QStringList{"Turret 40", "Front 80", "Right 112", "Left 144", "Rear 160"};
        QTest::newRow("no turret, unchanged turret not written")
            << QStringList{"optMotiveType_1", "vsbArmorTonnage=20"}
            << QStringList{"Front 48", "Right 88", "Left 128", "Rear 160"};
        QTest::newRow("vtol") << QStringList{"optMotiveType_3", "vsbArmorTonnage=1"}
                              << QStringList{"Turret 2", "Front 5", "Right 6", "Left 7", "Rear 8"};
        QTest::newRow("overwrites what was there")
            << QStringList{"optMotiveType_1", "vsbArmorTonnage=20", "vsbFrontArmor=48", "vsbLeftArmor=90"}
            << QStringList{"Right 178", "Left 128", "Rear 160"};
    }
    // Locations are written turret, front, right, left, rear, each change recalculated before
    // the next write; a write of the value already there runs nothing.
    void writeOrder()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, writes);
        frmMain window;
        Drive(window, steps);
        QStringList seen;
        for (const char* location : Locations) {
            const QString name = QLatin1String(location);
            connect(Control<QScrollBar>(window, QStringLiteral("vsb%1Armor").arg(name)), &QScrollBar::valueChanged,
                    this, [&window, &seen, name] { seen << name + ' ' + Text(window, QStringLiteral("lblArmorPointsUsed")); });
        }
        Press(window, QStringLiteral("cmdAllocateArmor"));
        QCOMPARE(seen, writes);
        seen.clear();
        Press(window, QStringLiteral("cmdAllocateArmor"));
        QVERIFY(seen.isEmpty());
    }

    // The locations belong to the user: a new tonnage leaves them, too many points show red.
    void locationsStayWhenTheTonnageChanges()
    {
        frmMain window;
        Drive(window, {"optMotiveType_1", "vsbArmorTonnage=20", "cmdAllocateArmor", "vsbArmorTonnage=10"});
        QString failure = FirstFailure(window, {"vsbFrontArmor=48", "vsbLeftArmor=40", "vsbRightArmor=40",
                                                "vsbRearArmor=32", "lblTotalArmorPoints=80", "lblArmorPointsUsed=160",
                                                "lblArmorPointsRemaining=-80", "lblArmorPointsRemaining:red"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        Drive(window, {"vsbArmorTonnage=30", "vsbRearArmor=112"});
        failure = FirstFailure(window, {"lblArmorPointsUsed=240", "lblArmorPointsRemaining=0",
                                        "lblArmorPointsRemaining:black"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // The rotor carries at most two points; leaving the VTOL clears it.
    void rotorLimit()
    {
        frmMain window;
        Drive(window, {"optMotiveType_3", "vsbTurretArmor=5"});
        QString failure = FirstFailure(window, {"vsbTurretArmor=2", "lblTurretArmor=2", "lblArmorPointsUsed=2",
                                                "lblArmorPointsRemaining=-2", "lblArmorPointsRemaining:red"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        Drive(window, {"optMotiveType_0"});
        failure = FirstFailure(window, {"vsbTurretArmor=0", "lblTurretArmor=0", "lblArmorPointsUsed=0",
                                        "vsbTurretArmor.enabled=0", "lblTurret=Turret:"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(ArmorTest)
#include "test_armor.moc"
