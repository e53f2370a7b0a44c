#include "app/textfile.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// The converter marks a character it cannot map with this control code.
constexpr char Substitute = '\x1a';

}  // namespace

QByteArray EightBitText(const QString& text)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(text);
    // One byte per character, so the bytes line up with the code points of the text.
    const QList<uint> characters = text.toUcs4();
    if (bytes.size() == characters.size()) {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            if (bytes[i] == Substitute && characters[i] != uint(Substitute)) bytes[i] = '?';
    }
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
    for (const QString& line : lines)
        if (!WriteLine(line)) return false;
    return ok_;
}

void LineFileWriter::Close()
{
    if (file_.isOpen()) file_.close();
    ok_ = false;
}
