#include "core/files/valueforms.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace {

constexpr char16_t OpeningQuote = u'\u201C';
constexpr char16_t ClosingQuote = u'\u201D';

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The sign of a number text and what follows it.
struct Signed {
    bool negative;
    QStringView rest;
};

Signed SplitSign(QStringView text)
{
    if (text.startsWith(u'-')) return {true, text.sliced(1)};
    if (text.startsWith(u'+')) return {false, text.sliced(1)};
    return {false, text};
}

bool AllDigits(QStringView text)
{
    for (QChar c : text)
        if (!IsDigit(c)) return false;
    return true;
}

// Appends a digit to a magnitude; false when the magnitude leaves `limit`.
bool AppendDigit(std::uint64_t& magnitude, QChar digit, std::uint64_t limit)
{
    if (magnitude > limit / 10) return false;
    const std::uint64_t next = magnitude * 10 + std::uint64_t(digit.unicode() - u'0');
    if (next > limit) return false;
    magnitude = next;
    return true;
}

// Whether the digits after the fourth decimal round the amount up, halves to even.
bool RoundsUp(QStringView beyond, std::uint64_t magnitude)
{
    if (beyond.isEmpty() || beyond[0] < u'5') return false;
    if (beyond[0] > u'5') return true;
    for (QChar c : beyond.sliced(1))
        if (c != u'0') return true;
    return magnitude % 2 != 0;
}

}  // namespace

QString IntegerFileText(int value)
{
    return QString::number(value);
}

QString CurrencyFileText(Currency value)
{
    const std::int64_t units = value.units();
    const std::uint64_t magnitude = units < 0 ? 0 - std::uint64_t(units) : std::uint64_t(units);
    const std::uint64_t whole = magnitude / Currency::Scale;
    const std::uint64_t fraction = magnitude % Currency::Scale;
    QString text = units < 0 ? QStringLiteral("-") : QString();
    if (whole != 0 || fraction == 0) text += QString::number(whole);
    if (fraction != 0) {
        QString decimals = QString::number(fraction).rightJustified(4, u'0');
        while (decimals.endsWith(u'0')) decimals.chop(1);
        text += u'.' + decimals;
    }
    return text;
}

QString QuotedFileText(const QString& text)
{
    QString quoted = text;
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        if (quoted[i] != u'"') continue;
        const bool opensWord = i == 0 || quoted[i - 1].isSpace() || QStringLiteral("([{").contains(quoted[i - 1]);
        quoted[i] = opensWord ? OpeningQuote : ClosingQuote;
    }
    return u'"' + TextFromFile(quoted).replace(u'\n', QLatin1StringView("\r\n")) + u'"';
}

std::optional<Int16> ParseFileInteger(QStringView text)
{
    // Read as an amount, so that a number with decimals converts to the nearest whole number,
    // halves to even, as any conversion to a whole number does.
    const std::optional<Currency> amount = ParseFileCurrency(text);
    if (!amount) return std::nullopt;
    try {
        return Int16(amount->toInt16());
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
}

// Read digit by digit rather than through the library's number parsers: those go through a
// double, which holds neither every amount of ten-thousandths (19 digits) nor decimals such as
// 0.1 exactly, so an amount would not always read back as the one written, and a fifth decimal
// would not round halves to even.
std::optional<Currency> ParseFileCurrency(QStringView text)
{
    const Signed number = SplitSign(text);
    const qsizetype point = number.rest.indexOf(u'.');
    const QStringView whole = point < 0 ? number.rest : number.rest.first(point);
    const QStringView decimals = point < 0 ? QStringView() : number.rest.sliced(point + 1);
    if (whole.isEmpty() && decimals.isEmpty()) return std::nullopt;
    if (!AllDigits(whole) || !AllDigits(decimals)) return std::nullopt;

    // The magnitude in ten-thousandths; one past the largest, so that the lowest amount is read.
    constexpr std::uint64_t Limit = std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1;
    std::uint64_t magnitude = 0;
    for (QChar digit : whole)
        if (!AppendDigit(magnitude, digit, Limit)) return std::nullopt;
    for (qsizetype place = 0; place < 4; ++place)
        if (!AppendDigit(magnitude, place < decimals.size() ? decimals[place] : QChar(u'0'), Limit))
            return std::nullopt;
    if (RoundsUp(decimals.size() > 4 ? decimals.sliced(4) : QStringView(), magnitude)) {
        if (magnitude == Limit) return std::nullopt;
        ++magnitude;
    }
    if (!number.negative && magnitude == Limit) return std::nullopt;
    const std::int64_t units = number.negative ? std::int64_t(0 - magnitude) : std::int64_t(magnitude);
    return Currency::fromUnits(units);
}

QString TextFromFile(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
