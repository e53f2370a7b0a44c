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

// The physical line, counted from 1, that holds position `at` of `input`; CR LF, a lone LF and
// a lone CR each end a line.
int LineAt(QStringView input, qsizetype at);

// The values of one input, one after the other.
class FileValues {
public:
    explicit FileValues(QString input) : input_(std::move(input)) {}
    std::optional<QString> Next()
    {
        start_ = position_;
        std::optional<FileValue> value = ReadFileValue(input_, position_);
        if (!value) return std::nullopt;
        position_ = value->next;
        return std::move(value->text);
    }

    // Where the next value begins.
    qsizetype Position() const { return position_; }
    // Where the value last asked for begins, whether or not it was there.
    qsizetype LastStart() const { return start_; }
    int LineAt(qsizetype at) const { return ::LineAt(input_, at); }

private:
    QString input_;
    qsizetype position_ = 0;
    qsizetype start_ = 0;
};
