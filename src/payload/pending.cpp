// Placeholders until the payload operations land.
#include "app/frmMain.h"

void frmMain::OpenCatalogue() {}
void frmMain::cmdAddEquipment_Click() {}
void frmMain::cmdAddAmmo_Click() {}
void frmMain::cmdNextWeapon_Click() {}
void frmMain::cmdPreviousWeapon_Click() {}
void frmMain::cmdAmmoNext_Click() {}
void frmMain::cmdAmmoPrevious_Click() {}
void frmMain::vsbAddTonnage_Change() {}
