// Placeholder until the About box lands.
#include "app/frmMain.h"

void frmMain::mnuHelpAbout_Click() {}
