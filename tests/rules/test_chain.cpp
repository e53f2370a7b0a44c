// The recalculation chain driven through the window, with its cascades: the engine cap and
// the hovercraft engine minimum move the cruise speed, the payload heat moves the heat sinks.
#include <QTest>

#include "support/payloaddrive.h"
#include "support/scenario.h"
#include "support/testcatalogue.h"
#include "support/testsupport.h"

namespace {

struct Scenario {
    const char* name;
    QStringList steps;
    QStringList checks;
};

const QList<Scenario>& Scenarios()
{
    static const QList<Scenario> scenarios = {
        {"fresh design", {}, {"lblEngineSize=10", "lblEngineWeight=1.0", "lblTonnageRemaining=-1.5",
                              "lblTonnageRemaining:red", "lblCost=20,570", "lblFlank=2"}},
        {"flank speeds", {"optMotiveType_1", "vsbMass=20", "vsbCruise=4"}, {"lblFlank=6", "lblCruise=4"}},
        {"flank of five", {"optMotiveType_1", "vsbMass=20", "vsbCruise=5"}, {"lblFlank=8"}},
        {"tracked fusion 50 at 4",
         {"optMotiveType_1", "optEngineType_1", "vsbMass=50", "vsbCruise=4"},
         {"lblEngineSize=200", "lblEngineWeight=13.0", "lblControlTonnage=2.5", "lblInternalStructure=5.0",
          "lblLiftEquipment=0.0", "vsbHeatSinks=10", "vsbHeatSinks.min=10", "lblHeatSinkTonnage=0",
          "lblCost=1,112,500", "lblItemsFree=15"}},
        {"tracked ice 50 at 4", {"optMotiveType_1", "vsbMass=50", "vsbCruise=4"},
         {"lblEngineSize=200", "lblEngineWeight=17.0"}},
        {"tracked fusion xl 50 at 4", {"optMotiveType_1", "optEngineType_2", "vsbMass=50", "vsbCruise=4"},
         {"lblEngineWeight=6.5", "lblItemsFree=13"}},
        {"100-ton tracked capped at 400", {"optMotiveType_1", "vsbMass=100", "vsbCruise=5"},
         {"vsbCruise=4", "lblCruise=4", "lblFlank=6", "lblEngineSize=400", "lblEngineWeight=105.0"}},
        {"100-ton tracked fusion capped", {"optMotiveType_1", "optEngineType_1", "vsbMass=100", "vsbCruise=5"},
         {"vsbCruise=4", "lblEngineSize=400", "lblEngineWeight=79.0"}},
        {"raising a capped cruise springs back", {"optMotiveType_1", "vsbMass=100", "vsbCruise=4", "vsbCruise=5"},
         {"vsbCruise=4", "lblEngineSize=400"}},
        {"wheeled fusion xl 80 at 5", {"optMotiveType_2", "optEngineType_2", "vsbMass=80", "vsbCruise=5"},
         {"lblEngineSize=380", "lblEngineWeight=31.0", "lblControlTonnage=4.0", "lblInternalStructure=8.0",
          "vsbHeatSinks=10", "lblCost=11,517,333"}},
        {"hover ice 50 at 5 rises to 8", {"vsbMass=50", "vsbCruise=5"},
         {"vsbCruise=8", "lblCruise=8", "lblFlank=12", "lblEngineSize=165", "lblEngineWeight=12.0"}},
        {"hover ice cannot go below 8", {"vsbMass=50", "vsbCruise=5", "vsbCruise=7"},
         {"vsbCruise=8", "lblEngineSize=165"}},
        {"hover fusion xl 50 from 1 ends at 10", {"optEngineType_2", "vsbMass=50"},
         {"vsbCruise=10", "lblCruise=10", "lblEngineSize=265", "lblEngineWeight=10.5", "lblLiftEquipment=5.0"}},
        {"hover fusion 50 from 1 ends at 9", {"optEngineType_1", "vsbMass=50"},
         {"vsbCruise=9", "lblEngineSize=215", "lblEngineWeight=14.5"}},
        {"hover 10 to 11 tons uses factor 85", {"vsbMass=10", "vsbMass=11"},
         {"vsbCruise=12", "lblEngineSize=50", "lblEngineWeight=3.0", "lblLiftEquipment=1.5"}},
        {"hover at 10 tons", {"vsbMass=10"}, {"vsbCruise=7", "lblEngineSize=30", "lblEngineWeight=2.0"}},
        {"vtol 30 fusion", {"optMotiveType_3", "optEngineType_1", "vsbMass=30"},
         {"lblEngineSize=10", "lblEngineWeight=1.0", "lblLiftEquipment=3.0", "lblControlTonnage=1.5",
          "lblInternalStructure=3.0", "lblCost=370,000"}},
        {"hover 31 tons uses factor 175", {"vsbMass=31"},
         {"lblLiftEquipment=3.5", "vsbCruise=9", "lblEngineSize=105", "lblEngineWeight=7.0"}},
        {"vtol 30 uses factor 140", {"optMotiveType_3", "vsbMass=30", "vsbCruise=6"},
         {"lblEngineSize=40", "lblEngineWeight=2.0", "lblLiftEquipment=3.0", "lblCost=370,000"}},
        {"vtol of one ton", {"optMotiveType_3"},
         {"lblLiftEquipment=0.5", "lblControlTonnage=0.5", "lblInternalStructure=0.5", "lblEngineSize=10",
          "lblCost=31,172", "lblTonnageRemaining=-1.5"}},
        {"tracked 100 made a hover drops to 50 and rises to cruise 8",
         {"optMotiveType_1", "vsbMass=100", "vsbCruise=5", "optMotiveType_0"},
         {"vsbMass=50", "vsbCruise=8", "lblEngineSize=165", "lblEngineWeight=12.0", "lblLiftEquipment=5.0",
          "lblCost=625,000"}},
        {"tracked 100 made a vtol keeps the capped cruise",
         {"optMotiveType_1", "vsbMass=100", "vsbCruise=5", "optMotiveType_3"},
         {"vsbMass=30", "vsbCruise=4", "lblEngineSize=10", "lblLiftEquipment=3.0", "lblCost=340,000"}},
        {"a raised cruise stays when the engine changes", {"optEngineType_2", "vsbMass=50", "optEngineType_0"},
         {"vsbCruise=10", "lblEngineSize=265", "lblEngineWeight=28.0", "lblTonnageRemaining=-0.5",
          "lblTonnageRemaining:red", "lblCost=831,667"}},
        {"heat sinks beyond the free ones cost",
         {"optMotiveType_1", "optEngineType_1", "vsbMass=50", "vsbCruise=4", "vsbHeatSinks=12"},
         {"lblHeatSinkTonnage=2", "lblCost=1,118,500", "lblTonnageRemaining=27.5"}},
        {"mass 21", {"optMotiveType_1", "vsbMass=21"}, {"lblControlTonnage=1.0", "lblInternalStructure=2.5"}},
        {"mass 23", {"optMotiveType_1", "vsbMass=23"}, {"lblControlTonnage=1.5", "lblInternalStructure=2.5"}},
        {"vtol caps the mass, hover keeps it", {"optMotiveType_1", "vsbMass=60", "optMotiveType_3", "optMotiveType_0"},
         {"vsbMass=30", "lblMass=30", "vsbMass.max=50"}},
        {"vtol rotor", {"optMotiveType_1", "chkTurret=1", "vsbTurretArmor=50", "optMotiveType_3"},
         {"chkTurret=0", "chkTurret.enabled=0", "lblTurret=Rotor:", "vsbTurretArmor=0", "vsbTurretArmor.max=2",
          "vsbTurretArmor.enabled=1", "lblTurret.enabled=1", "optLocation_4.enabled=0"}},
        {"leaving vtol clears the rotor", {"optMotiveType_3", "vsbTurretArmor=2", "optMotiveType_1"},
         {"vsbTurretArmor=0", "lblTurret=Turret:", "vsbTurretArmor.enabled=0", "vsbTurretArmor.max=2000",
          "chkTurret.enabled=1"}},
        {"turret enables its location", {"optMotiveType_1", "chkTurret=1"},
         {"vsbTurretArmor.enabled=1", "optLocation_4.enabled=1", "lblTurretTonnage=0.0"}},
        {"heat sinks above the required weigh", {"optMotiveType_1", "optEngineType_1", "vsbMass=50", "vsbHeatSinks=12"},
         {"lblHeatSinks=12", "lblHeatSinkTonnage=2"}},
        {"back to ice keeps the count", {"optMotiveType_1", "optEngineType_1", "vsbMass=20", "optEngineType_0"},
         {"vsbHeatSinks=10", "vsbHeatSinks.min=0", "lblHeatSinkTonnage=10"}},
        {"items with xl and ferro-fibrous", {"optMotiveType_1", "vsbMass=10", "optEngineType_2", "chkFerroFibrous=1"},
         {"lblItemLimit=7", "lblItemsFree=3", "lblItemsFree:black"}},
        {"item limit steps at five tons", {"optMotiveType_1", "vsbMass=4"}, {"lblItemLimit=5", "lblItemsFree=5"}},
        {"five tons give six slots", {"optMotiveType_1", "vsbMass=5"}, {"lblItemLimit=6"}},
        {"tonnage exactly used is black", {"optMotiveType_1", "vsbMass=10", "vsbArmorTonnage=15"},
         {"lblTonnageRemaining=0.0", "lblTonnageRemaining:black"}},
        {"half a ton over is red", {"optMotiveType_1", "vsbMass=10", "vsbArmorTonnage=16"},
         {"lblTonnageRemaining=-0.5", "lblTonnageRemaining:red"}},
        {"armor points all placed", {"vsbArmorTonnage=4", "vsbFrontArmor=32"},
         {"lblTotalArmorPoints=32", "lblArmorPointsUsed=32", "lblArmorPointsRemaining=0",
          "lblArmorPointsRemaining:black"}},
        {"armor points over are red", {"vsbArmorTonnage=4", "vsbFrontArmor=32", "vsbRearArmor=1"},
         {"lblArmorPointsUsed=33", "lblArmorPointsRemaining=-1", "lblArmorPointsRemaining:red"}},
        {"location labels have no grouping", {"vsbFrontArmor=1600"}, {"lblFrontArmor=1600"}},
        {"ferro-fibrous at 100 tons", {"chkFerroFibrous=1", "vsbArmorTonnage=200"},
         {"lblArmorTonnage=100.0", "lblTotalArmorPoints=1,792"}},
        {"ferro-fibrous at 6 tons", {"chkFerroFibrous=1", "vsbArmorTonnage=12"}, {"lblTotalArmorPoints=107"}},
        {"clearing ferro-fibrous leaves 19 too many",
         {"vsbArmorTonnage=20", "chkFerroFibrous=1", "cmdAllocateArmor", "chkFerroFibrous=0"},
         {"lblTotalArmorPoints=160", "lblArmorPointsUsed=179", "lblArmorPointsRemaining=-19",
          "lblArmorPointsRemaining:red"}},
        {"allocate without armor", {"vsbFrontArmor=5", "cmdAllocateArmor"},
         {"vsbFrontArmor=0", "lblArmorPointsUsed=0"}},
        {"allocate 160 without turret", {"optMotiveType_1", "vsbArmorTonnage=20", "cmdAllocateArmor"},
         {"vsbFrontArmor=48", "vsbLeftArmor=40", "vsbRightArmor=40", "vsbRearArmor=32", "vsbTurretArmor=0",
          "lblArmorPointsRemaining=0", "lblFrontArmor=48", "lblRearArmor=32"}},
        {"allocate 160 with turret", {"optMotiveType_1", "chkTurret=1", "vsbArmorTonnage=20", "cmdAllocateArmor"},
         {"vsbFrontArmor=40", "vsbLeftArmor=32", "vsbRightArmor=32", "vsbRearArmor=16", "vsbTurretArmor=40",
          "lblTurretArmor=40"}},
        {"allocate 9 gives the odd point to the rear", {"chkFerroFibrous=1", "vsbArmorTonnage=1", "cmdAllocateArmor"},
         {"vsbFrontArmor=2", "vsbRearArmor=3"}},
        {"allocate 8 on a vtol", {"optMotiveType_3", "vsbArmorTonnage=1", "cmdAllocateArmor"},
         {"vsbTurretArmor=2", "vsbFrontArmor=3", "vsbLeftArmor=1", "vsbRightArmor=1", "vsbRearArmor=1",
          "lblArmorPointsRemaining=0"}},
        {"standard armor cost", {"optMotiveType_1", "vsbMass=50", "vsbArmorTonnage=10"}, {"lblCost=250,000"}},
        {"ferro-fibrous doubles the armor price",
         {"optMotiveType_1", "vsbMass=50", "vsbArmorTonnage=10", "chkFerroFibrous=1"},
         {"lblCost=325,000"}},
    };
    return scenarios;
}

}  // namespace

class ChainTest : public QObject {
    Q_OBJECT
private slots:
    void scenario_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("german");
        for (int i = 0; i < Scenarios().size(); ++i) {
            QTest::addRow("en %s", Scenarios()[i].name) << i << false;
            QTest::addRow("de %s", Scenarios()[i].name) << i << true;
        }
    }
    void scenario()
    {
        QFETCH(int, index);
        QFETCH(bool, german);
        QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany)
                                   : QLocale(QLocale::English, QLocale::UnitedStates));
        const Scenario& scenario = Scenarios()[index];
        frmMain window;
        Drive(window, scenario.steps);
        QStringList checks = scenario.checks;
        if (german)
            for (QString& check : checks) check = InGerman(check);
        const QString failure = FirstFailure(window, checks);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void componentsFollowThePayloadTotals_data()
    {
        QTest::addColumn<bool>("german");
        QTest::newRow("en") << false;
        QTest::newRow("de") << true;
    }
    // The turret and the power amplifiers read only the running totals of the payload.
    void componentsFollowThePayloadTotals()
    {
        QFETCH(bool, german);
        QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany)
                                   : QLocale(QLocale::English, QLocale::UnitedStates));
        frmMain window;
        Drive(window, {"optMotiveType_1", "vsbMass=40", "chkTurret=1"});
        const struct {
            double turretTons, energyTons;
            const char *turret, *amps;
            double storedAmps;
        } rows[] = {
            {7, 7, "1.0", "0.7", 0.7}, {0.5, 13, "0.5", "1.3", 1.3}, {0, 0.5, "0.0", "0.1", 0.1}, {3, 12.5, "0.5", "1.3", 1.3},
        };
        for (const auto& row : rows) {
            window.TurretWeaponTonnage = Currency::fromDouble(row.turretTons);
            window.EnergyWeaponTonnage = Currency::fromDouble(row.energyTons);
            window.UpdateDesign();
            const auto shown = [german](const char* english) {
                return german ? QString::fromLatin1(english).replace(QLatin1Char('.'), QLatin1Char(','))
                              : QString::fromLatin1(english);
            };
            QCOMPARE(Text(window, QStringLiteral("lblTurretTonnage")), shown(row.turret));
            QCOMPARE(Text(window, QStringLiteral("lblPowerAmplifiers")), shown(row.amps));
            QCOMPARE(window.PowerAmpTonnage, Currency::fromDouble(row.storedAmps));
        }
        Choose(window, QStringLiteral("optEngineType_1"));
        QCOMPARE(window.PowerAmpTonnage, Currency(0));
        QCOMPARE(Text(window, QStringLiteral("lblPowerAmplifiers")), german ? QStringLiteral("0,0") : QStringLiteral("0.0"));
        Tick(window, QStringLiteral("chkTurret"), false);
        QCOMPARE(Text(window, QStringLiteral("lblTurretTonnage")), german ? QStringLiteral("0,0") : QStringLiteral("0.0"));
    }

    // A new movement type lowers the mass under the old type first; a VTOL clears the turret
    // box while it can still be ticked; leaving a VTOL clears the rotor under the new caption,
    // before the turret box is enabled again and the rotor limit lifted.
    void motiveChangeStepOrder()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        frmMain window;
        Drive(window, {"optMotiveType_1", "vsbMass=100", "chkTurret=1"});
        QStringList seen;
        const auto record = [&](const char* what) {
            seen << QStringLiteral("%1 type %2 caption %3 box %4 top %5")
                        .arg(QLatin1String(what))
                        .arg(int(window.MotiveType))
                        .arg(Text(window, QStringLiteral("lblTurret")))
                        .arg(Control<QCheckBox>(window, QStringLiteral("chkTurret"))->isEnabled())
                        .arg(Control<QScrollBar>(window, QStringLiteral("vsbTurretArmor"))->maximum());
        };
        connect(Control<QScrollBar>(window, QStringLiteral("vsbMass")), &QScrollBar::valueChanged, this,
                [&] { record("mass"); });
        connect(Control<QCheckBox>(window, QStringLiteral("chkTurret")), &QCheckBox::toggled, this,
                [&] { record("box"); });
        connect(Control<QScrollBar>(window, QStringLiteral("vsbTurretArmor")), &QScrollBar::valueChanged, this,
                [&] { record("rotor"); });
        Choose(window, QStringLiteral("optMotiveType_3"));
        QCOMPARE(seen, (QStringList{"mass type 1 caption Turret: box 1 top 2000",
                                    "box type 3 caption Turret: box 1 top 2000"}));
        SetValue(window, QStringLiteral("vsbTurretArmor"), 2);
        seen.clear();
        Choose(window, QStringLiteral("optMotiveType_2"));
        QCOMPARE(seen, QStringList{"rotor type 2 caption Turret: box 0 top 2"});
        const QString failure = FirstFailure(window, {"chkTurret.enabled=1", "vsbTurretArmor.max=2000",
                                                      "vsbTurretArmor.enabled=0", "lblArmorPointsUsed=0"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // The heat sink spinner's bottom follows the payload heat.
    void heatSinksFollowThePayloadHeat()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        frmMain window;
        Drive(window, {"optMotiveType_1", "vsbMass=40", "optEngineType_1"});
        window.PayloadHeat = 8;
        window.UpdateDesign();
        QVERIFY(FirstFailure(window, {"vsbHeatSinks=10", "vsbHeatSinks.min=10", "lblHeatSinkTonnage=0"}).isEmpty());
        window.PayloadHeat = 14;
        window.UpdateDesign();
        QString failure = FirstFailure(window, {"vsbHeatSinks=14", "vsbHeatSinks.min=14", "lblHeatSinks=14",
                                                "lblHeatSinkTonnage=4"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        window.PayloadHeat = 6;
        window.UpdateDesign();
        failure = FirstFailure(window, {"vsbHeatSinks=14", "vsbHeatSinks.min=10", "lblHeatSinkTonnage=4"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        Choose(window, QStringLiteral("optEngineType_0"));
        SetValue(window, QStringLiteral("vsbHeatSinks"), 6);
        failure = FirstFailure(window, {"vsbHeatSinks=6", "vsbHeatSinks.min=6", "lblHeatSinkTonnage=6"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        SetValue(window, QStringLiteral("vsbHeatSinks"), 2);
        QCOMPARE(Value(window, QStringLiteral("vsbHeatSinks")), 6);
    }

    void mountedPayload_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("checks");
        const struct {
            const char* name;
            QStringList steps, checks;
        } rows[] = {
            {"fusion heat above the free sinks raises the count",
             OnTracked50({"optEngineType_1", "vsbCruise=4", "chkTurret=1", "weapon=Large Laser", "optLocation_4",
                          "cmdAdd", "weapon=Medium Laser", "optLocation_0", "cmdAdd"}),
             {"PayloadHeat=11", "vsbHeatSinks=11", "vsbHeatSinks.min=11", "lblHeatSinks=11", "lblHeatSinkTonnage=1",
              "lblTurretTonnage=0.5", "lblPayloadTonnage=6.0", "lblTonnageRemaining=22.0"}},
            {"less heat lowers the bottom, not the count",
             OnTracked50({"optEngineType_1", "vsbCruise=4", "chkTurret=1", "weapon=Large Laser", "optLocation_4",
                          "cmdAdd", "weapon=Medium Laser", "optLocation_0", "cmdAdd", "line=1", "cmdRemove"}),
             {"vsbHeatSinks=11", "vsbHeatSinks.min=10", "lblHeatSinkTonnage=1", "lblTurretTonnage=0.0",
              "lblTonnageRemaining=27.5"}},
            {"ice weighs every sink and its amplifiers",
             OnTracked50({"optEngineType_1", "vsbCruise=4", "chkTurret=1", "weapon=Large Laser", "optLocation_4",
                          "cmdAdd", "weapon=Medium Laser", "optLocation_0", "cmdAdd", "line=1", "cmdRemove",
                          "optEngineType_0"}),
             {"vsbHeatSinks=11", "vsbHeatSinks.min=3", "lblHeatSinkTonnage=11", "lblPowerAmplifiers=0.1",
              "lblTonnageRemaining=13.4"}},
            {"ice amplifiers stored as shown",
             OnTracked50({"weapon=Large Laser", "cmdAdd", "weapon=Medium Laser", "cmdAdd"}),
             {"vsbHeatSinks=11", "vsbHeatSinks.min=11", "lblHeatSinkTonnage=11", "lblPowerAmplifiers=0.6",
              "lblTonnageRemaining=21.9", "lblCost=436,000"}},
            {"a vtol takes the turret, its items and its armor",
             OnTracked50({"chkTurret=1", "vsbArmorTonnage=20", "cmdAllocateArmor", "weapon=Medium Laser",
                          "optLocation_4", "cmdAdd", "weapon=LRM 5", "optLocation_0", "cmdAdd", "weapon=SRM 2",
                          "optLocation_4", "cmdAdd", "weapon=Large Laser", "cmdAdd", "optMotiveType_3"}),
             {"PayloadCount=1", "TurretWeaponTonnage=0", "PayloadTonnage=2", "vsbMass=30", "vsbTurretArmor=0",
              "lblTurretArmor=0", "lblArmorPointsUsed=120", "lblTurretTonnage=0.0", "chkTurret=0",
              "chkTurret.enabled=0", "lblTurret=Rotor:", "vsbTurretArmor.max=2"}},
        };
        for (const bool german : {false, true})
            for (const auto& row : rows)
                QTest::addRow("%s %s", german ? "de" : "en", row.name) << german << row.steps << row.checks;
    }
    // The chain reads the payload's running totals as items are mounted and taken off.
    void mountedPayload()
    {
        QFETCH(bool, german);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, checks);
        QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany)
                                   : QLocale(QLocale::English, QLocale::UnitedStates));
        CatalogueWindow bench;
        DrivePayload(bench.window, steps);
        if (german)
            for (QString& check : checks) check = InGerman(check);
        const QString failure = PayloadCheckFailure(bench.window, checks);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(ChainTest)
#include "test_chain.moc"
