#include "payload/payloadtotals.h"

#include "app/frmMain.h"

namespace {

void Count(frmMain& w, const PayloadItem& item, int sign)
{
    w.PayloadTonnage += item.Tons * sign;
    w.PayloadCost += item.Cost * sign;
    w.PayloadHeat += item.Heat * sign;
    if (item.Class == QLatin1String("Energy")) w.EnergyWeaponTonnage += item.Tons * sign;
    if (item.Location == QLatin1String("Turret")) w.TurretWeaponTonnage += item.Tons * sign;
    w.ItemsUsed += sign;
}

}  // namespace

void CountIntoPayload(frmMain& window, const PayloadItem& item)
{
    Count(window, item, +1);
}

void CountOutOfPayload(frmMain& window, const PayloadItem& item)
{
    Count(window, item, -1);
}
