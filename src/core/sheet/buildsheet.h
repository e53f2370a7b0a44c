#pragma once
// The record sheet of a design laid out on pages of the given paper: one, or more where its
// inventory does not fit on the first in text of the smallest size.
#include "core/sheet/sheetdesign.h"
#include "core/sheet/sheetmodel.h"

// The page's margin on every side, in millimetres; printers need at least 10.
constexpr double SheetMargin = 12.0;

QList<SheetModel> BuildSheetPages(const SheetDesign& design, SheetPaper paper);
// The first page alone.
SheetModel BuildSheet(const SheetDesign& design, SheetPaper paper);

