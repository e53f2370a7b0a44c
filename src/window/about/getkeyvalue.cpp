#include "window/about/getkeyvalue.h"

namespace {
constexpr std::uint32_t BufferSize = 1024;

// The bytes the query returned, without the terminating zero when the last one is zero.
QByteArrayView CutAtTerminator(const QByteArray& buffer, std::uint32_t size)
{
    const qsizetype kept = qMin<qsizetype>(size, buffer.size());
    if (kept > 0 && buffer[kept - 1] == '\0') return QByteArrayView(buffer).first(kept - 1);
    return QByteArrayView(buffer).first(kept);
}
}  // namespace

QString DwordText(const QString& keyValue, QByteArrayView bytes)
{
    QString digits = keyValue;
    for (qsizetype i = bytes.size() - 1; i >= 0; --i)
        digits += QString::number(static_cast<unsigned char>(bytes[i]), 16).toUpper();
    bool isNumber = false;
    const qulonglong number = digits.toULongLong(&isNumber, 16);
    return isNumber ? QString::number(number) : QStringLiteral("&h") + digits;
}

bool GetKeyValue(Registry& registry, RegKey root, const QString& keyName, const QString& valueName,
                 QString& keyValue)
{
    RegKey key = 0;
    if (registry.OpenKey(root, keyName, reg::FullAccess, key) != reg::Success) {
        keyValue.clear();
        registry.CloseKey(key);
        return false;
    }
    QByteArray buffer(BufferSize, '\0');
    std::uint32_t size = BufferSize;
    std::uint32_t type = 0;
    if (registry.QueryValue(key, valueName, type, buffer, size) != reg::Success) {
        keyValue.clear();
        registry.CloseKey(key);
        return false;
    }
    const QByteArrayView text = CutAtTerminator(buffer, size);
    if (type == reg::String) keyValue = QString::fromLocal8Bit(text);  // the system's 8-bit character set
    if (type == reg::Dword) keyValue = DwordText(keyValue, text);
    registry.CloseKey(key);
    return true;
}
