#pragma once
// The record sheet's values of a design.
#include "core/sheet/sheetdesign.h"

class Design;
class RowSet;

// The readout's figures, the damage and ranges of each mounted item and the shots per ton of
// each ammunition from the catalogue's tables, and the design file's name.
SheetDesign GatherSheet(const Design& design, const RowSet& weapons, const RowSet& ammo);
