#include "support/testcatalogue.h"

#include <QtSql>

QList<CatalogueWeapon> StandardWeapons()
{
    return {
        {"Medium Laser", "Energy", 1, 3, 40000},
        {"LRM 5", "Missile", 2, 2, 30000},
        {"SRM 2", "Missile", 1, 2, 10000},
        {"Machine Gun", "Ballistic", 0.5, std::nullopt, 5000},
        {"Beagle Active Probe", "Electronics", 1.5, std::nullopt, 200000},
        {"TAG", "Electronics", 1, std::nullopt, 50000},
        {"Rocket Pod LRM", "Missile", 1.5, 1, 15000},
        {"LRM 10", "Missile", 5, 4, 100000},
        {"Large Laser", "Energy", 5, 8, 100000},
        {"Autocannon/5", "Ballistic", 8, 1, 125000},
    };
}

QList<CatalogueAmmo> StandardAmmo()
{
    return {
        {"Ammo-LRM 5", "Missile", 24, 30000},
        {"Cargo", "Cargo", 0, 1000},
        {"Ammo-Machine Gun", "Ballistic", 200, 1000},
        {"Ammo-SRM 2", "Missile", 50, 27000},
        {"Ammo-Autocannon/5", "Ballistic", 20, 4512.5},
    };
}

QString SqlCatalogue(const QString& path, const QStringList& statements)
{
    const QString connection = QStringLiteral("sql-catalogue-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) qFatal("cannot open %s: %s", qPrintable(path), qPrintable(db.lastError().text()));
        QSqlQuery query(db);
        for (const QString& statement : statements)
            if (!query.exec(statement)) qFatal("cannot run %s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(connection);
    return path;
}

TestCatalogue::TestCatalogue(const QList<CatalogueWeapon>& weapons, const QList<CatalogueAmmo>& ammo)
    : path_(dir_.filePath(QStringLiteral("ISWeapons.mdb")))
{
    const auto number = [](std::optional<double> value) { return value ? QString::number(*value, 'g', 17) : QStringLiteral("NULL"); };
    QStringList statements{"CREATE TABLE ISWeapons (Type TEXT, Class TEXT, Tons REAL, Heat INTEGER, Cost REAL)",
                           "CREATE TABLE ISAmmo (Type TEXT, Class TEXT, ShotsPerTon INTEGER, Cost REAL)"};
    for (const CatalogueWeapon& w : weapons)
        statements << QStringLiteral("INSERT INTO ISWeapons VALUES ('%1', '%2', %3, %4, %5)")
                          .arg(w.type, w.cls, number(w.tons), number(w.heat), number(w.cost));
    for (const CatalogueAmmo& a : ammo)
        statements << QStringLiteral("INSERT INTO ISAmmo VALUES ('%1', '%2', %3, %4)").arg(a.type, a.cls, number(a.shotsPerTon), number(a.cost));
    SqlCatalogue(path_, statements);
}

const TestCatalogue& StandardCatalogue()
{
    static const TestCatalogue standard;
    return standard;
}
