#pragma once
// The forms of the values in a design file, whatever the regional settings: whole numbers in
// decimal digits, amounts with a period and without trailing zeros, texts between quotes.
#include <QString>
#include <optional>

#include "core/values/currency.h"
#include "core/values/int16.h"

// "20", "-3".
QString IntegerFileText(int value);
// "100000", "1", "12.5", ".5", "-.5", "0": no grouping, no trailing zeros, no point for a whole
// amount and no digit before the point below one.
QString CurrencyFileText(Currency value);
// A text between double quotes, each line break in it (LF, CR LF or CR) as CR LF. The file has
// no escape for a double quote inside a text, so each one is written as a typographic quote:
// an opening one at the start of a word, else a closing one.
QString QuotedFileText(const QString& text);

// Decimal digits with an optional sign, and decimals rounded to the nearest whole number
// (halves to even); empty when that is not the form or the value leaves 16 bits.
std::optional<Int16> ParseFileInteger(QStringView text);
// Digits with an optional sign and an optional period: ".5", "0.5", "12.50", "5.", "-.5".
// Beyond four decimals the amount is rounded, halves to even; empty when that is not the form
// or the amount leaves the currency range.
std::optional<Currency> ParseFileCurrency(QStringView text);
// A text as read from the file with its line breaks (CR LF or a lone CR) turned into LF, as the
// window's text boxes hold them.
QString TextFromFile(QString text);
