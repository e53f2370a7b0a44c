// The recalculation chain: every derived figure, step by step, in a fixed order.
#include <QLabel>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"

void frmMain::UpdateDesign()
{
    // Runs nested inside one another settle on the outermost one's figures, so only that one
    // brings the design check up to date.
    struct Nesting {
        int& depth;
        explicit Nesting(int& d) : depth(++d) {}
        ~Nesting() { --depth; }
    } nesting(UpdateDesignDepth);
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
    if (nesting.depth == 1) CheckDesign();
}
