#include "tool/readoutpages.h"

#include <QDir>
#include <QFileInfo>

#include "core/design/design.h"
#include "core/files/opendesign.h"

QString CannotRead(const QString& designPath, const QString& why)
{
    return QStringLiteral("cannot read \"%1\": %2").arg(QDir::toNativeSeparators(designPath), why);
}

QString ReadoutPagePath(const QString& outputFolder, const QString& designPath, const QString& extension)
{
    return QDir(outputFolder).filePath(QFileInfo(designPath).completeBaseName() + extension);
}

QString WriteDesignReadout(const QString& designPath, const QString& pagePath, const PageWriter& write)
{
    Design design;
    if (const QString why = OpenReadable(design, designPath); !why.isEmpty()) return CannotRead(designPath, why);
    if (!write(design, pagePath))
        return QStringLiteral("cannot write \"%1\"").arg(QDir::toNativeSeparators(pagePath));
    return QString();
}
