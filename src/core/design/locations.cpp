// The five armor locations and Auto-Allocate.
#include "core/armor/allocation.h"
#include "core/design/design.h"

void Design::vsbFrontArmor_Change()
{
    UpdateDesign();
}

void Design::vsbLeftArmor_Change()
{
    UpdateDesign();
}

void Design::vsbRightArmor_Change()
{
    UpdateDesign();
}

void Design::vsbRearArmor_Change()
{
    UpdateDesign();
}

void Design::vsbTurretArmor_Change()
{
    UpdateDesign();
}

void Design::cmdAllocateArmor_Click()
{
    const int points = s_.TotalArmorPoints.toInt16();
    const MotiveOption* motive = MotiveOptionAt(s_.MotiveType);
    const ArmorAllocation allocation =
        AllocateArmor(points, AllocationCaseOf(motive && !motive->turret, s_.chkTurret.checked));
    Move(s_.vsbTurretArmor, allocation.turret);
    Move(s_.vsbFrontArmor, allocation.front);
    Move(s_.vsbRightArmor, allocation.right);
    Move(s_.vsbLeftArmor, allocation.left);
    Move(s_.vsbRearArmor, allocation.rear);
}
