#pragma once
// The record sheet's values as the window holds them at this moment.
#include "sheet/sheetdesign.h"

class frmMain;

// The readout's figures, the damage and ranges of each mounted item and the shots per ton of
// each ammunition from the window's catalogue, and the design file's name.
SheetDesign GatherSheet(const frmMain& window);
