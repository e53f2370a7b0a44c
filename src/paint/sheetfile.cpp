#include "paint/sheetfile.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "paint/pdfdocument.h"
#include "paint/pdfpage.h"
#include "paint/sheetpainter.h"

namespace {

// Fine enough for the smallest boxes.
constexpr int PdfResolution = 1200;

}  // namespace

QPageSize SheetPageSize(const SheetModel& model)
{
    return QPageSize(model.paper == SheetPaper::Letter ? QPageSize::Letter : QPageSize::A4);
}

bool WriteSheetPdf(const SheetModel& model, const QString& path)
{
    return WritePagesPdf({model}, path, model.title);
}

namespace {

// The pages drawn on the program's own PDF pages, which embed the sheet's fonts whole and do it
// quickly. Empty when some text needs a character those fonts lack.
QByteArray OwnPdf(const QList<SheetModel>& pages, const QString& title)
{
    LoadSheetFonts();
    std::vector<std::unique_ptr<PdfPage>> drawn;
    QList<const PdfPage*> document;
    for (const SheetModel& model : pages) {
        drawn.push_back(std::make_unique<PdfPage>(SheetPageSize(model).sizePoints()));
        QPainter painter(drawn.back().get());
        PaintSheet(painter, model);
        painter.end();
        if (drawn.back()->NeedsOtherFonts()) return {};
        document << drawn.back().get();
    }
    return PdfDocument(document, title);
}

// The pages through the toolkit's PDF writer, which finds every character a font.
bool WriteToolkitPdf(const QList<SheetModel>& pages, QSaveFile& file, const QString& title)
{
    QPdfWriter writer(&file);
    writer.setResolution(PdfResolution);
    writer.setPageSize(SheetPageSize(pages.first()));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tarnwell"));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0) {
            writer.setPageSize(SheetPageSize(pages[page]));
            if (!writer.newPage()) return false;
        }
        PaintSheet(painter, pages[page]);
    }
    return painter.end();
}

}  // namespace

bool WritePagesPdf(const QList<SheetModel>& pages, const QString& path, const QString& title)
{
    if (pages.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray own = OwnPdf(pages, title);
    const bool written = own.isEmpty() ? WriteToolkitPdf(pages, file, title) : file.write(own) == own.size();
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
