#pragma once
// The three budgets of a design (item slots, armor points, tonnage) and the heat sinks it needs.
#include <optional>

#include "core/values/currency.h"
#include "core/values/int16.h"
#include "core/armor/allocation.h"
#include "core/rules/options.h"

// Item slots of a vehicle: five, and one more for every full 5 tons.
int CalcItemLimit(int mass);

namespace rules {

Int16 ItemsFree(Int16 itemLimit, Int16 itemsUsed, Int16 engineSlots);

struct ArmorPointsBalance {
    Int16 used;
    Int16 remaining;
    bool over;  // more points placed than bought
};
// The points on the five armor locations against the points bought.
ArmorPointsBalance BalanceArmorPoints(const ArmorAllocation& locations, Currency totalArmorPoints);

// The heat sinks a payload's heat asks for, and how many of the counted ones weigh a ton.
struct HeatSinkNeed {
    Int16 required;
    Int16 tonnage;
};
HeatSinkNeed HeatSinkNeeds(Engine engine, Int16 payloadHeat, Int16 count);
// The most heat sinks the spinner offers: the usual top unless the payload needs more, or the
// count already stands above it, since less heat lowers the bottom but leaves the count.
int HeatSinkTop(int required, int count);

// The mass and the ten terms of the tonnage used.
struct DesignTonnages {
    int mass = 0;
    Currency engine{};
    Currency control{};
    Currency lift{};
    Currency structure{};
    Currency armor{};
    Currency turret{};
    Currency payload{};
    int heatSinks = 0;
    Currency powerAmps{};
    Currency caseWeight{};
};
struct TonnageBalance {
    Currency used;
    Currency remaining;
    bool over;  // heavier than the mass
};
TonnageBalance BalanceTonnage(const DesignTonnages& tons);

}  // namespace rules
