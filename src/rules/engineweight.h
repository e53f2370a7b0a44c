#pragma once
#include "app/currency.h"

// Engine tonnage of a rating for engine type 0 (I.C.E.), 1 (Fusion) or 2 (Fusion XL).
Currency EngineBaseTonnage(int rating);
Currency EngineWeight(int rating, int engineType);
// Rating for a cruise speed, mass and suspension factor, before the 400 cap.
int EngineRatingFor(int cruise, int mass, int suspensionFactor);
