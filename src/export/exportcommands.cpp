// File > Export to HTML and Export to HVN HTML: ask where, then write the readout page there.
#include <QLineEdit>

#include "app/frmMain.h"
#include "export/readoutfile.h"
#include "files/commondialog.h"
#include "files/suggestedname.h"

namespace {

const QString ReadoutFilter =
    QStringLiteral("HTML files (*.html)|*.html|HTML files (*.htm)|*.htm|All files (*.*)|*.*");

// The path the user picks for the page, proposing the vehicle's name without blanks; empty
// when the dialog is cancelled.
QString AskReadoutPath(frmMain& w)
{
    w.dlgCommon->setFileName(SuggestedFileName(w.txtVehicleName->text(), QString()));
    w.dlgCommon->setFilter(ReadoutFilter);
    w.dlgCommon->setFlags(CommonDialog::OverwritePrompt);
    w.dlgCommon->setCancelError(true);
    if (!w.dlgCommon->ShowSave()) return QString();
    return w.dlgCommon->fileName();
}

// A failure to open or write ends the export quietly; the lines written so far stay.
void ExportReadout(frmMain& w, ReadoutStyle style)
{
    const QString path = AskReadoutPath(w);
    if (path.isEmpty()) return;
    WriteReadoutFile(w, path, style);
}

}  // namespace

void frmMain::mnuFileExportHTML_Click()
{
    ExportReadout(*this, ReadoutStyle::Plain);
}

void frmMain::mnuFileExportHVN_Click()
{
    ExportReadout(*this, ReadoutStyle::Site);
}
