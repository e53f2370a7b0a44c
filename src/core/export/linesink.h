#pragma once
// Collects output lines; a piece written without a line end is continued by the next piece.
#include <QString>
#include <QStringList>

class LineSink {
public:
    // Continues the open line.
    void Write(const QString& text) { open_ += text; }
    // Ends the open line with `text`.
    void Line(const QString& text = QString())
    {
        lines_ << open_ + text;
        open_.clear();
    }
    // The finished lines; a line still open is ended first.
    QStringList Lines()
    {
        if (!open_.isEmpty()) Line();
        return lines_;
    }

private:
    QStringList lines_;
    QString open_;
};
