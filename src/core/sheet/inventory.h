#pragma once
// The weapons and equipment inventory of a record sheet: identical items at one location in one
// row with their count, in the order they were mounted, CASE last; and below them the
// ammunition bins with their shots and the cargo with its tons. A sheet of several pages shows
// them in parts, in this order.
#include <QList>
#include <QRectF>

#include "core/sheet/sheetdesign.h"
#include "core/sheet/sheetmodel.h"

class SheetPage;

QList<InventoryRow> InventoryRows(const SheetDesign& design);
QList<BinRow> BinRows(const SheetDesign& design);

// The rows and bins one inventory frame shows.
struct InventoryPart {
    QList<InventoryRow> rows;
    QList<BinRow> bins;
    bool IsEmpty() const { return rows.isEmpty() && bins.isEmpty(); }
};

// The lines the part takes: the column headers, its rows, and its bins below a header of
// their own.
int InventoryLines(const InventoryPart& part);
// The height of a frame of `lines` lines `rowHeight` high.
double InventoryHeight(int lines, double rowHeight);
// The first part of `rest` that `lines` lines hold, taken from it: rows before bins, and the
// bins' header never without a bin below it.
InventoryPart TakeInventoryLines(InventoryPart& rest, int lines);
// The part in a frame titled `title` at `rect`, its lines `rowHeight` high, their text as large
// as the lines allow but never smaller than the sheet's smallest.
void InventoryFrame(SheetPage& page, const InventoryPart& part, const QString& title, const QRectF& rect, double rowHeight);
