#include "support/testsupport.h"

#include "core/payload/payloadline.h"

QStringList PayloadLines(const frmMain& window)
{
    QStringList lines;
    for (int i = 0; i < window.lstPayload->count(); ++i) lines << window.lstPayload->item(i)->text();
    return lines;
}

QString Units(Currency c)
{
    return QString::number(c.units());
}

QString PayloadInvariantFailure(const frmMain& w)
{
    const QStringList lines = PayloadLines(w);
    if (lines.isEmpty() || lines[0] != PayloadHeaderLine()) return QStringLiteral("line 0 is not the header");
    if (lines.size() != w.PayloadCount + 1)
        return QStringLiteral("%1 lines for %2 records").arg(lines.size()).arg(int(w.PayloadCount));
    if (!w.PayloadItems[0].isEmpty() || !(w.PayloadItems[0] == PayloadItem())) return QStringLiteral("record 0 is used");
    Currency tons, cost, energy, turret;
    int heat = 0;
    for (int k = 1; k <= w.PayloadCount; ++k) {
        const PayloadItem& r = w.PayloadItems[k];
        if (r.isEmpty()) return QStringLiteral("record %1 is empty").arg(k);
        if (lines[k] != FormatPayloadLine(r)) return QStringLiteral("line %1 is \"%2\"").arg(k).arg(lines[k]);
        tons += r.Tons;
        cost += r.Cost;
        heat += r.Heat;
        if (r.Class == QLatin1String("Energy")) energy += r.Tons;
        if (r.Location == QLatin1String("Turret")) turret += r.Tons;
    }
    for (int k = w.PayloadCount + 1; k <= PayloadCapacity; ++k)
        if (!(w.PayloadItems[k] == PayloadItem())) return QStringLiteral("record %1 past the count is not empty").arg(k);
    const bool fitted = w.chkCASE->isChecked();
    if (fitted) cost += 50000;
    const Currency caseTons = fitted ? Currency::fromUnits(5000) : Currency();
    const int itemSlots = w.PayloadCount + (w.chkFerroFibrous->isChecked() ? 2 : 0);
    const struct {
        const char* total;
        QString kept, sum;
    } totals[] = {
        {"PayloadTonnage", Units(w.PayloadTonnage), Units(tons)},
        {"PayloadCost", Units(w.PayloadCost), Units(cost)},
        {"PayloadHeat", QString::number(w.PayloadHeat), QString::number(heat)},
        {"EnergyWeaponTonnage", Units(w.EnergyWeaponTonnage), Units(energy)},
        {"TurretWeaponTonnage", Units(w.TurretWeaponTonnage), Units(turret)},
        {"CASETonnage", Units(w.CASETonnage), Units(caseTons)},
        {"ItemsUsed", QString::number(w.ItemsUsed), QString::number(itemSlots)},
    };
    for (const auto& t : totals)
        if (t.kept != t.sum) return QStringLiteral("%1 is %2, the records make %3").arg(t.total, t.kept, t.sum);
    return {};
}
