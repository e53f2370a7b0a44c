#include "core/rules/chassis.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/rules/roundhalfton.h"
#include "core/rules/ruletables.h"

namespace rules {

namespace {

Currency ShareOf(double share, double tons)
{
    return RoundHalfTon(Currency::fromDouble(share * tons));
}

}  // namespace

std::optional<int> SuspensionFactor(Motive motive, int mass)
{
    std::optional<int> factor;
    for (const auto& row : SuspensionFactors)
        if (row.motive == motive && mass >= row.lowestMass && mass <= row.highestMass) factor = row.factor;
    return factor;
}

std::optional<Currency> LiftTonnage(Motive motive, int mass)
{
    if (!OptionOf(motive).liftEquipment) return std::nullopt;
    return ShareOf(LiftShare, mass);
}

Currency ControlTonnage(int mass)
{
    return ShareOf(ControlShare, mass);
}

Currency StructureTonnage(int mass)
{
    return ShareOf(StructureShare, mass);
}

Currency TurretTonnage(bool fitted, Currency turretWeaponTonnage)
{
    if (!fitted || turretWeaponTonnage == Currency(0)) return Currency(0);
    return ShareOf(TurretShare, turretWeaponTonnage.toDouble());
}

// The share goes to millionths first, which takes away the binary noise of figures such as
// 0.1 x 13, then to tenths.
Currency PowerAmpTonnage(Engine engine, Currency energyWeaponTonnage)
{
    if (!OptionOf(engine).powerAmplifiers) return Currency(0);
    const std::int64_t millionths = std::llround(PowerAmpShare * energyWeaponTonnage.toDouble() * 1e6);
    const std::int64_t tenths = (std::llabs(millionths) + 50000) / 100000;
    return Currency::fromUnits((millionths < 0 ? -tenths : tenths) * (Currency::Scale / 10));
}

}  // namespace rules
