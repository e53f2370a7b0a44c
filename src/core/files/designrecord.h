#pragma once
// Values of a design file read into their targets, and a payload record: its seven fields on
// one line, separated by commas.
#include <QString>
#include <optional>

#include "core/files/valuetokens.h"
#include "core/payload/payloaditem.h"

// The largest design file read, in bytes: far above any design a user can type; a longer file
// is not a design file.
constexpr qint64 LargestDesignFile = 1 << 20;

// The next value into `target`; false, leaving `target` as it was, when the value is missing or
// not of the target's kind. Texts come with LF line breaks.
bool ReadField(FileValues& values, QString& target);
bool ReadField(FileValues& values, Int16& target);
bool ReadField(FileValues& values, Currency& target);

// "Class","Name",Heat,Tons,"Location",Cost,Reserved
QString PayloadRecordText(const PayloadItem& item);
// The seven fields read in turn; empty at the first one that is missing or not of its kind.
std::optional<PayloadItem> ReadPayloadRecord(FileValues& values);
