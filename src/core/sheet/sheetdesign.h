#pragma once
// What a record sheet shows of a design: the readout's figures, the catalogue's damage and
// ranges of each item and the shots per ton of each ammunition, the battle value, and the name
// the foot gives.
#include <QHash>
#include <QString>
#include <optional>

#include "core/export/readout.h"

// A weapon's figures as the catalogue holds them; an empty one where it holds none.
struct WeaponFigures {
    QString damage;
    std::optional<int> minimum, shortRange, mediumRange, longRange;
    bool operator==(const WeaponFigures&) const = default;
};

struct SheetDesign {
    ReadoutDesign readout;
    // By item name; an item missing here shows dashes.
    QHash<QString, WeaponFigures> weapons;
    // By ammunition name.
    QHash<QString, int> shotsPerTon;
    // The design file's name, or the vehicle's name for a design never saved.
    QString source;
    // For a crew of gunnery 4 and driving 5.
    int battleValue = 0;
};
