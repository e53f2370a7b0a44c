// Taking items off the vehicle: the selected one, or all of them.
#include <QListWidget>
#include <QScrollBar>

#include "app/frmMain.h"
#include "payload/payloadline.h"
#include "payload/payloadtotals.h"

namespace {

// The index of the selected line, or -1 when no line is selected.
int SelectedLine(const QListWidget* list)
{
    const QListWidgetItem* current = list->currentItem();
    if (list->currentRow() < 0 || !current || !current->isSelected()) return -1;
    return list->currentRow();
}

}  // namespace

void frmMain::cmdRemove_Click()
{
    const int k = SelectedLine(lstPayload);
    if (k < 0) return;
    if (k >= 1 && k <= PayloadCount) {
        CountOutOfPayload(*this, PayloadItems[k]);
        RemovePayloadRecord(k);
    }
    UpdateDesign();
}

void frmMain::cmdClearAll_Click()
{
    const int lines = lstPayload->count();
    for (int n = 0; n < lines; ++n) {
        if (lstPayload->count() >= 2) {
            lstPayload->setCurrentRow(1);
            cmdRemove_Click();
        }
    }
    lstPayload->clear();
    lstPayload->insertItem(0, PayloadHeaderLine());
    vsbHeatSinks->setValue(HeatSinksRequired);
}
