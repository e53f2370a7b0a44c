#pragma once
// Designs and user sessions for the benchmarks, built on a Design as a user builds them in the
// window, over the catalogue beside the benchmark program.
#include <QString>
#include <memory>

#include "core/design/design.h"
#include "core/payload/rowset.h"

// The catalogue beside the program, read once.
struct BenchCatalogue {
    RowSet weapons{QStringLiteral("ISWeapons"), nullptr};
    RowSet ammo{QStringLiteral("ISAmmo"), nullptr};
    BenchCatalogue();
};
BenchCatalogue& Catalogue();

// A new design over that catalogue.
std::unique_ptr<Design> NewDesign();

// Browses the weapons or the ammunition to the row named `name`, as a user presses Next.
void BrowseWeaponTo(Design& design, const QString& name);
void BrowseAmmoTo(Design& design, const QString& name);

// A 100-ton tracked Fusion design with a turret, armor on every side and a full payload of
// 100 items: weapons in every location, ammunition and cargo.
void BuildFullDesign(Design& design);

// One of a fixed, repeatable sequence of mixed user actions: inputs, options, check boxes,
// browsing, adding, removing and Auto-Allocate. `step` picks the action.
void PerformUserAction(Design& design, unsigned step);
