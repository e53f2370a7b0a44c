#pragma once
#include "core/values/currency.h"

// Component tonnage rounding: to tenths (halves to even), then up to the next half ton, and
// never below half a ton.
Currency RoundHalfTon(Currency tons);
