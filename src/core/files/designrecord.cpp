#include "core/files/designrecord.h"

#include <QStringList>

#include "core/files/valueforms.h"

namespace {

template <class T, class Parse>
bool ReadParsed(FileValues& values, T& target, Parse parse)
{
    const std::optional<QString> text = values.Next();
    if (!text) return false;
    const std::optional<T> value = parse(*text);
    if (!value) return false;
    target = *value;
    return true;
}

}  // namespace

bool ReadField(FileValues& values, QString& target)
{
    return ReadParsed(values, target, [](const QString& text) { return std::optional(TextFromFile(text)); });
}

bool ReadField(FileValues& values, Int16& target)
{
    return ReadParsed(values, target, ParseFileInteger);
}

bool ReadField(FileValues& values, Currency& target)
{
    return ReadParsed(values, target, ParseFileCurrency);
}

QString PayloadRecordText(const PayloadItem& item)
{
    return QStringList{QuotedFileText(item.Class), QuotedFileText(item.Name), IntegerFileText(item.Heat),
                       CurrencyFileText(item.Tons), QuotedFileText(item.Location), CurrencyFileText(item.Cost),
                       IntegerFileText(item.Reserved)}
        .join(u',');
}

std::optional<PayloadItem> ReadPayloadRecord(FileValues& values)
{
    PayloadItem item;
    const bool complete = ReadField(values, item.Class) && ReadField(values, item.Name) &&
                          ReadField(values, item.Heat) && ReadField(values, item.Tons) &&
                          ReadField(values, item.Location) && ReadField(values, item.Cost) &&
                          ReadField(values, item.Reserved);
    if (!complete) return std::nullopt;
    return item;
}
