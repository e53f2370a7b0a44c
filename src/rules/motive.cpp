// Movement type, engine type, mass and cruise speed: the inputs that shape chassis and drive.
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "rules/ruletables.h"

void frmMain::optMotiveType_Click(int index)
{
    if (index >= rules::Hover && index <= rules::Wheeled) {
        const rules::MotiveRule& rule = rules::MotiveRules[index];
        vsbMass->setMaximum(rule.highestMass);
        if (rule.groundVehicle) {
            LiftTonnage = Currency(0);
            SetLabelText(lblLiftEquipment, FixedText(LiftTonnage, 1));
        }
        MotiveType = index;
        lblTurret->setText(QStringLiteral("Turret:"));
        chkTurret_Click();
        chkTurret->setEnabled(true);
        vsbTurretArmor->setMaximum(rules::HighestTurretArmor);
    } else if (index == rules::VTOL) {
        vsbMass->setMaximum(rules::MotiveRules[rules::VTOL].highestMass);
        MotiveType = index;
        chkTurret->setChecked(false);
        chkTurret->setEnabled(false);
        vsbTurretArmor->setEnabled(true);
        lblTurretArmor->setEnabled(true);
        lblTurret->setEnabled(true);
        lblTurret->setText(QStringLiteral("Rotor:"));
        vsbTurretArmor->setMaximum(rules::HighestRotorArmor);
    }
    UpdateDesign();
}

void frmMain::optEngineType_Click(int index)
{
    if (index >= 0 && index < int(std::size(rules::EngineRules))) {
        EngineType = index;
        EngineSlots = rules::EngineRules[index].itemSlots;
        FreeHeatSinks = rules::EngineRules[index].freeHeatSinks;
    }
    UpdateDesign();
}

void frmMain::vsbMass_Change()
{
    Mass = vsbMass->value();
    UpdateDesign();
}

void frmMain::vsbCruise_Change()
{
    CruiseMP = vsbCruise->value();
    UpdateDesign();
}
