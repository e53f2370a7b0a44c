#pragma once
// The caption of a zone: its name with its points beside it.
#include <QRectF>
#include <QString>

#include "core/sheet/sheetmodel.h"

constexpr double CaptionPoints = 7;

SheetText ZoneCaption(const QString& name, int points, const QRectF& rect);
