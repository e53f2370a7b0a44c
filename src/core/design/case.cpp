// CASE: half a ton and its price for the whole vehicle, with no payload line of its own.
#include "core/design/design.h"
#include "core/rules/ruletables.h"

void Design::chkCASE_Click()
{
    if (s_.chkCASE.checked) {
        s_.CASETonnage = rules::CASETons;
        s_.PayloadCost += rules::CASEPrice;
    } else {
        s_.CASETonnage = 0;
        s_.PayloadCost -= rules::CASEPrice;
    }
    UpdateDesign();
}
