// A payload of a hundred items: the hundredth fills the last record, the next add is refused
// with nothing changed, and Artemis IV adds only the lines that fit.
#include <QListWidget>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>

#include "payload/payloadline.h"
#include "support/payloadchecks.h"
#include "support/payloaddrive.h"
#include "support/testcatalogue.h"
#include "support/testsupport.h"

namespace {

QStringList AmmoPresses(int n)
{
    QStringList steps{"ammo=Ammo-LRM 5"};
    for (int i = 0; i < n; ++i) steps << "cmdAmmoAdd";
    return steps;
}

bool ToldFull(const frmMain& window)
{
    const auto* box = window.findChild<QMessageBox*>(QStringLiteral("msgPayloadNotice"));
    return window.statusBar()->currentMessage().contains(QLatin1String("full")) && box && box->isVisible() &&
           box->text().contains(QLatin1String("100 items"));
}

}  // namespace

class PayloadCapacityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void fullTableRefusesAnAdd_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("weapon") << "cmdAdd";
        QTest::newRow("ammunition") << "cmdAmmoAdd";
    }

    void fullTableRefusesAnAdd()
    {
        QFETCH(QString, button);
        CatalogueWindow bench;
        frmMain& window = bench.window;
        window.show();
        DrivePayload(window, AmmoPresses(99) + QStringList{"weapon=Medium Laser", "cmdAdd"});
        QCOMPARE(int(window.PayloadCount), 100);
        QCOMPARE(window.PayloadItems[100].Name, QStringLiteral("Medium Laser"));
        QCOMPARE(window.lstPayload->count(), 101);
        QCOMPARE(window.lstPayload->item(100)->text(), FormatPayloadLine(window.PayloadItems[100]));
        QVERIFY(!ToldFull(window));

        const PayloadSnapshot before = TakeSnapshot(window);
        Press(window, button);
        QVERIFY(TakeSnapshot(window) == before);
        QVERIFY(ToldFull(window));
        VERIFY_PAYLOAD_IN_STEP(window);
    }

    void hundredthItemRemovesLikeAnyOther()
    {
        CatalogueWindow bench;
        frmMain& window = bench.window;
        DrivePayload(window, AmmoPresses(99) + QStringList{"weapon=Medium Laser", "cmdAdd", "line=100", "cmdRemove"});
        QCOMPARE(int(window.PayloadCount), 99);
        QVERIFY(window.PayloadItems[100] == PayloadItem());
        QCOMPARE(window.EnergyWeaponTonnage, Currency(0));
        VERIFY_PAYLOAD_IN_STEP(window);
    }

    // Three launchers and room for two lines: the first two launchers get theirs.
    void artemisAddsTheLinesThatFit()
    {
        CatalogueWindow bench;
        frmMain& window = bench.window;
        window.show();
        DrivePayload(window, AmmoPresses(95) + QStringList{"weapon=LRM 5", "optLocation_1", "cmdAdd", "optLocation_2",
                                                           "cmdAdd", "optLocation_3", "cmdAdd", "chkArtemisLRM=1"});
        QCOMPARE(int(window.PayloadCount), 100);
        QCOMPARE(ShownItems(window).mid(98), (QStringList{"Artemis IV - LRM|0|1.0|Rear", "Artemis IV - LRM|0|1.0|Right"}));
        QVERIFY(ToldFull(window));
        VERIFY_PAYLOAD_IN_STEP(window);

        DrivePayload(window, {"chkArtemisLRM=0"});
        QCOMPARE(int(window.PayloadCount), 98);
        VERIFY_PAYLOAD_IN_STEP(window);
    }

    // A new launcher takes the last record; re-applying Artemis IV then finds room for one line.
    void newLauncherOnANearlyFullTable()
    {
        CatalogueWindow bench;
        frmMain& window = bench.window;
        DrivePayload(window, AmmoPresses(97) + QStringList{"chkArtemisLRM=1", "weapon=LRM 5", "cmdAdd", "weapon=LRM 10",
                                                           "optLocation_1", "cmdAdd"});
        QCOMPARE(int(window.PayloadCount), 100);
        QCOMPARE(ShownItems(window).mid(97),
                 (QStringList{"LRM 5|2|2.0|Front", "LRM 10|4|5.0|Rear", "Artemis IV - LRM|0|1.0|Front"}));
        VERIFY_PAYLOAD_IN_STEP(window);
    }
};

QTEST_MAIN(PayloadCapacityTest)
#include "test_payloadcapacity.moc"
