#pragma once
// A record sheet sent to a printer.
#include "core/sheet/sheetmodel.h"

class QPrinter;

// Draws the page on the printer, set up by the caller. False when printing cannot start.
bool PrintSheet(const SheetModel& model, QPrinter& printer);
