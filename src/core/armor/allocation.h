#pragma once

// Points of the five armor locations; the turret location is a VTOL's rotor.
struct ArmorAllocation {
    int front = 0;
    int left = 0;
    int right = 0;
    int rear = 0;
    int turret = 0;
    bool operator==(const ArmorAllocation&) const = default;
};

enum class AllocationCase { VTOL = 0, TurretFitted = 1, NoTurret = 2 };

// The rotor case comes first: a vehicle with a rotor has no turret.
AllocationCase AllocationCaseOf(bool rotor, bool turretFitted);
// Spreads `points` over the locations by the fixed shares of the case.
ArmorAllocation AllocateArmor(int points, AllocationCase which);
