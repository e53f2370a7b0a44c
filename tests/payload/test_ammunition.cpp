// Ammunition and cargo by weight: whole or half tons, price per ton, one slot per addition.
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include "support/payloadchecks.h"
#include "support/payloaddrive.h"
#include "support/testcatalogue.h"
#include "support/testsupport.h"

class AmmunitionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void add_data()
    {
        AddPayloadRows({
            {"cargo in half tons", {"ammo=Cargo", "vsbAddTonnage=5", "cmdAmmoAdd"},
             {"PayloadTonnage=2.5", "PayloadCost=2500", "PayloadHeat=0", "ItemsUsed=1", "lblPayloadTonnage=2.5",
              "lblItemsFree=4"},
             {"Cargo|0|2.5|Body"}},
            {"ordinary ammunition in whole tons", {"ammo=Ammo-LRM 5", "vsbAddTonnage=3", "cmdAmmoAdd"},
             {"PayloadTonnage=3", "PayloadCost=90000", "ItemsUsed=1"},
             {"Ammo-LRM 5|0|3.0|Body"}},
            {"half a ton of machine-gun ammunition", {"ammo=Ammo-Machine Gun", "vsbAddTonnage=1", "cmdAmmoAdd"},
             {"PayloadTonnage=0.5", "PayloadCost=500", "ItemsUsed=1"},
             {"Ammo-Machine Gun|0|0.5|Body"}},
            {"one slot per press, a hundred tons too",
             {"ammo=Ammo-SRM 2", "vsbAddTonnage=100", "cmdAmmoAdd", "cmdAmmoAdd"},
             {"PayloadTonnage=200", "PayloadCost=5400000", "ItemsUsed=2", "vsbAddTonnage=100"},
             {"Ammo-SRM 2|0|100.0|Body", "Ammo-SRM 2|0|100.0|Body"}},
            {"a price per ton with a fraction", {"ammo=Ammo-Autocannon/5", "vsbAddTonnage=3", "cmdAmmoAdd"},
             {"PayloadCost=13537.5", "PayloadTonnage=3"},
             {"Ammo-Autocannon/5|0|3.0|Body"}},
            {"the spinner alone changes nothing", {"ammo=Cargo", "vsbAddTonnage=7"},
             {"PayloadTonnage=0", "PayloadCount=0", "lblPayloadTonnage=0.0", "lblCost=20,570",
              "lblTonnageRemaining=-1.5"},
             {}},
        });
    }

    void add() { RunPayloadRow(); }

    // The price per ton is read back from its label in the user's own number format.
    void fractionalPriceUnderGermanSettings()
    {
        LocaleScope german(QLocale::German, QLocale::Germany);
        CatalogueWindow bench;
        frmMain& window = bench.window;
        DrivePayload(window, {"ammo=Ammo-Autocannon/5", "vsbAddTonnage=2", "cmdAmmoAdd"});
        QCOMPARE(Text(window, QStringLiteral("lblAmmoCost")), QStringLiteral("4512,5"));
        QCOMPARE(window.PayloadCost, Currency(9025));
        QCOMPARE(ShownItems(window), QStringList{QStringLiteral("Ammo-Autocannon/5|0|2,0|Body")});
    }

    // Before any move the spinner counts whole tons, even on a first row of cargo.
    void firstRowCargoBeforeBrowsingIsInWholeTons()
    {
        QList<CatalogueAmmo> ammo = StandardAmmo();
        ammo.move(1, 0);
        TestCatalogue catalogue(StandardWeapons(), ammo);
        frmMain window;
        catalogue.Attach(window);
        QCOMPARE(Text(window, QStringLiteral("lblAmmoType")), QStringLiteral("Cargo"));
        DrivePayload(window, {"vsbAddTonnage=5", "cmdAmmoAdd"});
        QCOMPARE(window.PayloadTonnage, Currency(5));
        QCOMPARE(window.PayloadCost, Currency(5000));
    }

    // A row whose price cannot be read adds nothing and says why.
    void unreadablePriceAddsNothing()
    {
        CatalogueWindow bench;
        frmMain& window = bench.window;
        window.lblAmmoCost->setText(QString());
        const PayloadSnapshot before = TakeSnapshot(window);
        Press(window, QStringLiteral("cmdAmmoAdd"));
        QVERIFY(TakeSnapshot(window) == before);
        QVERIFY(window.statusBar()->currentMessage().contains(QLatin1String("Ammo-LRM 5")));
    }
};

QTEST_MAIN(AmmunitionTest)
#include "test_ammunition.moc"
