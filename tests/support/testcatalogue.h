#pragma once
// A small equipment catalogue with known rows, written to a temporary folder.
#include "support/toolkit.h"

struct CatalogueWeapon {
    QString type, cls;
    double tons;
    std::optional<int> heat;  // empty: the row has no heat
    double cost;
};

struct CatalogueAmmo {
    QString type, cls;
    int shotsPerTon;
    double cost;
};

// The rows the payload tests rely on.
QList<CatalogueWeapon> StandardWeapons();
QList<CatalogueAmmo> StandardAmmo();

class TestCatalogue {
public:
    TestCatalogue() : TestCatalogue(StandardWeapons(), StandardAmmo()) {}
    TestCatalogue(const QList<CatalogueWeapon>& weapons, const QList<CatalogueAmmo>& ammo);

    // Opens this catalogue in the window as start-up opens the one beside the program.
    void Attach(frmMain& window) const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// Opens the standard test catalogue, made once per test program, in the window.
void UseTestCatalogue(frmMain& window);

// A fresh window over the standard test catalogue.
struct CatalogueWindow {
    frmMain window;
    CatalogueWindow() { UseTestCatalogue(window); }
};
