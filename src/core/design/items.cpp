// The three budgets: item slots, armor points and tonnage, each marked when over.
#include "core/design/design.h"
#include "core/rules/budgets.h"

void Design::CalcItems()
{
    s_.ItemLimit = CalcItemLimit(s_.Mass);
    s_.ItemsFree = rules::ItemsFree(s_.ItemLimit, s_.ItemsUsed, s_.EngineSlots);
}

void Design::CalcArmorPoints()
{
    const rules::ArmorPointsBalance points = rules::BalanceArmorPoints(
        {s_.vsbFrontArmor.value, s_.vsbLeftArmor.value, s_.vsbRightArmor.value, s_.vsbRearArmor.value,
         s_.vsbTurretArmor.value},
        s_.TotalArmorPoints);
    s_.ArmorPointsUsed = points.used;
    s_.ArmorPointsRemaining = points.remaining;
    s_.ArmorPointsOver = points.over;
}

void Design::CalcTonnage()
{
    const rules::TonnageBalance tonnage = rules::BalanceTonnage({.mass = s_.Mass,
                                                                 .engine = s_.EngineTonnage,
                                                                 .control = s_.ControlTonnage,
                                                                 .lift = s_.LiftTonnage,
                                                                 .structure = s_.StructureTonnage,
                                                                 .armor = s_.ArmorTonnage,
                                                                 .turret = s_.TurretTonnage,
                                                                 .payload = s_.PayloadTonnage,
                                                                 .heatSinks = s_.HeatSinkTonnage,
                                                                 .powerAmps = s_.PowerAmpTonnage,
                                                                 .caseWeight = s_.CASETonnage});
    s_.TonnageUsed = tonnage.used;
    s_.TonnageRemaining = tonnage.remaining;
    s_.TonnageOver = tonnage.over;
}
