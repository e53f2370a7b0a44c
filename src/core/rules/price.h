#pragma once
// The vehicle's price: components and payload, times a factor of mass and movement type.
#include <optional>

#include "core/values/currency.h"
#include "core/rules/options.h"

namespace rules {

struct PricedDesign {
    std::optional<Engine> engine{};  // none prices the engine at 0
    int engineRating = 0;
    int mass = 0;
    std::optional<Motive> motive{};  // none leaves out the final factor
    Currency control{};
    Currency structure{};
    int heatSinkTonnage = 0;
    Currency armor{};
    bool ferroFibrous = false;
    Currency powerAmps{};
    Currency turret{};
    Currency lift{};
    Currency payloadCost{};
};

Currency VehicleCost(const PricedDesign& design);

}  // namespace rules
