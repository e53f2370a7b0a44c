// Browsing the catalogue: wrap-around, the heat and tonnage-step rules, the two browser
// frames, fields by name and bound labels.
#include <QGroupBox>
#include <QMessageBox>
#include <QTest>

#include "payload/rowset.h"
#include "support/testcatalogue.h"
#include "support/testsupport.h"

namespace {

// Opens `catalogue` in the window the way start-up opens the real one.
void Open(frmMain& window, const TestCatalogue& catalogue)
{
    window.datWeapons->setDatabaseName(catalogue.path());
    window.datAmmo->setDatabaseName(catalogue.path());
    window.OpenCatalogue();
}

void PressTimes(frmMain& window, const QString& button, int times)
{
    for (int i = 0; i < times; ++i) Press(window, button);
}

}  // namespace

class BrowseTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The standard test rows: ten weapons from "Medium Laser" to "Autocannon/5", five ammunition
    // rows from "Ammo-LRM 5" to "Ammo-Autocannon/5".
    void wrapsAroundAtBothEnds_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        QTest::newRow("weapon next") << "cmdNextWeapon" << 1 << "lblName" << "LRM 5";
        QTest::newRow("weapon next to last") << "cmdNextWeapon" << 9 << "lblName" << "Autocannon/5";
        QTest::newRow("weapon next past last") << "cmdNextWeapon" << 10 << "lblName" << "Medium Laser";
        QTest::newRow("weapon next round again") << "cmdNextWeapon" << 11 << "lblName" << "LRM 5";
        QTest::newRow("weapon previous from first") << "cmdPreviousWeapon" << 1 << "lblName" << "Autocannon/5";
        QTest::newRow("weapon previous twice") << "cmdPreviousWeapon" << 2 << "lblName" << "Large Laser";
        QTest::newRow("weapon previous round") << "cmdPreviousWeapon" << 10 << "lblName" << "Medium Laser";
        QTest::newRow("ammo next") << "cmdAmmoNext" << 1 << "lblAmmoType" << "Cargo";
        QTest::newRow("ammo next past last") << "cmdAmmoNext" << 5 << "lblAmmoType" << "Ammo-LRM 5";
        QTest::newRow("ammo previous from first") << "cmdAmmoPrevious" << 1 << "lblAmmoType" << "Ammo-Autocannon/5";
        QTest::newRow("ammo previous round") << "cmdAmmoPrevious" << 6 << "lblAmmoType" << "Ammo-Autocannon/5";
    }

    void wrapsAroundAtBothEnds()
    {
        QFETCH(QString, button);
        QFETCH(int, presses);
        QFETCH(QString, label);
        QFETCH(QString, shown);
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        PressTimes(window, button, presses);
        QCOMPARE(Text(window, label), shown);
    }

    void singleRowStaysPut_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("weapon next") << "cmdNextWeapon";
        QTest::newRow("weapon previous") << "cmdPreviousWeapon";
        QTest::newRow("ammo next") << "cmdAmmoNext";
        QTest::newRow("ammo previous") << "cmdAmmoPrevious";
    }

    void singleRowStaysPut()
    {
        QFETCH(QString, button);
        TestCatalogue catalogue({{"ER PPC", "Energy", 7, 15, 300000}}, {{"Ammo-LRM 5", "Missile", 24, 30000}});
        frmMain window;
        Open(window, catalogue);
        PressTimes(window, button, 3);
        QCOMPARE(Text(window, "lblName"), QStringLiteral("ER PPC"));
        QCOMPARE(Text(window, "lblHeat"), QStringLiteral("15"));
        QCOMPARE(Text(window, "lblAmmoType"), QStringLiteral("Ammo-LRM 5"));
        QCOMPARE(window.datWeapons->currentIndex(), 0);
        QCOMPARE(window.datAmmo->currentIndex(), 0);
    }

    // An empty table has nothing to browse or add: the buttons are off, and the handlers run
    // from code do nothing either.
    void emptyTablesDoNothing()
    {
        TestCatalogue catalogue({}, {});
        frmMain window;
        Open(window, catalogue);
        for (const char* button : {"cmdNextWeapon", "cmdPreviousWeapon", "cmdAdd", "cmdAmmoNext", "cmdAmmoPrevious", "cmdAmmoAdd"})
            QVERIFY2(!Control<QPushButton>(window, button)->isEnabled(), button);
        window.cmdNextWeapon_Click();
        window.cmdPreviousWeapon_Click();
        window.cmdAmmoNext_Click();
        window.cmdAmmoPrevious_Click();
        window.cmdAdd_Click();
        window.cmdAmmoAdd_Click();
        QVERIFY(!window.findChild<QMessageBox*>(QStringLiteral("msgPayloadNotice")));
        QCOMPARE(Text(window, "lblName"), QString());
        QCOMPARE(Text(window, "lblHeat"), QString());
        QCOMPARE(Text(window, "lblAmmoType"), QString());
        QCOMPARE(Control<QScrollBar>(window, "vsbAddTonnage")->maximum(), 100);
        QCOMPARE(int(window.PayloadCount), 0);
    }

    void missingHeatShowsNotApplicable_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("heat");
        QTest::newRow("onto the machine gun") << "cmdNextWeapon" << 3 << "N/A";
        QTest::newRow("back onto the probe") << "cmdPreviousWeapon" << 6 << "N/A";
        QTest::newRow("on to a row with heat") << "cmdNextWeapon" << 6 << "1";
        QTest::newRow("from no heat to heat") << "cmdNextWeapon" << 7 << "4";
    }

    void missingHeatShowsNotApplicable()
    {
        QFETCH(QString, button);
        QFETCH(int, presses);
        QFETCH(QString, heat);
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        PressTimes(window, button, presses);
        QCOMPARE(Text(window, "lblHeat"), heat);
    }

    // The rule runs after a move only: before it an empty heat shows as nothing.
    void emptyHeatBeforeAnyMoveShowsNothing()
    {
        TestCatalogue catalogue({{"TAG", "Electronics", 1, std::nullopt, 50000}, {"PPC", "Energy", 7, 10, 200000}},
                                StandardAmmo());
        frmMain window;
        Open(window, catalogue);
        QCOMPARE(Text(window, "lblHeat"), QString());
        Press(window, "cmdNextWeapon");
        Press(window, "cmdNextWeapon");
        QCOMPARE(Text(window, "lblHeat"), QStringLiteral("N/A"));
        QCOMPARE(window.datWeapons->Field("Heat"), QVariant());
    }

    // Standard ammunition rows: "Ammo-LRM 5", "Cargo", "Ammo-Machine Gun", "Ammo-SRM 2", ...
    void tonnageStepFollowsTheRow_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("tons");
        QTest::addColumn<int>("top");
        QTest::newRow("cargo") << 1 << "2.5" << 200;
        QTest::newRow("machine gun ammunition") << 2 << "2.5" << 200;
        QTest::newRow("then another row") << 3 << "5" << 100;
        QTest::newRow("round to the first") << 5 << "5" << 100;
    }

    void tonnageStepFollowsTheRow()
    {
        QFETCH(int, presses);
        QFETCH(QString, tons);
        QFETCH(int, top);
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        Press(window, "cmdAddAmmo");
        SetValue(window, "vsbAddTonnage", 5);
        PressTimes(window, "cmdAmmoNext", presses);
        QCOMPARE(Text(window, "lblAddTonnage"), tons);
        QCOMPARE(Control<QScrollBar>(window, "vsbAddTonnage")->maximum(), top);
        QCOMPARE(Value(window, "vsbAddTonnage"), 5);
    }

    void halfTonsInTheRegionalForm()
    {
        LocaleScope german(QLocale::German, QLocale::Germany);
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        SetValue(window, "vsbAddTonnage", 5);
        Press(window, "cmdAmmoNext");
        QCOMPARE(Text(window, "lblAddTonnage"), QStringLiteral("2,5"));
    }

    // In half tons the spinner goes to 200; a whole-ton row then brings it back within 100.
    void leavingHalfTonsKeepsTheValueInRange()
    {
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        Press(window, "cmdAmmoNext");
        SetValue(window, "vsbAddTonnage", 150);
        QCOMPARE(Text(window, "lblAddTonnage"), QStringLiteral("75"));
        PressTimes(window, "cmdAmmoNext", 2);
        QCOMPARE(Value(window, "vsbAddTonnage"), 100);
        QCOMPARE(Text(window, "lblAddTonnage"), QStringLiteral("100"));
    }

    void spinnerShowsItsTonnage_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("tons");
        QTest::newRow("half tons, one") << 1 << 1 << "0.5";
        QTest::newRow("half tons, two") << 1 << 2 << "1";
        QTest::newRow("half tons, three") << 1 << 3 << "1.5";
        QTest::newRow("half tons, top") << 1 << 200 << "100";
        QTest::newRow("whole tons") << 3 << 7 << "7";
        QTest::newRow("whole tons, top") << 3 << 100 << "100";
    }

    void spinnerShowsItsTonnage()
    {
        QFETCH(int, presses);
        QFETCH(int, value);
        QFETCH(QString, tons);
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        PressTimes(window, "cmdAmmoNext", presses);
        SetValue(window, "vsbAddTonnage", value);
        QCOMPARE(Text(window, "lblAddTonnage"), tons);
    }

    // Right after start-up the spinner counts whole tons even on a half-ton row.
    void startsInWholeTons()
    {
        TestCatalogue catalogue(StandardWeapons(), {{"Cargo", "Cargo", 0, 1000}, {"Ammo-SRM 2", "Missile", 50, 27000}});
        frmMain window;
        Open(window, catalogue);
        SetValue(window, "vsbAddTonnage", 3);
        QCOMPARE(Text(window, "lblAmmoType"), QStringLiteral("Cargo"));
        QCOMPARE(Text(window, "lblAddTonnage"), QStringLiteral("3"));
        QCOMPARE(Control<QScrollBar>(window, "vsbAddTonnage")->maximum(), 100);
    }

    void switchesBetweenTheBrowsers_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<bool>("ammoShown");
        QTest::newRow("at start") << QStringList() << false;
        QTest::newRow("add ammo") << QStringList{"cmdAddAmmo"} << true;
        QTest::newRow("add ammo twice") << QStringList{"cmdAddAmmo", "cmdAddAmmo"} << true;
        QTest::newRow("and back") << QStringList{"cmdAddAmmo", "cmdAddAmmo", "cmdAddEquipment"} << false;
        QTest::newRow("add weapons twice") << QStringList{"cmdAddEquipment", "cmdAddEquipment"} << false;
    }

    void switchesBetweenTheBrowsers()
    {
        QFETCH(QStringList, presses);
        QFETCH(bool, ammoShown);
        frmMain window;
        for (const QString& button : presses) Press(window, button);
        QCOMPARE(!Control<QGroupBox>(window, "fraAddAmmo")->isHidden(), ammoShown);
        QCOMPARE(!Control<QGroupBox>(window, "fraAddWeapons")->isHidden(), !ammoShown);
    }

    void fieldsByAnyLetterCase_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("Type") << "Type" << QVariant(QStringLiteral("LRM 5"));
        QTest::newRow("type") << "type" << QVariant(QStringLiteral("LRM 5"));
        QTest::newRow("CLASS") << "CLASS" << QVariant(QStringLiteral("Missile"));
        QTest::newRow("tons") << "tons" << QVariant(2.0);
        QTest::newRow("heat") << "heat" << QVariant(2.0);
        QTest::newRow("cOsT") << "cOsT" << QVariant(30000.0);
        QTest::newRow("no such field") << "Shots" << QVariant();
    }

    void fieldsByAnyLetterCase()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        Press(window, "cmdNextWeapon");
        const QVariant read = window.datWeapons->Field(field);
        QCOMPARE(read.isNull(), value.isNull());
        if (value.typeId() == QMetaType::Double)
            QCOMPARE(read.toDouble(), value.toDouble());
        else
            QCOMPARE(read, value);
    }

    // Every label of a browser shows its row after every move, forward and back.
    void boundLabelsFollowEveryMove()
    {
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        const QList<CatalogueWeapon> weapons = StandardWeapons();
        const auto check = [&](int row) {
            const CatalogueWeapon& w = weapons[row];
            QCOMPARE(Text(window, "lblName"), w.type);
            QCOMPARE(Text(window, "lblClass"), w.cls);
            QCOMPARE(Text(window, "lblWeight"), QLocale().toString(w.tons));
            QCOMPARE(Text(window, "lblHeat"), w.heat ? QString::number(*w.heat) : QStringLiteral("N/A"));
            QCOMPARE(Text(window, "lblWeaponCost"), QString::number(w.cost, 'f', 0));
        };
        for (int step = 1; step <= weapons.size(); ++step) {
            Press(window, "cmdNextWeapon");
            check(step % int(weapons.size()));
        }
        for (int step = 1; step <= weapons.size(); ++step) {
            Press(window, "cmdPreviousWeapon");
            check(int(weapons.size()) - step);
        }
    }

    void ammoLabelsShowTheirRow_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<QStringList>("shown");  // class, name, shots per ton, cost
        QTest::newRow("first") << 0 << QStringList{"Missile", "Ammo-LRM 5", "24", "30000"};
        QTest::newRow("cargo") << 1 << QStringList{"Cargo", "Cargo", "0", "1000"};
        QTest::newRow("fraction of a price") << 4 << QStringList{"Ballistic", "Ammo-Autocannon/5", "20", "4512.5"};
    }

    void ammoLabelsShowTheirRow()
    {
        QFETCH(int, presses);
        QFETCH(QStringList, shown);
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        PressTimes(window, "cmdAmmoNext", presses);
        QCOMPARE((QStringList{Text(window, "lblAmmoClass"), Text(window, "lblAmmoType"), Text(window, "lblAmmoShotsPerTon"),
                              Text(window, "lblAmmoCost")}),
                 shown);
    }

    // A price with a fraction is written in the regional form, so the ammunition add reads it back.
    void pricesInTheRegionalForm()
    {
        LocaleScope german(QLocale::German, QLocale::Germany);
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        PressTimes(window, "cmdAmmoPrevious", 1);
        QCOMPARE(Text(window, "lblAmmoCost"), QStringLiteral("4512,5"));
        Press(window, "cmdNextWeapon");
        Press(window, "cmdPreviousWeapon");
        Press(window, "cmdPreviousWeapon");
        QCOMPARE(Text(window, "lblWeight"), QStringLiteral("8"));
        PressTimes(window, "cmdNextWeapon", 4);
        QCOMPARE(Text(window, "lblWeight"), QStringLiteral("0,5"));
    }

    // Browsing never changes the design.
    void browsingLeavesTheDesign()
    {
        TestCatalogue catalogue;
        frmMain window;
        Open(window, catalogue);
        const QString cost = Text(window, "lblCost");
        const QString remaining = Text(window, "lblTonnageRemaining");
        PressTimes(window, "cmdNextWeapon", 4);
        PressTimes(window, "cmdAmmoPrevious", 3);
        SetValue(window, "vsbAddTonnage", 9);
        QCOMPARE(Text(window, "lblCost"), cost);
        QCOMPARE(Text(window, "lblTonnageRemaining"), remaining);
        QCOMPARE(int(window.PayloadCount), 0);
    }
};

QTEST_MAIN(BrowseTest)
#include "test_browse.moc"
