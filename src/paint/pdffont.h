#pragma once
// One of the sheet's fonts as a PDF embeds it: the whole font file, its glyph widths and the map
// from glyphs back to characters. They are worked out once per process and then written into
// every file as they are.
#include <QByteArray>
#include <QRawFont>

class PdfFont {
public:
    // The font file among the program's resources, such as ":/fonts/TarnwellSans.ttf".
    explicit PdfFont(const QString& resource);

    // The font file, compressed, for a FontFile2 stream; its length before compression.
    const QByteArray& File() const { return file_; }
    int FileLength() const { return fileLength_; }
    // The entries of the descendant font: /W, and the descriptor's names and metrics.
    const QByteArray& Widths() const { return widths_; }
    const QByteArray& Descriptor() const { return descriptor_; }
    // A compressed ToUnicode character map, so that text read back from the page is text.
    const QByteArray& ToUnicode() const { return toUnicode_; }
    const QByteArray& Name() const { return name_; }
    // The glyph's advance in thousandths of the font's size.
    double Advance(quint32 glyph) const { return glyph < quint32(advances_.size()) ? advances_[glyph] : 0; }
    // Whether a run of glyphs shaped by the toolkit comes from this font.
    bool IsFontOf(const QRawFont& font) const;

private:
    QByteArray file_, widths_, descriptor_, toUnicode_, name_;
    int fileLength_ = 0;
    QList<double> advances_;
    QString family_;
    int weight_ = 0;
};

// The sheet's regular and bold fonts.
const PdfFont& SheetPdfFont(bool bold);
