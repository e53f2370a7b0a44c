#pragma once
// The readout page of a design written to a file, as the export commands and the batch
// readout program write it.
#include <QString>

#include "core/export/readout.h"

class Design;

// Creates or empties the file at `path` and writes the page, stamped with the current local
// date and time. False when the file cannot be created, a write fails or the price cannot be
// worked out; the lines written before the failure stay, and the file is closed either way.
bool WriteReadoutFile(const Design& design, const QString& path, ReadoutStyle style);
