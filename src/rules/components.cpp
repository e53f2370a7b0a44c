// Lift and control equipment, internal structure, turret and power amplifiers.
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <iterator>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "rules/roundhalfton.h"
#include "rules/ruletables.h"

namespace {

constexpr double LiftShare = 0.1;
constexpr double ControlShare = 0.05;
constexpr double StructureShare = 0.1;
constexpr double TurretShare = 0.1;
constexpr double PowerAmpShare = 0.1;

Currency ShareOf(double share, double tons)
{
    return RoundHalfTon(Currency::fromDouble(share * tons));
}

}  // namespace

void frmMain::CalcLiftAndControl()
{
    SetLabelText(lblMass, PlainDigits(Mass));
    const bool knownMotive = MotiveType >= 0 && MotiveType < int(std::size(rules::MotiveRules));
    if (knownMotive && !rules::MotiveRules[MotiveType].groundVehicle) {
        LiftTonnage = ShareOf(LiftShare, vsbMass->value());
        SetLabelText(lblLiftEquipment, FixedText(LiftTonnage, 1));
    }
    for (const auto& row : rules::SuspensionFactors)
        if (row.motive == MotiveType && Mass >= row.lowestMass && Mass <= row.highestMass)
            SuspensionFactor = row.factor;
    ControlTonnage = ShareOf(ControlShare, Mass);
    SetLabelText(lblControlTonnage, FixedText(ControlTonnage, 1));
}

void frmMain::CalcStructure()
{
    StructureTonnage = ShareOf(StructureShare, Mass);
    SetLabelText(lblInternalStructure, FixedText(StructureTonnage, 1));
}

void frmMain::CalcTurret()
{
    if (chkTurret->isChecked() && TurretWeaponTonnage != Currency(0))
        TurretTonnage = ShareOf(TurretShare, TurretWeaponTonnage.toDouble());
    else
        TurretTonnage = Currency(0);
    SetLabelText(lblTurretTonnage, FixedText(TurretTonnage, 1));
}

// With an I.C.E. engine the stored tonnage is the figure shown, read back from the label.
void frmMain::CalcPowerAmps()
{
    if (EngineType != 0) {
        PowerAmpTonnage = Currency(0);
        SetLabelText(lblPowerAmplifiers, FixedText(0, 1));
        return;
    }
    SetLabelText(lblPowerAmplifiers, FixedText(PowerAmpShare * EnergyWeaponTonnage.toDouble(), 1));
    PowerAmpTonnage = Currency::fromDouble(ReadRegionalNumber(lblPowerAmplifiers->text()).value_or(0));
}
