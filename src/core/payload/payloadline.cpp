#include "core/payload/payloadline.h"

#include "core/values/numbertext.h"

namespace {

// Each column is padded on the right to its width; a longer text is kept whole and pushes the
// columns after it to the right rather than losing characters.
QString JoinColumns(const QString& name, const QString& heat, const QString& tons, const QString& location)
{
    return name.leftJustified(PayloadNameWidth) + heat.leftJustified(PayloadNumberWidth) +
           tons.leftJustified(PayloadNumberWidth) + location;
}

}  // namespace

QString FormatPayloadLine(const PayloadItem& item)
{
    return JoinColumns(item.Name, FixedText(int(item.Heat), 0), FixedText(item.Tons, 1), item.Location);
}

QString PayloadHeaderLine()
{
    return JoinColumns(QStringLiteral("Type:"), QStringLiteral("Heat:"), QStringLiteral("Tons:"),
                       QStringLiteral("Loc.:"));
}
