// Engine rating and weight. The rating cap lowers the cruise speed, and a hovercraft's engine
// minimum raises it; each step of the spinner runs the whole chain again.
#include "core/design/design.h"
#include "core/rules/drive.h"
#include "core/rules/ruletables.h"

void Design::CalcEngine()
{
    Spinner& cruise = s_.vsbCruise;
    s_.EngineRating = rules::EngineRatingFor(s_.CruiseMP, s_.Mass, s_.SuspensionFactor);
    while (s_.EngineRating > rules::HighestEngineRating && cruise.value > cruise.minimum) Move(cruise, cruise.value - 1);
    s_.EngineTonnage = CalcEngineWeight(s_.EngineRating);
    if (s_.optMotiveType == int(Motive::Hover)) {
        const Currency minimum = rules::HoverEngineMinimum(s_.Mass);
        while (s_.EngineTonnage < minimum && cruise.value < cruise.maximum) Move(cruise, cruise.value + 1);
        s_.EngineRating = rules::EngineRatingFor(s_.CruiseMP, s_.Mass, s_.SuspensionFactor);
        while (s_.EngineRating > rules::HighestEngineRating && cruise.value > cruise.minimum)
            Move(cruise, cruise.value - 1);
        s_.EngineTonnage = CalcEngineWeight(s_.EngineRating);
    }
}

Currency Design::CalcEngineWeight(Int16 rating) const
{
    const EngineOption* engine = EngineOptionAt(s_.EngineType);
    return engine ? rules::EngineWeight(rating, engine->engine) : Currency(0);
}
