#pragma once
// How the window and the readouts write numbers: with a fixed number of decimals in the
// user's regional format (halves away from zero), or as plain digits.
#include <QString>
#include <optional>

#include "core/values/currency.h"

// Rounded to `decimals` places, halves away from zero, regional separators and grouping.
QString FixedText(Currency value, int decimals);
QString FixedText(double value, int decimals);
QString FixedText(int value, int decimals);
// Whole number in decimal digits, "-" when negative, no grouping.
QString PlainDigits(int value);
// A number text in the user's regional format read back; empty when it is not a number.
std::optional<double> ReadRegionalNumber(const QString& text);
