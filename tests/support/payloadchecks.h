#pragma once
// Looking at the payload from outside: its list lines, and the check that the table, the list
// and the totals are in step.
#include "support/toolkit.h"

QStringList PayloadLines(const frmMain& window);
// An amount as its ten-thousandths, exact.
QString Units(Currency c);

// The first way in which the payload table, its list and the running totals are out of step,
// or an empty text. Each line shows its record, the records past the count are empty, and each
// total is the sum of its field over the records (with CASE and Ferro-Fibrous armor beside).
QString PayloadInvariantFailure(const frmMain& window);
