#include "core/files/suggestedname.h"

namespace {

bool FitsFileName(QChar c)
{
    return c != u' ' && c.category() != QChar::Other_Control && !QStringView(u"/\\:*?\"<>|").contains(c);
}

}  // namespace

QString SuggestedFileName(const QString& vehicleName, const QString& extension)
{
    QString name;
    name.reserve(vehicleName.size() + extension.size());
    for (const QChar c : vehicleName)
        if (FitsFileName(c)) name += c;
    return name + extension;
}
