// The payload table and its list, kept in step: record k is shown by line k, line 0 is the
// header and record 0 stays empty. Every operation that puts a record into the table counts it
// into the running totals, and every one that takes it out counts it out by the same amounts.
#include "core/design/design.h"
#include "core/payload/payloadline.h"
#include "core/values/numbertext.h"

bool Design::AppendPayloadItem()
{
    if (s_.PayloadCount >= PayloadCapacity) return false;
    s_.PayloadCount += 1;
    s_.PayloadItems[s_.PayloadCount] = s_.CurrentItem;
    s_.PayloadLines << FormatPayloadLine(s_.CurrentItem);
    ++payloadVersion_;
    return true;
}

// Takes record `index` and its line out; the records after it move up one place and the slot
// of the former last record is left empty. The line taken out leaves no selection behind.
void Design::RemovePayloadRecord(int index)
{
    for (int k = index; k < s_.PayloadCount; ++k) s_.PayloadItems[k] = s_.PayloadItems[k + 1];
    s_.PayloadItems[s_.PayloadCount] = PayloadItem();
    if (index >= 1 && index <= s_.PayloadLines.size()) s_.PayloadLines.removeAt(index - 1);
    s_.SelectedLine = -1;
    ++payloadVersion_;
    s_.PayloadCount -= 1;
}

// Every new total is worked out before any is stored, so that an overflow, which stops the
// operation, leaves the totals as they were.
void Design::CountAmounts(const PayloadItem& item, int sign)
{
    const Currency tonnage = s_.PayloadTonnage + item.Tons * sign;
    const Currency cost = s_.PayloadCost + item.Cost * sign;
    const Int16 heat = s_.PayloadHeat + item.Heat * sign;
    const bool energy = item.Class == QLatin1String("Energy");
    const bool turret = item.Location == LocationWord(Mounting::Turret);
    const Currency energyTonnage = energy ? s_.EnergyWeaponTonnage + item.Tons * sign : s_.EnergyWeaponTonnage;
    const Currency turretTonnage = turret ? s_.TurretWeaponTonnage + item.Tons * sign : s_.TurretWeaponTonnage;
    s_.PayloadTonnage = tonnage;
    s_.PayloadCost = cost;
    s_.PayloadHeat = heat;
    s_.EnergyWeaponTonnage = energyTonnage;
    s_.TurretWeaponTonnage = turretTonnage;
}

// With the one item slot that every payload line takes.
void Design::CountIntoPayload(const PayloadItem& item)
{
    CountAmounts(item, +1);
    s_.ItemsUsed += 1;
}

void Design::CountOutOfPayload(const PayloadItem& item)
{
    CountAmounts(item, -1);
    s_.ItemsUsed -= 1;
}

bool Design::RefusePayloadWhenFull()
{
    if (s_.PayloadCount < PayloadCapacity) return false;
    Refuse(QStringLiteral("The payload is full: it holds %1 items. Remove an item before adding another.")
               .arg(FixedText(PayloadCapacity, 0)));
    return true;
}

// A nameless record would read as an empty slot.
bool Design::RefuseUnnamedRow(const QString& name)
{
    if (!name.isEmpty()) return false;
    Refuse(QStringLiteral("This row of the equipment catalogue has no name and cannot be added."));
    return true;
}
