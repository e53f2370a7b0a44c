#pragma once
// The number forms of the readout, in the user's regional format.
#include <QString>

#include "core/values/currency.h"

// Rounded to a whole number, halves away from zero, with digit grouping.
QString WholeText(Currency value);
QString WholeText(double value);
QString WholeText(int value);
// Rounded to exactly one decimal, halves away from zero, with digit grouping.
QString OneDecimalText(Currency value);
QString OneDecimalText(double value);
// The digits framed by blanks, the leading blank a minus sign for a negative number: " 5 ".
QString SpacedIntegerText(int value);
