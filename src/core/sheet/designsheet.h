#pragma once
// The record sheet of a design, as the File menu and the batch tool draw it.
#include "core/sheet/sheetmodel.h"

class Design;
class RowSet;

// Every page of the design's sheet on the paper of the user's region, with the catalogue's
// figures of its items: one, or more where its inventory does not fit on one.
QList<SheetModel> DesignSheetPages(const Design& design, const RowSet& weapons, const RowSet& ammo);
// The first page alone.
SheetModel DesignSheet(const Design& design, const RowSet& weapons, const RowSet& ammo);
