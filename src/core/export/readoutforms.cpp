#include "core/export/readoutforms.h"

#include <cstdlib>

#include "core/values/numbertext.h"

QString WholeText(Currency value)
{
    return FixedText(value, 0);
}

QString WholeText(double value)
{
    return FixedText(value, 0);
}

QString WholeText(int value)
{
    return FixedText(value, 0);
}

QString OneDecimalText(Currency value)
{
    return FixedText(value, 1);
}

QString OneDecimalText(double value)
{
    return FixedText(value, 1);
}

QString SpacedIntegerText(int value)
{
    const QString sign = value < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    return sign + PlainDigits(std::abs(value)) + QLatin1Char(' ');
}
