// File > Export to HTML and Export to HVN HTML: ask where, then write the readout page there.

#include "window/app/frmMain.h"
#include "core/export/readoutfile.h"
#include "window/files/commondialog.h"
#include "core/files/suggestedname.h"

namespace {

const QString ReadoutFilter =
    QStringLiteral("HTML files (*.html)|*.html|HTML files (*.htm)|*.htm|All files (*.*)|*.*");

}  // namespace

// Asks for the path, proposing the vehicle's name without blanks. A failure to open or write
// ends the export quietly; the lines written so far stay.
void frmMain::ExportReadout(ReadoutStyle style)
{
    dlgCommon->setFileName(SuggestedFileName(design_.State().txtVehicleName, QString()));
    dlgCommon->setFilter(ReadoutFilter);
    dlgCommon->setFlags(CommonDialog::OverwritePrompt);
    dlgCommon->setCancelError(true);
    if (!dlgCommon->ShowSave()) return;
    WriteReadoutFile(design_, dlgCommon->fileName(), style);
}

void frmMain::mnuFileExportHTML_Click()
{
    ExportReadout(ReadoutStyle::Plain);
}

void frmMain::mnuFileExportHVN_Click()
{
    ExportReadout(ReadoutStyle::Site);
}
