#pragma once
#include "core/values/currency.h"

// Armor points that a tonnage buys.
Currency StandardArmorPoints(Currency tons);
// 17.92 points a ton, rounded to tenths and then to a whole point (tenths 1 to 5 down).
Currency FerroFibrousPoints(Currency tons);
Currency ArmorPoints(Currency tons, bool ferroFibrous);
// The armor tonnage of a count of half tons.
Currency ArmorTonnageOf(int halfTons);
