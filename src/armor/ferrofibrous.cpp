#include "armor/ferrofibrous.h"

#include "app/int16.h"
#include "rules/ruletables.h"

using rules::FerroFibrousFactor;

Currency StandardArmorPoints(Currency tons)
{
    return tons * rules::StandardArmorPointsPerTon;
}

Currency FerroFibrousPoints(Currency tons)
{
    const double tenths = StandardArmorPoints(tons).toDouble() * FerroFibrousFactor * 10.0;
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
