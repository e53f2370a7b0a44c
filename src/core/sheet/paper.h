#pragma once
// The paper a record sheet is printed on: Letter where the region uses it, A4 elsewhere.
#include <QLocale>
#include <QSizeF>

#include "core/sheet/sheetmodel.h"

SheetPaper PaperOf(QLocale::Territory territory);
// Width and height in millimetres, portrait.
QSizeF PaperSize(SheetPaper paper);
