#pragma once
// The design's counts, ratings, speeds, heat and points: a signed 16-bit whole number whose
// arithmetic throws std::overflow_error instead of wrapping around.
#include <cstdint>
#include <stdexcept>

class Int16 {
public:
    constexpr Int16() = default;
    constexpr Int16(int value) : value_(check(value)) {}

    constexpr operator int() const { return value_; }

    friend constexpr Int16 operator+(Int16 a, Int16 b) { return Int16(int(a.value_) + int(b.value_)); }
    friend constexpr Int16 operator-(Int16 a, Int16 b) { return Int16(int(a.value_) - int(b.value_)); }
    friend constexpr Int16 operator*(Int16 a, Int16 b) { return Int16(int(a.value_) * int(b.value_)); }
    friend constexpr Int16 operator+(Int16 a, int b) { return a + Int16(b); }
    friend constexpr Int16 operator-(Int16 a, int b) { return a - Int16(b); }
    friend constexpr Int16 operator*(Int16 a, int b) { return a * Int16(b); }
    constexpr Int16& operator+=(Int16 b) { return *this = *this + b; }
    constexpr Int16& operator-=(Int16 b) { return *this = *this - b; }

private:
    static constexpr std::int16_t check(int value)
    {
        if (value < -32768 || value > 32767) throw std::overflow_error("16-bit overflow");
        return std::int16_t(value);
    }
    std::int16_t value_ = 0;
};
