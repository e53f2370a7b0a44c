// Lift and control equipment, internal structure, turret and power amplifiers.
#include "core/design/design.h"
#include "core/rules/chassis.h"

void Design::CalcLiftAndControl()
{
    if (const std::optional<Motive> motive = MotiveOf(s_.MotiveType)) {
        if (const std::optional<Currency> lift = rules::LiftTonnage(*motive, s_.vsbMass.value)) s_.LiftTonnage = *lift;
        if (const std::optional<int> factor = rules::SuspensionFactor(*motive, s_.Mass)) s_.SuspensionFactor = *factor;
    }
    s_.ControlTonnage = rules::ControlTonnage(s_.Mass);
}

void Design::CalcStructure()
{
    s_.StructureTonnage = rules::StructureTonnage(s_.Mass);
}

void Design::CalcTurret()
{
    s_.TurretTonnage = rules::TurretTonnage(s_.chkTurret.checked, s_.TurretWeaponTonnage);
}

void Design::CalcPowerAmps()
{
    const EngineOption* engine = EngineOptionAt(s_.EngineType);
    s_.PowerAmpTonnage = engine ? rules::PowerAmpTonnage(engine->engine, s_.EnergyWeaponTonnage) : Currency(0);
}
