// The five armor locations and Auto-Allocate.
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "armor/allocation.h"

void frmMain::vsbFrontArmor_Change()
{
    SetLabelText(lblFrontArmor, PlainDigits(vsbFrontArmor->value()));
    UpdateDesign();
}

void frmMain::vsbLeftArmor_Change()
{
    SetLabelText(lblLeftArmor, PlainDigits(vsbLeftArmor->value()));
    UpdateDesign();
}

void frmMain::vsbRightArmor_Change()
{
    SetLabelText(lblRightArmor, PlainDigits(vsbRightArmor->value()));
    UpdateDesign();
}

void frmMain::vsbRearArmor_Change()
{
    SetLabelText(lblRearArmor, PlainDigits(vsbRearArmor->value()));
    UpdateDesign();
}

void frmMain::vsbTurretArmor_Change()
{
    SetLabelText(lblTurretArmor, PlainDigits(vsbTurretArmor->value()));
    UpdateDesign();
}

void frmMain::cmdAllocateArmor_Click()
{
    const int points = TotalArmorPoints.toInt16();
    const MotiveOption* motive = MotiveOptionAt(MotiveType);
    const ArmorAllocation allocation =
        AllocateArmor(points, AllocationCaseOf(motive && !motive->turret, chkTurret->isChecked()));
    vsbTurretArmor->setValue(allocation.turret);
    vsbFrontArmor->setValue(allocation.front);
    vsbRightArmor->setValue(allocation.right);
    vsbLeftArmor->setValue(allocation.left);
    vsbRearArmor->setValue(allocation.rear);
}
