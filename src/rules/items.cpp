// The three budgets: item slots, armor points and tonnage, red when over.
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "rules/budgets.h"

void frmMain::CalcItems()
{
    ItemLimit = CalcItemLimit(Mass);
    SetLabelText(lblItemLimit, FixedText(int(ItemLimit), 0));
    ItemsFree = rules::ItemsFree(ItemLimit, ItemsUsed, EngineSlots);
    SetLabelText(lblItemsFree, FixedText(int(ItemsFree), 0));
    SetWarningColour(lblItemsFree, ItemsFree < 0);
}

void frmMain::CalcArmorPoints()
{
    const rules::ArmorPointsBalance points =
        rules::BalanceArmorPoints({vsbFrontArmor->value(), vsbLeftArmor->value(), vsbRightArmor->value(),
                                   vsbRearArmor->value(), vsbTurretArmor->value()},
                                  TotalArmorPoints);
    ArmorPointsUsed = points.used;
    ArmorPointsRemaining = points.remaining;
    SetWarningColour(lblArmorPointsRemaining, points.over);
    SetLabelText(lblArmorPointsUsed, PlainDigits(ArmorPointsUsed));
    SetLabelText(lblArmorPointsRemaining, PlainDigits(ArmorPointsRemaining));
}

void frmMain::CalcTonnage()
{
    const rules::TonnageBalance tonnage = rules::BalanceTonnage({.mass = Mass,
                                                                 .engine = EngineTonnage,
                                                                 .control = ControlTonnage,
                                                                 .lift = LiftTonnage,
                                                                 .structure = StructureTonnage,
                                                                 .armor = ArmorTonnage,
                                                                 .turret = TurretTonnage,
                                                                 .payload = PayloadTonnage,
                                                                 .heatSinks = HeatSinkTonnage,
                                                                 .powerAmps = PowerAmpTonnage,
                                                                 .caseWeight = CASETonnage});
    TonnageUsed = tonnage.used;
    TonnageRemaining = tonnage.remaining;
    SetLabelText(lblTonnageRemaining, FixedText(TonnageRemaining, 1));
    SetWarningColour(lblTonnageRemaining, tonnage.over);
}
