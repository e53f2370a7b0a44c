#include <QLabel>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "rules/ruletables.h"

void frmMain::CalcSpeed()
{
    SetLabelText(lblCruise, FixedText(int(CruiseMP), 0));
    // Flank speed is the cruise speed times 1.5, rounded up.
    Currency flank = Currency::fromDouble(int(CruiseMP) * rules::FlankFactor);
    if (!flank.isWhole()) flank += Currency::fromUnits(Currency::Scale / 2);
    SetLabelText(lblFlank, FixedText(flank, 0));
}
