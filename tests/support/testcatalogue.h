#pragma once
// A small equipment catalogue with known rows, written to a temporary folder: the file the
// window opens, and the file a design's two row sets read.
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

class frmMain;

struct CatalogueWeapon {
    QString type, cls;
    double tons;
    std::optional<int> heat;  // empty: the row has no heat
    double cost;
};

struct CatalogueAmmo {
    QString type, cls;
    int shotsPerTon;
    std::optional<double> cost;  // empty: the row has no price
};

// The rows the payload tests rely on.
QList<CatalogueWeapon> StandardWeapons();
QList<CatalogueAmmo> StandardAmmo();

class TestCatalogue {
public:
    TestCatalogue() : TestCatalogue(StandardWeapons(), StandardAmmo()) {}
    TestCatalogue(const QList<CatalogueWeapon>& weapons, const QList<CatalogueAmmo>& ammo);

    const QString& path() const { return path_; }
    // Opens this catalogue in the window as start-up opens the one beside the program.
    void Attach(frmMain& window) const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// A catalogue file at `path` made by SQL `statements`, as another tool might write one; its path.
QString SqlCatalogue(const QString& path, const QStringList& statements);

// The standard test catalogue, made once per test program.
const TestCatalogue& StandardCatalogue();
