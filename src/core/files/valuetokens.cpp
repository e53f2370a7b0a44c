#include "core/files/valuetokens.h"

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool EndsValue(QChar c)
{
    return c == u',' || c == u'\r' || c == u'\n';
}

qsizetype SkipBlanks(QStringView input, qsizetype at)
{
    while (at < input.size() && IsBlank(input[at])) ++at;
    return at;
}

qsizetype FindValueEnd(QStringView input, qsizetype at)
{
    while (at < input.size() && !EndsValue(input[at])) ++at;
    return at;
}

// Past the comma or line end at `at`, if there is one.
qsizetype PastValueEnd(QStringView input, qsizetype at)
{
    if (at >= input.size()) return at;
    if (input[at] == u'\r' && at + 1 < input.size() && input[at + 1] == u'\n') return at + 2;
    return at + 1;
}

}  // namespace

std::optional<FileValue> ReadFileValue(QStringView input, qsizetype from)
{
    const qsizetype start = SkipBlanks(input, from);
    if (start >= input.size()) return std::nullopt;
    if (input[start] == u'"') {
        const qsizetype close = input.indexOf(u'"', start + 1);
        if (close < 0) return std::nullopt;
        const qsizetype end = FindValueEnd(input, close + 1);
        return FileValue{input.sliced(start + 1, close - start - 1).toString(), PastValueEnd(input, end)};
    }
    const qsizetype end = FindValueEnd(input, start);
    qsizetype last = end;
    while (last > start && IsBlank(input[last - 1])) --last;
    return FileValue{input.sliced(start, last - start).toString(), PastValueEnd(input, end)};
}

int LineAt(QStringView input, qsizetype at)
{
    int line = 1;
    for (qsizetype i = 0; i < at && i < input.size(); ++i) {
        if (input[i] == u'\n' || (input[i] == u'\r' && (i + 1 >= input.size() || input[i + 1] != u'\n'))) ++line;
    }
    return line;
}
