#include "core/payload/typeahead.h"

bool TypeAhead::Continues(qint64 now, qint64 interval) const
{
    return !text_.isEmpty() && now - lastKey_ < interval;
}

int TypeAhead::Find(const QStringList& names, int current, const QString& typed, qint64 now, qint64 interval)
{
    const bool goesOn = Continues(now, interval);
    text_ = goesOn ? text_ + typed : typed;
    lastKey_ = now;
    QString wanted = text_;
    bool afterCurrent = !goesOn;
    if (wanted.size() > 1 && wanted.count(wanted.front()) == wanted.size()) {
        wanted = wanted.left(1);
        afterCurrent = true;
    }
    const qsizetype count = names.size();
    for (qsizetype step = 0; step < count; ++step) {
        const qsizetype row = ((current + step + (afterCurrent ? 1 : 0)) % count + count) % count;
        if (names[row].startsWith(wanted, Qt::CaseInsensitive)) return int(row);
    }
    return -1;
}
