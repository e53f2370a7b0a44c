#include "paint/pdfpage.h"

#include <QHash>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextLayout>
#include <optional>

#include "paint/pdffont.h"
#include "paint/pdfsyntax.h"

namespace {

constexpr int Resolution = 1200;

QByteArray Color(const QColor& color)
{
    return PdfNumber(color.redF(), 3) + ' ' + PdfNumber(color.greenF(), 3) + ' ' + PdfNumber(color.blueF(), 3);
}

// A tenth of a device unit is 2 micrometres.
void AppendPoint(QByteArray& out, const QPointF& p)
{
    AppendPdfNumber(out, p.x(), 1);
    out += ' ';
    AppendPdfNumber(out, p.y(), 1);
}

// A text shaped in one font: its runs of glyphs, each in one of the sheet's fonts, placed from
// the text's baseline origin. The same text in the same font comes up on every sheet, so the
// runs are kept for the next time.
struct ShapedRun {
    bool bold = false;
    double size = 0;
    QPointF start;
    QByteArray glyphs;  // the TJ operator's array
};

struct ShapedText {
    QList<ShapedRun> runs;
    bool needsOtherFonts = false;
};

// The glyphs of a run in one array; where the layout moves a glyph from the font's own advance,
// as kerning does, the array says by how much.
QByteArray GlyphArray(const PdfFont& font, double size, const QGlyphRun& run)
{
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    QByteArray array = "[<";
    double x = positions.first().x();
    for (int i = 0; i < glyphs.size(); ++i) {
        // Thousandths of the size; less than half of one is rounding in the layout.
        const double shift = (x - positions[i].x()) * 1000 / size;
        if (std::abs(shift) >= 0.5) {
            array += "> ";
            AppendPdfNumber(array, shift, 1);
            array += " <";
        }
        array += QByteArray::number(glyphs[i], 16).rightJustified(4, '0');
        x = positions[i].x() + font.Advance(glyphs[i]) * size / 1000;
    }
    return array + ">]";
}

ShapedText Shape(const QString& text, const QFont& font, const QPaintDevice* device)
{
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(int(text.size()));
    layout.endLayout();
    ShapedText shaped;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.glyphIndexes().isEmpty()) continue;
        const QRawFont raw = run.rawFont();
        const bool bold = SheetPdfFont(true).IsFontOf(raw);
        if (!bold && !SheetPdfFont(false).IsFontOf(raw)) {
            shaped.needsOtherFonts = true;
            continue;
        }
        shaped.runs << ShapedRun{bold, raw.pixelSize(), run.positions().first() - QPointF(0, line.ascent()),
                                 GlyphArray(SheetPdfFont(bold), raw.pixelSize(), run)};
    }
    return shaped;
}

// The sheet's texts differ only in family, size and weight.
struct ShapeKey {
    QString text, family;
    double points;
    bool bold;
    bool operator==(const ShapeKey&) const = default;
};

size_t qHash(const ShapeKey& key, size_t seed)
{
    return qHashMulti(seed, key.text, key.family, key.points, key.bold);
}

const ShapedText& ShapeOnce(const QString& text, const QFont& font, const QPaintDevice* device)
{
    // Bounded: a run over many unlike designs starts afresh now and then.
    thread_local QHash<ShapeKey, ShapedText> shapes;
    const ShapeKey key{text, font.family(), font.pointSizeF(), font.bold()};
    auto found = shapes.constFind(key);
    if (found != shapes.constEnd()) return *found;
    if (shapes.size() >= 4096) shapes.clear();
    return *shapes.insert(key, Shape(text, font, device));
}

int CapStyle(Qt::PenCapStyle cap)
{
    return cap == Qt::FlatCap ? 0 : cap == Qt::RoundCap ? 1 : 2;
}

int JoinStyle(Qt::PenJoinStyle join)
{
    return join == Qt::RoundJoin ? 1 : join == Qt::BevelJoin ? 2 : 0;
}

}  // namespace

// Writes every shape as a path that is stroked with the pen and filled with the brush, and text
// as runs of glyphs placed where the toolkit's layout puts them.
class PdfContent : public QPaintEngine {
public:
    PdfContent() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen) pen_ = state.pen();
        if (state.state() & DirtyBrush) brush_ = state.brush();
        if (state.state() & DirtyTransform) transform_ = state.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    void drawPath(const QPainterPath& path) override
    {
        if (path.isEmpty()) return;
        QPointF start;
        bool open = false;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element& e = path.elementAt(i);
            const QPointF p = transform_.map(QPointF(e));
            if (e.isMoveTo()) {
                if (open) CloseIfBack(path, i - 1, start);
                AppendPoint(content_, p);
                content_ += " m\n";
                start = p;
                open = true;
            } else if (e.isLineTo()) {
                AppendPoint(content_, p);
                content_ += " l\n";
            } else if (e.isCurveTo()) {
                AppendPoint(content_, p);
                content_ += ' ';
                AppendPoint(content_, transform_.map(QPointF(path.elementAt(i + 1))));
                content_ += ' ';
                AppendPoint(content_, transform_.map(QPointF(path.elementAt(i + 2))));
                content_ += " c\n";
                i += 2;
            }
        }
        CloseIfBack(path, path.elementCount() - 1, start);
        Paint(true, path.fillRule() == Qt::OddEvenFill);
    }

    // Four quarter arcs, as the toolkit's paths draw an ellipse, without building the path.
    void drawEllipse(const QRectF& r) override
    {
        constexpr double Kappa = 0.5522847498;
        const QPointF c = r.center();
        const double rx = r.width() / 2, ry = r.height() / 2, kx = rx * Kappa, ky = ry * Kappa;
        const QPointF points[] = {{c.x() + rx, c.y()},       {c.x() + rx, c.y() - ky}, {c.x() + kx, c.y() - ry}, {c.x(), c.y() - ry},
                                  {c.x() - kx, c.y() - ry},  {c.x() - rx, c.y() - ky}, {c.x() - rx, c.y()},      {c.x() - rx, c.y() + ky},
                                  {c.x() - kx, c.y() + ry},  {c.x(), c.y() + ry},      {c.x() + kx, c.y() + ry}, {c.x() + rx, c.y() + ky},
                                  {c.x() + rx, c.y()}};
        AppendPoint(content_, transform_.map(points[0]));
        content_ += " m\n";
        for (int i = 1; i < 13; i += 3) {
            for (int k = 0; k < 3; ++k) {
                AppendPoint(content_, transform_.map(points[i + k]));
                content_ += k < 2 ? " " : " c\n";
            }
        }
        content_ += "h\n";
        Paint(true, false);
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (count < 1) return;
        for (int i = 0; i < count; ++i) {
            AppendPoint(content_, transform_.map(points[i]));
            content_ += i == 0 ? " m\n" : " l\n";
        }
        if (mode != PolylineMode) content_ += "h\n";
        Paint(mode != PolylineMode, mode == OddEvenMode);
    }

    void drawTextItem(const QPointF& origin, const QTextItem& item) override
    {
        const ShapedText& shaped = ShapeOnce(item.text(), item.font(), paintDevice());
        needsOtherFonts_ = needsOtherFonts_ || shaped.needsOtherFonts;
        SetFill(pen_.color());
        const QPointF baseline = transform_.map(origin);
        for (const ShapedRun& run : shaped.runs) {
            usesFont_[run.bold] = true;
            content_ += run.bold ? "BT\n/F1 " : "BT\n/F0 ";
            AppendPdfNumber(content_, run.size, 2);
            content_ += " Tf\n1 0 0 -1 ";
            AppendPoint(content_, baseline + run.start);
            content_ += " Tm\n" + run.glyphs + " TJ\nET\n";
        }
    }

    QByteArray content_;
    bool usesFont_[2] = {false, false};
    bool needsOtherFonts_ = false;

private:
    // A subpath that ends where it began is closed, so that its ends join.
    void CloseIfBack(const QPainterPath& path, int last, const QPointF& start)
    {
        if (last >= 0 && transform_.map(QPointF(path.elementAt(last))) == start) content_ += "h\n";
    }

    void Paint(bool fillable, bool oddEven)
    {
        const bool stroke = pen_.style() != Qt::NoPen;
        const bool fill = fillable && brush_.style() != Qt::NoBrush;
        if (stroke) SetStroke();
        if (fill) SetFill(brush_.color());
        const char* op = stroke && fill ? (oddEven ? "B*" : "B") : fill ? (oddEven ? "f*" : "f") : stroke ? "S" : "n";
        content_ += QByteArray(op) + '\n';
    }

    void SetStroke()
    {
        if (stroke_ == pen_) return;
        content_ += PdfNumber(pen_.widthF()) + " w " + QByteArray::number(CapStyle(pen_.capStyle())) + " J " +
                    QByteArray::number(JoinStyle(pen_.joinStyle())) + " j " + PdfNumber(pen_.miterLimit()) + " M " + Color(pen_.color()) +
                    " RG\n";
        stroke_ = pen_;
    }

    void SetFill(const QColor& color)
    {
        if (fill_ == color) return;
        content_ += Color(color) + " rg\n";
        fill_ = color;
    }

    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    std::optional<QPen> stroke_;
    std::optional<QColor> fill_;
};

PdfPage::PdfPage(const QSizeF& points) : points_(points), engine_(std::make_unique<PdfContent>())
{
    // Device units (1/1200 inch, from the top) to the page's points (from the bottom).
    engine_->content_ = "0.06 0 0 -0.06 0 " + PdfNumber(points.height()) + " cm\n";
    engine_->content_.reserve(128 * 1024);
}

PdfPage::~PdfPage() = default;

QPaintEngine* PdfPage::paintEngine() const
{
    return engine_.get();
}

QByteArray PdfPage::Content() const
{
    return engine_->content_;
}

bool PdfPage::UsesFont(bool bold) const
{
    return engine_->usesFont_[bold];
}

bool PdfPage::NeedsOtherFonts() const
{
    return engine_->needsOtherFonts_;
}

int PdfPage::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return qRound(points_.width() * Resolution / 72);
    case PdmHeight: return qRound(points_.height() * Resolution / 72);
    case PdmWidthMM: return qRound(points_.width() * 25.4 / 72);
    case PdmHeightMM: return qRound(points_.height() * 25.4 / 72);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return Resolution;
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    }
    return 0;
}
