#include "paint/pdfdocument.h"

#include "paint/pdffont.h"
#include "paint/pdfpage.h"
#include "paint/pdfsyntax.h"

namespace {

// Objects written in order, each remembering where it starts for the cross-reference table.
class PdfObjects {
public:
    PdfObjects() { bytes_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }
    // The number the next object added will have.
    int Next() const { return int(offsets_.size()) + 1; }
    int Add(const QByteArray& body)
    {
        offsets_ << bytes_.size();
        bytes_ += QByteArray::number(offsets_.size()) + " 0 obj\n" + body + "\nendobj\n";
        return int(offsets_.size());
    }
    int AddStream(const QByteArray& dictionary, const QByteArray& data)
    {
        return Add("<<" + dictionary + " /Length " + QByteArray::number(data.size()) + ">>\nstream\n" + data + "\nendstream");
    }
    QByteArray Finish(int catalog, int info)
    {
        const qsizetype start = bytes_.size();
        bytes_ += "xref\n0 " + QByteArray::number(offsets_.size() + 1) + "\n0000000000 65535 f \n";
        for (qsizetype offset : offsets_) bytes_ += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        bytes_ += "trailer\n<</Size " + QByteArray::number(offsets_.size() + 1) + " /Root " + Reference(catalog) + " /Info " +
                  Reference(info) + ">>\nstartxref\n" + QByteArray::number(start) + "\n%%EOF\n";
        return bytes_;
    }
    static QByteArray Reference(int object) { return QByteArray::number(object) + " 0 R"; }

private:
    QByteArray bytes_;
    QList<qsizetype> offsets_;
};

// A text string as UTF-16 with its byte order mark, in hexadecimal.
QByteArray TextString(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (QChar c : text) hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
    return hex + '>';
}

// The font as a composite font over glyph indexes, so that any glyph of the file can be shown.
int AddFont(PdfObjects& objects, const PdfFont& font)
{
    const int file = objects.AddStream(" /Filter /FlateDecode /Length1 " + QByteArray::number(font.FileLength()), font.File());
    const int descriptor = objects.Add("<</Type /FontDescriptor " + font.Descriptor() + " /FontFile2 " + PdfObjects::Reference(file) + ">>");
    const int descendant = objects.Add("<</Type /Font /Subtype /CIDFontType2 /BaseFont /" + font.Name() +
                                       " /CIDSystemInfo <</Registry (Adobe) /Ordering (Identity) /Supplement 0>> /FontDescriptor " +
                                       PdfObjects::Reference(descriptor) + " /CIDToGIDMap /Identity /W " + font.Widths() + ">>");
    const int unicode = objects.AddStream(" /Filter /FlateDecode", font.ToUnicode());
    return objects.Add("<</Type /Font /Subtype /Type0 /BaseFont /" + font.Name() + " /Encoding /Identity-H /DescendantFonts [" +
                       PdfObjects::Reference(descendant) + "] /ToUnicode " + PdfObjects::Reference(unicode) + ">>");
}

}  // namespace

QByteArray PdfDocument(const QList<const PdfPage*>& pages, const QString& title)
{
    PdfObjects objects;
    QByteArray fonts;
    for (bool bold : {false, true})
        if (std::any_of(pages.begin(), pages.end(), [&](const PdfPage* page) { return page->UsesFont(bold); }))
            fonts += " /F" + QByteArray::number(int(bold)) + ' ' + PdfObjects::Reference(AddFont(objects, SheetPdfFont(bold)));
    // The page tree comes after its pages, which name it as their parent.
    const int tree = objects.Next() + 2 * int(pages.size());
    QByteArray kids;
    for (const PdfPage* page : pages) {
        const int content = objects.AddStream(" /Filter /FlateDecode", Deflate(page->Content(), 1));
        kids += PdfObjects::Reference(objects.Add("<</Type /Page /Parent " + PdfObjects::Reference(tree) + " /MediaBox [0 0 " +
                                                  PdfNumber(page->Points().width()) + ' ' + PdfNumber(page->Points().height()) +
                                                  "] /Resources <</ProcSet [/PDF /Text] /Font <<" + fonts + ">>>> /Contents " +
                                                  PdfObjects::Reference(content) + ">>")) +
                ' ';
    }
    objects.Add("<</Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pages.size()) + ">>");
    const int catalog = objects.Add("<</Type /Catalog /Pages " + PdfObjects::Reference(tree) + ">>");
    const int info = objects.Add("<</Title " + TextString(title) + " /Creator (Tarnwell) /Producer (Tarnwell)>>");
    return objects.Finish(catalog, info);
}
