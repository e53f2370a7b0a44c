#include "core/armor/ferrofibrous.h"

#include "core/rules/options.h"
#include "core/values/int16.h"

Currency StandardArmorPoints(Currency tons)
{
    return tons * OptionOf(Armor::Standard).pointsPerTon;
}

Currency FerroFibrousPoints(Currency tons)
{
    const ArmorOption& ferro = OptionOf(Armor::FerroFibrous);
    const double tenths = (tons * ferro.pointsPerTon).toDouble() * ferro.pointsFactor * 10.0;
    Int16 n = int(roundHalfEven(tenths));
    const int digit = n % 10;
    if (digit >= 1 && digit <= 5) n -= digit;
    if (digit >= 6 && digit <= 9) n += 10 - digit;
    return Currency(n / 10);
}

Currency ArmorPoints(Currency tons, bool ferroFibrous)
{
    return ferroFibrous ? FerroFibrousPoints(tons) : StandardArmorPoints(tons);
}

Currency ArmorTonnageOf(int halfTons)
{
    return Currency::fromUnits(std::int64_t(halfTons) * Currency::Scale / 2);
}
