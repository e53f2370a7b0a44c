#pragma once
// The running totals beside the payload table. Every operation that puts a record into the
// table counts it in, and every one that takes a record out counts it out by the same amounts,
// so each total stays the sum of its field over the records in use.
#include "payload/payloaditem.h"

class frmMain;

// Tons, cost, heat, energy-weapon and turret tons of the record, and the one item slot that
// every payload line takes.
void CountIntoPayload(frmMain& window, const PayloadItem& item);
void CountOutOfPayload(frmMain& window, const PayloadItem& item);

// The amounts of the record without its item slot, for an add that takes the slot later.
void AddAmountsToPayload(frmMain& window, const PayloadItem& item);
