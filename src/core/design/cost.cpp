#include "core/design/design.h"
#include "core/rules/price.h"

Currency Design::CalcCost() const
{
    return rules::VehicleCost({
        .engine = EngineOf(s_.EngineType),
        .engineRating = s_.EngineRating,
        .mass = s_.Mass,
        .motive = MotiveOf(s_.MotiveType),
        .control = s_.ControlTonnage,
        .structure = s_.StructureTonnage,
        .heatSinkTonnage = s_.HeatSinkTonnage,
        .armor = s_.ArmorTonnage,
        .ferroFibrous = s_.chkFerroFibrous.checked,
        .powerAmps = s_.PowerAmpTonnage,
        .turret = s_.TurretTonnage,
        .lift = s_.LiftTonnage,
        .payloadCost = s_.PayloadCost,
    });
}
