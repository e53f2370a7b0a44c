#pragma once
// The readout's values as the window holds them at this moment.
#include "export/readout.h"

class frmMain;

// Reads the design state, the controls and the payload records, and prices the design afresh.
ReadoutDesign GatherReadout(const frmMain& window);
