#pragma once
// The design check: notes on a design that the rules accept but a player would want to know
// about. It only reads; nothing is refused or changed.
#include <QString>
#include <QStringList>
#include <span>

#include "core/values/currency.h"
#include "core/payload/payloaditem.h"

// What the check looks at, taken from the design after a recalculation.
struct DesignFacts {
    std::span<const PayloadItem> items;  // the mounted items; empty records are skipped
    Currency armorTonnage;
    int armorPointsRemaining = 0;  // points bought less the points on the locations
    Currency tonnageRemaining;     // the mass less the tonnage used
    int itemsFree = 0;
};

// True when the weapon named `weaponName` fires the ammunition named `ammoName`: the
// ammunition is "Ammo-" and the weapon's exact name, alone or followed by a blank and a kind
// ("Ammo-LB 10-X AC Cluster").
bool FiresAmmunition(const QString& weaponName, const QString& ammoName);

// The notes, in a fixed order; empty for a design without any.
QStringList DesignNotes(const DesignFacts& facts);
// The notes on the payload alone (ammunition no weapon fires, Artemis IV without launchers),
// then those on the budgets: DesignNotes is the one list after the other.
QStringList PayloadNotes(std::span<const PayloadItem> items);
QStringList BudgetNotes(const DesignFacts& facts);

// "Design check: no notes", "Design check: 1 note", "Design check: 3 notes".
QString DesignCheckSummary(const QStringList& notes);
