#pragma once
// One mounted item of the payload, in the field order the design file stores.
#include <QLatin1StringView>
#include <QString>

#include "core/values/currency.h"
#include "core/values/int16.h"
#include "core/rules/options.h"

struct PayloadItem {
    QString Class;
    QString Name;
    Int16 Heat;
    Currency Tons;
    QString Location;
    Currency Cost;
    Int16 Reserved;

    bool isEmpty() const { return Name.isEmpty(); }
    bool operator==(const PayloadItem&) const = default;
};

// The word a record's `Location` holds for a mounting location.
inline QLatin1StringView LocationWord(Mounting mounting)
{
    return QLatin1StringView(OptionOf(mounting).word);
}

// Records 1..100 hold the items; record 0 stays empty.
constexpr int PayloadCapacity = 100;
