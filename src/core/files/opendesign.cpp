#include "core/files/opendesign.h"

#include <QFile>
#include <QFileInfo>

#include "core/design/design.h"
#include "core/files/designrecord.h"

QString OpenReadable(Design& design, const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) return QStringLiteral("the file cannot be opened");
    if (file.size() > LargestDesignFile)
        return QStringLiteral("the file is too large for a design file (over %1 bytes)").arg(LargestDesignFile);
    file.close();
    design.Open(path);
    if (design.DesignFileStopLine() != 0) return QStringLiteral("reading stopped at line %1").arg(design.DesignFileStopLine());
    return QString();
}
