#pragma once
// Text files as the program writes and reads them: one byte per character in the Windows-1252
// code page (a character it lacks becomes "?") and CR LF line ends. Writing stops at the first
// failure; whatever was written before it stays in the file.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <optional>

// `text` in Windows-1252, one byte per character, "?" for a character the code page lacks.
QByteArray EightBitText(const QString& text);

// The whole file read as Windows-1252 text; empty when it cannot be read or holds more than
// `largest` bytes.
std::optional<QString> ReadCodePageFile(const QString& path, qint64 largest);

class LineFileWriter {
public:
    LineFileWriter() = default;
    LineFileWriter(const LineFileWriter&) = delete;
    LineFileWriter& operator=(const LineFileWriter&) = delete;
    ~LineFileWriter() { Close(); }

    // Creates the file, or empties an existing one; false when it cannot be opened.
    bool Create(const QString& path);
    // Text without a line end; the next write continues the same line.
    bool Write(const QString& text);
    // Text and CR LF.
    bool WriteLine(const QString& text = QString());
    // Each text as one line, until the first failure.
    bool WriteLines(const QStringList& lines);
    void Close();

    // False once opening or a write has failed; every later write is then skipped.
    bool ok() const { return ok_; }

private:
    QFile file_;
    bool ok_ = false;
};
