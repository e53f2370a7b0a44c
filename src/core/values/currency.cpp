#include "core/values/currency.h"

#include <QtNumeric>
#include <cmath>
#include <limits>
#include <stdexcept>

// The program never leaves the default rounding mode, to nearest with ties to even.
double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

Currency Currency::fromDouble(double value)
{
    const double scaled = roundHalfEven(value * Scale);
    if (!std::isfinite(scaled) || scaled >= 9.2e18 || scaled <= -9.2e18)
        throw std::overflow_error("currency overflow");
    return fromUnits(std::int64_t(scaled));
}

std::int16_t Currency::toInt16() const
{
    std::int64_t whole = units_ / Scale;
    std::int64_t rest = units_ % Scale;
    if (rest < 0) { rest += Scale; --whole; }
    if (rest > Scale / 2 || (rest == Scale / 2 && whole % 2 != 0)) ++whole;
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("16-bit overflow");
    return std::int16_t(whole);
}

Currency Currency::operator+(Currency other) const
{
    std::int64_t sum;
    if (qAddOverflow(units_, other.units_, &sum)) throw std::overflow_error("currency overflow");
    return fromUnits(sum);
}

Currency Currency::operator-(Currency other) const
{
    std::int64_t difference;
    if (qSubOverflow(units_, other.units_, &difference)) throw std::overflow_error("currency overflow");
    return fromUnits(difference);
}

Currency Currency::operator-() const
{
    return Currency() - *this;
}

Currency Currency::operator*(std::int64_t factor) const
{
    std::int64_t product;
    if (qMulOverflow(units_, factor, &product)) throw std::overflow_error("currency overflow");
    return fromUnits(product);
}
