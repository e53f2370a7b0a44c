// Heat sinks: the payload's heat sets the lowest count, a fusion engine brings ten for free,
// and only the ones beyond those weigh.
#include "core/design/design.h"
#include "core/rules/budgets.h"

void Design::CalcHeatSinks()
{
    const EngineOption* engine = EngineOptionAt(s_.EngineType);
    if (!engine) return;
    const rules::HeatSinkNeed need = rules::HeatSinkNeeds(engine->engine, s_.PayloadHeat, s_.vsbHeatSinks.value);
    s_.HeatSinksRequired = need.required;
    s_.HeatSinkTonnage = need.tonnage;
}

void Design::UpdateHeatSinks()
{
    CalcHeatSinks();
    Bound(s_.vsbHeatSinks, s_.HeatSinksRequired, rules::HeatSinkTop(s_.HeatSinksRequired, s_.vsbHeatSinks.value));
}

void Design::vsbHeatSinks_Change()
{
    s_.HeatSinks = s_.vsbHeatSinks.value;
    UpdateDesign();
}
