#pragma once
// One line of a battle value's breakdown: what it is, what it starts from and what it comes to,
// so that a player can check the figure line by line.
#include <QString>

// The lines in the order a breakdown lists them: the defensive rating from Armor to
// TargetModifier, the offensive rating from Weapon to SpeedFactor, then Total and Rounded.
enum class BattleValueStepKind {
    Armor,                // amount: the armor points allocated; factor 2.5
    Structure,            // amount: the structure points; count: the locations; factor 1.5
    DefensiveItem,        // name, location; amount: the item's battle value
    DefensiveAmmunition,  // name: the system it feeds; amount: tons; factor: per ton; cap
    MovementFactor,       // name: the movement type; amount: the rating so far; factor
    TargetModifier,       // count: the modifier; flank; amount: the rating so far; factor
    Weapon,               // name, location; amount: its battle value; factor 1.2, 0.5, 0.6 or 1
    Ammunition,           // name: the weapon it feeds; amount: tons; factor: per ton; cap
    Tonnage,              // amount: the mass; factor 0.5
    SpeedFactor,          // flank; amount: the rating so far; factor
    Total,                // amount: the defensive rating; addend: the offensive rating
    Rounded,              // amount: the total; result: the battle value, halves up
};

struct BattleValueStep {
    BattleValueStepKind kind = BattleValueStepKind::Armor;
    QString name{};    // an item, the weapon or system a group of ammunition feeds, the movement type
    QString location{};  // where an item is mounted
    double amount = 0;
    double factor = 1;
    double cap = 0;     // the most a group of ammunition adds: the battle value of its weapons
    double addend = 0;
    int count = 0;
    int flank = 0;      // the flank MP
    bool artemis = false;     // a launcher counted x 1.2 for Artemis IV
    bool rearFacing = false;  // a weapon counted half in the rear-facing arc
    // What the line adds to its rating (Armor, Structure, the items, the ammunition, Tonnage),
    // or the rating after its factor (MovementFactor, TargetModifier, SpeedFactor), or the
    // total before and after rounding.
    double result = 0;
};

// Whether the line adds to its rating rather than multiplying it or summing up.
constexpr bool AddsToRating(BattleValueStepKind kind)
{
    switch (kind) {
    case BattleValueStepKind::MovementFactor:
    case BattleValueStepKind::TargetModifier:
    case BattleValueStepKind::SpeedFactor:
    case BattleValueStepKind::Total:
    case BattleValueStepKind::Rounded: return false;
    default: return true;
    }
}

// The line in words with the regional number format, as a breakdown shows it:
// "LRM 10 (Front), Artemis IV: 90 x 1.2 = 108".
QString BattleValueStepText(const BattleValueStep& step);
