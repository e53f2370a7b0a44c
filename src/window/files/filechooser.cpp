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

// The toolkit's dialog shown for the request: the paths chosen, or none.
QStringList ShowDialog(QWidget* owner, const FileRequest& request)
{
    KeepNoDialogSettings();
    SaveCheckingFileDialog dialog(owner, request.title);
    dialog.setObjectName(QStringLiteral("dlgCommonWindow"));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.several && !request.save ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
    // The toolkit's own dialog, the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.asksBeforeReplacing);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters.first());
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    if (!request.several || !request.name.isEmpty()) dialog.selectFile(QDir(request.folder).filePath(request.name));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) return {};
    QStringList chosen;
    for (const QString& path : dialog.selectedFiles()) chosen << QDir::toNativeSeparators(path);
    return chosen;
}

}  // namespace

QStringList FileChooser::ChooseSeveral(QWidget* owner, const FileRequest& request)
{
    const QString chosen = Choose(owner, request);
    return chosen.isEmpty() ? QStringList() : QStringList{chosen};
}

QString DialogChooser::Choose(QWidget* owner, const FileRequest& request)
{
    return ShowDialog(owner, request).value(0);
}

QStringList DialogChooser::ChooseSeveral(QWidget* owner, const FileRequest& request)
{
    return ShowDialog(owner, request);
}
