// File > Export Record Sheet (PDF) and Print Record Sheet: the design's record sheet as a PDF
// file or on a printer, every page of it. Neither changes the design; a failure is told in a
// message box.
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
    const QList<SheetModel> pages = DesignSheetPages(design_, *datWeapons, *datAmmo);
    if (!WritePagesPdf(pages, path, pages.first().title))
        QMessageBox::warning(this, QStringLiteral("Tarnwell"),
                             QStringLiteral("The record sheet could not be written to \"%1\".").arg(path));
}

void frmMain::mnuFilePrintSheet_Click()
{
    const QList<SheetModel> pages = DesignSheetPages(design_, *datWeapons, *datAmmo);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(SheetPageSize(pages.first()));
    printer.setDocName(pages.first().title);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintSheet(pages, printer))
        QMessageBox::warning(this, QStringLiteral("Tarnwell"), QStringLiteral("The record sheet could not be printed."));
}
