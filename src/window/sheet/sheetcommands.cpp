// File > Export Record Sheet (PDF) and Print Record Sheet: the design's record sheet as a PDF
// file or on a printer. Neither changes the design; a failure is told in a message box.
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "window/app/frmMain.h"
#include "window/files/commondialog.h"
#include "core/files/suggestedname.h"
#include "paint/sheetfile.h"
#include "core/sheet/designsheet.h"
#include "window/sheet/printsheet.h"

void frmMain::mnuFileExportSheet_Click()
{
    dlgCommon->setFileName(SuggestedFileName(design_.State().txtVehicleName, QStringLiteral(".pdf")));
    dlgCommon->setFilter(QStringLiteral("PDF (*.pdf)|*.pdf"));
    dlgCommon->setFlags(CommonDialog::OverwritePrompt);
    dlgCommon->setCancelError(true);
    if (!dlgCommon->ShowSave()) return;
    const QString path = dlgCommon->fileName();
    if (!WriteSheetPdf(DesignSheet(design_, *datWeapons, *datAmmo), path))
        QMessageBox::warning(this, QStringLiteral("Tarnwell"),
                             QStringLiteral("The record sheet could not be written to \"%1\".").arg(path));
}

void frmMain::mnuFilePrintSheet_Click()
{
    const SheetModel sheet = DesignSheet(design_, *datWeapons, *datAmmo);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(SheetPageSize(sheet));
    printer.setDocName(sheet.title);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintSheet(sheet, printer))
        QMessageBox::warning(this, QStringLiteral("Tarnwell"), QStringLiteral("The record sheet could not be printed."));
}
