#pragma once
// The readout's values of a design.
#include "core/export/readout.h"

class Design;

// The inputs, the figures and the payload records of the design, and its price worked out
// afresh.
ReadoutDesign GatherReadout(const Design& design);
