#include "tool/readoutpages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/design/design.h"
#include "core/files/designrecord.h"

namespace {

QString CannotRead(const QString& designPath, const QString& why)
{
    return QStringLiteral("cannot read \"%1\": %2").arg(QDir::toNativeSeparators(designPath), why);
}

bool CanOpen(const QString& path)
{
    QFile file(path);
    return !QFileInfo(path).isDir() && file.open(QIODevice::ReadOnly);
}

}  // namespace

QString ReadoutPagePath(const QString& outputFolder, const QString& designPath, const QString& extension)
{
    return QDir(outputFolder).filePath(QFileInfo(designPath).completeBaseName() + extension);
}

QString WriteDesignReadout(const QString& designPath, const QString& pagePath, const PageWriter& write)
{
    if (!CanOpen(designPath)) return CannotRead(designPath, QStringLiteral("the file cannot be opened"));
    if (QFileInfo(designPath).size() > LargestDesignFile)
        return CannotRead(designPath,
                          QStringLiteral("the file is too large for a design file (over %1 bytes)").arg(LargestDesignFile));
    Design design;
    design.Open(designPath);
    if (design.DesignFileStopLine() != 0)
        return CannotRead(designPath, QStringLiteral("reading stopped at line %1").arg(design.DesignFileStopLine()));
    if (!write(design, pagePath))
        return QStringLiteral("cannot write \"%1\"").arg(QDir::toNativeSeparators(pagePath));
    return QString();
}
