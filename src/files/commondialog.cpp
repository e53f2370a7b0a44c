#include "files/commondialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

CommonDialog::CommonDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

namespace {

// "*.*" stands for every file; the toolkit would match only names with a period in them.
QString ToolkitPatterns(const QString& patterns)
{
    QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : list)
        if (pattern.trimmed() == QLatin1String("*.*")) pattern = QStringLiteral("*");
    return list.join(QLatin1Char(' '));
}

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

QStringList CommonDialog::FilterList(const QString& filter)
{
    // The description already names its patterns ("Editor files (*.edt)"); the toolkit reads
    // the patterns from the parentheses, so the pattern half must be written there.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0) description = description.left(open).trimmed();
        entries << QStringLiteral("%1 (%2)").arg(description, ToolkitPatterns(parts[i + 1]));
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
    KeepNoDialogSettings();
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
