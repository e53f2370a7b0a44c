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

namespace {

// Runs one statement, with `values` for its placeholders.
void Exec(QSqlQuery& query, const QString& statement, const QVariantList& values = {})
{
    query.prepare(statement);
    for (const QVariant& value : values) query.addBindValue(value);
    if (!query.exec()) qFatal("test catalogue: %s", qPrintable(query.lastError().text()));
}

}  // namespace

TestCatalogue::TestCatalogue(const QList<CatalogueWeapon>& weapons, const QList<CatalogueAmmo>& ammo)
    : path_(dir_.filePath(QStringLiteral("ISWeapons.mdb")))
{
    const QString connection = QStringLiteral("test-catalogue-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path_);
        if (!db.open()) qFatal("test catalogue: %s", qPrintable(db.lastError().text()));
        QSqlQuery query(db);
        Exec(query, QStringLiteral("CREATE TABLE ISWeapons (Type TEXT, Class TEXT, Tons REAL, Heat INTEGER, Cost REAL)"));
        Exec(query, QStringLiteral("CREATE TABLE ISAmmo (Type TEXT, Class TEXT, ShotsPerTon INTEGER, Cost REAL)"));
        for (const CatalogueWeapon& w : weapons)
            Exec(query, QStringLiteral("INSERT INTO ISWeapons VALUES (?, ?, ?, ?, ?)"),
                 {w.type, w.cls, w.tons, w.heat ? QVariant(*w.heat) : QVariant(QMetaType::fromType<int>()), w.cost});
        for (const CatalogueAmmo& a : ammo)
            Exec(query, QStringLiteral("INSERT INTO ISAmmo VALUES (?, ?, ?, ?)"),
                 {a.type, a.cls, a.shotsPerTon, a.cost ? QVariant(*a.cost) : QVariant(QMetaType::fromType<double>())});
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

const TestCatalogue& StandardCatalogue()
{
    static const TestCatalogue standard;
    return standard;
}
