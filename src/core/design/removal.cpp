// Taking items off the vehicle: the selected one, or all of them.
#include "core/design/design.h"

void Design::cmdRemove_Click()
{
    const int k = s_.SelectedLine;
    if (k < 0) return;
    if (k >= 1 && k <= s_.PayloadCount) {
        CountOutOfPayload(s_.PayloadItems[k]);
        RemovePayloadRecord(k);
    }
    UpdateDesign();
}

void Design::cmdClearAll_Click()
{
    const qsizetype lines = s_.PayloadLines.size() + 1;
    for (qsizetype n = 0; n < lines; ++n) {
        if (!s_.PayloadLines.isEmpty()) {
            SelectLine(1);
            cmdRemove_Click();
        }
    }
    s_.PayloadLines.clear();
    s_.SelectedLine = -1;
    Move(s_.vsbHeatSinks, s_.HeatSinksRequired);
}
