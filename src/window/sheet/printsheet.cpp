#include "window/sheet/printsheet.h"

#include <QPainter>
#include <QPrinter>

#include "paint/sheetpainter.h"

bool PrintSheet(const QList<SheetModel>& pages, QPrinter& printer)
{
    if (pages.isEmpty()) return false;
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        PaintSheet(painter, pages[page]);
    }
    return painter.end();
}
