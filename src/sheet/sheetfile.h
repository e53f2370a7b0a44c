#pragma once
// A record sheet written as a one-page PDF file, or sent to a printer.
#include <QString>

#include "sheet/sheetmodel.h"

class QPrinter;

// Writes the page to a temporary file beside `path` and renames it into place, so that a
// failure leaves no half-written file under that name. False when anything fails.
bool WriteSheetPdf(const SheetModel& model, const QString& path);
// Draws the page on the printer, set up by the caller. False when printing cannot start.
bool PrintSheet(const SheetModel& model, QPrinter& printer);
// The paper's page size for the toolkit's writers.
class QPageSize;
QPageSize SheetPageSize(const SheetModel& model);
