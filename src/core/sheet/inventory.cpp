#include "core/sheet/inventory.h"

#include "core/values/numbertext.h"
#include "core/export/readoutforms.h"
#include "core/sheet/armordiagram.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Dash = u"\u2013"_s;
const QString CargoName = u"Cargo"_s;

bool IsAmmunition(const ReadoutItem& item)
{
    return item.name.left(4) == u"Ammo"_s;
}

bool IsCargo(const ReadoutItem& item)
{
    return item.name == CargoName;
}

QString RangeText(const std::optional<int>& range)
{
    return range ? WholeText(*range) : Dash;
}

InventoryRow Row(int count, const QString& name, const QString& location, const WeaponFigures& f)
{
    return {WholeText(count), name, location, f.damage.isEmpty() ? Dash : f.damage, RangeText(f.minimum),
            RangeText(f.shortRange), RangeText(f.mediumRange), RangeText(f.longRange)};
}

}  // namespace

QList<InventoryRow> InventoryRows(const SheetDesign& d)
{
    struct Group {
        QString name, location;
        int count;
    };
    QList<Group> groups;
    for (const ReadoutItem& item : d.readout.payload) {
        if (IsAmmunition(item) || IsCargo(item)) continue;
        auto same = std::find_if(groups.begin(), groups.end(),
                                 [&](const Group& g) { return g.name == item.name && g.location == item.location; });
        if (same == groups.end())
            groups.append({item.name, item.location, 1});
        else
            ++same->count;
    }
    QList<InventoryRow> rows;
    for (const Group& g : groups) rows.append(Row(g.count, g.name, g.location, d.weapons.value(g.name)));
    if (d.readout.caseFitted) rows.append(Row(1, u"CASE"_s, QString(LocationWord(Mounting::Body)), {}));
    return rows;
}

QList<BinRow> BinRows(const SheetDesign& d)
{
    QList<BinRow> rows;
    Currency cargo{};
    bool hasCargo = false;
    for (const ReadoutItem& item : d.readout.payload) {
        if (IsCargo(item)) {
            cargo = cargo + item.tons;
            hasCargo = true;
        }
        if (!IsAmmunition(item)) continue;
        const auto perTon = d.shotsPerTon.find(item.name);
        const QString shots = perTon == d.shotsPerTon.end() ? Dash : WholeText(item.tons.toDouble() * *perTon);
        rows.append({item.name, item.location, FixedText(item.tons, 1), shots});
    }
    if (hasCargo) rows.append({CargoName, QString(LocationWord(Mounting::Body)), FixedText(cargo, 1), Dash});
    return rows;
}
