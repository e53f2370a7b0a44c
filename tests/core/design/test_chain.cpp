// The recalculation chain of a design under English and German settings, with its cascades: the
// engine cap lowers the cruise speed and the hovercraft engine minimum raises it, the payload
// heat moves the heat sinks, a VTOL takes the turret and what is mounted in it, Ferro-Fibrous
// armor brings its points and takes two item slots; the order in which each cascade and
// Auto-Allocate change the spinners.
#include "support/designdriver.h"

namespace {

// A 50-ton tracked vehicle with a fusion engine, a Large Laser (heat 8) in the turret and a Medium
// Laser (heat 3) in front.
const QStringList FusionLasers = OnTracked50({"optEngineType=1", "chkTurret=1", "weapon=Large Laser", "optLocation=4",
                                             "cmdAdd", "weapon=Medium Laser", "optLocation=0", "cmdAdd"});

const struct { const char* name; QStringList steps, checks; } Scenarios[] = {
    // 5 x 100 = 500 is above the cap: 4 x 100 = 400, an I.C.E. of 2 x 52.5 tons.
    {"100-ton tracked capped at 400", {"optMotiveType=1", "vsbMass=100", "vsbCruise=5"},
     {"vsbCruise=4", "CruiseMP=4", "FlankMP=6", "EngineRating=400", "EngineTonnage=105"}},
    // The minimum is 0.2 x 50 = 10 tons: at 7, 350 - 235 = 115 weighs 8; at 8, 165 weighs 12.
    {"hover ice 50 at 5 rises to 8", {"vsbMass=50", "vsbCruise=5"},
     {"vsbCruise=8", "CruiseMP=8", "FlankMP=12", "EngineRating=165", "EngineTonnage=12", "SuspensionFactor=235"}},
    // Fusion XL weighs 0.75 of the base: 265 (14.0) weighs 10.5, 215 at 9 only 7.
    {"hover fusion xl 50 from 1 ends at 10", {"optEngineType=2", "vsbMass=50"},
     {"vsbCruise=10", "EngineRating=265", "EngineTonnage=10.5", "LiftTonnage=5", "EngineSlots=2", "FreeHeatSinks=10"}},
    // 165 x 1,250 x 50 / 75 = 137,500, control 25,000, structure 50,000, lift 100,000; twice that.
    {"tracked 100 made a hover", {"optMotiveType=1", "vsbMass=100", "vsbCruise=5", "optMotiveType=0"},
     {"vsbMass=50", "vsbMass.max=50", "vsbCruise=8", "EngineRating=165", "LiftTonnage=5", "Cost=625000"}},
    // 265 weighs 28 as an I.C.E.; the ten heat sinks the fusion engine brought now weigh 10.
    {"a raised cruise stays", {"optEngineType=2", "vsbMass=50", "optEngineType=0"},
     {"vsbCruise=10", "EngineRating=265", "EngineTonnage=28", "vsbHeatSinks=10", "HeatSinkTonnage=10",
      "TonnageRemaining=-0.5", "TonnageOver=1", "Cost=831666.6666"}},
    {"vtol caps the mass", {"optMotiveType=1", "vsbMass=60", "optMotiveType=3", "optMotiveType=0"},
     {"vsbMass=30", "Mass=30", "vsbMass.max=50"}},
    {"vtol rotor", {"optMotiveType=1", "chkTurret=1", "vsbTurretArmor=50", "optMotiveType=3"},
     {"chkTurret=0", "chkTurret.enabled=0", "vsbTurretArmor=0", "vsbTurretArmor.max=2", "vsbTurretArmor.enabled=1",
      "turretLocationEnabled=0", "vsbMass.max=30"}},
    {"leaving vtol clears the rotor", {"optMotiveType=3", "vsbTurretArmor=2", "optMotiveType=1"},
     {"vsbTurretArmor=0", "vsbTurretArmor.max=2000", "vsbTurretArmor.enabled=0", "chkTurret.enabled=1"}},
    {"one armor point too many", {"vsbArmorTonnage=200", "vsbFrontArmor=1600", "vsbRearArmor=1"},
     {"ArmorTonnage=100", "TotalArmorPoints=1600", "ArmorPointsUsed=1601", "ArmorPointsRemaining=-1", "ArmorPointsOver=1"}},
    {"all points placed", {"vsbArmorTonnage=200", "vsbFrontArmor=1600"},
     {"ArmorPointsUsed=1600", "ArmorPointsRemaining=0", "ArmorPointsOver=0"}},
    // 1,600 x 1.12 = 1,792; a 1-ton hovercraft has 5 item slots.
    {"ferro-fibrous points and slots", {"vsbArmorTonnage=200", "chkFerroFibrous=1"},
     {"TotalArmorPoints=1792", "ItemsFree=3", "ArmorPointsRemaining=1792", "ArmorTypeName=Ferro Fibrous"}},
    // 88 x 1.12 = 98.56: rounded, not cut.
    {"ferro-fibrous 5.5 tons", {"vsbArmorTonnage=11", "chkFerroFibrous=1"}, {"ArmorTonnage=5.5", "TotalArmorPoints=99"}},
    {"clearing ferro-fibrous", {"vsbArmorTonnage=20", "chkFerroFibrous=1", "cmdAllocateArmor", "chkFerroFibrous=0"},
     {"TotalArmorPoints=160", "ArmorPointsUsed=179", "ArmorPointsRemaining=-19", "ArmorPointsOver=1"}},
    // Heat 11 above the 10 free sinks: one weighs. 2.5 engine, 2.5 control, 5 structure, 0.5
    // turret, 6 payload, 1 sink.
    {"fusion heat above the free sinks", FusionLasers,
     {"vsbHeatSinks=11", "vsbHeatSinks.min=11", "HeatSinks=11", "HeatSinkTonnage=1", "TurretTonnage=0.5",
      "TonnageRemaining=32.5"}},
    {"less heat keeps the count", FusionLasers + QStringList{"line=1", "cmdRemove", "optEngineType=0"},
     {"vsbHeatSinks=11", "vsbHeatSinks.min=3", "HeatSinkTonnage=11", "PowerAmpTonnage=0.1", "TonnageRemaining=27.4"}},
    {"heat past 100 raises the top, less heat keeps the count",
     OnTracked50(QStringList{"weapon=Large Laser"} + QStringList(13, "cmdAdd") + QStringList{"line=1", "cmdRemove"}),
     {"vsbHeatSinks=104", "vsbHeatSinks.min=96", "vsbHeatSinks.max=104", "HeatSinks=104", "HeatSinkTonnage=104"}},
    // 7 tons of energy weapons in the turret: 0.7 of amplifiers, a turret of 1 ton. 343,666.6667
    // x 1.5 = 515,500.00005, half a ten-thousandth to the even one.
    {"ice amplifiers weigh what they show", OnTracked50({"chkTurret=1", "weapon=Large Laser", "optLocation=4", "cmdAdd",
                                                         "weapon=Medium Laser", "cmdAdd", "cmdAdd"}),
     {"TurretTonnage=1", "PowerAmpTonnage=0.7", "TonnageRemaining=16.8", "Cost=515500"}},
    {"a vtol takes the turret and its items",
     OnTracked50({"chkTurret=1", "weapon=Medium Laser", "optLocation=4", "cmdAdd", "weapon=LRM 5", "optLocation=0",
                  "cmdAdd", "weapon=SRM 2", "optLocation=4", "cmdAdd", "cmdAdd", "optMotiveType=3"}),
     {"PayloadCount=1", "TurretWeaponTonnage=0", "PayloadTonnage=2", "TurretTonnage=0", "chkTurret=0", "optLocation=0"}},
};

// After the steps, the spinners that `then` changes, each with its new value, in order, as the
// step that would set it.
const struct { const char* name; QStringList steps, then, changed; } Cascades[] = {
    {"the hover minimum one step at a time", {"vsbMass=50"}, {"vsbCruise=5"},
     {"vsbCruise=5", "vsbCruise=6", "vsbCruise=7", "vsbCruise=8"}},
    {"the cap one step at a time", {"optMotiveType=1", "vsbMass=100"}, {"vsbCruise=7"},
     {"vsbCruise=7", "vsbCruise=6", "vsbCruise=5", "vsbCruise=4"}},
    // At 30 tons cruise 8 meets the minimum of 6; at 45 tons 8 x 45 - 235 = 125 weighs 8, below 9.
    {"a heavier hover climbs to its minimum", {"vsbMass=30"}, {"vsbMass=45"}, {"vsbMass=45", "vsbCruise=9"}},
    {"the heat sinks follow the heat", OnTracked50({"weapon=Large Laser"}), {"cmdAdd", "cmdAdd"},
     {"vsbHeatSinks=8", "vsbHeatSinks=16"}},
    // Auto-Allocate over 300 points in the rear: turret, front, right, left, rear.
    {"Auto-Allocate, tracked, turret", {"optMotiveType=1", "chkTurret=1", "vsbArmorTonnage=20", "vsbRearArmor=300"},
     {"cmdAllocateArmor"}, {"vsbTurretArmor=40", "vsbFrontArmor=40", "vsbRightArmor=32", "vsbLeftArmor=32", "vsbRearArmor=16"}},
    {"Auto-Allocate, VTOL", {"optMotiveType=3", "vsbArmorTonnage=20", "vsbRearArmor=300"}, {"cmdAllocateArmor"},
     {"vsbTurretArmor=2", "vsbFrontArmor=49", "vsbRightArmor=39", "vsbLeftArmor=39", "vsbRearArmor=31"}},
    {"Auto-Allocate again changes nothing", {"optMotiveType=1", "vsbArmorTonnage=20", "cmdAllocateArmor"}, {"cmdAllocateArmor"}, {}},
};

}  // namespace

class ChainTest : public QObject {
    Q_OBJECT
private slots:
    void scenarios_data()
    {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<bool>("german");
        for (int k = 0; k < int(std::size(Scenarios)); ++k)
            for (const bool german : {false, true}) QTest::addRow("%s, %s", Scenarios[k].name, german ? "de" : "en") << k << german;
    }

    void scenarios()
    {
        QFETCH(int, scenario);
        QFETCH(bool, german);
        const LocaleScope locale(german);
        CatalogueDesign bench;
        Drive(bench.design, Scenarios[scenario].steps);
        QCOMPARE(FirstFailure(bench.design, Scenarios[scenario].checks), QString());
        QCOMPARE(PayloadInvariantFailure(bench.design), QString());
    }

    // Each change runs its step before the next one: a cascade moves a spinner one step at a
    // time, and Auto-Allocate writes turret, front, right, left, rear, skipping the values that
    // stay.
    void cascades_data() { AddCases(Cascades); }
    void cascades()
    {
        const auto& [name, steps, then, changed] = CaseOf(Cascades);
        CatalogueDesign bench;
        Drive(bench.design, steps);
        QStringList seen;
        bench.design.WatchSpinners([&](const Spinner& spinner) {
            seen << SpinnerName(bench.design, spinner) + u'=' + QString::number(spinner.value);
        });
        Drive(bench.design, then);
        QCOMPARE(seen, changed);
    }
};

QTEST_GUILESS_MAIN(ChainTest)
#include "test_chain.moc"
