// File > Export Force Sheets (PDF): design files chosen together printed as one PDF, the
// force's roster first, then each design's record sheet. The design in the window stays as it
// is; files that cannot be read are left out and named afterwards.
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "core/sheet/force.h"
#include "paint/sheetfile.h"
#include "window/app/frmMain.h"
#include "window/files/commondialog.h"

namespace {

const QString Caption = QStringLiteral("Tarnwell");

// Each file that could not be read on a line of its own, with why.
QString UnreadableLines(const QList<UnreadableDesign>& unreadable)
{
    QStringList lines;
    for (const UnreadableDesign& file : unreadable)
        lines << QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(file.path), file.why);
    return lines.join(u'\n');
}

}  // namespace

void frmMain::mnuFileExportForce_Click()
{
    dlgCommon->setFileName(QString());
    dlgCommon->setFilter(QStringLiteral("Editor files (*.edt)|*.edt|All files (*.*)|*.*"));
    dlgCommon->setFlags(0);
    dlgCommon->setCancelError(true);
    if (!dlgCommon->ShowOpenSeveral()) return;
    const QStringList designFiles = dlgCommon->fileNames();
    const Force force(designFiles);
    if (force.designs().empty()) {
        QMessageBox::warning(this, Caption,
                             QStringLiteral("None of the design files could be read, so no force sheets were written:\n\n") +
                                 UnreadableLines(force.unreadable()));
        return;
    }

    dlgCommon->setFileName(QFileInfo(designFiles.first()).dir().filePath(QStringLiteral("Force.pdf")));
    dlgCommon->setFilter(QStringLiteral("PDF (*.pdf)|*.pdf"));
    dlgCommon->setFlags(CommonDialog::OverwritePrompt);
    if (!dlgCommon->ShowSave()) return;
    const QString path = dlgCommon->fileName();
    QStringList told;
    if (!WritePagesPdf(force.Pages(*datWeapons, *datAmmo), path, ForceTitle(path)))
        told << QStringLiteral("The force sheets could not be written to \"%1\".").arg(path);
    if (!force.unreadable().isEmpty())
        told << QStringLiteral("These design files could not be read and were left out:\n\n") + UnreadableLines(force.unreadable());
    if (!told.isEmpty()) QMessageBox::warning(this, Caption, told.join(QStringLiteral("\n\n")));
}
