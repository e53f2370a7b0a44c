#include "core/values/numbertext.h"

#include <QLocale>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::int64_t Pow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// `units` counts 1/10^unitDecimals; rounds away from zero to `decimals` places and writes it.
QString writeScaled(std::int64_t units, int unitDecimals, int decimals)
{
    if (decimals < unitDecimals) {
        const std::int64_t step = Pow10[unitDecimals - decimals];
        const std::int64_t magnitude = units < 0 ? -units : units;
        std::int64_t rounded = (magnitude + step / 2) / step;
        units = units < 0 ? -rounded : rounded;
        unitDecimals = decimals;
    }
    const std::int64_t divisor = Pow10[unitDecimals];
    // Whole part and fraction stay exact; the locale only places separators.
    const QLocale locale;
    const std::int64_t magnitude = units < 0 ? -units : units;
    QString text = locale.toString(qlonglong(magnitude / divisor));
    if (decimals > 0) {
        QString fraction = QString::number(magnitude % divisor).rightJustified(unitDecimals, QLatin1Char('0'));
        fraction = fraction.leftJustified(decimals, QLatin1Char('0'));
        text += locale.decimalPoint();
        // Digit by digit, so that locales with digits of their own write the whole figure in them.
        for (QChar digit : fraction) text += locale.toString(digit.unicode() - u'0');
    }
    if (units < 0) text.prepend(locale.negativeSign());
    return text;
}

}  // namespace

QString FixedText(Currency value, int decimals)
{
    return writeScaled(value.units(), 4, decimals);
}

QString FixedText(double value, int decimals)
{
    // Six places first take away the binary noise of values such as 1.15.
    return writeScaled(std::llround(value * 1e6), 6, decimals);
}

QString FixedText(int value, int decimals)
{
    return writeScaled(value, 0, decimals);
}

QString PlainDigits(int value)
{
    return QString::number(value);
}

std::optional<double> ReadRegionalNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok) return std::nullopt;
    return value;
}
