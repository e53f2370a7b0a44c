// The payload table and its list, kept in step: record k is shown by line k, line 0 is the
// header and record 0 stays empty.
#include <QListWidget>

#include "app/frmMain.h"
#include "payload/payloadline.h"

bool frmMain::AppendPayloadItem()
{
    if (PayloadCount >= PayloadCapacity) return false;
    PayloadCount += 1;
    PayloadItems[PayloadCount] = CurrentItem;
    lstPayload->addItem(FormatPayloadLine(CurrentItem));
    return true;
}

// Takes record `index` and its line out; the records after it move up one place and the slot
// of the former last record is left empty. The line taken out leaves no selection behind.
void frmMain::RemovePayloadRecord(int index)
{
    for (int k = index; k < PayloadCount; ++k) PayloadItems[k] = PayloadItems[k + 1];
    PayloadItems[PayloadCount] = PayloadItem();
    delete lstPayload->takeItem(index);
    lstPayload->setCurrentRow(-1);
    lstPayload->clearSelection();
    PayloadCount -= 1;
}
