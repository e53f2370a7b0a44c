#pragma once
// One mounted item of the payload, in the field order the design file stores.
#include <QString>

#include "app/currency.h"
#include "app/int16.h"

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

// Records 1..100 hold the items; record 0 stays empty.
constexpr int PayloadCapacity = 100;
