#include "window/files/filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>

#include "window/files/savefiledialog.h"

namespace {

// The toolkit's dialog keeps a history of folders in a settings file of its own. The program
// remembers nothing between runs, so those settings go to a place where no file can be made.
void KeepNoDialogSettings()
{
    static const bool pointedAway = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
        return true;
    }();
    (void)pointedAway;
}

}  // namespace

QString DialogChooser::Choose(QWidget* owner, const FileRequest& request)
{
    KeepNoDialogSettings();
    SaveCheckingFileDialog dialog(owner, request.title);
    dialog.setObjectName(QStringLiteral("dlgCommonWindow"));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The toolkit's own dialog, the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.asksBeforeReplacing);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters.first());
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    dialog.selectFile(QDir(request.folder).filePath(request.name));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}
