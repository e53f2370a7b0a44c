// Mounting the browsed weapon or piece of equipment at the chosen location.
#include "core/design/artemis.h"
#include "core/payload/rowset.h"

namespace {

// An empty heat counts as none.
Int16 HeatOf(const QVariant& heat)
{
    if (heat.isNull()) return 0;
    return Currency::fromDouble(heat.toDouble()).toInt16();
}

Currency AmountOf(const QVariant& value)
{
    return Currency::fromDouble(value.toDouble());
}

// Electronic equipment goes in the body, the target designator excepted; everything else
// goes where the chosen location button says.
QString MountingLocation(int chosen, const PayloadItem& item)
{
    if (item.Class == QLatin1String("Electronics") && item.Name != QLatin1String("TAG"))
        return LocationWord(Mounting::Body);
    return LocationWord(MountingOptions[chosen].mounting);
}

}  // namespace

void Design::cmdAdd_Click()
{
    if (!datWeapons || datWeapons->isEmpty()) return;
    if (RefusePayloadWhenFull()) return;
    const QString name = datWeapons->FieldText(QStringLiteral("Type"));
    if (RefuseUnnamedRow(name)) return;
    s_.CurrentItem = PayloadItem();
    s_.CurrentItem.Class = datWeapons->Field(QStringLiteral("Class")).toString();
    s_.CurrentItem.Name = name;
    s_.CurrentItem.Heat = HeatOf(datWeapons->Field(QStringLiteral("heat")));
    s_.CurrentItem.Tons = AmountOf(datWeapons->Field(QStringLiteral("tons")));
    s_.CurrentItem.Cost = AmountOf(datWeapons->Field(QStringLiteral("cost")));
    s_.CurrentItem.Location = MountingLocation(s_.optLocation, s_.CurrentItem);
    CountAmounts(s_.CurrentItem, +1);
    AppendPayloadItem();
    ReapplyArtemis(s_.CurrentItem.Name);
    s_.ItemsUsed += 1;
    UpdateDesign();
}
