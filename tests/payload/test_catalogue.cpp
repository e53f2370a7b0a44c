// The equipment catalogue. The one built beside the programs lists the equipment a vehicle can
// mount, in browsing order; every row keeps the rules the payload relies on, and the window shows
// each row as the user browses and adds it. Beside a catalogue that is missing, empty, not a
// database, or short of a table or a field, the program comes up, says once in plain words which
// file it looked for, where and what is wrong, offers nothing to browse or add, and the design
// can still be edited: the test program copies itself into a folder of its own with the faulty
// catalogue beside it and starts that copy, so the window opens the catalogue as start-up does.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "support/payloadchecks.h"
#include "support/scenario.h"
#include "support/testsupport.h"

namespace {

// Every weapon and piece of equipment, by class, then by size.
const QStringList Weapons = {
    "Energy: Small Laser", "Energy: ER Small Laser", "Energy: Small Pulse Laser", "Energy: Flamer", "Energy: Medium Laser",
    "Energy: ER Medium Laser", "Energy: Medium Pulse Laser", "Energy: Large Laser", "Energy: ER Large Laser", "Energy: Large Pulse Laser",
    "Energy: PPC", "Energy: ER PPC", "Ballistic: Machine Gun", "Ballistic: Anti-Missile System", "Ballistic: AC/2", "Ballistic: AC/5",
    "Ballistic: Ultra AC/5", "Ballistic: LB 10-X AC", "Ballistic: AC/10", "Ballistic: AC/20", "Ballistic: Gauss Rifle", "Missile: SRM 2",
    "Missile: Streak SRM 2", "Missile: SRM 4", "Missile: LRM 5", "Missile: SRM 6", "Missile: Narc Missile Beacon", "Missile: LRM 10",
    "Missile: LRM 15", "Missile: LRM 20", "Artillery: Arrow IV", "Electronics: TAG", "Electronics: C3 Slave Unit",
    "Electronics: Beagle Active Probe", "Electronics: Guardian ECM Suite", "Electronics: C3 Master Unit"};

// One row for each weapon that fires ammunition, in the order of the weapons, then cargo.
const QStringList Ammunition = {
    "Ammo-Machine Gun", "Ammo-Anti-Missile System", "Ammo-AC/2", "Ammo-AC/5", "Ammo-Ultra AC/5", "Ammo-LB 10-X AC", "Ammo-AC/10",
    "Ammo-AC/20", "Ammo-Gauss Rifle", "Ammo-SRM 2", "Ammo-Streak SRM 2", "Ammo-SRM 4", "Ammo-LRM 5", "Ammo-SRM 6",
    "Ammo-Narc Missile Beacon", "Ammo-LRM 10", "Ammo-LRM 15", "Ammo-LRM 20", "Ammo-Arrow IV", "Cargo"};

QSqlQuery Built(const char* select)
{
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("built")));
    if (!query.exec(QString::fromLatin1(select))) qFatal("cannot read %s", select);
    return query;
}

const char* const StartFlag = "--start-beside-the-catalogue";

// The started copy: waits for the notice, uses the window as a user would (the browser handlers
// run from code, as their buttons are off) and writes down what it saw.
int RunStartedCopy(int argc, char** argv)
{
    QApplication application(argc, argv);
    frmMain window;
    window.show();
    const auto boxes = [&] { return window.findChildren<QMessageBox*>(); };
    for (int round = 0; round < 1000 && boxes().isEmpty(); ++round) QApplication::processEvents();
    QStringList seen;
    for (const QMessageBox* box : boxes()) seen << QString(box->text()).replace(u'\n', u' ') << (box->isVisible() ? "shown" : "hidden");
    for (auto handler : {&frmMain::cmdNextWeapon_Click, &frmMain::cmdPreviousWeapon_Click, &frmMain::cmdAdd_Click,
                         &frmMain::cmdAmmoNext_Click, &frmMain::cmdAmmoPrevious_Click, &frmMain::cmdAmmoAdd_Click})
        (window.*handler)();
    SetValue(window, QStringLiteral("vsbMass"), 20);
    QApplication::processEvents();
    seen << QStringLiteral("items %1, mass %2, boxes %3").arg(int(window.PayloadCount)).arg(Text(window, "lblMass")).arg(boxes().size());
    QTextStream(stdout) << seen.join(u'|');
    return 0;
}

// In the catalogue's place: a file of these bytes (nullptr: none), a folder, or a new database
// made by these statements.
const struct { const char* bytes; bool folder; QStringList statements; const char* reason; } Faults[] = {
    {nullptr, false, {}, "The file does not exist."},
    {nullptr, true, {}, "There is a folder of that name instead of a file."},
    {"", false, {}, "The file is empty."},
    {"Type,Class,Tons\nMedium Laser,Energy,1\n", false, {}, "The file is not a database."},
    {nullptr, false, {"CREATE TABLE Parts (Name TEXT)"}, "The file holds no table \"ISWeapons\". The file holds no table \"ISAmmo\"."},
    {nullptr, false, {"CREATE TABLE ISWeapons (Type, Class, Tons, Heat)", "INSERT INTO ISWeapons VALUES ('PPC', 'Energy', 7, 10)",
                      "CREATE TABLE ISAmmo (Type, Class, ShotsPerTon, Cost)"}, "The table \"ISWeapons\" has no field \"Cost\"."},
};

}  // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("built"));
        db.setDatabaseName(QCoreApplication::applicationDirPath() + QStringLiteral("/ISWeapons.mdb"));
        QVERIFY(db.open());
    }

    // Each row is checked, browsed onto with Next (the first after a wrap from the last) and added.
    void weapons()
    {
        frmMain window;
        Press(window, QStringLiteral("cmdPreviousWeapon"));
        QCOMPARE(FirstFailure(window, {"lblHeat=N/A"}), QString());
        QStringList found;
        double before = 0;
        for (QSqlQuery row = Built("SELECT Type, Class, Tons, Heat, Cost FROM ISWeapons ORDER BY rowid"); row.next();) {
            const QString type = row.value(0).toString(), cls = row.value(1).toString();
            const QVariant tons = row.value(2), heat = row.value(3), cost = row.value(4);
            const bool energy = cls == QLatin1String("Energy");
            QVERIFY2(type.size() <= 28 && !type.startsWith(QLatin1String("Ammo")) && !type.startsWith(QLatin1String("Art")), qPrintable(type));
            QVERIFY2(tons.typeId() == QMetaType::Double && tons.toDouble() > 0 && std::fmod(tons.toDouble() * 2, 1.0) == 0, qPrintable(type));
            QVERIFY2(cost.typeId() == QMetaType::LongLong && cost.toLongLong() > 0, qPrintable(type));
            // A vehicle sinks the heat of its energy weapons only: the others have an empty heat.
            QVERIFY2(energy ? heat.typeId() == QMetaType::LongLong && heat.toInt() > 0 : heat.isNull(), qPrintable(type));
            QVERIFY2(found.isEmpty() || !found.last().startsWith(cls + ':') || before <= tons.toDouble(), qPrintable(type));
            found << cls + QStringLiteral(": ") + type;
            before = tons.toDouble();
            Press(window, QStringLiteral("cmdNextWeapon"));
            QCOMPARE(FirstFailure(window, {"lblName=" + type, "lblClass=" + cls, "lblWeight=" + QLocale().toString(tons.toDouble()),
                                           "lblHeat=" + (energy ? heat.toString() : "N/A"), "lblWeaponCost=" + cost.toString()}), QString());
            Press(window, QStringLiteral("cmdAdd"));
        }
        QCOMPARE(found, Weapons);
        QCOMPARE(int(window.PayloadCount), int(found.size()));
        VERIFY_PAYLOAD_IN_STEP(window);
        QCoreApplication::processEvents();
        QVERIFY(!window.findChild<QMessageBox*>(QStringLiteral("msgCatalogue")));
    }

    // Each row added with the spinner at 3: three tons, or one and a half for half-ton rows.
    void ammunition()
    {
        frmMain window;
        Drive(window, {"cmdAddAmmo", "vsbAddTonnage=3", "cmdAmmoPrevious"});
        QStringList found;
        for (QSqlQuery row = Built("SELECT Type, Class, ShotsPerTon, Cost FROM ISAmmo ORDER BY rowid"); row.next();) {
            const QString type = row.value(0).toString(), cls = row.value(1).toString();
            const QVariant shots = row.value(2), cost = row.value(3);
            const bool cargo = type == QLatin1String("Cargo");
            QVERIFY2(type.size() <= 28 && !cls.isEmpty() && shots.typeId() == QMetaType::LongLong && (shots.toInt() > 0) != cargo &&
                         !cost.isNull() && (cargo || cost.toDouble() > 0), qPrintable(type));
            found << type;
            Press(window, QStringLiteral("cmdAmmoNext"));
            const bool halfTons = cargo || type == QLatin1String("Ammo-Machine Gun");
            QCOMPARE(FirstFailure(window, {"lblAmmoType=" + type, "lblAmmoClass=" + cls, "lblAmmoShotsPerTon=" + shots.toString(),
                                           "lblAmmoCost=" + cost.toString(), halfTons ? "lblAddTonnage=1.5" : "lblAddTonnage=3"}), QString());
            Press(window, QStringLiteral("cmdAmmoAdd"));
        }
        QCOMPARE(found, Ammunition);
        QCOMPARE(int(window.PayloadCount), int(found.size()));
        VERIFY_PAYLOAD_IN_STEP(window);
    }

    void startsBesideAFaultyCatalogue()
    {
        for (const auto& fault : Faults) {
            QTemporaryDir dir;
            const QString program = dir.filePath(QStringLiteral("tarnwell-copy")), catalogue = dir.filePath(QStringLiteral("ISWeapons.mdb"));
            QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
            if (fault.folder) QDir().mkpath(catalogue);
            if (QFile file(catalogue); fault.bytes && file.open(QIODevice::WriteOnly)) file.write(fault.bytes);
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QString::fromLatin1(fault.reason));
            db.setDatabaseName(catalogue);
            for (const QString& statement : fault.statements) QVERIFY((db.isOpen() || db.open()) && QSqlQuery(db).exec(statement));
            QProcess copy;
            copy.start(program, {QString::fromLatin1(StartFlag)});
            QVERIFY2(copy.waitForFinished(120000) && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0, fault.reason);
            const QString folder = QDir::toNativeSeparators(QFileInfo(dir.path()).canonicalFilePath());
            QCOMPARE(QString::fromUtf8(copy.readAllStandardOutput()).split(u'|'),
                     QStringList({QStringLiteral("The equipment catalogue could not be read, so no weapons, equipment, ammunition or cargo "
                                                 "can be added. The rest of the design can still be edited.  It looked for the file "
                                                 "\"ISWeapons.mdb\" in the folder \"%1\". %2").arg(folder, QString::fromLatin1(fault.reason)),
                                  "shown", "items 0, mass 20, boxes 1"}));
        }
    }
};

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], StartFlag) == 0) return RunStartedCopy(argc, argv);
    QApplication application(argc, argv);
    CatalogueTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_catalogue.moc"
