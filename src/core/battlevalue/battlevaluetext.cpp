#include <QLocale>
#include <cmath>

#include "core/battlevalue/battlevaluestep.h"

namespace {

// As few decimals as the figure has, up to the millionths the rating counts in, in the
// regional format.
QString Number(double value)
{
    return QLocale().toString(std::round(value * 1e6) / 1e6, 'f', QLocale::FloatingPointShortest);
}

QString Tons(double tons)
{
    return Number(tons) + (tons == 1 ? QStringLiteral(" ton") : QStringLiteral(" tons"));
}

QString Product(double amount, double factor, double result)
{
    return QStringLiteral("%1 x %2 = %3").arg(Number(amount), Number(factor), Number(result));
}

QString Ammunition(const BattleValueStep& step)
{
    return QStringLiteral("Ammunition for %1: %2 x %3 = %4, at most %5: %6")
        .arg(step.name, Tons(step.amount), Number(step.factor), Number(step.amount * step.factor), Number(step.cap), Number(step.result));
}

QString Weapon(const BattleValueStep& step)
{
    QString text = QStringLiteral("%1 (%2)").arg(step.name, step.location);
    if (step.artemis) text += QStringLiteral(", Artemis IV");
    if (step.rearFacing) text += QStringLiteral(", rear-facing");
    // A weapon that counts in full shows its figure alone.
    return text + QStringLiteral(": ") + (step.factor == 1 ? Number(step.result) : Product(step.amount, step.factor, step.result));
}

}  // namespace

QString BattleValueStepText(const BattleValueStep& step)
{
    const QLocale locale;
    switch (step.kind) {
    case BattleValueStepKind::Armor:
        return QStringLiteral("Armor: %1 points x %2 = %3").arg(Number(step.amount), Number(step.factor), Number(step.result));
    case BattleValueStepKind::Structure:
        return QStringLiteral("Internal structure: %1 points in %2 locations x %3 = %4")
            .arg(Number(step.amount), locale.toString(step.count), Number(step.factor), Number(step.result));
    case BattleValueStepKind::DefensiveItem:
        return QStringLiteral("%1 (%2): %3").arg(step.name, step.location, Number(step.result));
    case BattleValueStepKind::DefensiveAmmunition:
    case BattleValueStepKind::Ammunition: return Ammunition(step);
    case BattleValueStepKind::MovementFactor:
        return QStringLiteral("Movement type %1: %2").arg(step.name, Product(step.amount, step.factor, step.result));
    case BattleValueStepKind::TargetModifier:
        return QStringLiteral("Target movement modifier %1 (flank MP %2): %3")
            .arg(locale.toString(step.count), locale.toString(step.flank), Product(step.amount, step.factor, step.result));
    case BattleValueStepKind::Weapon: return Weapon(step);
    case BattleValueStepKind::Tonnage:
        return QStringLiteral("Tonnage: %1 / 2 = %2").arg(Tons(step.amount), Number(step.result));
    case BattleValueStepKind::SpeedFactor:
        return QStringLiteral("Speed factor for flank MP %1: %2")
            .arg(locale.toString(step.flank), Product(step.amount, step.factor, step.result));
    case BattleValueStepKind::Total:
        return QStringLiteral("Defensive %1 + offensive %2 = %3").arg(Number(step.amount), Number(step.addend), Number(step.result));
    case BattleValueStepKind::Rounded:
        return QStringLiteral("Battle value: %1, rounded %2").arg(Number(step.amount), Number(step.result));
    }
    return {};
}
