#include "payload/payloadtotals.h"

#include "app/frmMain.h"

namespace {

void CountAmounts(frmMain& w, const PayloadItem& item, int sign)
{
    w.PayloadTonnage += item.Tons * sign;
    w.PayloadCost += item.Cost * sign;
    w.PayloadHeat += item.Heat * sign;
    if (item.Class == QLatin1String("Energy")) w.EnergyWeaponTonnage += item.Tons * sign;
    if (item.Location == QLatin1String("Turret")) w.TurretWeaponTonnage += item.Tons * sign;
}

}  // namespace

void CountIntoPayload(frmMain& window, const PayloadItem& item)
{
    CountAmounts(window, item, +1);
    window.ItemsUsed += 1;
}

void CountOutOfPayload(frmMain& window, const PayloadItem& item)
{
    CountAmounts(window, item, -1);
    window.ItemsUsed -= 1;
}

void AddAmountsToPayload(frmMain& window, const PayloadItem& item)
{
    CountAmounts(window, item, +1);
}
