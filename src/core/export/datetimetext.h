#pragma once
// A moment as the platform writes a date and time by default: the regional short date with a
// four-digit year, a blank, and the regional time with seconds ("12/5/2026 9:03:07 PM").
#include <QDateTime>
#include <QString>

QString DateTimeText(const QDateTime& moment);
