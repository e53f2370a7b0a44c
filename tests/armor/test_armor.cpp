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
const struct { int halfTons; bool ferroFibrous; int shares[3][5]; } Allocations[] = {
    {0, false, {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}},
    {20, false, {{48, 40, 40, 32, 0}, {40, 32, 32, 16, 40}, {49, 39, 39, 31, 2}}},              // 160
    {200, true, {{537, 448, 448, 359, 0}, {449, 358, 358, 179, 448}, {538, 447, 447, 358, 2}}}, // 1792
};

}  // namespace

class ArmorTest : public QObject {
    Q_OBJECT
private slots:
    // Ferro-Fibrous ticked after the tonnage and cleared again: its points and two item slots come and go.
    void pointsBought()
    {
        for (const bool german : {false, true}) {
            LocaleScope locale(german ? QLocale::German : QLocale::English,
                               german ? QLocale::Germany : QLocale::UnitedStates);
            for (const auto& row : Bought) {
                frmMain window;
                Drive(window, {QStringLiteral("vsbArmorTonnage=%1").arg(row.halfTons)});
                for (const bool ferroFibrous : {false, true, false}) {
                    Tick(window, QStringLiteral("chkFerroFibrous"), ferroFibrous);
                    QStringList checks = QStringLiteral("lblArmorTonnage=%1 lblTotalArmorPoints=%2 lblItemsFree=%3")
                                             .arg(row.tons, ferroFibrous ? row.ferroFibrous : row.standard)
                                             .arg(ferroFibrous ? 3 : 5).split(' ');
                    for (QString& check : checks) check = german ? InGerman(check) : check;
                    const QString failure = FirstFailure(window, checks);
                    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("%1 tons: %2").arg(row.tons, failure)));
                }
            }
        }
    }

    // Every point bought is spent, over whatever the locations held.
    void allocation()
    {
        for (const auto& row : Allocations)
            for (int vehicle = 0; vehicle < 3; ++vehicle) {
                frmMain window;
                Drive(window, Vehicles[vehicle] + QStringList{"vsbFrontArmor=7", "vsbRearArmor=300"});
                Drive(window, {QStringLiteral("chkFerroFibrous=%1").arg(row.ferroFibrous),
                               QStringLiteral("vsbArmorTonnage=%1").arg(row.halfTons), "cmdAllocateArmor"});
                QStringList checks = {"lblArmorPointsRemaining=0", "lblArmorPointsRemaining:black"};
                for (int k = 0; k < 5; ++k)
                    checks << QStringLiteral("vsb%1Armor=%2").arg(Locations[k]).arg(row.shares[vehicle][k])
                           << QStringLiteral("lbl%1Armor=%2").arg(Locations[k]).arg(row.shares[vehicle][k]);
                const QString failure = FirstFailure(window, checks);
                QVERIFY2(failure.isEmpty(),
                         qPrintable(QString("%1/%2 %3").arg(row.halfTons).arg(vehicle).arg(failure)));
            }
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
