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
    // Like the notes, the battle value is the outermost run's: the runs nested in it come
    // before its cost, so it sees their figures.
    if (nesting.depth == 1) CalcBattleValue();
    CalcTonnage();
    if (nesting.depth == 1) CheckDesign();
}

// The payload's notes change only with the payload, so they are kept until it changes.
void Design::CheckDesign()
{
    if (notedPayload_ != payloadVersion_) {
        payloadNotes_ = PayloadNotes(std::span(s_.PayloadItems).subspan(1));
        notedPayload_ = payloadVersion_;
    }
    s_.DesignNotes = payloadNotes_ + BudgetNotes({.items = {},
                                                  .armorTonnage = s_.ArmorTonnage,
                                                  .armorPointsRemaining = s_.ArmorPointsRemaining,
                                                  .tonnageRemaining = s_.TonnageRemaining,
                                                  .itemsFree = s_.ItemsFree});
}

void Design::CalcBattleValue()
{
    s_.BattleValue = RateBattleValue(s_, battleValues_).value;
}
