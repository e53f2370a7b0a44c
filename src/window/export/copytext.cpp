// File > Copy Readout as Text: the design's readout as plain text on the clipboard, the same
// text tarnwell-readout writes with --style text. The design does not change.
#include <QClipboard>
#include <QGuiApplication>

#include "core/export/gatherreadout.h"
#include "core/export/textreadout.h"
#include "window/app/frmMain.h"

void frmMain::mnuFileCopyText_Click()
{
    QGuiApplication::clipboard()->setText(TextReadout(GatherReadout(design_), design_.State().BattleValue));
}
