#include "core/sheet/sheetcaption.h"

#include "core/values/numbertext.h"

SheetText ZoneCaption(const QString& name, int points, const QRectF& rect)
{
    // The points as the window's location labels show them.
    return {rect, QStringLiteral("%1 (%2)").arg(name, PlainDigits(points)), CaptionPoints, true,
            Qt::AlignLeft | Qt::AlignVCenter};
}
