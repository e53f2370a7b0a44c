#pragma once
// The catalogue's battle value figures by name, read once from the two tables, so that rating
// a design looks each payload line up instead of searching the catalogue; and what each payload
// record was found to be, kept until the record changes, so that a recalculation that leaves
// the payload alone looks nothing up at all.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "core/payload/payloaditem.h"

class RowSet;
struct Box;
struct DesignState;

// Battle values are counted in millionths, exactly.
using Millionths = std::int64_t;
constexpr Millionths OneMillionth = 1'000'000;

enum class BattleValueRole : std::uint8_t { None, Offensive, Defensive };

struct BattleValueEntry {
    BattleValueRole role = BattleValueRole::None;
    bool ammunition = false;
    Millionths figure = 0;  // an item's battle value, or a ton of ammunition's
    // The weapon an item is, or the one a bin of ammunition feeds, as an index into the
    // table's weapon names; -1 for ammunition that feeds none.
    int weapon = -1;
    // A launcher's Artemis IV box; null for anything else.
    Box DesignState::*artemis = nullptr;
};

// Where a payload record faces, as far as the rating cares.
enum class Facing : std::uint8_t { Elsewhere, Front, Rear };

// A payload record's entry (null for a name the catalogue does not hold) and facing. Plain
// data, so that a rating's hundred of them cost nothing to set up.
struct RatedRecord {
    const BattleValueEntry* entry;
    Facing facing;
};

class BattleValueTable {
public:
    // An empty table: every payload line counts nothing.
    BattleValueTable() = default;
    // Weapons and items from the "Type", "BV" and "BVRole" fields ("offensive", "defensive",
    // anything else counts as neither), ammunition from "Type" and "BV" (per ton); a missing
    // field or value counts 0. Ammunition takes the role of the weapon it feeds. The Artemis IV
    // lines are known and count nothing.
    BattleValueTable(const RowSet& weapons, const RowSet& ammo);

    // The entry of a payload line's name; null for a name the catalogue does not hold.
    const BattleValueEntry* Find(const QString& name) const;
    const QString& WeaponName(int weapon) const { return weaponNames_[weapon]; }

    // The records 1 to `count` of `items` (a payload's records from 0) into rated[1..count]. A
    // record is looked up again only when its name or location is another text than the last
    // time. Not for two threads at once.
    void Rate(const PayloadItem* items, int count, RatedRecord* rated) const;

private:
    QList<BattleValueEntry> entries_;
    QHash<QString, int> index_;
    QStringList weaponNames_;
    // The texts are kept, so that their storage stays theirs: the same storage is the same text.
    struct Remembered {
        QString name;
        QString location;
        int entry = -1;
        Facing facing = Facing::Elsewhere;
    };
    mutable std::array<Remembered, PayloadCapacity + 1> records_;
};
