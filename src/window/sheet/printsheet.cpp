#include "window/sheet/printsheet.h"

#include <QPainter>
#include <QPrinter>

#include "paint/sheetpainter.h"

bool PrintSheet(const SheetModel& model, QPrinter& printer)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PaintSheet(painter, model);
    return painter.end();
}
