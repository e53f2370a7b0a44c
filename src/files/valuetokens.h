#pragma once
// Splitting a design file into its values. Blanks before a value are skipped; a value in
// double quotes runs to the next double quote, line breaks included, and whatever stands after
// it up to the next comma or line end is passed over; any other value runs to the next comma or
// line end, without trailing blanks. The comma or line end (CR LF, LF or CR) that ends a value
// is used up with it.
#include <QString>
#include <optional>

struct FileValue {
    QString text;
    qsizetype next;  // where the value after it begins
};

// The value that begins at `from`; empty at the end of the input or at a quote that is never
// closed.
std::optional<FileValue> ReadFileValue(QStringView input, qsizetype from);

// The values of one input, one after the other.
class FileValues {
public:
    explicit FileValues(QString input) : input_(std::move(input)) {}
    std::optional<QString> Next()
    {
        std::optional<FileValue> value = ReadFileValue(input_, position_);
        if (!value) return std::nullopt;
        position_ = value->next;
        return std::move(value->text);
    }

private:
    QString input_;
    qsizetype position_ = 0;
};
