#pragma once
// Record sheets written as PDF files: one page, or many pages in one file.
#include <QString>

#include "core/sheet/sheetmodel.h"


// Writes the page to a temporary file beside `path` and renames it into place, so that a
// failure leaves no half-written file under that name. False when anything fails.
bool WriteSheetPdf(const SheetModel& model, const QString& path);
// The same for several pages in one file, in order, each on its own paper; `title` is the
// document's. False, with no file left, when there are no pages or anything fails.
bool WritePagesPdf(const QList<SheetModel>& pages, const QString& path, const QString& title);
// The paper's page size for the toolkit's writers.
class QPageSize;
QPageSize SheetPageSize(const SheetModel& model);
