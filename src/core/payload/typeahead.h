#pragma once
// Finding a row by typing the first letters of its name, as list views do: letters typed in
// quick succession make one search text, a pause starts a new one.
#include <QString>
#include <QStringList>

class TypeAhead {
public:
    // True while a search is going on at time `now` (milliseconds): the last key came less than
    // `interval` ago. Only then does a space belong to the search text.
    bool Continues(qint64 now, qint64 interval) const;

    // Adds `typed` to the search at time `now` and returns the row of the next name, counted
    // from `current`, that begins with the search text, whatever the letter case; -1 for none.
    // A new search starts after the current row; a longer search text may stay on it; the same
    // letter typed again and again steps through the names that begin with it.
    int Find(const QStringList& names, int current, const QString& typed, qint64 now, qint64 interval);

private:
    QString text_;
    qint64 lastKey_ = 0;
};
