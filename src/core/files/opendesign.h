#pragma once
// A design file opened as the Open command opens it, for the programs that read many files and
// must tell which ones they could not read.
#include <QString>

class Design;

// Opens the file at `path` into `design`. Empty when the whole file was read; otherwise why not:
// the file cannot be opened, is too large for a design file, or reading stopped at a line.
QString OpenReadable(Design& design, const QString& path);
