// Movement type, engine type, mass and cruise speed: the inputs that shape chassis and drive.
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "rules/options.h"

void frmMain::optMotiveType_Click(int index)
{
    const MotiveOption* motive = MotiveOptionAt(index);
    if (motive && motive->turret) {
        vsbMass->setMaximum(motive->highestMass);
        if (!motive->liftEquipment) {
            LiftTonnage = Currency(0);
            SetLabelText(lblLiftEquipment, FixedText(LiftTonnage, 1));
        }
        MotiveType = index;
        lblTurret->setText(QString::fromLatin1(motive->turretCaption));
        chkTurret_Click();
        chkTurret->setEnabled(true);
        vsbTurretArmor->setMaximum(motive->highestTurretArmor);
    } else if (motive) {
        // No turret: the turret location serves as the rotor.
        vsbMass->setMaximum(motive->highestMass);
        MotiveType = index;
        chkTurret->setChecked(false);
        chkTurret->setEnabled(false);
        vsbTurretArmor->setEnabled(true);
        lblTurretArmor->setEnabled(true);
        lblTurret->setEnabled(true);
        lblTurret->setText(QString::fromLatin1(motive->turretCaption));
        vsbTurretArmor->setMaximum(motive->highestTurretArmor);
    }
    UpdateDesign();
}

void frmMain::optEngineType_Click(int index)
{
    if (const EngineOption* engine = EngineOptionAt(index)) {
        EngineType = index;
        EngineSlots = engine->itemSlots;
        FreeHeatSinks = engine->freeHeatSinks;
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
