#pragma once
// One design file turned into one readout page.
#include <QString>
#include <functional>

class Design;

// Writes one kind of page of a design to a file; false when it fails.
using PageWriter = std::function<bool(const Design& design, const QString& path)>;

// The page of the design file at `designPath`: <folder>/<its name without the last
// extension><extension>.
QString ReadoutPagePath(const QString& outputFolder, const QString& designPath, const QString& extension);

// The report of a design file that cannot be read, and why.
QString CannotRead(const QString& designPath, const QString& why);

// Reads the design file as the Open command reads it and writes its page to `pagePath` with
// `write`, as the export commands write it. Empty when the page is written; otherwise what went
// wrong, naming the file. A file that cannot be read gives no page; a page that fails part of
// the way keeps the lines written, as an export does.
QString WriteDesignReadout(const QString& designPath, const QString& pagePath, const PageWriter& write);
