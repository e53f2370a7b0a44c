#pragma once
// One registry value read as text.
#include <QByteArrayView>
#include <QString>

#include "window/about/registry.h"

// Reads `valueName` of `keyName` below `root` into `keyValue`: a string as it is stored (without
// its terminating zero), a 32-bit number in the text form of DwordText. Any other type leaves
// `keyValue` unchanged. False, with `keyValue` emptied, when the key or the value cannot be read.
bool GetKeyValue(Registry& registry, RegKey root, const QString& keyName, const QString& valueName,
                 QString& keyValue);

// A number value's text: `keyValue` followed by each byte, last to first, in hexadecimal without
// a leading zero, read as one hexadecimal number and written in decimal digits. A text that
// does not read as a number stays as "&h" followed by those digits.
QString DwordText(const QString& keyValue, QByteArrayView bytes);
