#pragma once
// Exact money and tonnage amounts: a signed 64-bit count of ten-thousandths.
#include <cstdint>
#include <compare>

class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    // Whole amounts (tons, prices) convert implicitly.
    constexpr Currency(int whole) : units_(std::int64_t(whole) * Scale) {}

    static constexpr Currency fromUnits(std::int64_t units) { Currency c; c.units_ = units; return c; }
    // Nearest ten-thousandth, halves to even; throws std::overflow_error out of range.
    static Currency fromDouble(double value);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return double(units_) / Scale; }
    // Nearest whole number, halves to even; throws std::overflow_error outside 16 bits.
    std::int16_t toInt16() const;
    bool isWhole() const { return units_ % Scale == 0; }

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency operator*(std::int64_t factor) const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }

    constexpr auto operator<=>(const Currency&) const = default;

private:
    std::int64_t units_ = 0;
};

// Rounds halves to even, as the rules ask for tonnages and conversions.
double roundHalfEven(double value);
