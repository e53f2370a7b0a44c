#include "payload/payloadtotals.h"

#include "app/frmMain.h"

namespace {

// Every new total is worked out before any is stored, so that an overflow, which stops the
// operation, leaves the totals as they were.
void CountAmounts(frmMain& w, const PayloadItem& item, int sign)
{
    const Currency tonnage = w.PayloadTonnage + item.Tons * sign;
    const Currency cost = w.PayloadCost + item.Cost * sign;
    const Int16 heat = w.PayloadHeat + item.Heat * sign;
    const bool energy = item.Class == QLatin1String("Energy");
    const bool turret = item.Location == LocationWord(Mounting::Turret);
    const Currency energyTonnage = energy ? w.EnergyWeaponTonnage + item.Tons * sign : w.EnergyWeaponTonnage;
    const Currency turretTonnage = turret ? w.TurretWeaponTonnage + item.Tons * sign : w.TurretWeaponTonnage;
    w.PayloadTonnage = tonnage;
    w.PayloadCost = cost;
    w.PayloadHeat = heat;
    w.EnergyWeaponTonnage = energyTonnage;
    w.TurretWeaponTonnage = turretTonnage;
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
