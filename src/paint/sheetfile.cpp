#include "paint/sheetfile.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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

bool WritePagesPdf(const QList<SheetModel>& pages, const QString& path, const QString& title)
{
    if (pages.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(PdfResolution);
        writer.setPageSize(SheetPageSize(pages.first()));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tarnwell"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return false;
        }
        for (qsizetype page = 0; page < pages.size(); ++page) {
            if (page > 0) {
                writer.setPageSize(SheetPageSize(pages[page]));
                if (!writer.newPage()) {
                    painter.end();
                    file.cancelWriting();
                    return false;
                }
            }
            PaintSheet(painter, pages[page]);
        }
        if (!painter.end()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}
