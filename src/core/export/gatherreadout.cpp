#include "core/export/gatherreadout.h"

#include <algorithm>
#include <stdexcept>

#include "core/design/design.h"

namespace {

// The records the payload list shows, one line each.
QList<ReadoutItem> Payload(const DesignState& s)
{
    const int count = std::clamp(int(s.PayloadLines.size()), 0, PayloadCapacity);
    QList<ReadoutItem> items;
    for (int k = 1; k <= count; ++k) {
        const PayloadItem& record = s.PayloadItems[k];
        items.append({record.Name, int(record.Heat), record.Tons, record.Location});
    }
    return items;
}

// The price worked out afresh; empty when it leaves the range of amounts.
std::optional<Currency> Price(const Design& design)
{
    try {
        return design.CalcCost();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

ReadoutDesign GatherReadout(const Design& design)
{
    const DesignState& s = design.State();
    ReadoutDesign d;
    d.name = s.txtVehicleName;
    d.mass = s.Mass;
    d.motive = MotiveOf(s.optMotiveType);
    d.engine = EngineOf(s.optEngineType);
    d.engineRating = s.EngineRating;
    d.engineTonnage = s.EngineTonnage;
    d.cruiseMP = s.CruiseMP;
    d.flankMP = s.FlankMP.toDouble();
    d.structureTonnage = s.StructureTonnage;
    d.heatSinks = s.HeatSinks;
    d.heatSinkTonnage = s.HeatSinkTonnage;
    d.turretTonnage = s.TurretTonnage;
    d.controlTonnage = s.ControlTonnage;
    d.liftTonnage = s.LiftTonnage;
    d.powerAmpTonnage = s.PowerAmpTonnage;
    d.armorFactor = s.TotalArmorPoints;
    d.armorTonnage = s.ArmorTonnage;
    d.armorTypeName = s.ArmorTypeName;
    d.caseFitted = s.chkCASE.checked;
    d.turretFitted = s.chkTurret.checked;
    d.frontArmor = s.vsbFrontArmor.value;
    d.rightArmor = s.vsbRightArmor.value;
    d.leftArmor = s.vsbLeftArmor.value;
    d.rearArmor = s.vsbRearArmor.value;
    d.turretArmor = s.vsbTurretArmor.value;
    d.manufacturer = s.txtManufacturer;
    d.commSystem = s.txtCommSystem;
    d.targetingSystem = s.txtTargetingSystem;
    d.overview = s.txtOverview;
    d.payload = Payload(s);
    d.cost = Price(design);
    return d;
}
