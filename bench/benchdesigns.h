#pragma once
// Designs and user sessions for the benchmarks, driven through the window's controls.
#include <QString>

class frmMain;

// Browses the weapons or the ammunition to the row named `name`, as a user presses Next.
void BrowseWeaponTo(frmMain& window, const QString& name);
void BrowseAmmoTo(frmMain& window, const QString& name);

// A 100-ton tracked Fusion design with a turret, armor on every side and a full payload of
// 100 items: weapons in every location, ammunition and cargo.
void BuildFullDesign(frmMain& window);

// One of a fixed, repeatable sequence of mixed user actions: spinners, option buttons, check
// boxes, browsing, adding, removing and Auto-Allocate. `step` picks the action.
void PerformUserAction(frmMain& window, unsigned step);
