// The recalculation chain driven through the window under English and German settings, with its
// cascades: the engine cap and the hovercraft engine minimum move the cruise speed, the payload
// heat moves the heat sinks, a VTOL takes the turret and what is mounted in it, Ferro-Fibrous
// armor brings its points and takes two item slots; and the order in which Auto-Allocate writes
// the five locations.
#include "support/testsupport.h"

namespace {

// An English check text as German settings write it: the two separators swapped.
QString InGerman(const QString& check)
{
    const int split = check.indexOf(QLatin1Char('='));
    if (split < 0 || !check.startsWith(QLatin1String("lbl"))) return check;
    QString value = check.mid(split + 1);
    for (QChar& c : value)
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) c = c == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    return check.left(split + 1) + value;
}

const char* const Locations[] = {"Front", "Left", "Right", "Rear", "Turret"};

// A 50-ton tracked vehicle with a fusion engine, a Large Laser (heat 8) in the turret and a Medium
// Laser (heat 3) in front.
const QStringList FusionLasers = OnTracked50({"optEngineType_1", "chkTurret=1", "weapon=Large Laser", "optLocation_4",
                                             "cmdAdd", "weapon=Medium Laser", "optLocation_0", "cmdAdd"});

const struct { const char* name; QStringList steps, checks; } Scenarios[] = {
    {"100-ton tracked capped at 400", {"optMotiveType_1", "vsbMass=100", "vsbCruise=5"},
     {"vsbCruise=4", "lblCruise=4", "lblFlank=6", "lblEngineSize=400", "lblEngineWeight=105.0"}},
    {"cap springs back", {"optMotiveType_1", "vsbMass=100", "vsbCruise=4", "vsbCruise=5"}, {"vsbCruise=4"}},
    {"hover ice 50 at 5 rises to 8", {"vsbMass=50", "vsbCruise=5"},
     {"vsbCruise=8", "lblCruise=8", "lblFlank=12", "lblEngineSize=165", "lblEngineWeight=12.0"}},
    {"hover minimum springs back", {"vsbMass=50", "vsbCruise=5", "vsbCruise=7"}, {"vsbCruise=8", "lblEngineSize=165"}},
    {"hover fusion xl 50 from 1 ends at 10", {"optEngineType_2", "vsbMass=50"},
     {"vsbCruise=10", "lblEngineSize=265", "lblEngineWeight=10.5", "lblLiftEquipment=5.0"}},
    {"hover fusion ends at 9", {"optEngineType_1", "vsbMass=50"}, {"vsbCruise=9", "lblFlank=14", "lblEngineSize=215"}},
    {"hover 10 to 11 tons uses factor 85", {"vsbMass=10", "vsbMass=11"}, {"vsbCruise=12", "lblEngineSize=50"}},
    {"tracked 100 made a hover", {"optMotiveType_1", "vsbMass=100", "vsbCruise=5", "optMotiveType_0"},
     {"vsbMass=50", "vsbCruise=8", "lblEngineSize=165", "lblLiftEquipment=5.0", "lblCost=625,000"}},
    {"a raised cruise stays", {"optEngineType_2", "vsbMass=50", "optEngineType_0"},
     {"vsbCruise=10", "lblEngineSize=265", "lblTonnageRemaining=-0.5", "lblTonnageRemaining:red", "lblCost=831,667"}},
    {"vtol caps the mass", {"optMotiveType_1", "vsbMass=60", "optMotiveType_3", "optMotiveType_0"},
     {"vsbMass=30", "lblMass=30", "vsbMass.max=50"}},
    {"vtol rotor", {"optMotiveType_1", "chkTurret=1", "vsbTurretArmor=50", "optMotiveType_3"},
     {"chkTurret=0", "chkTurret.enabled=0", "lblTurret=Rotor:", "vsbTurretArmor=0", "vsbTurretArmor.max=2",
      "vsbTurretArmor.enabled=1", "optLocation_4.enabled=0"}},
    {"leaving vtol clears the rotor", {"optMotiveType_3", "vsbTurretArmor=2", "optMotiveType_1"},
     {"vsbTurretArmor=0", "lblTurret=Turret:", "vsbTurretArmor.max=2000", "chkTurret.enabled=1"}},
    {"one armor point too many", {"vsbArmorTonnage=200", "vsbFrontArmor=1600", "vsbRearArmor=1"},
     {"lblArmorTonnage=100.0", "lblTotalArmorPoints=1,600", "lblFrontArmor=1600", "lblArmorPointsUsed=1601",
      "lblArmorPointsRemaining=-1", "lblArmorPointsRemaining:red"}},
    {"ferro-fibrous points and slots", {"vsbArmorTonnage=200", "chkFerroFibrous=1"},
     {"lblTotalArmorPoints=1,792", "lblItemsFree=3", "lblArmorPointsRemaining=1792"}},
    {"ferro-fibrous cleared gives them back", {"vsbArmorTonnage=1", "chkFerroFibrous=1", "chkFerroFibrous=0"},
     {"lblArmorTonnage=0.5", "lblTotalArmorPoints=8", "lblItemsFree=5"}},
    {"clearing ferro-fibrous", {"vsbArmorTonnage=20", "chkFerroFibrous=1", "cmdAllocateArmor", "chkFerroFibrous=0"},
     {"lblTotalArmorPoints=160", "lblArmorPointsUsed=179", "lblArmorPointsRemaining=-19"}},
    {"fusion heat above the free sinks", FusionLasers,
     {"vsbHeatSinks=11", "vsbHeatSinks.min=11", "lblHeatSinks=11", "lblHeatSinkTonnage=1", "lblTurretTonnage=0.5",
      "lblTonnageRemaining=32.5"}},
    {"less heat keeps the count", FusionLasers + QStringList{"line=1", "cmdRemove", "optEngineType_0"},
     {"vsbHeatSinks=11", "vsbHeatSinks.min=3", "lblHeatSinkTonnage=11", "lblPowerAmplifiers=0.1",
      "lblTonnageRemaining=27.4"}},
    {"heat past 100 raises the top, less heat keeps the count",
     OnTracked50(QStringList{"weapon=Large Laser"} + QStringList(13, "cmdAdd") + QStringList{"line=1", "cmdRemove"}),
     {"vsbHeatSinks=104", "vsbHeatSinks.min=96", "vsbHeatSinks.max=104", "lblHeatSinks=104", "lblHeatSinkTonnage=104"}},
    {"ice amplifiers weigh what they show", OnTracked50({"chkTurret=1", "weapon=Large Laser", "optLocation_4", "cmdAdd",
                                                         "weapon=Medium Laser", "cmdAdd", "cmdAdd"}),
     {"lblTurretTonnage=1.0", "lblPowerAmplifiers=0.7", "lblTonnageRemaining=16.8", "lblCost=515,500"}},
    {"a vtol takes the turret and its items",
     OnTracked50({"chkTurret=1", "weapon=Medium Laser", "optLocation_4", "cmdAdd", "weapon=LRM 5", "optLocation_0",
                  "cmdAdd", "weapon=SRM 2", "optLocation_4", "cmdAdd", "cmdAdd", "optMotiveType_3"}),
     {"PayloadCount=1", "TurretWeaponTonnage=0", "PayloadTonnage=2", "lblTurretTonnage=0.0", "chkTurret=0"}},
};

// Auto-Allocate over 300 points in the rear: each location written, with the points then used.
const struct { const char* name; QStringList steps, written; } WriteOrders[] = {
    {"no turret", {"optMotiveType_1", "vsbArmorTonnage=20"}, {"Front 348", "Right 388", "Left 428", "Rear 160"}},
    {"turret", {"optMotiveType_1", "chkTurret=1", "vsbArmorTonnage=20"}, {"Turret 340", "Front 380", "Right 412", "Left 444", "Rear 160"}},
    {"VTOL", {"optMotiveType_3", "vsbArmorTonnage=20"}, {"Turret 302", "Front 351", "Right 390", "Left 429", "Rear 160"}},
    {"turret, Ferro-Fibrous", {"optMotiveType_1", "chkTurret=1", "chkFerroFibrous=1", "vsbArmorTonnage=200"},
     {"Turret 748", "Front 1197", "Right 1555", "Left 1913", "Rear 1792"}},
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
        frmMain window;
        UseTestCatalogue(window);
        Drive(window, Scenarios[scenario].steps);
        QStringList checks = Scenarios[scenario].checks;
        for (QString& check : checks) check = german ? InGerman(check) : check;
        QCOMPARE(FirstFailure(window, checks), QString());
    }

    // Turret, front, right, left, rear, each recalculated before the next and over what the
    // locations held; a second press writes nothing because nothing changes.
    void writeOrder_data() { AddCases(WriteOrders); }
    void writeOrder()
    {
        const auto& [name, steps, written] = CaseOf(WriteOrders);
        frmMain window;
        Drive(window, steps + QStringList{"vsbRearArmor=300"});
        QStringList seen;
        for (const QString location : Locations)
            connect(Control<QScrollBar>(window, "vsb" + location + "Armor"), &QScrollBar::valueChanged, this,
                    [&, location] { seen << location + ' ' + Text(window, "lblArmorPointsUsed"); });
        Drive(window, {"cmdAllocateArmor"});
        QCOMPARE(seen, written);
        Drive(window, {"cmdAllocateArmor"});
        QCOMPARE(seen, written);
    }
};

QTEST_MAIN(ChainTest)
#include "test_chain.moc"
