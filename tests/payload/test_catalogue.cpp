// The catalogue built beside the programs keeps every rule the payload relies on, on every row.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <cmath>

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
        QCOMPARE(prefixed, QStringList({"SRM 2", "SRM 4", "SRM 6", "LRM 5", "LRM 10", "LRM 15", "LRM 20"}));
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
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "test_catalogue.moc"
