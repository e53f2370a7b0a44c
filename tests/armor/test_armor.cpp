// The "Armor" page driven as a user drives it: the points a tonnage buys under English and German
// settings, and the order in which Auto-Allocate writes the five locations.
#include "support/testsupport.h"

namespace {

const char* const Locations[] = {"Front", "Left", "Right", "Rear", "Turret"};

// The tonnage in half tons as shown, and the points it buys as standard and as Ferro-Fibrous armor.
const struct { int halfTons; const char *tons, *standard, *ferroFibrous; } Bought[] = {
    {0, "0.0", "0", "0"}, {1, "0.5", "8", "9"}, {200, "100.0", "1,600", "1,792"},
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
        const LocaleScope locale(german);
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

    // Turret, front, right, left, rear, each recalculated before the next and over what the
    // locations held; a second press writes nothing because nothing changes.
    void writeOrder_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("seen");  // each location written, with the points then used
        QTest::newRow("no turret") << QStringList{"optMotiveType_1", "vsbArmorTonnage=20"}
                                   << QStringList{"Front 348", "Right 388", "Left 428", "Rear 160"};
        QTest::newRow("turret") << QStringList{"optMotiveType_1", "chkTurret=1", "vsbArmorTonnage=20"}
                                << QStringList{"Turret 340", "Front 380", "Right 412", "Left 444", "Rear 160"};
        QTest::newRow("VTOL") << QStringList{"optMotiveType_3", "vsbArmorTonnage=20"}
                              << QStringList{"Turret 302", "Front 351", "Right 390", "Left 429", "Rear 160"};
        QTest::newRow("turret, Ferro-Fibrous")
            << QStringList{"optMotiveType_1", "chkTurret=1", "chkFerroFibrous=1", "vsbArmorTonnage=200"}
            << QStringList{"Turret 748", "Front 1197", "Right 1555", "Left 1913", "Rear 1792"};
    }
    void writeOrder()
    {
        QFETCH(QStringList, steps);
        frmMain window;
        Drive(window, steps + QStringList{"vsbRearArmor=300"});
        QStringList seen;
        for (const QString location : Locations)
            connect(Control<QScrollBar>(window, "vsb" + location + "Armor"), &QScrollBar::valueChanged, this,
                    [&, location] { seen << location + ' ' + Text(window, "lblArmorPointsUsed"); });
        Press(window, QStringLiteral("cmdAllocateArmor"));
        QTEST(seen, "seen");
        const qsizetype written = seen.size();
        Press(window, QStringLiteral("cmdAllocateArmor"));
        QCOMPARE(seen.size(), written);
    }
};

QTEST_MAIN(ArmorTest)
#include "test_armor.moc"
