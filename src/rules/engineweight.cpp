#include "rules/engineweight.h"

#include "app/int16.h"
#include "rules/roundhalfton.h"
#include "rules/ruletables.h"

Currency EngineBaseTonnage(int rating)
{
    for (const auto& row : rules::EngineWeights)
        if (rating >= row.lowest && rating <= row.highest) return row.base;
    return Currency(0);
}

Currency EngineWeight(int rating, int engineType)
{
    const Currency base = EngineBaseTonnage(rating);
    switch (engineType) {
    case 0: return base * 2;
    case 1: return base + RoundHalfTon(Currency::fromDouble(base.toDouble() * 0.5));
    case 2: return RoundHalfTon(Currency::fromDouble(base.toDouble() * 1.5 / 2));
    default: return Currency(0);
    }
}

int EngineRatingFor(int cruise, int mass, int suspensionFactor)
{
    const Int16 x = Int16(cruise) * Int16(mass) - Int16(suspensionFactor);
    if (x < rules::LowestEngineRating) return rules::LowestEngineRating;
    const Currency tenth = Currency::fromUnits(std::int64_t(x) * (Currency::Scale / 10));
    return (RoundHalfTon(tenth) * 10).toInt16();
}
