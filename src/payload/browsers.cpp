// The weapons and the ammunition browser: moving through the catalogue with wrap-around at
// both ends, and switching between the two browsers. Browsing never changes the design.
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "payload/addtonnage.h"
#include "payload/rowset.h"

namespace {

// Next row, from the last back to the first. False on an empty table, where nothing moves.
bool MoveForward(RowSet* rows)
{
    if (rows->isEmpty()) return false;
    rows->MoveNext();
    if (rows->AtEnd()) rows->MoveFirst();
    return true;
}

// Previous row, from the first round to the last. False on an empty table.
bool MoveBackward(RowSet* rows)
{
    if (rows->isEmpty()) return false;
    rows->MovePrevious();
    if (rows->AtStart()) rows->MoveLast();
    return true;
}

// A weapon without heat says so rather than showing nothing. Only the label changes: the
// add reads the heat from the row.
void ShowMissingHeat(QLabel* heat)
{
    if (heat->text().isEmpty()) SetLabelText(heat, QStringLiteral("N/A"));
}

// Cargo and machine-gun ammunition go by the half ton, everything else by the ton. Lowering
// the top moves a value above it down to it, which runs the spinner's own handler.
void ApplyTonnageStep(frmMain& w)
{
    w.vsbAddTonnage->setMaximum(SoldByHalfTon(w.lblAmmoType->text()) ? HalfTonTop : WholeTonTop);
    SetLabelText(w.lblAddTonnage, AddTonnageText(w.vsbAddTonnage));
}

}  // namespace

void frmMain::cmdNextWeapon_Click()
{
    if (MoveForward(datWeapons)) ShowMissingHeat(lblHeat);
}

void frmMain::cmdPreviousWeapon_Click()
{
    if (MoveBackward(datWeapons)) ShowMissingHeat(lblHeat);
}

void frmMain::cmdAmmoNext_Click()
{
    if (MoveForward(datAmmo)) ApplyTonnageStep(*this);
}

void frmMain::cmdAmmoPrevious_Click()
{
    if (MoveBackward(datAmmo)) ApplyTonnageStep(*this);
}

void frmMain::BrowseToRow(RowSet* rows, int row)
{
    if (row < 0 || row >= rows->rowCount()) return;
    rows->MoveTo(row);
    if (rows == datWeapons)
        ShowMissingHeat(lblHeat);
    else
        ApplyTonnageStep(*this);
}

void frmMain::cmdAddAmmo_Click()
{
    fraAddWeapons->hide();
    fraAddAmmo->show();
}

void frmMain::cmdAddEquipment_Click()
{
    fraAddWeapons->show();
    fraAddAmmo->hide();
}
