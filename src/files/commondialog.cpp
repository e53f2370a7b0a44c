#include "files/commondialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

CommonDialog::CommonDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

QStringList CommonDialog::FilterList(const QString& filter)
{
    // The description already names its patterns ("Editor files (*.edt)"); the toolkit reads
    // the patterns from the parentheses, so the pattern half must be written there.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString pattern = parts[i + 1];
        const int open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0) description = description.left(open).trimmed();
        entries << QStringLiteral("%1 (%2)").arg(description, QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' ')));
    }
    return entries;
}

bool CommonDialog::ShowOpen()
{
    return Show(false);
}

bool CommonDialog::ShowSave()
{
    return Show(true);
}

bool CommonDialog::Show(bool save)
{
    QFileDialog dialog(owner_);
    dialog.setObjectName(QStringLiteral("dlgCommonWindow"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The toolkit's own dialog, the same on every desktop and reachable by tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(flags_ & OverwritePrompt));
    const QStringList filters = FilterList(filter_);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
    const QString folder = QFileInfo(fileName_).isAbsolute() ? QFileInfo(fileName_).absolutePath() : initDir_;
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    dialog.selectFile(QFileInfo(fileName_).isAbsolute() ? fileName_ : QDir(folder).filePath(fileName_));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName_ = QDir::toNativeSeparators(dialog.selectedFiles().first());
    return true;
}
