// The three budgets: item slots, armor points and tonnage, red when over.
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "rules/items.h"

void frmMain::CalcItems()
{
    ItemLimit = CalcItemLimit(Mass);
    SetLabelText(lblItemLimit, FixedText(int(ItemLimit), 0));
    ItemsFree = ItemLimit - ItemsUsed - EngineSlots;
    SetLabelText(lblItemsFree, FixedText(int(ItemsFree), 0));
    SetWarningColour(lblItemsFree, ItemsFree < 0);
}

void frmMain::CalcArmorPoints()
{
    ArmorPointsUsed = Int16(vsbFrontArmor->value()) + vsbLeftArmor->value() + vsbRightArmor->value() +
                      vsbRearArmor->value() + vsbTurretArmor->value();
    ArmorPointsRemaining = (TotalArmorPoints - Currency(ArmorPointsUsed)).toInt16();
    SetWarningColour(lblArmorPointsRemaining, Currency(ArmorPointsUsed) > TotalArmorPoints);
    SetLabelText(lblArmorPointsUsed, PlainDigits(ArmorPointsUsed));
    SetLabelText(lblArmorPointsRemaining, PlainDigits(ArmorPointsRemaining));
}

void frmMain::CalcTonnage()
{
    TonnageUsed = EngineTonnage + ControlTonnage + LiftTonnage + StructureTonnage + ArmorTonnage + TurretTonnage +
                  PayloadTonnage + Currency(HeatSinkTonnage) + PowerAmpTonnage + CASETonnage;
    TonnageRemaining = Currency(Mass) - TonnageUsed;
    SetLabelText(lblTonnageRemaining, FixedText(TonnageRemaining, 1));
    SetWarningColour(lblTonnageRemaining, TonnageUsed > Currency(Mass));
}
