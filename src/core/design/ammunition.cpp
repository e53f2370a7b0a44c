// Ammunition and cargo by weight: always in the body, no heat, one item slot per addition.
#include "core/design/design.h"
#include "core/payload/addtonnage.h"
#include "core/payload/rowset.h"
#include "core/values/numbertext.h"

void Design::cmdAmmoAdd_Click()
{
    if (!datAmmo || datAmmo->isEmpty()) return;
    if (RefusePayloadWhenFull()) return;
    const QString name = datAmmo->FieldText(QStringLiteral("Type"));
    if (RefuseUnnamedRow(name)) return;
    // The price as the browser shows it, in the regional form.
    const std::optional<double> costPerTon = ReadRegionalNumber(datAmmo->FieldText(QStringLiteral("Cost")));
    if (!costPerTon) {
        Refuse(QStringLiteral("\"%1\" has no price per ton and cannot be added.").arg(name));
        return;
    }
    s_.CurrentItem = PayloadItem();
    s_.CurrentItem.Class = datAmmo->Field(QStringLiteral("Class")).toString();
    s_.CurrentItem.Name = name;
    s_.CurrentItem.Heat = 0;
    s_.CurrentItem.Tons = AddedTons(s_.vsbAddTonnage.value, s_.vsbAddTonnage.maximum);
    s_.CurrentItem.Cost = Currency::fromDouble(*costPerTon * s_.CurrentItem.Tons.toDouble());
    s_.CurrentItem.Location = LocationWord(Mounting::Body);
    CountIntoPayload(s_.CurrentItem);
    AppendPayloadItem();
    UpdateDesign();
}
