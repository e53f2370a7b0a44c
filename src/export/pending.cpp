// Placeholders until the readouts land.
#include "app/frmMain.h"

void frmMain::mnuFileExportHTML_Click() {}
void frmMain::mnuFileExportHVN_Click() {}
