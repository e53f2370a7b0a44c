#pragma once
// The small pieces of PDF syntax the sheet's writer needs.
#include <QByteArray>

// A number as PDF writes it: at most `decimals` decimals, no trailing zeros, no exponent.
QByteArray PdfNumber(double value, int decimals = 2);
// The same appended to `out`; decimals from 0 to 3.
void AppendPdfNumber(QByteArray& out, double value, int decimals);
// A zlib stream for /FlateDecode, compressed at zlib's `level` (1 fastest, 9 smallest).
QByteArray Deflate(const QByteArray& data, int level = 9);
