// Removing the selected item, clearing the whole payload, and the turret taking its items
// with it.
#include <QListWidget>
#include <QTest>

#include "support/payloadchecks.h"
#include "support/payloaddrive.h"
#include "support/testcatalogue.h"
#include "support/testsupport.h"

namespace {

QStringList Times(int n, const QStringList& steps)
{
    QStringList all;
    for (int i = 0; i < n; ++i) all += steps;
    return all;
}

}  // namespace

class RemovalTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void remove_data()
    {
        AddPayloadRows({
            {"an energy weapon in the turret",
             OnTracked50({"chkTurret=1", "weapon=Medium Laser", "optLocation_4", "cmdAdd", "weapon=LRM 5", "optLocation_0",
                   "cmdAdd", "weapon=Large Laser", "optLocation_4", "cmdAdd", "line=1", "cmdRemove"}),
             {"PayloadTonnage=7", "EnergyWeaponTonnage=5", "TurretWeaponTonnage=5", "PayloadHeat=10",
              "PayloadCost=130000", "ItemsUsed=2", "lblItemsFree=13", "lblPowerAmplifiers=0.5"},
             {"LRM 5|2|2.0|Front", "Large Laser|8|5.0|Turret"}},
            {"a second press removes nothing more",
             OnTracked50({"weapon=Medium Laser", "cmdAdd", "weapon=LRM 5", "cmdAdd", "line=1", "cmdRemove", "cmdRemove"}),
             {"PayloadCount=1", "ItemsUsed=1"},
             {"LRM 5|2|2.0|Front"}},
            {"the last item", OnTracked50({"weapon=Medium Laser", "cmdAdd", "weapon=LRM 5", "cmdAdd", "line=2", "cmdRemove"}),
             {"PayloadCount=1", "PayloadCost=40000"},
             {"Medium Laser|3|1.0|Front"}},
            {"the header removes nothing", OnTracked50({"weapon=Medium Laser", "cmdAdd", "line=0", "cmdRemove"}),
             {"PayloadCount=1", "PayloadCost=40000"},
             {"Medium Laser|3|1.0|Front"}},
            {"clear all on ten items",
             OnTracked50(QStringList{"weapon=Large Laser", "cmdAdd", "weapon=Machine Gun"} + Times(9, {"cmdAdd"}) +
                  QStringList{"cmdClearAll"}),
             {"PayloadCount=0", "PayloadTonnage=0", "PayloadHeat=0", "ItemsUsed=0", "PayloadCost=0",
              "EnergyWeaponTonnage=0", "vsbHeatSinks=0", "lblHeatSinks=0", "lblPayloadTonnage=0.0"},
             {}},
            {"clear all on an empty payload resets the heat sinks", OnTracked50({"vsbHeatSinks=5", "cmdClearAll"}),
             {"vsbHeatSinks=0", "lblHeatSinks=0", "PayloadCount=0"},
             {}},
            {"clear all brings the heat sinks down to what the heat needs",
             OnTracked50({"weapon=Large Laser", "cmdAdd", "weapon=Medium Laser", "cmdAdd", "vsbHeatSinks=15", "line=1",
                   "cmdRemove", "cmdClearAll"}),
             {"vsbHeatSinks=0", "vsbHeatSinks.min=0"},
             {}},
            {"clear all keeps CASE", OnTracked50({"chkCASE=1", "weapon=Medium Laser", "cmdAdd", "cmdClearAll"}),
             {"PayloadCost=50000", "CASETonnage=0.5", "chkCASE=1"},
             {}},
            {"clear all keeps the boxes",
             OnTracked50({"chkFerroFibrous=1", "chkArtemisLRM=1", "weapon=LRM 5", "cmdAdd", "cmdClearAll"}),
             {"ItemsUsed=2", "chkArtemisLRM=1", "chkFerroFibrous=1", "lblItemsFree=13"},
             {}},
            {"no turret, no turret items",
             OnTracked50({"chkTurret=1", "weapon=Medium Laser", "optLocation_4", "cmdAdd", "weapon=LRM 5", "optLocation_0",
                   "cmdAdd", "weapon=SRM 2", "optLocation_4", "cmdAdd", "weapon=Large Laser", "cmdAdd",
                   "weapon=Machine Gun", "optLocation_1", "cmdAdd", "chkTurret=0"}),
             {"TurretWeaponTonnage=0", "EnergyWeaponTonnage=0", "PayloadHeat=2", "PayloadTonnage=2.5", "ItemsUsed=2",
              "lblTurretTonnage=0.0", "optLocation_0=1", "optLocation_4.enabled=0"},
             {"LRM 5|2|2.0|Front", "Machine Gun|0|0.5|Rear"}},
            {"no turret takes its Artemis IV lines too",
             OnTracked50({"chkTurret=1", "weapon=LRM 5", "optLocation_4", "cmdAdd", "optLocation_0", "cmdAdd",
                   "chkArtemisLRM=1", "chkTurret=0"}),
             {"TurretWeaponTonnage=0", "PayloadCost=130000", "ItemsUsed=2"},
             {"LRM 5|2|2.0|Front", "Artemis IV - LRM|0|1.0|Front"}},
        });
    }

    void remove() { RunPayloadRow(); }

    // With no line selected, or the current line not selected, Remove leaves everything.
    void removeWithoutSelection_data()
    {
        QTest::addColumn<int>("current");
        QTest::newRow("no current line") << -1;
        QTest::newRow("current line not selected") << 2;
    }

    void removeWithoutSelection()
    {
        QFETCH(int, current);
        CatalogueWindow bench;
        frmMain& window = bench.window;
        DrivePayload(window, {"weapon=Medium Laser", "cmdAdd", "weapon=LRM 5", "cmdAdd"});
        window.lstPayload->setCurrentRow(current);
        window.lstPayload->clearSelection();
        const PayloadSnapshot before = TakeSnapshot(window);
        Press(window, QStringLiteral("cmdRemove"));
        QVERIFY(TakeSnapshot(window) == before);
    }

    void removeLeavesNoSelection()
    {
        CatalogueWindow bench;
        frmMain& window = bench.window;
        DrivePayload(window, {"weapon=Medium Laser", "cmdAdd", "cmdAdd", "cmdAdd", "line=2", "cmdRemove"});
        QVERIFY(window.lstPayload->selectedItems().isEmpty());
        QCOMPARE(int(window.PayloadCount), 2);
    }
};

QTEST_MAIN(RemovalTest)
#include "test_removal.moc"
