#include <QCheckBox>

#include "app/frmMain.h"
#include "rules/price.h"

Currency frmMain::CalcCost() const
{
    return rules::VehicleCost({
        .engine = EngineOf(EngineType),
        .engineRating = EngineRating,
        .mass = Mass,
        .motive = MotiveOf(MotiveType),
        .control = ControlTonnage,
        .structure = StructureTonnage,
        .heatSinkTonnage = HeatSinkTonnage,
        .armor = ArmorTonnage,
        .ferroFibrous = chkFerroFibrous->isChecked(),
        .powerAmps = PowerAmpTonnage,
        .turret = TurretTonnage,
        .lift = LiftTonnage,
        .payloadCost = PayloadCost,
    });
}
