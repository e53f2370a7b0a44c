#pragma once
// Looking at the whole window from outside, for the File menu tests: everything the window shows
// and its design holds as one list of texts, the check that the controls and the design are in
// step, and whether a file is still held open.
#include "support/toolkit.h"

// Every control of an input that a design file holds, every figure label (text and colour), the
// payload list's lines, and the design's inputs, figures and records (DesignFigures), one
// "name=value" per entry. The browsers, the mounting location and the ammunition tonnage stay
// out: a design file does not touch them.
QStringList DesignSnapshot(const frmMain& window);

// The first way in which the inputs are out of step: the design state against its controls and
// the disabled controls at rest; an empty text when they agree.
QString InputConsistencyFailure(const frmMain& window);

// The first way in which the window is out of step, or an empty text: the design state against
// its controls, the disabled controls at rest, and the payload table, list and totals.
QString DesignConsistencyFailure(const frmMain& window);

// Whether this process holds a descriptor on the file at `path`.
bool FileIsOpen(const QString& path);
