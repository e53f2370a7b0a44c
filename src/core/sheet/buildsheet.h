#pragma once
// The record sheet of a design laid out on one page of the given paper.
#include "core/sheet/sheetdesign.h"
#include "core/sheet/sheetmodel.h"

// The page's margin on every side, in millimetres; printers need at least 10.
constexpr double SheetMargin = 12.0;

SheetModel BuildSheet(const SheetDesign& design, SheetPaper paper);

