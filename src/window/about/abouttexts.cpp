#include "window/about/abouttexts.h"

#include <QStringList>
#include <array>

#include "core/values/numbertext.h"

namespace {
constexpr std::array<const char*, 11> NoticeLines = {
    "The game's names and marks",
    "belong to their holders.",
    "",
    "Freeware: share, never sell.",
    "\u00A9 2026 Tarnwell developers",
    "",
    "By the Tarnwell developers",
    "Written in December 2026",
    "",
    "First shared on Halvorn:",
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
