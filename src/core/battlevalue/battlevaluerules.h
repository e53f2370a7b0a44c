#pragma once
// The battle value rules' figures for a combat vehicle. Factors are kept as whole tenths or
// hundredths so that the rating is worked out exactly and only rounded where the rules say so.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "core/rules/options.h"

namespace rules {

// Defensive rating: armor points x 2.5, internal structure points x 1.5.
constexpr int ArmorHalves = 5;
constexpr int StructureHalves = 3;
constexpr int TonsPerStructurePoint = 10;  // points per location: the mass / 10, rounded up
constexpr int StructureLocations = 4;      // a turret or a VTOL's rotor adds one

// The movement type's factor on the defensive rating, and what it adds to the target movement
// modifier.
struct BattleValueMotiveRow {
    Motive motive;
    int factorTenths;
    int modifierBonus;
};
constexpr BattleValueMotiveRow BattleValueMotives[] = {
    {Motive::Hover, 7, 0},
    {Motive::Tracked, 9, 0},
    {Motive::Wheeled, 8, 0},
    {Motive::VTOL, 7, 1},
};
static_assert(int(BattleValueMotives[3].motive) == 3);

// Target movement modifier by flank MP: the modifier of the last row whose lowest flank MP it
// reaches.
struct ModifierBand {
    int lowestFlank;
    int modifier;
};
constexpr ModifierBand TargetModifierBands[] = {{0, 0}, {3, 1}, {5, 2}, {7, 3}, {10, 4}, {18, 5}, {25, 6}};

constexpr int TargetModifier(int flank)
{
    int modifier = 0;
    for (const ModifierBand& band : TargetModifierBands)
        if (flank >= band.lowestFlank) modifier = band.modifier;
    return modifier;
}

// x (1 + modifier / 10).
constexpr int TargetModifierFactorTenths(int modifier) { return 10 + modifier; }

// Offensive rating: a launcher with Artemis IV x 1.2, a rear-facing weapon x 0.5, tons / 2.
constexpr int ArtemisFactorTenths = 12;
constexpr int RearFacingFactorTenths = 5;
constexpr int TonnageHalves = 1;

// The speed factor in hundredths: 100 x (1 + (flank - 5) / 10) ^ 1.2, rounded half up. The
// nudge keeps a power that lands a hair below a half from rounding down.
inline int SpeedFactorHundredths(int flank)
{
    const double base = std::max(0.0, 1.0 + (flank - 5) / 10.0);
    return int(std::floor(100.0 * std::pow(base, 1.2) + 0.5 + 1e-9));
}

// The crew's multiplier in hundredths: rows gunnery 0 to 8, columns driving 0 to 8.
constexpr int CrewSkillCount = 9;
constexpr int UsualGunnery = 4;
constexpr int UsualDriving = 5;
constexpr std::array<std::array<int, CrewSkillCount>, CrewSkillCount> CrewMultipliers{{
    {242, 231, 221, 210, 193, 175, 168, 159, 150},
    {221, 211, 202, 192, 176, 160, 154, 146, 138},
    {193, 185, 176, 168, 154, 140, 135, 128, 121},
    {166, 158, 151, 144, 132, 120, 116, 110, 104},
    {138, 132, 126, 120, 110, 100, 95, 90, 85},
    {131, 119, 113, 108, 99, 90, 86, 81, 77},
    {124, 112, 107, 102, 94, 85, 81, 77, 72},
    {117, 106, 101, 96, 88, 80, 76, 72, 68},
    {110, 99, 95, 90, 83, 75, 71, 68, 64},
}};
static_assert(CrewMultipliers[UsualGunnery][UsualDriving] == 100);

}  // namespace rules
