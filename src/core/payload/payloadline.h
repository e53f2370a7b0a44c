#pragma once
// The text of a payload line: name, heat, tons and location in fixed columns, so that the
// lines of the fixed-pitch list stand under the header.
#include <QString>

#include "core/payload/payloaditem.h"

constexpr int PayloadNameWidth = 28;
constexpr int PayloadNumberWidth = 6;

// Name, heat (whole number), tons (one decimal) and location of the record.
QString FormatPayloadLine(const PayloadItem& item);
// Line 0 of the list: "Type:", "Heat:", "Tons:" and "Loc.:" in the same columns.
QString PayloadHeaderLine();
