#include "core/rules/drive.h"

#include "core/values/int16.h"
#include "core/rules/roundhalfton.h"
#include "core/rules/ruletables.h"

namespace rules {

Currency EngineBaseTonnage(int rating)
{
    for (const auto& row : EngineWeights)
        if (rating >= row.lowest && rating <= row.highest) return row.base;
    return Currency(0);
}

Currency EngineWeight(int rating, Engine engine)
{
    const EngineOption& option = OptionOf(engine);
    const Currency base = EngineBaseTonnage(rating);
    const Currency whole = base * option.baseMultiple;
    if (option.roundedShare == 0) return whole;
    return whole + RoundHalfTon(Currency::fromDouble(base.toDouble() * option.roundedShare));
}

int EngineRatingFor(int cruise, int mass, int suspensionFactor)
{
    const Int16 x = Int16(cruise) * Int16(mass) - Int16(suspensionFactor);
    if (x < LowestEngineRating) return LowestEngineRating;
    const Currency tenth = Currency::fromUnits(std::int64_t(x) * (Currency::Scale / 10));
    return (RoundHalfTon(tenth) * 10).toInt16();
}

Currency HoverEngineMinimum(int mass)
{
    return Currency::fromDouble(mass * HoverEngineShare);
}

Currency FlankSpeed(int cruise)
{
    Currency flank = Currency::fromDouble(cruise * FlankFactor);
    if (!flank.isWhole()) flank += Currency::fromUnits(Currency::Scale / 2);
    return flank;
}

}  // namespace rules
