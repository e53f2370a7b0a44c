// Placeholders until the payload operations land.
#include "app/frmMain.h"

void frmMain::OpenCatalogue() {}
void frmMain::cmdAddEquipment_Click() {}
void frmMain::cmdAddAmmo_Click() {}
void frmMain::cmdNextWeapon_Click() {}
void frmMain::cmdPreviousWeapon_Click() {}
void frmMain::cmdAmmoNext_Click() {}
void frmMain::cmdAmmoPrevious_Click() {}
void frmMain::cmdAdd_Click() {}
void frmMain::cmdAmmoAdd_Click() {}
void frmMain::vsbAddTonnage_Change() {}
void frmMain::chkArtemisSRM_Click() {}
void frmMain::chkArtemisLRM_Click() {}
void frmMain::chkCASE_Click() {}
void frmMain::cmdRemove_Click() {}
void frmMain::cmdClearAll_Click() {}
bool frmMain::AppendPayloadItem() { return false; }
void frmMain::RemovePayloadRecord(int) {}
