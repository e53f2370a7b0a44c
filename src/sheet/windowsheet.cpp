#include "sheet/windowsheet.h"

#include <QLocale>

#include "sheet/buildsheet.h"
#include "sheet/gathersheet.h"
#include "sheet/paper.h"
#include "sheet/sheetfile.h"

SheetModel WindowSheet(const frmMain& window)
{
    return BuildSheet(GatherSheet(window), PaperOf(QLocale().territory()));
}

bool WriteWindowSheet(const frmMain& window, const QString& path)
{
    return WriteSheetPdf(WindowSheet(window), path);
}
