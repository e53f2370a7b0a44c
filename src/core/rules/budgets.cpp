#include "core/rules/budgets.h"

#include <algorithm>

#include "core/rules/ruletables.h"

int CalcItemLimit(int mass)
{
    return mass / 5 + 5;
}

namespace rules {

Int16 ItemsFree(Int16 itemLimit, Int16 itemsUsed, Int16 engineSlots)
{
    return itemLimit - itemsUsed - engineSlots;
}

ArmorPointsBalance BalanceArmorPoints(const ArmorAllocation& l, Currency totalArmorPoints)
{
    const Int16 used = Int16(l.front) + l.left + l.right + l.rear + l.turret;
    return {used, (totalArmorPoints - Currency(used)).toInt16(), Currency(used) > totalArmorPoints};
}

// An engine without free heat sinks needs one per point of heat, and every one weighs. One with
// free heat sinks never needs fewer than those, and only the ones beyond them weigh.
HeatSinkNeed HeatSinkNeeds(Engine engine, Int16 payloadHeat, Int16 count)
{
    const Int16 free = OptionOf(engine).freeHeatSinks;
    if (free == 0) return {payloadHeat, count};
    if (payloadHeat <= free) return {free, count - free};
    return {payloadHeat, count - free};
}

int HeatSinkTop(int required, int count)
{
    return std::max({UsualHeatSinkTop, required, count});
}

TonnageBalance BalanceTonnage(const DesignTonnages& t)
{
    const Currency used = t.engine + t.control + t.lift + t.structure + t.armor + t.turret + t.payload +
                          Currency(t.heatSinks) + t.powerAmps + t.caseWeight;
    return {used, Currency(t.mass) - used, used > Currency(t.mass)};
}

}  // namespace rules
