// CASE: half a ton and its price for the whole vehicle, with no payload line of its own.
#include <QCheckBox>

#include "app/frmMain.h"
#include "rules/ruletables.h"

void frmMain::chkCASE_Click()
{
    if (chkCASE->isChecked()) {
        CASETonnage = rules::CASETons;
        PayloadCost += rules::CASEPrice;
    } else {
        CASETonnage = 0;
        PayloadCost -= rules::CASEPrice;
    }
    UpdateDesign();
}
