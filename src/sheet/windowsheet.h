#pragma once
// The record sheet of the window's design, as the File menu and the batch tool write it.
#include <QString>

#include "sheet/sheetmodel.h"

class frmMain;

// The page of the window's design on the paper of the user's region.
SheetModel WindowSheet(const frmMain& window);
// Writes that page as a PDF file; false, with no file left under `path`'s name, on failure.
bool WriteWindowSheet(const frmMain& window, const QString& path);
