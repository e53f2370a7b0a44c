#pragma once
// The text of a multi-line box exactly as the user typed it.
#include <QString>

class QPlainTextEdit;

// Every character as typed, no-break spaces included, with a line feed for each line break
// (Enter and Shift+Enter alike). The toolkit's plain-text form would turn no-break spaces into
// blanks.
QString TypedText(const QPlainTextEdit& box);
