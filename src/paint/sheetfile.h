#pragma once
// A record sheet written as a one-page PDF file.
#include <QString>

#include "core/sheet/sheetmodel.h"


// Writes the page to a temporary file beside `path` and renames it into place, so that a
// failure leaves no half-written file under that name. False when anything fails.
bool WriteSheetPdf(const SheetModel& model, const QString& path);
// The paper's page size for the toolkit's writers.
class QPageSize;
QPageSize SheetPageSize(const SheetModel& model);
