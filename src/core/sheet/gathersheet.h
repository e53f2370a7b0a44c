#pragma once
// The record sheet's values of a design.
#include "core/sheet/sheetdesign.h"

class Design;
class RowSet;

// The readout's figures, the damage and ranges of each mounted item and the shots per ton of
// each ammunition from the catalogue's tables, the battle value, and the design file's name. The
// battle value is the design's own; a design without a catalogue of its own is rated with the
// figures of these tables.
SheetDesign GatherSheet(const Design& design, const RowSet& weapons, const RowSet& ammo);
