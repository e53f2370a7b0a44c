#include "core/files/savefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool MayWrite(const QString& path)
{
    const QFileInfo info(path);
    constexpr QFile::Permissions AnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.exists() && info.isWritable() && (info.permissions() & AnyWrite);
}

QString WritableStartFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir() && MayWrite(folder)) return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return QDir::toNativeSeparators(documents);
    return QDir::toNativeSeparators(QDir::homePath());
}
