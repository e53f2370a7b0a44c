// The weapons and the ammunition browser: moving through the catalogue with wrap-around at
// both ends. Browsing never changes the design, but for the ammunition's tonnage step.
#include "core/design/design.h"
#include "core/payload/addtonnage.h"
#include "core/payload/rowset.h"

namespace {

// Next row, from the last back to the first. False on an empty table, where nothing moves.
bool MoveForward(RowSet* rows)
{
    if (!rows || rows->isEmpty()) return false;
    rows->MoveNext();
    if (rows->AtEnd()) rows->MoveFirst();
    return true;
}

// Previous row, from the first round to the last. False on an empty table.
bool MoveBackward(RowSet* rows)
{
    if (!rows || rows->isEmpty()) return false;
    rows->MovePrevious();
    if (rows->AtStart()) rows->MoveLast();
    return true;
}

}  // namespace

// Cargo and machine-gun ammunition go by the half ton, everything else by the ton. Lowering
// the top moves a value above it down to it.
void Design::ApplyTonnageStep()
{
    const bool halfTons = SoldByHalfTon(datAmmo->FieldText(QStringLiteral("Type")));
    Bound(s_.vsbAddTonnage, s_.vsbAddTonnage.minimum, halfTons ? HalfTonTop : WholeTonTop);
}

bool Design::cmdNextWeapon_Click()
{
    return MoveForward(datWeapons);
}

bool Design::cmdPreviousWeapon_Click()
{
    return MoveBackward(datWeapons);
}

bool Design::cmdAmmoNext_Click()
{
    if (!MoveForward(datAmmo)) return false;
    ApplyTonnageStep();
    return true;
}

bool Design::cmdAmmoPrevious_Click()
{
    if (!MoveBackward(datAmmo)) return false;
    ApplyTonnageStep();
    return true;
}

void Design::BrowseToRow(bool weapons, int row)
{
    RowSet* rows = weapons ? datWeapons : datAmmo;
    if (!rows || row < 0 || row >= rows->rowCount()) return;
    rows->MoveTo(row);
    if (!weapons) ApplyTonnageStep();
}
