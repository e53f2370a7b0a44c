#include "window/files/savefiledialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "core/files/savefolder.h"

QString SaveCheckingFileDialog::SaveRefusal(const QString& path)
{
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    if (!QFileInfo(file.absolutePath()).isDir())
        return tr("%1\nDirectory not found.\nPlease verify the correct directory name was given.").arg(folder);
    if (file.exists() && !MayWrite(path))
        return tr("%1\nThis file is set to read-only.\nTry again with a different file name.")
            .arg(QDir::toNativeSeparators(file.absoluteFilePath()));
    if (!file.exists() && !MayWrite(file.absolutePath()))
        return tr("%1\nYou don't have permission to save in this location.\nChoose another folder.").arg(folder);
    return QString();
}

void SaveCheckingFileDialog::accept()
{
    const QStringList files = selectedFiles();
    if (acceptMode() == AcceptSave && !files.isEmpty() && !QFileInfo(files.first()).isDir()) {
        const QString refusal = SaveRefusal(files.first());
        if (!refusal.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), refusal);
            return;
        }
    }
    QFileDialog::accept();
}
