#pragma once
// One design file turned into one readout page.
#include <QString>

#include "export/readout.h"

// The page of the design file at `designPath`: <folder>/<its name without the last
// extension>.html.
QString ReadoutPagePath(const QString& outputFolder, const QString& designPath);

// Reads the design file into a fresh window that is never shown, as the Open command reads
// it, and writes its page to `pagePath` as the export commands write it. Empty when the page
// is written; otherwise what went wrong, naming the file. A file that cannot be read gives no
// page; a page that fails part of the way keeps the lines written, as an export does.
QString WriteDesignReadout(const QString& designPath, const QString& pagePath, ReadoutStyle style);
