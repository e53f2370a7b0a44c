#include "core/payload/addtonnage.h"

#include <QLocale>
#include <algorithm>
#include <iterator>

namespace {

constexpr const char* HalfTonNames[] = {"Cargo", "Ammo-Machine Gun"};

}  // namespace

bool SoldByHalfTon(const QString& ammoName)
{
    return std::any_of(std::begin(HalfTonNames), std::end(HalfTonNames),
                       [&](const char* name) { return ammoName == QLatin1String(name); });
}

Currency AddedTons(int value, int top)
{
    if (top == HalfTonTop) return Currency::fromDouble(value * 0.5);
    return value;
}

QString AddTonnageText(int value, int top)
{
    if (top == HalfTonTop) return QLocale().toString(value * 0.5, 'f', QLocale::FloatingPointShortest);
    return QLocale().toString(value);
}
