#include "core/export/datetimetext.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

// The short date's year written with four digits.
QString DateFormat(const QLocale& locale)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return locale.dateFormat(QLocale::ShortFormat).replace(twoDigitYear, QStringLiteral("yyyy"));
}

// The short time with seconds after the minutes, set off as the minutes are from the hours.
QString TimeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (format.contains(QLatin1Char('s'))) return format;
    const qsizetype minutes = format.indexOf(QStringLiteral("mm"));
    if (minutes < 0) return format;
    const bool setOff = minutes > 0 && !format[minutes - 1].isLetter();
    const QString separator = setOff ? QString(format[minutes - 1]) : QStringLiteral(":");
    return format.insert(minutes + 2, separator + QStringLiteral("ss"));
}

}  // namespace

QString DateTimeText(const QDateTime& moment)
{
    const QLocale locale;
    QString text = locale.toString(moment.date(), DateFormat(locale)) + QLatin1Char(' ') +
                   locale.toString(moment.time(), TimeFormat(locale));
    // Newer regional data set AM and PM off with a narrow no-break space; the text uses a blank.
    return text.replace(QChar(0x202F), QLatin1Char(' '));
}
