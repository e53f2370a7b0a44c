#pragma once
// The fixed equipment that follows from mass, movement type, engine and payload.
#include <optional>

#include "core/values/currency.h"
#include "core/rules/options.h"

namespace rules {

// The suspension factor of a movement type at a mass; none when no row holds the mass.
std::optional<int> SuspensionFactor(Motive motive, int mass);
// Lift equipment of a hovercraft or VTOL; none for a movement type without it, whose lift stays
// as choosing the type left it (0).
std::optional<Currency> LiftTonnage(Motive motive, int mass);
// Control equipment and internal structure.
Currency ControlTonnage(int mass);
Currency StructureTonnage(int mass);
// A turret weighs a share of the weapons in it; an empty or missing turret weighs nothing.
Currency TurretTonnage(bool fitted, Currency turretWeaponTonnage);
// Power amplifiers, for an engine that needs them: a share of the energy weapons' tonnage, to a
// tenth of a ton with halves away from zero, as the window shows it.
Currency PowerAmpTonnage(Engine engine, Currency energyWeaponTonnage);

}  // namespace rules
