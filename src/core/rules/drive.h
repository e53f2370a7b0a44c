#pragma once
// Engine and speed rules.
#include "core/values/currency.h"
#include "core/rules/options.h"

namespace rules {

// Base tonnage of an engine rating; 0 for a rating in no row of the table.
Currency EngineBaseTonnage(int rating);
// Engine tonnage of a rating: the base times the engine's multiple, plus its rounded share.
Currency EngineWeight(int rating, Engine engine);
// Rating for a cruise speed, mass and suspension factor, before the 400 cap: at least 10, else
// cruise x mass - factor up to the next multiple of 5.
int EngineRatingFor(int cruise, int mass, int suspensionFactor);
// The least a hovercraft's engine may weigh: a fifth of the mass.
Currency HoverEngineMinimum(int mass);
// Cruise speed times 1.5, rounded up.
Currency FlankSpeed(int cruise);

}  // namespace rules
