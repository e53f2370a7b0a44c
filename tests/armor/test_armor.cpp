// The "Armor" page driven as a user drives it: the points a tonnage buys under English and German
// settings, the shares Auto-Allocate gives the five locations and the order in which it writes them.
#include <QTest>

#include "support/scenario.h"
#include "support/testsupport.h"

namespace {

const char* const Locations[] = {"Front", "Left", "Right", "Rear", "Turret"};

// The tonnage in half tons as shown, and the points it buys as standard and as Ferro-Fibrous armor.
const struct { int halfTons; const char *tons, *standard, *ferroFibrous; } Bought[] = {
    {0, "0.0", "0", "0"}, {1, "0.5", "8", "9"}, {200, "100.0", "1,600", "1,792"},
};

// Front, left, right, rear and turret (or rotor) after Auto-Allocate, by the points bought, on a
// vehicle without turret, one with a turret and a VTOL.
const QStringList Vehicles[] = {{"optMotiveType_1"}, {"optMotiveType_1", "chkTurret=1"}, {"optMotiveType_3"}};
const char* const VehicleNames[] = {"no turret", "turret", "VTOL"};
const struct { int halfTons; bool ferroFibrous; int shares[3][5]; } Allocations[] = {
    {0, false, {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}},
    {20, false, {{48, 40, 40, 32, 0}, {40, 32, 32, 16, 40}, {49, 39, 39, 31, 2}}},              // 160
    {200, true, {{537, 448, 448, 359, 0}, {449, 358, 358, 179, 448}, {538, 447, 447, 358, 2}}}, // 1792
};

}  // namespace

class ArmorTest : public QObject {
    Q_OBJECT
private slots:
    void pointsBought_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("german");
        for (int k = 0; k < int(std::size(Bought)); ++k)
            for (const bool german : {false, true}) QTest::addRow("%s tons, %s", Bought[k].tons, german ? "de" : "en") << k << german;
    }

    // Ferro-Fibrous ticked after the tonnage and cleared again: its points and two item slots come and go.
    void pointsBought()
    {
        QFETCH(int, row);
        QFETCH(bool, german);
        const auto& [halfTons, tons, standard, ferroFibrous] = Bought[row];
        const LocaleScope locale(german ? QLocale::German : QLocale::English, german ? QLocale::Germany : QLocale::UnitedStates);
        frmMain window;
        Drive(window, {QStringLiteral("vsbArmorTonnage=%1").arg(halfTons)});
        for (const bool ticked : {false, true, false}) {
            Tick(window, QStringLiteral("chkFerroFibrous"), ticked);
            QStringList checks = QStringLiteral("lblArmorTonnage=%1 lblTotalArmorPoints=%2 lblItemsFree=%3")
                                     .arg(tons, ticked ? ferroFibrous : standard).arg(ticked ? 3 : 5).split(' ');
            for (QString& check : checks) check = german ? InGerman(check) : check;
            QCOMPARE(FirstFailure(window, checks), QString());
        }
    }

    void allocation_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("vehicle");
        for (int k = 0; k < int(std::size(Allocations)); ++k)
            for (int vehicle = 0; vehicle < 3; ++vehicle)
                QTest::addRow("%d half tons%s, %s", Allocations[k].halfTons, Allocations[k].ferroFibrous ? " Ferro-Fibrous" : "",
                              VehicleNames[vehicle]) << k << vehicle;
    }

    // Every point bought is spent, over whatever the locations held.
    void allocation()
    {
        QFETCH(int, row);
        QFETCH(int, vehicle);
        frmMain window;
        Drive(window, Vehicles[vehicle] + QStringList{"vsbFrontArmor=7", "vsbRearArmor=300"});
        Drive(window, {QStringLiteral("chkFerroFibrous=%1").arg(Allocations[row].ferroFibrous),
                       QStringLiteral("vsbArmorTonnage=%1").arg(Allocations[row].halfTons), "cmdAllocateArmor"});
        QStringList checks = {"lblArmorPointsRemaining=0", "lblArmorPointsRemaining:black"};
        for (int k = 0; k < 5; ++k)
            checks << QStringLiteral("vsb%1Armor=%2").arg(Locations[k]).arg(Allocations[row].shares[vehicle][k])
                   << QStringLiteral("lbl%1Armor=%2").arg(Locations[k]).arg(Allocations[row].shares[vehicle][k]);
        QCOMPARE(FirstFailure(window, checks), QString());
    }

    // Turret, front, right, left, rear, each recalculated before the next; a second press
    // writes nothing because nothing changes.
    void writeOrder()
    {
        frmMain window;
        Drive(window, {"optMotiveType_1", "chkTurret=1", "vsbArmorTonnage=20"});
        QStringList seen;
        for (const QString location : Locations)
            connect(Control<QScrollBar>(window, "vsb" + location + "Armor"), &QScrollBar::valueChanged, this,
                    [&, location] { seen << location + ' ' + Text(window, "lblArmorPointsUsed"); });
        Press(window, QStringLiteral("cmdAllocateArmor"));
        QCOMPARE(seen, (QStringList{"Turret 40", "Front 80", "Right 112", "Left 144", "Rear 160"}));
        Press(window, QStringLiteral("cmdAllocateArmor"));
        QCOMPARE(seen.size(), 5);
    }
};

QTEST_MAIN(ArmorTest)
#include "test_armor.moc"
