#pragma once
// Draws a record sheet model on a page: the PDF file, the printer and the batch tool share it.
#include "core/sheet/sheetmodel.h"

class QPainter;

// Draws on the painter's device with the page's top left corner at the device's origin.
void PaintSheet(QPainter& painter, const SheetModel& model);
// Registers the sheet's fonts; painting does it on first use. Call it before painting sheets on
// several threads at once.
void LoadSheetFonts();
