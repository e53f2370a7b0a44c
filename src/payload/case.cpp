// CASE: half a ton and its price for the whole vehicle, with no payload line of its own.
#include <QCheckBox>

#include "app/frmMain.h"

namespace {
const Currency CASEWeight = Currency::fromUnits(Currency::Scale / 2);
const Currency CASEPrice = 50000;
}  // namespace

void frmMain::chkCASE_Click()
{
    if (chkCASE->isChecked()) {
        CASETonnage = CASEWeight;
        PayloadCost += CASEPrice;
    } else {
        CASETonnage = 0;
        PayloadCost -= CASEPrice;
    }
    UpdateDesign();
}
