// The recalculation chain: every derived figure, step by step, in a fixed order.
#include "core/design/design.h"
#include "core/battlevalue/battlevalue.h"
#include "core/rules/designcheck.h"

void Design::UpdateDesign()
{
    // Runs nested inside one another settle on the outermost one's figures, so only that one
    // brings the design check up to date.
    struct Nesting {
        int& depth;
        explicit Nesting(int& d) : depth(++d) {}
        ~Nesting() { --depth; }
    } nesting(updateDepth_);
    CalcSpeed();
    CalcLiftAndControl();
    CalcEngine();
    CalcStructure();
    CalcItems();
    CalcTurret();
    CalcArmorPoints();
    UpdateHeatSinks();
    CalcPowerAmps();
    s_.Cost = CalcCost();
    CalcBattleValue();
    CalcTonnage();
    if (nesting.depth == 1) CheckDesign();
}

void Design::CheckDesign()
{
    s_.DesignNotes = DesignNotes({.items = std::span(s_.PayloadItems).subspan(1),
                                  .armorTonnage = s_.ArmorTonnage,
                                  .armorPointsRemaining = s_.ArmorPointsRemaining,
                                  .tonnageRemaining = s_.TonnageRemaining,
                                  .itemsFree = s_.ItemsFree});
}

void Design::CalcBattleValue()
{
    s_.BattleValue = RateBattleValue(s_, battleValues_).value;
}
