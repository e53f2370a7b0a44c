#include "core/values/textfile.h"

#include <QHash>
#include <QStringDecoder>

namespace {

// The code page's byte for each character it has, taken from the same converter that reads the
// files, so that writing and reading agree on every byte. The toolkit's encoder is not used for
// writing: what it writes for a character outside the code page depends on how the toolkit was
// built, where the file has to hold one '?' for it. Built once: opening a converter costs far
// more than converting a line.
class CodePageBytes {
public:
    CodePageBytes()
    {
        QByteArray all(256, '\0');
        for (int byte = 0; byte < 256; ++byte) all[byte] = char(byte);
        QStringDecoder decoder("windows-1252");
        const QString characters = decoder.decode(all);
        if (characters.size() != 256) return;
        for (int byte = 0; byte < 256; ++byte) {
            const char16_t character = characters[byte].unicode();
            if (character != QChar::ReplacementCharacter) bytes_.insert(character, char(byte));
        }
    }

    char ByteOf(char32_t character) const
    {
        if (character > 0xFFFF) return '?';
        return bytes_.value(char16_t(character), '?');
    }

private:
    QHash<char16_t, char> bytes_;
};

const CodePageBytes& CodePage()
{
    static const CodePageBytes codePage;
    return codePage;
}

void AppendEightBit(QByteArray& bytes, const QString& text)
{
    const CodePageBytes& codePage = CodePage();
    bytes.reserve(bytes.size() + text.size());
    for (const char32_t character : text.toUcs4()) bytes += codePage.ByteOf(character);
}

}  // namespace

QByteArray EightBitText(const QString& text)
{
    QByteArray bytes;
    AppendEightBit(bytes, text);
    return bytes;
}

std::optional<QString> ReadCodePageFile(const QString& path, qint64 largest)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(largest + 1);
    if (bytes.size() > largest || file.error() != QFileDevice::NoError) return std::nullopt;
    QStringDecoder decoder("windows-1252");
    return QString(decoder.decode(bytes));
}

bool LineFileWriter::Create(const QString& path)
{
    Close();
    file_.setFileName(path);
    // Unbuffered, so that each line reaches the file as it is written and a failure shows at
    // the line that caused it.
    ok_ = file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    return ok_;
}

bool LineFileWriter::Write(const QString& text)
{
    if (!ok_) return false;
    const QByteArray bytes = EightBitText(text);
    ok_ = file_.write(bytes) == bytes.size();
    return ok_;
}

bool LineFileWriter::WriteLine(const QString& text)
{
    return Write(text + QStringLiteral("\r\n"));
}

bool LineFileWriter::WriteLines(const QStringList& lines)
{
    // One write for all of them: what reaches the file before a failure is the same.
    if (!ok_) return false;
    QByteArray bytes;
    for (const QString& line : lines) {
        AppendEightBit(bytes, line);
        bytes += "\r\n";
    }
    ok_ = file_.write(bytes) == bytes.size();
    return ok_;
}

void LineFileWriter::Close()
{
    if (file_.isOpen()) file_.close();
    ok_ = false;
}
