// Heat sinks: the payload's heat sets the lowest count, a fusion engine brings ten for free,
// and only the ones beyond those weigh.
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "rules/budgets.h"

void frmMain::CalcHeatSinks()
{
    const EngineOption* engine = EngineOptionAt(EngineType);
    if (!engine) return;
    const rules::HeatSinkNeed need = rules::HeatSinkNeeds(engine->engine, PayloadHeat, vsbHeatSinks->value());
    HeatSinksRequired = need.required;
    HeatSinkTonnage = need.tonnage;
}

void frmMain::UpdateHeatSinks()
{
    CalcHeatSinks();
    vsbHeatSinks->setRange(HeatSinksRequired, rules::HeatSinkTop(HeatSinksRequired, vsbHeatSinks->value()));
    SetLabelText(lblHeatSinkTonnage, FixedText(int(HeatSinkTonnage), 0));
}

void frmMain::vsbHeatSinks_Change()
{
    HeatSinks = vsbHeatSinks->value();
    SetLabelText(lblHeatSinks, FixedText(int(HeatSinks), 0));
    UpdateDesign();
}
