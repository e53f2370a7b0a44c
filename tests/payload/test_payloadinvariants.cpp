// Long seeded runs of random payload actions: after each one the list shows the table, the
// records past the count are empty and every total is the sum over the records. A full table
// refuses an add without changing anything.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>

#include "app/numbertext.h"
#include "support/payloadchecks.h"
#include "support/payloaddrive.h"
#include "support/testcatalogue.h"
#include "support/testsupport.h"

namespace {

constexpr int ActionsPerRun = 400;

class RandomUser {
public:
    RandomUser(frmMain& window, quint32 seed) : w_(window), random_(seed) {}

    // One action; returns what it did, for the failure message.
    QString Act()
    {
        // Adds outweigh removals so that runs reach a full table now and then.
        const int roll = int(random_.bounded(100));
        if (roll < 38) return Mount();
        if (roll < 58) return AddAmmo();
        if (roll < 66) return Flip(QStringLiteral("chkArtemisLRM"));
        if (roll < 72) return Flip(QStringLiteral("chkArtemisSRM"));
        if (roll < 76) return Flip(QStringLiteral("chkCASE"));
        if (roll < 80) return Flip(QStringLiteral("chkFerroFibrous"));
        if (roll < 84) return Flip(QStringLiteral("chkTurret"));
        if (roll < 86) return MotiveType();
        if (roll < 97) return RemoveLine();
        if (roll < 98) return RemoveWithoutSelection();
        Press(w_, QStringLiteral("cmdClearAll"));
        return QStringLiteral("clear all");
    }

private:
    QString Mount()
    {
        const QList<CatalogueWeapon> rows = StandardWeapons();
        const QString name = rows[int(random_.bounded(rows.size()))].type;
        BrowseWeapon(w_, name);
        QList<int> enabled;
        for (int i = 0; i < int(w_.optLocation.size()); ++i)
            if (w_.optLocation[i]->isEnabled()) enabled << i;
        const int location = enabled[int(random_.bounded(enabled.size()))];
        Choose(w_, QStringLiteral("optLocation_%1").arg(location));
        Press(w_, QStringLiteral("cmdAdd"));
        return QStringLiteral("mount %1 at %2").arg(name).arg(location);
    }

    QString AddAmmo()
    {
        const QList<CatalogueAmmo> rows = StandardAmmo();
        const QString name = rows[int(random_.bounded(rows.size()))].type;
        BrowseAmmo(w_, name);
        const int value = 1 + int(random_.bounded(w_.vsbAddTonnage->maximum()));
        SetValue(w_, QStringLiteral("vsbAddTonnage"), value);
        Press(w_, QStringLiteral("cmdAmmoAdd"));
        return QStringLiteral("ammo %1 at %2").arg(name).arg(value);
    }

    QString Flip(const QString& box)
    {
        const bool ticked = !Control<QCheckBox>(w_, box)->isChecked();
        Tick(w_, box, ticked);
        return QStringLiteral("%1 %2").arg(box, ticked ? "on" : "off");
    }

    QString MotiveType()
    {
        const int type = int(random_.bounded(4));
        Choose(w_, QStringLiteral("optMotiveType_%1").arg(type));
        return QStringLiteral("motive type %1").arg(type);
    }

    QString RemoveLine()
    {
        const int line = int(random_.bounded(w_.lstPayload->count()));
        SelectLine(w_, line);
        Press(w_, QStringLiteral("cmdRemove"));
        return QStringLiteral("remove line %1").arg(line);
    }

    QString RemoveWithoutSelection()
    {
        w_.lstPayload->clearSelection();
        Press(w_, QStringLiteral("cmdRemove"));
        return QStringLiteral("remove without selection");
    }

    frmMain& w_;
    QRandomGenerator random_;
};

}  // namespace

class PayloadInvariantsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void randomRuns_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 7u, 42u, 2024u}) QTest::addRow("seed %u", seed) << seed;
    }

    void randomRuns()
    {
        QFETCH(quint32, seed);
        CatalogueWindow bench;
        frmMain& window = bench.window;
        DrivePayload(window, OnTracked50({}));
        RandomUser user(window, seed);
        int fullTables = 0;
        for (int step = 0; step < ActionsPerRun; ++step) {
            const bool full = window.PayloadCount == PayloadCapacity;
            fullTables += full;
            const PayloadSnapshot before = TakeSnapshot(window);
            const QString action = user.Act();
            const QString broken = PayloadInvariantFailure(window);
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("after %1 (step %2): %3").arg(action).arg(step).arg(broken)));
            QCOMPARE(Text(window, QStringLiteral("lblPayloadTonnage")), FixedText(window.PayloadTonnage, 1));
            const bool add = action.startsWith(QLatin1String("mount")) || action.startsWith(QLatin1String("ammo"));
            if (full && add) QVERIFY2(TakeSnapshot(window) == before, qPrintable(action));
            // A line taken out leaves no line selected, so a second press of Remove does nothing.
            if (action.startsWith(QLatin1String("remove line")) && window.PayloadCount < before.count)
                QVERIFY2(window.lstPayload->selectedItems().isEmpty(), qPrintable(action));
        }
        qInfo("seed %u: %d actions on a full table", seed, fullTables);
    }
};

QTEST_MAIN(PayloadInvariantsTest)
#include "test_payloadinvariants.moc"
