#pragma once
// The battle value of a design: the defensive rating (armor, structure, defensive equipment,
// the movement type and the target movement modifier) plus the offensive rating (weapons with
// Artemis IV and facing, ammunition up to its weapons' value, tonnage, the speed factor), for a
// crew of gunnery 4 and driving 5; and the same for any other crew.
#include <QList>
#include <optional>

#include "core/battlevalue/battlevaluestep.h"
#include "core/battlevalue/battlevaluetable.h"

struct DesignState;

struct BattleValueRating {
    double defensive = 0;
    double offensive = 0;
    double total = 0;  // before rounding
    int value = 0;     // the battle value: the total rounded, halves up
    int unrated = 0;   // payload lines the table does not know, which count nothing
};

// From the armor points allocated to the locations, the mass, the flank MP, the turret or rotor,
// the movement type, the Artemis IV boxes and the payload lines with their locations; every
// line's figure from `table`.
BattleValueRating RateBattleValue(const DesignState& design, const BattleValueTable& table);

// The same rating as lines, in the order of BattleValueStepKind; the Rounded line's result is
// RateBattleValue's value.
QList<BattleValueStep> BattleValueBreakdown(const DesignState& design, const BattleValueTable& table);

// The crew's multiplier (gunnery and driving skills 0 to 8), and the battle value for that
// crew, rounded, halves up; none for a skill outside the table.
std::optional<double> CrewMultiplier(int gunnery, int driving);
std::optional<int> CrewBattleValue(int battleValue, int gunnery, int driving);
