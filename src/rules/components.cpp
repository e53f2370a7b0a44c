// Lift and control equipment, internal structure, turret and power amplifiers.
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "rules/chassis.h"

void frmMain::CalcLiftAndControl()
{
    SetLabelText(lblMass, PlainDigits(Mass));
    if (const std::optional<Motive> motive = MotiveOf(MotiveType)) {
        if (const std::optional<Currency> lift = rules::LiftTonnage(*motive, vsbMass->value())) {
            LiftTonnage = *lift;
            SetLabelText(lblLiftEquipment, FixedText(LiftTonnage, 1));
        }
        if (const std::optional<int> factor = rules::SuspensionFactor(*motive, Mass)) SuspensionFactor = *factor;
    }
    ControlTonnage = rules::ControlTonnage(Mass);
    SetLabelText(lblControlTonnage, FixedText(ControlTonnage, 1));
}

void frmMain::CalcStructure()
{
    StructureTonnage = rules::StructureTonnage(Mass);
    SetLabelText(lblInternalStructure, FixedText(StructureTonnage, 1));
}

void frmMain::CalcTurret()
{
    TurretTonnage = rules::TurretTonnage(chkTurret->isChecked(), TurretWeaponTonnage);
    SetLabelText(lblTurretTonnage, FixedText(TurretTonnage, 1));
}

void frmMain::CalcPowerAmps()
{
    const EngineOption* engine = EngineOptionAt(EngineType);
    PowerAmpTonnage = engine ? rules::PowerAmpTonnage(engine->engine, EnergyWeaponTonnage) : Currency(0);
    SetLabelText(lblPowerAmplifiers, FixedText(PowerAmpTonnage, 1));
}
