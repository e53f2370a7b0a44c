#pragma once
// A page of a PDF file as a paint device: a painter draws on it in units of 1/1200 inch from the
// page's top left corner, as on the toolkit's PDF writer, and the page keeps what was drawn as
// PDF content, its text in the sheet's own fonts.
#include <QPaintDevice>
#include <QSizeF>
#include <memory>

class PdfContent;

class PdfPage : public QPaintDevice {
public:
    // The page's size in points.
    explicit PdfPage(const QSizeF& points);
    ~PdfPage() override;

    QPaintEngine* paintEngine() const override;
    QSizeF Points() const { return points_; }
    // The page's content stream, uncompressed.
    QByteArray Content() const;
    // Whether its text uses the sheet's regular or bold font.
    bool UsesFont(bool bold) const;
    // Whether some text needed a character that the sheet's fonts lack.
    bool NeedsOtherFonts() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSizeF points_;
    std::unique_ptr<PdfContent> engine_;
};
