#include "about/abouttexts.h"

#include <QStringList>
#include <array>

#include "app/numbertext.h"

namespace {
constexpr std::array<const char*, 11> NoticeLines = {
    "The game's names and marks used here",
    "belong to their respective holders.",
    "",
    "Freeware: copy and share it, never sell it.",
    "Copyright \u00A9 2026 the Tarnwell developers",
    "",
    "Author: the Tarnwell developers",
    "Written in December 2026",
    "",
    "First published on the Halvorn web site:",
    "https://halvorn.example/",
};
}  // namespace

QString AppTitle() { return QStringLiteral("Tarnwell"); }

QString VersionLine()
{
    return QStringLiteral("Version ") + PlainDigits(TARNWELL_VERSION_MAJOR) + QLatin1Char('.') +
           PlainDigits(TARNWELL_VERSION_MINOR) + QLatin1Char('.') + PlainDigits(TARNWELL_VERSION_PATCH);
}

QString NoticeText()
{
    QStringList lines;
    for (const char* line : NoticeLines) lines << QString::fromUtf8(line);
    return lines.join(QStringLiteral("\r\n"));
}
