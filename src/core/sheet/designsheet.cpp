#include "core/sheet/designsheet.h"

#include <QLocale>

#include "core/sheet/buildsheet.h"
#include "core/sheet/gathersheet.h"
#include "core/sheet/paper.h"

SheetModel DesignSheet(const Design& design, const RowSet& weapons, const RowSet& ammo)
{
    return DesignSheetPages(design, weapons, ammo).first();
}

QList<SheetModel> DesignSheetPages(const Design& design, const RowSet& weapons, const RowSet& ammo)
{
    return BuildSheetPages(GatherSheet(design, weapons, ammo), PaperOf(QLocale().territory()));
}
