// Engine rating and weight. The rating cap lowers the cruise speed, and a hovercraft's engine
// minimum raises it; each step of the spinner runs the whole chain again.
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "rules/drive.h"
#include "rules/ruletables.h"

void frmMain::CalcEngine()
{
    EngineRating = rules::EngineRatingFor(CruiseMP, Mass, SuspensionFactor);
    while (EngineRating > rules::HighestEngineRating && vsbCruise->value() > vsbCruise->minimum())
        vsbCruise->setValue(vsbCruise->value() - 1);
    SetLabelText(lblEngineSize, FixedText(int(EngineRating), 0));
    EngineTonnage = CalcEngineWeight(EngineRating);
    if (optMotiveType[int(Motive::Hover)]->isChecked()) {
        const Currency minimum = rules::HoverEngineMinimum(Mass);
        while (EngineTonnage < minimum && vsbCruise->value() < vsbCruise->maximum())
            vsbCruise->setValue(vsbCruise->value() + 1);
        EngineRating = rules::EngineRatingFor(CruiseMP, Mass, SuspensionFactor);
        while (EngineRating > rules::HighestEngineRating && vsbCruise->value() > vsbCruise->minimum())
            vsbCruise->setValue(vsbCruise->value() - 1);
        EngineTonnage = CalcEngineWeight(EngineRating);
    }
    SetLabelText(lblEngineWeight, FixedText(EngineTonnage, 1));
}

Currency frmMain::CalcEngineWeight(Int16 rating) const
{
    const EngineOption* engine = EngineOptionAt(EngineType);
    return engine ? rules::EngineWeight(rating, engine->engine) : Currency(0);
}
