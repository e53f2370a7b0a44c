// Movement type, engine type, mass and cruise speed: the inputs that shape chassis and drive.
#include "core/design/design.h"

void Design::optMotiveType_Click(int index)
{
    const MotiveOption* motive = MotiveOptionAt(index);
    if (motive && motive->turret) {
        Bound(s_.vsbMass, s_.vsbMass.minimum, motive->highestMass);
        if (!motive->liftEquipment) s_.LiftTonnage = Currency(0);
        s_.MotiveType = index;
        chkTurret_Click();
        s_.chkTurret.enabled = true;
        Bound(s_.vsbTurretArmor, s_.vsbTurretArmor.minimum, motive->highestTurretArmor);
    } else if (motive) {
        // No turret: the turret location serves as the rotor.
        Bound(s_.vsbMass, s_.vsbMass.minimum, motive->highestMass);
        s_.MotiveType = index;
        Tick(s_.chkTurret, false);
        s_.chkTurret.enabled = false;
        s_.vsbTurretArmor.enabled = true;
        Bound(s_.vsbTurretArmor, s_.vsbTurretArmor.minimum, motive->highestTurretArmor);
    }
    UpdateDesign();
}

void Design::optEngineType_Click(int index)
{
    if (const EngineOption* engine = EngineOptionAt(index)) {
        s_.EngineType = index;
        s_.EngineSlots = engine->itemSlots;
        s_.FreeHeatSinks = engine->freeHeatSinks;
    }
    UpdateDesign();
}

void Design::vsbMass_Change()
{
    s_.Mass = s_.vsbMass.value;
    UpdateDesign();
}

void Design::vsbCruise_Change()
{
    s_.CruiseMP = s_.vsbCruise.value;
    UpdateDesign();
}
