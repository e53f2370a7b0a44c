#include "core/rules/designcheck.h"

#include "core/values/numbertext.h"

namespace {

const QLatin1StringView AmmoPrefix("Ammo-");

bool IsAmmunition(const QString& name)
{
    return name.startsWith(AmmoPrefix);
}

// The two Artemis IV families: a launcher's name opens with the letters; a fire-control line
// opens with "Art" and ends with them.
constexpr const char* ArtemisLetters[] = {"SRM", "LRM"};

bool Mounted(const DesignFacts& facts, auto&& test)
{
    for (const PayloadItem& item : facts.items)
        if (!item.isEmpty() && test(item.Name)) return true;
    return false;
}

void NoteUnfiredAmmunition(const DesignFacts& facts, QStringList& notes)
{
    QStringList named;
    for (const PayloadItem& ammo : facts.items) {
        if (!IsAmmunition(ammo.Name) || named.contains(ammo.Name)) continue;
        named << ammo.Name;
        const bool fired = Mounted(facts, [&](const QString& name) { return FiresAmmunition(name, ammo.Name); });
        if (!fired) notes << QStringLiteral("%1: no mounted weapon fires it").arg(ammo.Name);
    }
}

void NoteLoneArtemis(const DesignFacts& facts, QStringList& notes)
{
    for (const char* letters : ArtemisLetters) {
        const QLatin1StringView family(letters);
        const bool lines = Mounted(facts, [&](const QString& name) {
            return name.startsWith(QLatin1StringView("Art")) && name.endsWith(family);
        });
        const bool launchers = Mounted(facts, [&](const QString& name) { return name.startsWith(family); });
        if (lines && !launchers) notes << QStringLiteral("Artemis IV - %1: no %1 launcher left").arg(family);
    }
}

}  // namespace

bool FiresAmmunition(const QString& weaponName, const QString& ammoName)
{
    if (weaponName.isEmpty() || IsAmmunition(weaponName) || !IsAmmunition(ammoName)) return false;
    const QStringView fired = QStringView(ammoName).sliced(AmmoPrefix.size());
    if (!fired.startsWith(weaponName)) return false;
    return fired.size() == weaponName.size() || fired[weaponName.size()] == u' ';
}

QStringList PayloadNotes(std::span<const PayloadItem> items)
{
    DesignFacts facts;
    facts.items = items;
    QStringList notes;
    NoteUnfiredAmmunition(facts, notes);
    NoteLoneArtemis(facts, notes);
    return notes;
}

QStringList BudgetNotes(const DesignFacts& facts)
{
    QStringList notes;
    if (facts.armorTonnage == Currency())
        notes << QStringLiteral("No armor");
    else if (facts.armorPointsRemaining > 0)
        notes << QStringLiteral("%1 armor points bought and not allocated").arg(FixedText(facts.armorPointsRemaining, 0));
    if (facts.tonnageRemaining < Currency())
        notes << QStringLiteral("Tonnage over by %1 tons").arg(FixedText(Currency() - facts.tonnageRemaining, 1));
    if (facts.itemsFree < 0) notes << QStringLiteral("Item slots over by %1").arg(FixedText(-facts.itemsFree, 0));
    return notes;
}

QStringList DesignNotes(const DesignFacts& facts)
{
    return PayloadNotes(facts.items) + BudgetNotes(facts);
}

QString DesignCheckSummary(const QStringList& notes)
{
    if (notes.isEmpty()) return QStringLiteral("Design check: no notes");
    if (notes.size() == 1) return QStringLiteral("Design check: 1 note");
    return QStringLiteral("Design check: %1 notes").arg(FixedText(int(notes.size()), 0));
}
