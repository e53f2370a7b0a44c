#pragma once
// The technical readout as plain text, for pasting into chat and forum posts: labelled lines,
// one table of the payload, columns aligned with spaces, no line wider than TextReadoutWidth.
// The figures and words are the plain page's, with the battle value beside the price.
#include <QString>
#include <QStringList>

#include "core/export/readout.h"

// The widest line, in characters.
inline constexpr int TextReadoutWidth = 80;

// The lines without line ends. A value too long for its line (a long name) goes on over lines
// of its own below it, broken after a word, or inside a word longer than the whole line; so do
// the names and locations in the table's columns. Control characters are written as blanks.
// Without a price the cost line is left out.
QStringList TextReadoutLines(const ReadoutDesign& design, int battleValue);

// The lines, each ended by a line feed: what the clipboard gets.
QString TextReadout(const ReadoutDesign& design, int battleValue);

// Creates or empties the file at `path` and writes `text` in UTF-8, without a byte order mark,
// each line feed written as the platform ends lines (CR LF on Windows, LF elsewhere). False
// when the file cannot be created or a write fails.
bool WriteTextFile(const QString& text, const QString& path);
