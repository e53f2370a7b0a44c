// The rating runs in every recalculation: the table remembers what each payload record is, one
// pass over the records sums what the rules count, and the sums are whole millionths. The
// breakdown's lines, with their texts, are only made when asked for.
#include "core/battlevalue/battlevalue.h"

#include <algorithm>

#include "core/battlevalue/battlevaluerules.h"
#include "core/design/design.h"

namespace {

using Kind = BattleValueStepKind;

double Value(Millionths amount)
{
    return double(amount) / OneMillionth;
}

Millionths Scaled(Millionths amount, int numerator, int denominator)
{
    return amount * numerator / denominator;
}

// The speed factor of every flank MP a design reaches, worked out once.
int SpeedFactorHundredths(int flank)
{
    static const auto factors = [] {
        std::array<int, 160> hundredths{};
        for (int mp = 0; mp < int(hundredths.size()); ++mp) hundredths[mp] = rules::SpeedFactorHundredths(mp);
        return hundredths;
    }();
    return flank >= 0 && flank < int(factors.size()) ? factors[flank] : rules::SpeedFactorHundredths(flank);
}

bool IsWeapon(const BattleValueEntry& entry)
{
    return !entry.ammunition && entry.role == BattleValueRole::Offensive;
}

bool IsDefensiveItem(const BattleValueEntry& entry)
{
    return !entry.ammunition && entry.role == BattleValueRole::Defensive;
}

bool FeedsWeapon(const BattleValueEntry& entry)
{
    return entry.ammunition && entry.weapon >= 0 && entry.role != BattleValueRole::None;
}

// The bins of ammunition that feed one weapon.
struct AmmunitionGroup {
    int weapon;
    BattleValueRole role;
    Millionths figure;       // per ton x tons, before the cap
    std::int64_t tonsUnits;  // in Currency units
    Millionths weapons;      // the plain battle value of the weapons it feeds: the cap
};

class Rater {
public:
    Rater(const DesignState& s, const BattleValueTable& table, QList<BattleValueStep>* steps)
        : s_(s), table_(table), steps_(steps), count_(std::clamp(int(s.PayloadCount), 0, PayloadCapacity)),
          flank_(int(s.FlankMP.units() / Currency::Scale))
    {
    }

    BattleValueRating Rate()
    {
        Tally();
        const Millionths defensive = Defensive();
        const Millionths offensive = Offensive();
        const Millionths total = defensive + offensive;
        const int value = int((total + OneMillionth / 2) / OneMillionth);
        Note([&] { return BattleValueStep{.kind = Kind::Total, .amount = Value(defensive), .addend = Value(offensive), .result = Value(total)}; });
        Note([&] { return BattleValueStep{.kind = Kind::Rounded, .amount = Value(total), .result = double(value)}; });
        return {Value(defensive), Value(offensive), Value(total), value, unrated_};
    }

private:
    // Adds the line `make` makes, only when lines are asked for.
    template <class Make>
    void Note(Make make)
    {
        if (steps_) steps_->append(make());
    }

    const PayloadItem& Item(int k) const { return s_.PayloadItems[k]; }
    bool Artemis(const BattleValueEntry& entry) const { return entry.artemis && (s_.*entry.artemis).checked; }
    Millionths WeaponFigure(const BattleValueEntry& entry) const
    {
        return Artemis(entry) ? Scaled(entry.figure, rules::ArtemisFactorTenths, 10) : entry.figure;
    }

    AmmunitionGroup* GroupOf(int weapon)
    {
        for (int g = 0; g < groupCount_; ++g)
            if (groups_[g].weapon == weapon) return &groups_[g];
        return nullptr;
    }

    // One pass: the weapons by facing, the defensive items, the ammunition by the weapon it
    // feeds; then, where there is ammunition, the plain battle value of the weapons it feeds.
    void Tally()
    {
        table_.Rate(s_.PayloadItems.data(), count_, records_);
        for (int k = 1; k <= count_; ++k) {
            const BattleValueEntry* entry = records_[k].entry;
            if (!entry) {
                unrated_ += Item(k).isEmpty() ? 0 : 1;
            } else if (IsWeapon(*entry)) {
                weapons_[int(records_[k].facing)] += WeaponFigure(*entry);
            } else if (IsDefensiveItem(*entry)) {
                defensiveItems_ += entry->figure;
            } else if (FeedsWeapon(*entry)) {
                AmmunitionGroup* group = GroupOf(entry->weapon);
                if (!group) group = &(groups_[groupCount_++] = {entry->weapon, entry->role, 0, 0, 0});
                group->figure += entry->figure * Item(k).Tons.units() / Currency::Scale;
                group->tonsUnits += Item(k).Tons.units();
            }
        }
        if (groupCount_ == 0) return;
        for (int k = 1; k <= count_; ++k)
            if (const BattleValueEntry* entry = records_[k].entry; entry && !entry->ammunition && entry->weapon >= 0)
                if (AmmunitionGroup* group = GroupOf(entry->weapon)) group->weapons += entry->figure;
    }

    Millionths AddAmmunition(BattleValueRole role, Kind kind)
    {
        Millionths sum = 0;
        for (int g = 0; g < groupCount_; ++g) {
            const AmmunitionGroup& group = groups_[g];
            if (group.role != role) continue;
            const Millionths counted = std::min(group.figure, group.weapons);
            sum += counted;
            Note([&] {
                const double tons = double(group.tonsUnits) / Currency::Scale;
                return BattleValueStep{.kind = kind, .name = table_.WeaponName(group.weapon), .amount = tons,
                                       .factor = tons > 0 ? Value(group.figure) / tons : 0, .cap = Value(group.weapons),
                                       .result = Value(counted)};
            });
        }
        return sum;
    }

    Millionths Defensive()
    {
        const int armor = s_.vsbFrontArmor.value + s_.vsbLeftArmor.value + s_.vsbRightArmor.value +
                          s_.vsbRearArmor.value + s_.vsbTurretArmor.value;
        Millionths sum = Scaled(armor * OneMillionth, rules::ArmorHalves, 2);
        Note([&] { return BattleValueStep{.kind = Kind::Armor, .amount = double(armor), .factor = rules::ArmorHalves / 2.0, .result = Value(sum)}; });

        const std::optional<Motive> motive = MotiveOf(s_.MotiveType);
        const bool topside = s_.chkTurret.checked || motive == Motive::VTOL;
        const int locations = rules::StructureLocations + (topside ? 1 : 0);
        const int perLocation = (std::max(int(s_.Mass), 0) + rules::TonsPerStructurePoint - 1) / rules::TonsPerStructurePoint;
        const Millionths structure = Scaled(locations * perLocation * OneMillionth, rules::StructureHalves, 2);
        sum += structure;
        Note([&] {
            return BattleValueStep{.kind = Kind::Structure, .amount = double(locations * perLocation),
                                   .factor = rules::StructureHalves / 2.0, .count = locations, .result = Value(structure)};
        });

        sum += defensiveItems_;
        if (steps_)
            for (int k = 1; k <= count_; ++k)
                if (const BattleValueEntry* entry = records_[k].entry; entry && IsDefensiveItem(*entry))
                    steps_->append({.kind = Kind::DefensiveItem, .name = Item(k).Name, .location = Item(k).Location,
                                    .amount = Value(entry->figure), .result = Value(entry->figure)});
        sum += AddAmmunition(BattleValueRole::Defensive, Kind::DefensiveAmmunition);

        const rules::BattleValueMotiveRow* row = motive ? &rules::BattleValueMotives[int(*motive)] : nullptr;
        const int motiveTenths = row ? row->factorTenths : 10;
        const Millionths moved = Scaled(sum, motiveTenths, 10);
        Note([&] {
            return BattleValueStep{.kind = Kind::MovementFactor, .name = motive ? QString::fromLatin1(OptionOf(*motive).caption) : QString(),
                                   .amount = Value(sum), .factor = motiveTenths / 10.0, .result = Value(moved)};
        });

        const int modifier = rules::TargetModifier(flank_) + (row ? row->modifierBonus : 0);
        const int modifierTenths = rules::TargetModifierFactorTenths(modifier);
        const Millionths rating = Scaled(moved, modifierTenths, 10);
        Note([&] {
            return BattleValueStep{.kind = Kind::TargetModifier, .amount = Value(moved), .factor = modifierTenths / 10.0,
                                   .count = modifier, .flank = flank_, .result = Value(rating)};
        });
        return rating;
    }

    Millionths Offensive()
    {
        // The smaller of the front and rear sums faces rear; on a tie, the rear. Its weapons
        // count half.
        const Millionths front = weapons_[int(Facing::Front)];
        const Millionths rear = weapons_[int(Facing::Rear)];
        const Facing rearFacing = front < rear ? Facing::Front : Facing::Rear;
        const Millionths halved = rearFacing == Facing::Front ? front : rear;
        Millionths sum = weapons_[int(Facing::Elsewhere)] + (front + rear - halved) + Scaled(halved, rules::RearFacingFactorTenths, 10);
        if (steps_)
            for (int k = 1; k <= count_; ++k)
                if (const BattleValueEntry* entry = records_[k].entry; entry && IsWeapon(*entry)) NoteWeapon(k, *entry, records_[k].facing == rearFacing);
        sum += AddAmmunition(BattleValueRole::Offensive, Kind::Ammunition);

        const int mass = s_.Mass;
        const Millionths tonnage = Scaled(mass * OneMillionth, rules::TonnageHalves, 2);
        sum += tonnage;
        Note([&] { return BattleValueStep{.kind = Kind::Tonnage, .amount = double(mass), .factor = rules::TonnageHalves / 2.0, .result = Value(tonnage)}; });

        const int speedHundredths = SpeedFactorHundredths(flank_);
        const Millionths rating = Scaled(sum, speedHundredths, 100);
        Note([&] {
            return BattleValueStep{.kind = Kind::SpeedFactor, .amount = Value(sum), .factor = speedHundredths / 100.0, .flank = flank_,
                                   .result = Value(rating)};
        });
        return rating;
    }

    void NoteWeapon(int k, const BattleValueEntry& entry, bool half)
    {
        const bool artemis = Artemis(entry);
        const Millionths figure = half ? Scaled(WeaponFigure(entry), rules::RearFacingFactorTenths, 10) : WeaponFigure(entry);
        const double factor = (artemis ? rules::ArtemisFactorTenths / 10.0 : 1.0) * (half ? rules::RearFacingFactorTenths / 10.0 : 1.0);
        steps_->append({.kind = Kind::Weapon, .name = Item(k).Name, .location = Item(k).Location, .amount = Value(entry.figure),
                        .factor = factor, .artemis = artemis, .rearFacing = half, .result = Value(figure)});
    }

    const DesignState& s_;
    const BattleValueTable& table_;
    QList<BattleValueStep>* steps_;
    const int count_;
    const int flank_;
    RatedRecord records_[PayloadCapacity + 1];
    Millionths weapons_[3] = {};  // by Facing, Artemis IV counted
    Millionths defensiveItems_ = 0;
    AmmunitionGroup groups_[PayloadCapacity];
    int groupCount_ = 0;
    int unrated_ = 0;
};

}  // namespace

BattleValueRating RateBattleValue(const DesignState& design, const BattleValueTable& table)
{
    return Rater(design, table, nullptr).Rate();
}

QList<BattleValueStep> BattleValueBreakdown(const DesignState& design, const BattleValueTable& table)
{
    QList<BattleValueStep> steps;
    Rater(design, table, &steps).Rate();
    return steps;
}

std::optional<double> CrewMultiplier(int gunnery, int driving)
{
    if (gunnery < 0 || gunnery >= rules::CrewSkillCount || driving < 0 || driving >= rules::CrewSkillCount) return std::nullopt;
    return rules::CrewMultipliers[gunnery][driving] / 100.0;
}

std::optional<int> CrewBattleValue(int battleValue, int gunnery, int driving)
{
    if (!CrewMultiplier(gunnery, driving)) return std::nullopt;
    const long long hundredths = static_cast<long long>(battleValue) * rules::CrewMultipliers[gunnery][driving];
    return int((hundredths + 50) / 100);
}
