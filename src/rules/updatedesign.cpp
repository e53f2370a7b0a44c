// The recalculation chain: every derived figure, step by step, in a fixed order.
#include <QLabel>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"

void frmMain::UpdateDesign()
{
    CalcSpeed();
    CalcLiftAndControl();
    CalcEngine();
    CalcStructure();
    CalcItems();
    CalcTurret();
    CalcArmorPoints();
    SetLabelText(lblPayloadTonnage, FixedText(PayloadTonnage, 1));
    UpdateHeatSinks();
    CalcPowerAmps();
    SetLabelText(lblCost, FixedText(CalcCost(), 0));
    CalcTonnage();
    CheckDesign();
}
