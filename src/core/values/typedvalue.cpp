#include "core/values/typedvalue.h"

#include <algorithm>
#include <cmath>

#include "core/values/numbertext.h"

std::optional<int> TypedSpinnerValue(const QString& text, int stepsPerUnit, int lowest, int highest)
{
    const std::optional<double> number = ReadRegionalNumber(text);
    if (!number || !std::isfinite(*number)) return std::nullopt;
    const double steps = std::clamp(std::round(*number * stepsPerUnit), double(lowest), double(highest));
    return int(steps);
}
