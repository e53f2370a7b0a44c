#pragma once
// The weapons and equipment inventory of a record sheet: identical items at one location in one
// row with their count, in the order they were mounted, CASE last; and below them the
// ammunition bins with their shots and the cargo with its tons.
#include <QList>

#include "core/sheet/sheetdesign.h"
#include "core/sheet/sheetmodel.h"

QList<InventoryRow> InventoryRows(const SheetDesign& design);
QList<BinRow> BinRows(const SheetDesign& design);
