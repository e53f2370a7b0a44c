#include "core/rules/roundhalfton.h"

#include "core/values/int16.h"

Currency RoundHalfTon(Currency tons)
{
    Int16 tenths = (tons * 10).toInt16();
    const int digit = tenths % 10;
    if (digit >= 1 && digit <= 4) tenths += 5 - digit;
    if (digit >= 6 && digit <= 9) tenths += 10 - digit;
    const Currency rounded = Currency::fromUnits(std::int64_t(tenths) * (Currency::Scale / 10));
    if (rounded == Currency(0)) return Currency::fromUnits(Currency::Scale / 2);
    return rounded;
}
