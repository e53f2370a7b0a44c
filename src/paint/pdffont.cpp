#include "paint/pdffont.h"

#include <QFile>
#include <QtEndian>
#include <numeric>

#include "paint/pdfsyntax.h"

namespace {

quint16 Word(const QByteArray& table, int offset)
{
    return offset + 2 <= table.size() ? qFromBigEndian<quint16>(table.constData() + offset) : 0;
}

qint16 SignedWord(const QByteArray& table, int offset)
{
    return qint16(Word(table, offset));
}

// Each glyph back to the first character that the font maps to it.
QByteArray CharacterMap(const QRawFont& font, int glyphs)
{
    QString characters;
    for (char32_t c = 0x20; c <= 0xFFFF; ++c)
        if (c < 0xD800 || c > 0xDFFF) characters.append(QChar(c));
    QList<quint32> indexes(characters.size());
    int count = indexes.size();
    font.glyphIndexesForChars(characters.constData(), characters.size(), indexes.data(), &count);
    QList<char16_t> first(glyphs, 0);
    for (int i = 0; i < count; ++i)
        if (indexes[i] > 0 && indexes[i] < quint32(glyphs) && first[indexes[i]] == 0) first[indexes[i]] = characters[i].unicode();
    QByteArray pairs;
    int entries = 0;
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    // A block holds at most 100 entries.
    const auto flush = [&] {
        if (entries == 0) return;
        map += QByteArray::number(entries) + " beginbfchar\n" + pairs + "endbfchar\n";
        pairs.clear();
        entries = 0;
    };
    for (int glyph = 1; glyph < glyphs; ++glyph) {
        if (first[glyph] == 0) continue;
        pairs += '<' + QByteArray::number(glyph, 16).rightJustified(4, '0') + "> <" +
                 QByteArray::number(first[glyph], 16).rightJustified(4, '0') + ">\n";
        if (++entries == 100) flush();
    }
    flush();
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return map;
}

}  // namespace

PdfFont::PdfFont(const QString& resource)
{
    QFile source(resource);
    const QByteArray data = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
    fileLength_ = int(data.size());
    file_ = Deflate(data);
    // At a size of 1000 pixels the outlines' metrics are the PDF's thousandths of the size.
    const QRawFont font(data, 1000, QFont::PreferNoHinting);
    family_ = font.familyName();
    weight_ = font.weight();
    name_ = QString(family_ + (weight_ >= QFont::Bold ? QStringLiteral("-Bold") : QString())).remove(QLatin1Char(' ')).toLatin1();

    const int glyphs = Word(font.fontTable("maxp"), 4);
    QList<quint32> indexes(glyphs);
    std::iota(indexes.begin(), indexes.end(), 0);
    for (const QPointF& advance : font.advancesForGlyphIndexes(indexes)) advances_ << advance.x();
    widths_ = "[0[";
    for (double advance : advances_) widths_ += PdfNumber(advance) + ' ';
    widths_ += "]]";

    const QByteArray head = font.fontTable("head");
    const double unitsPerEm = std::max<int>(1, Word(head, 18));
    const auto units = [&](int value) { return PdfNumber(std::round(value * 1000 / unitsPerEm)); };
    descriptor_ = "/FontName /" + name_ + " /Flags 32 /FontBBox [" + units(SignedWord(head, 36)) + ' ' + units(SignedWord(head, 38)) +
                  ' ' + units(SignedWord(head, 40)) + ' ' + units(SignedWord(head, 42)) + "] /ItalicAngle 0 /Ascent " +
                  PdfNumber(std::round(font.ascent())) + " /Descent " + PdfNumber(-std::round(font.descent())) +
                  " /CapHeight " + PdfNumber(std::round(font.capHeight())) + " /StemV " + (weight_ >= QFont::Bold ? "120" : "80");
    toUnicode_ = Deflate(CharacterMap(font, glyphs));
}

bool PdfFont::IsFontOf(const QRawFont& font) const
{
    return font.familyName() == family_ && font.weight() == weight_;
}

const PdfFont& SheetPdfFont(bool bold)
{
    static const PdfFont regular(QStringLiteral(":/fonts/TarnwellSans.ttf"));
    static const PdfFont heavy(QStringLiteral(":/fonts/TarnwellSans-Bold.ttf"));
    return bold ? heavy : regular;
}
