#include "core/battlevalue/battlevaluetable.h"

#include <cmath>

#include "core/design/artemis.h"
#include "core/payload/rowset.h"
#include "core/rules/designcheck.h"

namespace {

Millionths FigureAt(const RowSet& rows, int row)
{
    return std::llround(rows.FieldAt(row, QStringLiteral("BV")).toDouble() * OneMillionth);
}

BattleValueRole RoleAt(const RowSet& rows, int row)
{
    const QString role = rows.FieldTextAt(row, QStringLiteral("BVRole"));
    if (role.compare(QLatin1StringView("offensive"), Qt::CaseInsensitive) == 0) return BattleValueRole::Offensive;
    if (role.compare(QLatin1StringView("defensive"), Qt::CaseInsensitive) == 0) return BattleValueRole::Defensive;
    return BattleValueRole::None;
}

Box DesignState::*ArtemisBoxOf(const QString& name)
{
    for (const ArtemisFamily* family : ArtemisFamilies)
        if (family->isLauncher(name)) return family->box;
    return nullptr;
}

Facing FacingOf(const QString& location)
{
    if (location == LocationWord(Mounting::Front)) return Facing::Front;
    if (location == LocationWord(Mounting::Rear)) return Facing::Rear;
    return Facing::Elsewhere;
}

// The same storage, hence the same text, as long as `a` keeps it.
bool SameText(const QString& a, const QString& b)
{
    return a.data_ptr().data() == b.data_ptr().data() && a.size() == b.size();
}

}  // namespace

BattleValueTable::BattleValueTable(const RowSet& weapons, const RowSet& ammo)
{
    const QString type = QStringLiteral("Type");
    const auto add = [this](const QString& name, const BattleValueEntry& entry) {
        index_.insert(name, int(entries_.size()));
        entries_.append(entry);
    };
    // The first row of a name counts, as the catalogue's other look-ups take it.
    for (int row = 0; row < weapons.rowCount(); ++row) {
        const QString name = weapons.FieldAt(row, type).toString();
        if (name.isEmpty() || index_.contains(name)) continue;
        add(name, {.role = RoleAt(weapons, row), .figure = FigureAt(weapons, row), .weapon = int(weaponNames_.size()),
                   .artemis = ArtemisBoxOf(name)});
        weaponNames_ << name;
    }
    for (int row = 0; row < ammo.rowCount(); ++row) {
        const QString name = ammo.FieldAt(row, type).toString();
        if (name.isEmpty() || index_.contains(name)) continue;
        BattleValueEntry entry{.ammunition = true, .figure = FigureAt(ammo, row)};
        // The longest weapon name that fires it: "LB 10-X AC" rather than an "LB 10" if any.
        for (int weapon = 0; weapon < weaponNames_.size(); ++weapon) {
            const QString& weaponName = weaponNames_[weapon];
            if (!FiresAmmunition(weaponName, name)) continue;
            if (entry.weapon < 0 || weaponName.size() > weaponNames_[entry.weapon].size()) entry.weapon = weapon;
        }
        if (entry.weapon >= 0) entry.role = entries_[index_.value(weaponNames_[entry.weapon])].role;
        add(name, entry);
    }
    for (const ArtemisFamily* family : ArtemisFamilies)
        if (!index_.contains(family->lineName)) add(family->lineName, {});
}

const BattleValueEntry* BattleValueTable::Find(const QString& name) const
{
    const auto found = index_.constFind(name);
    return found == index_.cend() ? nullptr : &entries_[*found];
}

void BattleValueTable::Rate(const PayloadItem* items, int count, RatedRecord* rated) const
{
    for (int k = 1; k <= count; ++k) {
        const PayloadItem& item = items[k];
        Remembered& remembered = records_[k];
        if (!SameText(remembered.name, item.Name) || !SameText(remembered.location, item.Location)) {
            remembered.name = item.Name;
            remembered.location = item.Location;
            remembered.entry = index_.value(item.Name, -1);
            remembered.facing = FacingOf(item.Location);
        }
        rated[k] = {remembered.entry >= 0 ? &entries_[remembered.entry] : nullptr, remembered.facing};
    }
}
