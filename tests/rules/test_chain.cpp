// The recalculation chain driven through the window, with its cascades: the engine cap and
// the hovercraft engine minimum move the cruise speed, the payload heat moves the heat sinks.
#include <QTest>

#include "support/scenario.h"
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
        {"hover 31 tons", {"vsbMass=31"}, {"lblLiftEquipment=3.5"}},
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
};

QTEST_MAIN(ChainTest)
#include "test_chain.moc"
