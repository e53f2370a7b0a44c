#pragma once
// One design file turned into one readout page.
#include <QString>


class frmMain;

// Writes one kind of page of the window's design to a file; false when it fails.
using PageWriter = bool (*)(const frmMain& window, const QString& path);

// The page of the design file at `designPath`: <folder>/<its name without the last
// extension><extension>.
QString ReadoutPagePath(const QString& outputFolder, const QString& designPath, const QString& extension);

// Reads the design file into a fresh window that is never shown, as the Open command reads
// it, and writes its page to `pagePath` with `write`, as the export commands write it. Empty when the page
// is written; otherwise what went wrong, naming the file. A file that cannot be read gives no
// page; a page that fails part of the way keeps the lines written, as an export does.
QString WriteDesignReadout(const QString& designPath, const QString& pagePath, PageWriter write);
