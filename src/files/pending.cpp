// Placeholders until the design file commands land.
#include "app/frmMain.h"

void frmMain::WriteDesignFile(const QString&) {}
void frmMain::ReadDesignFile(const QString&) {}
void frmMain::mnuFileNew_Click() {}
void frmMain::mnuFileOpen_Click() {}
void frmMain::mnuFileSave_Click() {}
void frmMain::mnuFileSaveAs_Click() {}
