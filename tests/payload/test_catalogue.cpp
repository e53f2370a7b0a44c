// The catalogue built beside the programs keeps every rule the payload relies on, on every row,
// holds the published figures, and works in the window from browsing to the payload list.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <cmath>

#include "app/numbertext.h"
#include "support/payloadchecks.h"
#include "support/payloaddrive.h"
#include "support/testsupport.h"

namespace {

struct Row {
    QString type;
    QString cls;
    QVariant tons;  // ISWeapons: Tons; ISAmmo: ShotsPerTon
    QVariant heat;  // ISWeapons only
    QVariant cost;
};

const QString CataloguePath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/ISWeapons.mdb"); }

QSqlDatabase Catalogue()
{
    const QString name = QStringLiteral("catalogue-test");
    if (QSqlDatabase::contains(name)) return QSqlDatabase::database(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(CataloguePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) qFatal("cannot open %s", qPrintable(CataloguePath()));
    return db;
}

QList<Row> Rows(const QString& table)
{
    const bool weapons = table == QLatin1String("ISWeapons");
    QSqlQuery query(Catalogue());
    const QString columns = weapons ? QStringLiteral("Type, Class, Tons, Heat, Cost") : QStringLiteral("Type, Class, ShotsPerTon, NULL, Cost");
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columns, table))) qFatal("cannot read %s", qPrintable(table));
    QList<Row> rows;
    while (query.next())
        rows << Row{query.value(0).toString(), query.value(1).toString(), query.value(2), query.value(3), query.value(4)};
    return rows;
}

QStringList Types(const QString& table)
{
    QStringList types;
    for (const Row& row : Rows(table)) types << row.type;
    return types;
}

bool IsWholeNumber(const QVariant& value)
{
    return value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int ||
           (value.typeId() == QMetaType::Double && std::floor(value.toDouble()) == value.toDouble());
}

bool IsNumber(const QVariant& value)
{
    return value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int || value.typeId() == QMetaType::Double;
}

// The published construction figures of every row, in browsing order. Heat is what a vehicle
// must sink: energy weapons only (-1: none).
struct PublishedWeapon {
    const char* type;
    const char* cls;
    double tons;
    int heat;
    qint64 cost;
};

constexpr PublishedWeapon PublishedWeapons[] = {
    {"Small Laser", "Energy", 0.5, 1, 11250},
    {"ER Small Laser", "Energy", 0.5, 2, 11250},
    {"Small Pulse Laser", "Energy", 1, 2, 16000},
    {"Flamer", "Energy", 1, 3, 7500},
    {"Medium Laser", "Energy", 1, 3, 40000},
    {"ER Medium Laser", "Energy", 1, 5, 80000},
    {"Medium Pulse Laser", "Energy", 2, 4, 60000},
    {"Large Laser", "Energy", 5, 8, 100000},
    {"ER Large Laser", "Energy", 5, 12, 200000},
    {"Large Pulse Laser", "Energy", 7, 10, 175000},
    {"PPC", "Energy", 7, 10, 200000},
    {"ER PPC", "Energy", 7, 15, 300000},
    {"Machine Gun", "Ballistic", 0.5, -1, 5000},
    {"Anti-Missile System", "Ballistic", 0.5, -1, 100000},
    {"AC/2", "Ballistic", 6, -1, 75000},
    {"AC/5", "Ballistic", 8, -1, 125000},
    {"Ultra AC/5", "Ballistic", 9, -1, 200000},
    {"LB 10-X AC", "Ballistic", 11, -1, 400000},
    {"AC/10", "Ballistic", 12, -1, 200000},
    {"AC/20", "Ballistic", 14, -1, 300000},
    {"Gauss Rifle", "Ballistic", 15, -1, 300000},
    {"SRM 2", "Missile", 1, -1, 10000},
    {"Streak SRM 2", "Missile", 1.5, -1, 15000},
    {"SRM 4", "Missile", 2, -1, 60000},
    {"LRM 5", "Missile", 2, -1, 30000},
    {"SRM 6", "Missile", 3, -1, 80000},
    {"Narc Missile Beacon", "Missile", 3, -1, 100000},
    {"LRM 10", "Missile", 5, -1, 100000},
    {"LRM 15", "Missile", 7, -1, 175000},
    {"LRM 20", "Missile", 10, -1, 250000},
    {"Arrow IV", "Artillery", 15, -1, 450000},
    {"TAG", "Electronics", 1, -1, 50000},
    {"C3 Slave Unit", "Electronics", 1, -1, 250000},
    {"Beagle Active Probe", "Electronics", 1.5, -1, 200000},
    {"Guardian ECM Suite", "Electronics", 1.5, -1, 200000},
    {"C3 Master Unit", "Electronics", 5, -1, 1500000},
};

struct PublishedAmmo {
    const char* type;
    const char* cls;
    int shotsPerTon;
    qint64 costPerTon;
};

constexpr PublishedAmmo PublishedAmmunition[] = {
    {"Ammo-Machine Gun", "Ballistic", 200, 1000},
    {"Ammo-Anti-Missile System", "Ballistic", 12, 2000},
    {"Ammo-AC/2", "Ballistic", 45, 1000},
    {"Ammo-AC/5", "Ballistic", 20, 4500},
    {"Ammo-Ultra AC/5", "Ballistic", 20, 9000},
    {"Ammo-LB 10-X AC", "Ballistic", 10, 12000},
    {"Ammo-AC/10", "Ballistic", 10, 6000},
    {"Ammo-AC/20", "Ballistic", 5, 10000},
    {"Ammo-Gauss Rifle", "Ballistic", 8, 20000},
    {"Ammo-SRM 2", "Missile", 50, 27000},
    {"Ammo-Streak SRM 2", "Missile", 50, 54000},
    {"Ammo-SRM 4", "Missile", 25, 27000},
    {"Ammo-LRM 5", "Missile", 24, 30000},
    {"Ammo-SRM 6", "Missile", 15, 27000},
    {"Ammo-Narc Missile Beacon", "Missile", 6, 6000},
    {"Ammo-LRM 10", "Missile", 12, 30000},
    {"Ammo-LRM 15", "Missile", 8, 30000},
    {"Ammo-LRM 20", "Missile", 6, 30000},
    {"Ammo-Arrow IV", "Artillery", 5, 10000},
    {"Cargo", "Cargo", 0, 0},
};

// Weapons that fire ammunition, and so need an "Ammo-" row of their own.
const QStringList AmmunitionWeapons = {
    "Machine Gun", "Anti-Missile System", "AC/2", "AC/5", "AC/10", "AC/20", "Ultra AC/5", "LB 10-X AC",
    "Gauss Rifle", "SRM 2", "SRM 4", "SRM 6", "Streak SRM 2", "LRM 5", "LRM 10", "LRM 15", "LRM 20",
    "Narc Missile Beacon", "Arrow IV",
};

}  // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void columnsHaveTheirKinds_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("kinds");
        const QStringList text{"TEXT"}, real{"REAL"}, integer{"INTEGER"}, number{"INTEGER", "REAL"};
        QTest::newRow("ISWeapons.Type") << "ISWeapons" << "Type" << text;
        QTest::newRow("ISWeapons.Class") << "ISWeapons" << "Class" << text;
        QTest::newRow("ISWeapons.Tons") << "ISWeapons" << "Tons" << real;
        QTest::newRow("ISWeapons.Heat") << "ISWeapons" << "Heat" << integer;
        QTest::newRow("ISWeapons.Cost") << "ISWeapons" << "Cost" << number;
        QTest::newRow("ISAmmo.Type") << "ISAmmo" << "Type" << text;
        QTest::newRow("ISAmmo.Class") << "ISAmmo" << "Class" << text;
        QTest::newRow("ISAmmo.ShotsPerTon") << "ISAmmo" << "ShotsPerTon" << number;
        QTest::newRow("ISAmmo.Cost") << "ISAmmo" << "Cost" << number;
    }

    void columnsHaveTheirKinds()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QStringList, kinds);
        QSqlQuery query(Catalogue());
        QVERIFY(query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table)));
        QString kind;
        while (query.next())
            if (query.value(1).toString() == column) kind = query.value(2).toString().toUpper();
        QVERIFY2(kinds.contains(kind), qPrintable(column + QStringLiteral(" is ") + kind));
    }

    void weaponRows_data()
    {
        QTest::addColumn<int>("index");
        const QList<Row> rows = Rows(QStringLiteral("ISWeapons"));
        QVERIFY(!rows.isEmpty());
        for (int i = 0; i < rows.size(); ++i) QTest::newRow(qPrintable(rows[i].type)) << i;
    }

    void weaponRows()
    {
        QFETCH(int, index);
        const Row row = Rows(QStringLiteral("ISWeapons"))[index];
        QVERIFY(!row.type.isEmpty());
        QVERIFY(row.type.size() <= 28);
        QVERIFY(!row.cls.isEmpty());
        QVERIFY(!row.type.startsWith(QLatin1String("Ammo")));
        QVERIFY(!row.type.startsWith(QLatin1String("Art")));  // taken for Artemis IV lines
        // Components come in half tons.
        QVERIFY(IsNumber(row.tons));
        QVERIFY(row.tons.toDouble() > 0);
        QCOMPARE(std::fmod(row.tons.toDouble() * 2, 1.0), 0.0);
        QVERIFY(IsWholeNumber(row.cost));
        QVERIFY(row.cost.toDouble() > 0);
        // A vehicle sinks the heat of its energy weapons only.
        if (row.cls == QLatin1String("Energy")) {
            QVERIFY(IsWholeNumber(row.heat));
            QVERIFY(row.heat.toInt() > 0 && row.heat.toInt() <= 32767);
        } else {
            QVERIFY(row.heat.isNull());
        }
        const bool energyName = row.type.contains(QLatin1String("Laser")) || row.type.contains(QLatin1String("PPC")) ||
                                row.type == QLatin1String("Flamer");
        QCOMPARE(row.cls == QLatin1String("Energy"), energyName);
    }

    void ammoRows_data()
    {
        QTest::addColumn<int>("index");
        const QList<Row> rows = Rows(QStringLiteral("ISAmmo"));
        QVERIFY(!rows.isEmpty());
        for (int i = 0; i < rows.size(); ++i) QTest::newRow(qPrintable(rows[i].type)) << i;
    }

    void ammoRows()
    {
        QFETCH(int, index);
        const Row row = Rows(QStringLiteral("ISAmmo"))[index];
        const bool cargo = row.type == QLatin1String("Cargo");
        QVERIFY(!row.type.isEmpty());
        QVERIFY(row.type.size() <= 28);
        QVERIFY(!row.cls.isEmpty());
        QVERIFY(cargo || row.type.startsWith(QLatin1String("Ammo-")));
        QVERIFY(IsWholeNumber(row.tons));
        QVERIFY(cargo ? row.tons.toInt() == 0 : row.tons.toInt() > 0);
        QVERIFY(IsNumber(row.cost));
        QVERIFY(cargo ? row.cost.toDouble() == 0 : row.cost.toDouble() > 0);
    }

    void namesAreUnique_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("ISWeapons") << "ISWeapons";
        QTest::newRow("ISAmmo") << "ISAmmo";
    }

    void namesAreUnique()
    {
        QFETCH(QString, table);
        const QStringList types = Types(table);
        QCOMPARE(QSet<QString>(types.begin(), types.end()).size(), types.size());
    }

    // The browsers show a class as one run of rows.
    void classesAreContiguous_data() { namesAreUnique_data(); }

    void classesAreContiguous()
    {
        QFETCH(QString, table);
        QStringList seen;
        for (const Row& row : Rows(table)) {
            if (!seen.isEmpty() && seen.last() == row.cls) continue;
            QVERIFY2(!seen.contains(row.cls), qPrintable(row.cls + QStringLiteral(" comes back at ") + row.type));
            seen << row.cls;
        }
    }

    void namedEquipmentIsThere_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("cls");
        const struct {
            const char* type;
            const char* cls;  // nullptr: any class
        } named[] = {
            {"Small Laser", "Energy"}, {"Medium Laser", "Energy"}, {"Large Laser", "Energy"},
            {"ER Small Laser", "Energy"}, {"ER Medium Laser", "Energy"}, {"ER Large Laser", "Energy"},
            {"Small Pulse Laser", "Energy"}, {"Medium Pulse Laser", "Energy"}, {"Large Pulse Laser", "Energy"},
            {"PPC", "Energy"}, {"ER PPC", "Energy"}, {"Flamer", "Energy"},
            {"AC/2", nullptr}, {"AC/5", nullptr}, {"AC/10", nullptr}, {"AC/20", nullptr},
            {"LB 10-X AC", nullptr}, {"Ultra AC/5", nullptr}, {"Gauss Rifle", nullptr},
            {"Machine Gun", nullptr}, {"Anti-Missile System", nullptr},
            {"LRM 5", nullptr}, {"LRM 10", nullptr}, {"LRM 15", nullptr}, {"LRM 20", nullptr},
            {"SRM 2", nullptr}, {"SRM 4", nullptr}, {"SRM 6", nullptr}, {"Streak SRM 2", nullptr},
            {"Narc Missile Beacon", nullptr}, {"Arrow IV", nullptr},
            {"TAG", "Electronics"}, {"Beagle Active Probe", "Electronics"}, {"Guardian ECM Suite", "Electronics"},
            {"C3 Master Unit", "Electronics"}, {"C3 Slave Unit", "Electronics"},
        };
        for (const auto& item : named)
            QTest::newRow(item.type) << QString::fromLatin1(item.type) << (item.cls ? QString::fromLatin1(item.cls) : QString());
    }

    void namedEquipmentIsThere()
    {
        QFETCH(QString, type);
        QFETCH(QString, cls);
        const QList<Row> rows = Rows(QStringLiteral("ISWeapons"));
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.type == type; });
        QVERIFY(row != rows.end());
        if (!cls.isEmpty()) QCOMPARE(row->cls, cls);
    }

    void cargoAndHalfTonRowsAreThere()
    {
        const QStringList ammo = Types(QStringLiteral("ISAmmo"));
        QVERIFY(ammo.contains(QStringLiteral("Cargo")));
        QVERIFY(ammo.contains(QStringLiteral("Ammo-Machine Gun")));
    }

    // Artemis IV goes with the names that begin with a launcher prefix: the standard launchers
    // and nothing else.
    void artemisPrefixesMarkTheStandardLaunchers()
    {
        QStringList prefixed;
        for (const QString& type : Types(QStringLiteral("ISWeapons")))
            if (type.startsWith(QLatin1String("LRM")) || type.startsWith(QLatin1String("SRM"))) prefixed << type;
        QCOMPARE(prefixed, QStringList({"SRM 2", "SRM 4", "LRM 5", "SRM 6", "LRM 10", "LRM 15", "LRM 20"}));
    }

    // Each row holds the published figures, and the rows come in the published order.
    void weaponsHoldThePublishedFigures()
    {
        const QList<Row> rows = Rows(QStringLiteral("ISWeapons"));
        QCOMPARE(rows.size(), qsizetype(std::size(PublishedWeapons)));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const Row& row = rows[i];
            const PublishedWeapon& published = PublishedWeapons[i];
            const QString where = QStringLiteral("row %1 (%2)").arg(i + 1).arg(row.type);
            QVERIFY2(row.type == QLatin1String(published.type), qPrintable(where));
            QVERIFY2(row.cls == QLatin1String(published.cls), qPrintable(where));
            QVERIFY2(row.tons.toDouble() == published.tons, qPrintable(where));
            QVERIFY2(published.heat < 0 ? row.heat.isNull() : row.heat.toInt() == published.heat, qPrintable(where));
            QVERIFY2(row.cost.toLongLong() == published.cost, qPrintable(where));
        }
    }

    void ammunitionHoldsThePublishedFigures()
    {
        const QList<Row> rows = Rows(QStringLiteral("ISAmmo"));
        QCOMPARE(rows.size(), qsizetype(std::size(PublishedAmmunition)));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const Row& row = rows[i];
            const PublishedAmmo& published = PublishedAmmunition[i];
            const QString where = QStringLiteral("row %1 (%2)").arg(i + 1).arg(row.type);
            QVERIFY2(row.type == QLatin1String(published.type), qPrintable(where));
            QVERIFY2(row.cls == QLatin1String(published.cls), qPrintable(where));
            QVERIFY2(row.tons.toInt() == published.shotsPerTon, qPrintable(where));
            QVERIFY2(row.cost.toLongLong() == published.costPerTon, qPrintable(where));
        }
    }

    // Within a class the browser goes from the lightest item to the heaviest.
    void sizeGrowsWithinAClass()
    {
        const QList<Row> rows = Rows(QStringLiteral("ISWeapons"));
        for (qsizetype i = 1; i < rows.size(); ++i)
            if (rows[i].cls == rows[i - 1].cls)
                QVERIFY2(rows[i].tons.toDouble() >= rows[i - 1].tons.toDouble(), qPrintable(rows[i].type));
    }

    void everyAmmunitionWeaponHasItsAmmunition_data()
    {
        QTest::addColumn<QString>("weapon");
        for (const QString& weapon : AmmunitionWeapons) QTest::newRow(qPrintable(weapon)) << weapon;
    }

    void everyAmmunitionWeaponHasItsAmmunition()
    {
        QFETCH(QString, weapon);
        QVERIFY(Types(QStringLiteral("ISWeapons")).contains(weapon));
        QVERIFY(Types(QStringLiteral("ISAmmo")).contains(QStringLiteral("Ammo-") + weapon));
    }

    // Every ammunition row feeds a weapon of the catalogue that fires ammunition, and the rows
    // follow the order of their weapons.
    void ammunitionFollowsItsWeapons()
    {
        const QStringList weapons = Types(QStringLiteral("ISWeapons"));
        int previous = -1;
        for (const QString& ammo : Types(QStringLiteral("ISAmmo"))) {
            if (ammo == QLatin1String("Cargo")) continue;
            const QString weapon = ammo.mid(5);
            QVERIFY2(AmmunitionWeapons.contains(weapon), qPrintable(ammo));
            const int position = int(weapons.indexOf(weapon));
            QVERIFY2(position > previous, qPrintable(ammo));
            previous = position;
        }
    }

    // The window started beside the built catalogue: every weapon row browsed in turn shows its
    // figures and mounts with them; every ammunition row adds three spinner steps.
    void everyRowInTheWindow()
    {
        LocaleScope english(QLocale::English, QLocale::UnitedStates);
        frmMain window;
        Choose(window, QStringLiteral("optMotiveType_1"));
        SetValue(window, QStringLiteral("vsbMass"), 50);
        QStringList items;
        Currency tons, cost;
        int heat = 0;
        for (const PublishedWeapon& row : PublishedWeapons) {
            const QString name = QString::fromLatin1(row.type);
            QCOMPARE(Text(window, QStringLiteral("lblName")), name);
            QCOMPARE(Text(window, QStringLiteral("lblClass")), QString::fromLatin1(row.cls));
            QCOMPARE(Text(window, QStringLiteral("lblWeight")), QLocale().toString(row.tons));
            // The first row is shown as opened, before any move; every later one after a move.
            const bool moved = &row != PublishedWeapons;
            QCOMPARE(Text(window, QStringLiteral("lblHeat")),
                     row.heat >= 0 ? QString::number(row.heat) : moved ? QStringLiteral("N/A") : QString());
            QCOMPARE(Text(window, QStringLiteral("lblWeaponCost")), QString::number(row.cost));
            Press(window, QStringLiteral("cmdAdd"));
            Press(window, QStringLiteral("cmdNextWeapon"));
            const bool body = QLatin1String(row.cls) == QLatin1String("Electronics") && name != QLatin1String("TAG");
            items << QStringLiteral("%1|%2|%3|%4").arg(name).arg(std::max(row.heat, 0)).arg(FixedText(row.tons, 1),
                                                                                          body ? "Body" : "Front");
            tons += Currency::fromDouble(row.tons);
            cost += Currency::fromDouble(double(row.cost));
            heat += std::max(row.heat, 0);
        }
        QCOMPARE(Text(window, QStringLiteral("lblName")), QString::fromLatin1(PublishedWeapons[0].type));

        Press(window, QStringLiteral("cmdAddAmmo"));
        SetValue(window, QStringLiteral("vsbAddTonnage"), 3);
        // A move first, so that the tonnage step of each row is in force.
        for (std::size_t i = 1; i <= std::size(PublishedAmmunition); ++i) {
            const PublishedAmmo& row = PublishedAmmunition[i % std::size(PublishedAmmunition)];
            Press(window, QStringLiteral("cmdAmmoNext"));
            const QString name = QString::fromLatin1(row.type);
            QCOMPARE(Text(window, QStringLiteral("lblAmmoType")), name);
            QCOMPARE(Text(window, QStringLiteral("lblAmmoClass")), QString::fromLatin1(row.cls));
            QCOMPARE(Text(window, QStringLiteral("lblAmmoShotsPerTon")), QString::number(row.shotsPerTon));
            QCOMPARE(Text(window, QStringLiteral("lblAmmoCost")), QString::number(row.costPerTon));
            const bool halfTons = name == QLatin1String("Cargo") || name == QLatin1String("Ammo-Machine Gun");
            const double rowTons = halfTons ? 1.5 : 3;
            QCOMPARE(Text(window, QStringLiteral("lblAddTonnage")), QLocale().toString(rowTons));
            Press(window, QStringLiteral("cmdAmmoAdd"));
            items << QStringLiteral("%1|0|%2|Body").arg(name, FixedText(rowTons, 1));
            tons += Currency::fromDouble(rowTons);
            cost += Currency::fromDouble(rowTons * double(row.costPerTon));
        }

        QCOMPARE(ShownItems(window), items);
        QCOMPARE(window.PayloadTonnage, tons);
        QCOMPARE(window.PayloadCost, cost);
        QCOMPARE(int(window.PayloadHeat), heat);
        QCOMPARE(int(window.ItemsUsed), int(items.size()));
        VERIFY_PAYLOAD_IN_STEP(window);
    }
};

QTEST_MAIN(CatalogueTest)
#include "test_catalogue.moc"
