#pragma once
// A record sheet sent to a printer.
#include <QList>

#include "core/sheet/sheetmodel.h"

class QPrinter;

// Draws the pages in order on the printer, set up by the caller, each on a new sheet of paper.
// False when printing cannot start or a page cannot be begun; nothing when there are no pages.
bool PrintSheet(const QList<SheetModel>& pages, QPrinter& printer);
