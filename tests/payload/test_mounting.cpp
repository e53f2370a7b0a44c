// Mounting weapons and equipment from the weapons browser: location, totals, item slots and
// the Artemis IV lines that follow a new launcher.
#include <QStatusBar>
#include <QTest>

#include "support/payloadchecks.h"
#include "support/payloaddrive.h"
#include "support/testcatalogue.h"
#include "support/testsupport.h"

class MountingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void mount_data()
    {
        AddPayloadRows({
            {"energy weapon in the turret",
             OnTracked50({"chkTurret=1", "weapon=Medium Laser", "optLocation_4", "cmdAdd"}),
             {"PayloadTonnage=1", "EnergyWeaponTonnage=1", "TurretWeaponTonnage=1", "PayloadHeat=3",
              "PayloadCost=40000", "ItemsUsed=1", "lblPayloadTonnage=1.0", "lblItemsFree=14",
              "lblTurretTonnage=0.5", "lblPowerAmplifiers=0.1"},
             {"Medium Laser|3|1.0|Turret"}},
            {"electronics go in the body whatever is chosen",
             OnTracked50({"chkTurret=1", "weapon=Beagle Active Probe", "optLocation_4", "cmdAdd"}),
             {"TurretWeaponTonnage=0", "PayloadTonnage=1.5", "PayloadCost=200000", "lblTurretTonnage=0.0",
              "optLocation_4=1"},
             {"Beagle Active Probe|0|1.5|Body"}},
            {"the target designator goes where chosen",
             OnTracked50({"chkTurret=1", "weapon=TAG", "optLocation_4", "cmdAdd"}),
             {"TurretWeaponTonnage=1", "EnergyWeaponTonnage=0", "lblTurretTonnage=0.5"},
             {"TAG|0|1.0|Turret"}},
            {"an empty heat mounts as none", OnTracked50({"weapon=Machine Gun", "optLocation_1", "cmdAdd"}),
             {"PayloadHeat=0", "PayloadTonnage=0.5", "PayloadCost=5000"},
             {"Machine Gun|0|0.5|Rear"}},
            {"the same row again, at the same location",
             OnTracked50({"weapon=Medium Laser", "optLocation_3", "cmdAdd", "cmdAdd"}),
             {"optLocation_3=1", "ItemsUsed=2", "PayloadHeat=6", "vsbHeatSinks=6", "lblHeatSinkTonnage=6"},
             {"Medium Laser|3|1.0|Left", "Medium Laser|3|1.0|Left"}},
            {"a launcher without Artemis IV", OnTracked50({"weapon=LRM 5", "cmdAdd"}),
             {"ItemsUsed=1", "PayloadCost=30000"},
             {"LRM 5|2|2.0|Front"}},
            {"a third launcher with Artemis IV fitted",
             OnTracked50({"chkTurret=1", "weapon=LRM 5", "optLocation_0", "cmdAdd", "optLocation_4", "cmdAdd",
                   "chkArtemisLRM=1", "weapon=LRM 10", "optLocation_2", "cmdAdd"}),
             {"PayloadCost=460000", "PayloadTonnage=12", "TurretWeaponTonnage=3", "ItemsUsed=6",
              "lblItemsFree=9", "chkArtemisLRM=1"},
             {"LRM 5|2|2.0|Front", "LRM 5|2|2.0|Turret", "LRM 10|4|5.0|Right", "Artemis IV - LRM|0|1.0|Front",
              "Artemis IV - LRM|0|1.0|Turret", "Artemis IV - LRM|0|1.0|Right"}},
            {"LRM later in the name is no launcher",
             OnTracked50({"chkArtemisLRM=1", "weapon=LRM 5", "cmdAdd", "weapon=Rocket Pod LRM", "cmdAdd"}),
             {"PayloadCost=145000", "ItemsUsed=3"},
             {"LRM 5|2|2.0|Front", "Artemis IV - LRM|0|1.0|Front", "Rocket Pod LRM|1|1.5|Front"}},
            {"each family re-applies its own lines",
             OnTracked50({"chkArtemisSRM=1", "chkArtemisLRM=1", "weapon=SRM 2", "cmdAdd", "weapon=LRM 5", "optLocation_1",
                   "cmdAdd", "weapon=SRM 2", "optLocation_3", "cmdAdd"}),
             {"PayloadCost=350000", "PayloadTonnage=7", "ItemsUsed=6"},
             {"SRM 2|2|1.0|Front", "LRM 5|2|2.0|Rear", "Artemis IV - LRM|0|1.0|Rear", "SRM 2|2|1.0|Left",
              "Artemis IV - SRM|0|1.0|Front", "Artemis IV - SRM|0|1.0|Left"}},
            {"beyond the tonnage and the item slots",
             {"weapon=Machine Gun", "cmdAdd", "cmdAdd", "cmdAdd", "cmdAdd", "cmdAdd", "cmdAdd"},
             {"lblItemsFree=-1", "lblItemsFree:red", "lblTonnageRemaining=-4.5", "lblTonnageRemaining:red",
              "PayloadCount=6"},
             {"Machine Gun|0|0.5|Front", "Machine Gun|0|0.5|Front", "Machine Gun|0|0.5|Front",
              "Machine Gun|0|0.5|Front", "Machine Gun|0|0.5|Front", "Machine Gun|0|0.5|Front"}},
        });
    }

    void mount() { RunPayloadRow(); }

    // A catalogue row without a name would make a record that reads as an empty slot: it is
    // refused, with the user told, in both browsers.
    void namelessRowIsRefused_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("weapon") << "cmdAdd";
        QTest::newRow("ammunition") << "cmdAmmoAdd";
    }

    void namelessRowIsRefused()
    {
        QFETCH(QString, button);
        TestCatalogue catalogue({{"", "Energy", 1, 3, 40000}}, {{"", "Missile", 24, 30000}});
        frmMain window;
        catalogue.Attach(window);
        const PayloadSnapshot before = TakeSnapshot(window);
        Press(window, button);
        QVERIFY(TakeSnapshot(window) == before);
        QVERIFY(window.statusBar()->currentMessage().contains(QLatin1String("no name")));
    }

    // A heat that would carry the heat total past its range stops the add before anything
    // changes: table, list and totals stay in step.
    void overflowingHeatChangesNothing()
    {
        TestCatalogue catalogue({{"Plasma Vent", "Energy", 1, 20000, 1000}}, StandardAmmo());
        frmMain window;
        catalogue.Attach(window);
        Press(window, QStringLiteral("cmdAdd"));
        QCOMPARE(int(window.PayloadHeat), 20000);
        const PayloadSnapshot before = TakeSnapshot(window);
        Press(window, QStringLiteral("cmdAdd"));
        QVERIFY(TakeSnapshot(window) == before);
        VERIFY_PAYLOAD_IN_STEP(window);
    }
};

QTEST_MAIN(MountingTest)
#include "test_mounting.moc"
