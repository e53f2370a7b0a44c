#include "core/armor/allocation.h"

#include <array>

#include "core/values/int16.h"

namespace {

enum Location { Front, Left, Right, Rear, Turret, LocationCount };

struct AllocationShares {
    std::array<int, LocationCount> percent;  // of the points left after the fixed ones
    Location rest;                           // takes what the shares leave
    int turretFirst;                         // points the turret (rotor) takes before the shares
};

constexpr AllocationShares Shares[] = {
    {{0, 25, 25, 20, 0}, Front, 2},   // VTOL
    {{0, 20, 20, 10, 25}, Front, 0},  // turret fitted
    {{30, 25, 25, 0, 0}, Rear, 0},    // no turret
};

}  // namespace

AllocationCase AllocationCaseOf(bool rotor, bool turretFitted)
{
    if (rotor) return AllocationCase::VTOL;
    return turretFitted ? AllocationCase::TurretFitted : AllocationCase::NoTurret;
}

ArmorAllocation AllocateArmor(int points, AllocationCase which)
{
    const AllocationShares& shares = Shares[int(which)];
    std::array<int, LocationCount> value{};
    Int16 left = points;
    if (left > 0 && shares.turretFirst > 0) {
        value[Turret] = shares.turretFirst;
        left -= shares.turretFirst;
    }
    Int16 given = 0;
    for (int location = 0; location < LocationCount; ++location) {
        if (location == shares.rest || shares.percent[location] == 0) continue;
        value[location] = int(left) * shares.percent[location] / 100;
        given += value[location];
    }
    value[shares.rest] = left - given;
    return {value[Front], value[Left], value[Right], value[Rear], value[Turret]};
}
