#include "window/files/commondialog.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QWidget>

#include "core/files/savefolder.h"

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

bool CommonDialog::ShowOpenSeveral()
{
    FileRequest request = Request(false);
    request.several = true;
    return Take(chooser_->ChooseSeveral(owner_, request));
}

bool CommonDialog::Show(bool save)
{
    const QString chosen = chooser_->Choose(owner_, Request(save));
    return Take(chosen.isEmpty() ? QStringList() : QStringList{chosen});
}

FileRequest CommonDialog::Request(bool save) const
{
    FileRequest request;
    request.save = save;
    request.filters = FilterList(filter_);
    request.folder = QFileInfo(fileName_).isAbsolute() ? QFileInfo(fileName_).absolutePath() : StartFolder();
    request.name = fileName_;
    request.asksBeforeReplacing = flags_ & OverwritePrompt;
    return request;
}

bool CommonDialog::Take(const QStringList& chosen)
{
    if (chosen.isEmpty()) return false;
    fileNames_ = chosen;
    fileName_ = chosen.first();
    lastInitDir_ = initDir_;
    lastFolder_ = QDir::toNativeSeparators(QFileInfo(fileName_).absolutePath());
    return true;
}

// As the platform's common dialog does: given the same initial folder again, it opens where the
// user last chose a file; a folder the user may not write to gives way to the user's own.
QString CommonDialog::StartFolder() const
{
    if (initDir_ == lastInitDir_ && !lastFolder_.isEmpty()) return lastFolder_;
    return WritableStartFolder(initDir_);
}
