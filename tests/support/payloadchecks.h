#pragma once
// Looking at the payload from outside: its list lines, and the check that the table, the list
// and the totals are in step.
#include "support/toolkit.h"

QStringList PayloadLines(const frmMain& window);
// An amount as its ten-thousandths, exact.
QString Units(Currency c);

// The first way in which the payload list, the boxes beside it and the design's payload are out
// of step, or an empty text: the list shows the design's lines under its header, and the design
// keeps its table and totals in step (PayloadInvariantFailure of the design).
QString PayloadInvariantFailure(const frmMain& window);
