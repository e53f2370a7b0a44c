#include "support/testsupport.h"

#include "core/payload/payloadline.h"

QStringList PayloadLines(const frmMain& window)
{
    const auto* list = Control<QListWidget>(window, QStringLiteral("lstPayload"));
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

QString Units(Currency c)
{
    return QString::number(c.units());
}

QString PayloadInvariantFailure(const frmMain& window)
{
    const DesignState& s = window.design().State();
    const QStringList lines = PayloadLines(window);
    if (lines.isEmpty() || lines[0] != PayloadHeaderLine()) return QStringLiteral("line 0 is not the header");
    if (lines.size() != s.PayloadCount + 1)
        return QStringLiteral("%1 lines for %2 records").arg(lines.size()).arg(int(s.PayloadCount));
    if (!s.PayloadItems[0].isEmpty() || !(s.PayloadItems[0] == PayloadItem())) return QStringLiteral("record 0 is used");
    Currency tons, cost, energy, turret;
    int heat = 0;
    for (int k = 1; k <= s.PayloadCount; ++k) {
        const PayloadItem& r = s.PayloadItems[k];
        if (r.isEmpty()) return QStringLiteral("record %1 is empty").arg(k);
        if (lines[k] != FormatPayloadLine(r)) return QStringLiteral("line %1 is \"%2\"").arg(k).arg(lines[k]);
        tons += r.Tons;
        cost += r.Cost;
        heat += r.Heat;
        if (r.Class == QLatin1String("Energy")) energy += r.Tons;
        if (r.Location == QLatin1String("Turret")) turret += r.Tons;
    }
    for (int k = s.PayloadCount + 1; k <= PayloadCapacity; ++k)
        if (!(s.PayloadItems[k] == PayloadItem())) return QStringLiteral("record %1 past the count is not empty").arg(k);
    const bool fitted = Control<QCheckBox>(window, QStringLiteral("chkCASE"))->isChecked();
    if (fitted) cost += 50000;
    const Currency caseTons = fitted ? Currency::fromUnits(5000) : Currency();
    const int itemSlots = s.PayloadCount + (Control<QCheckBox>(window, QStringLiteral("chkFerroFibrous"))->isChecked() ? 2 : 0);
    const struct {
        const char* total;
        QString kept, sum;
    } totals[] = {
        {"PayloadTonnage", Units(s.PayloadTonnage), Units(tons)},
        {"PayloadCost", Units(s.PayloadCost), Units(cost)},
        {"PayloadHeat", QString::number(s.PayloadHeat), QString::number(heat)},
        {"EnergyWeaponTonnage", Units(s.EnergyWeaponTonnage), Units(energy)},
        {"TurretWeaponTonnage", Units(s.TurretWeaponTonnage), Units(turret)},
        {"CASETonnage", Units(s.CASETonnage), Units(caseTons)},
        {"ItemsUsed", QString::number(s.ItemsUsed), QString::number(itemSlots)},
    };
    for (const auto& t : totals)
        if (t.kept != t.sum) return QStringLiteral("%1 is %2, the records make %3").arg(t.total, t.kept, t.sum);
    return {};
}
