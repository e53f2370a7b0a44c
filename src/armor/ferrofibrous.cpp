#include "armor/ferrofibrous.h"

#include "app/int16.h"

namespace {
constexpr int StandardPointsPerTon = 16;
constexpr double FerroFibrousFactor = 1.12;
}  // namespace

Currency StandardArmorPoints(Currency tons)
{
    return tons * StandardPointsPerTon;
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
