#include "paint/pdfsyntax.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

void AppendPdfNumber(QByteArray& out, double value, int decimals)
{
    static constexpr std::int64_t Scales[] = {1, 10, 100, 1000};
    decimals = std::clamp(decimals, 0, 3);
    // Far beyond any page, and never undefined.
    if (!std::isfinite(value)) value = 0;
    value = std::clamp(value, -1e12, 1e12);
    std::int64_t scaled = std::llround(value * double(Scales[decimals]));
    // Written backwards from the last digit; trailing zeros of the fraction are left out.
    char text[32];
    char* end = text + sizeof text;
    char* p = end;
    const bool negative = scaled < 0;
    if (negative) scaled = -scaled;
    bool digits = false;
    for (int place = 0; place < decimals; ++place) {
        const int digit = int(scaled % 10);
        scaled /= 10;
        if (digit != 0 || digits) {
            *--p = char('0' + digit);
            digits = true;
        }
    }
    if (digits) *--p = '.';
    do {
        *--p = char('0' + scaled % 10);
        scaled /= 10;
    } while (scaled > 0);
    if (negative && (p[0] != '0' || p + 1 != end)) *--p = '-';
    out.append(p, end - p);
}

QByteArray PdfNumber(double value, int decimals)
{
    QByteArray text;
    AppendPdfNumber(text, value, decimals);
    return text;
}

QByteArray Deflate(const QByteArray& data, int level)
{
    // qCompress puts the length before the zlib stream.
    return qCompress(data, level).mid(4);
}
