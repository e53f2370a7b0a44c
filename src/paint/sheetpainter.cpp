#include "paint/sheetpainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

// The sheet's own fonts, from the library's resources: DejaVu Sans's Latin glyphs without
// hinting, which a PDF embeds quickly. Characters they lack come from the system's fonts.
static const QString& FontFamily()
{
    static const QString family = [] {
        Q_INIT_RESOURCE(fonts);
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/TarnwellSans.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/TarnwellSans-Bold.ttf"));
        return QStringLiteral("Tarnwell Sans");
    }();
    return family;
}

void LoadSheetFonts()
{
    FontFamily();
}

namespace {
const QColor Ink(0x20, 0x20, 0x20);
const QColor TitleBarColor(0x3a, 0x3a, 0x3a);
const QColor HullColor(0xee, 0xee, 0xee);
const QColor ZoneLine(0x90, 0x90, 0x90);

// Millimetres on the page to the device's units.
class Scale {
public:
    explicit Scale(const QPaintDevice& device) : unit_(device.logicalDpiX() / 25.4) {}
    double operator()(double mm) const { return mm * unit_; }
    QRectF operator()(const QRectF& r) const { return {r.x() * unit_, r.y() * unit_, r.width() * unit_, r.height() * unit_}; }
    QPointF operator()(const QPointF& p) const { return p * unit_; }

private:
    double unit_;
};

QPen Pen(const Scale& mm, double width, const QColor& color = Ink)
{
    QPen pen(color, mm(width));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// The text in its rectangle, smaller where it would not fit, but never below the sheet's
// smallest text.
void DrawText(QPainter& p, const Scale& mm, const SheetText& t, const QColor& color = Ink)
{
    QFont font(FontFamily());
    // Outlines only: hinting, which a page of vectors does not use, would run the font's own
    // programs for every size the text is tried at.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(t.bold);
    double points = t.points;
    const QRectF rect = mm(t.rect);
    font.setPointSizeF(points);
    while (points > SmallestTextPoints && QFontMetricsF(font, p.device()).horizontalAdvance(t.text) > rect.width()) {
        points = std::max(SmallestTextPoints, points - 0.25);
        font.setPointSizeF(points);
    }
    p.setFont(font);
    p.setPen(color);
    p.drawText(rect, int(t.align) | Qt::TextSingleLine, t.text);
}

void DrawFrames(QPainter& p, const Scale& mm, const SheetModel& m)
{
    for (const SheetFrame& f : m.frames) {
        p.setPen(Pen(mm, 0.35));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(mm(f.rect), mm(1.2), mm(1.2));
        const QRectF bar(f.rect.left(), f.rect.top(), f.rect.width(), 4.6);
        QPainterPath path;
        path.addRoundedRect(mm(bar), mm(1.2), mm(1.2));
        p.fillPath(path, TitleBarColor);
        DrawText(p, mm, {bar.adjusted(2, 0, -2, 0), f.title, 8, true, Qt::AlignLeft | Qt::AlignVCenter}, Qt::white);
    }
}

void DrawBoxes(QPainter& p, const Scale& mm, const QList<QRectF>& boxes, BoxShape shape, double size)
{
    p.setPen(Pen(mm, std::clamp(size * 0.12, 0.12, 0.25)));
    p.setBrush(Qt::white);
    for (const QRectF& box : boxes)
        if (shape == BoxShape::Circle)
            p.drawEllipse(mm(box));
        else
            p.drawRect(mm(box));
}

// The hull seen from above, front up: its front corners cut away, the rear ones rounded less.
// A page without the diagram has none.
void DrawHull(QPainter& p, const Scale& mm, const SheetModel& m)
{
    if (m.hull.isEmpty()) return;
    const QRectF h = m.hull.adjusted(-1.5, -1.5, 1.5, 1.5);
    const double cut = std::min(8.0, h.width() / 6);
    const QPolygonF outline({QPointF(h.left() + cut, h.top()), QPointF(h.right() - cut, h.top()), QPointF(h.right(), h.top() + cut),
                             QPointF(h.right(), h.bottom() - 2), QPointF(h.right() - 2, h.bottom()), QPointF(h.left() + 2, h.bottom()),
                             QPointF(h.left(), h.bottom() - 2), QPointF(h.left(), h.top() + cut)});
    QPolygonF device;
    for (const QPointF& point : outline) device << mm(point);
    p.setPen(Pen(mm, 0.5));
    p.setBrush(HullColor);
    p.drawPolygon(device);
}

void DrawZones(QPainter& p, const Scale& mm, const SheetModel& m)
{
    for (int i = 0; i < m.armor.size(); ++i) {
        const SheetZone& zone = m.armor[i];
        const bool topside = i == 4;
        p.setPen(topside ? Pen(mm, 0.45) : Pen(mm, 0.2, ZoneLine));
        p.setBrush(Qt::white);
        if (topside && m.topside == Topside::Rotor) {
            p.save();
            p.setPen(Pen(mm, 0.8, ZoneLine));
            const QPointF c = mm(zone.rect.center());
            const double r = mm(std::max(zone.rect.width(), zone.rect.height()) * 0.75);
            p.drawLine(c - QPointF(r, r * 0.6), c + QPointF(r, r * 0.6));
            p.drawLine(c - QPointF(r, -r * 0.6), c + QPointF(r, -r * 0.6));
            p.restore();
        }
        p.drawRoundedRect(mm(zone.rect), mm(topside ? 2.5 : 0.8), mm(topside ? 2.5 : 0.8));
        DrawText(p, mm, zone.caption);
        DrawBoxes(p, mm, zone.boxes, BoxShape::Circle, m.boxSize);
    }
}

}  // namespace

void PaintSheet(QPainter& p, const SheetModel& m)
{
    const Scale mm(*p.device());
    p.setRenderHint(QPainter::Antialiasing);
    DrawFrames(p, mm, m);
    DrawHull(p, mm, m);
    DrawZones(p, mm, m);
    for (const SheetZone& zone : m.structure) {
        DrawText(p, mm, zone.caption);
        DrawBoxes(p, mm, zone.boxes, BoxShape::Circle, zone.boxes.isEmpty() ? 0 : zone.boxes.first().width());
    }
    for (const SheetBoxes& boxes : m.boxes)
        DrawBoxes(p, mm, boxes.boxes, boxes.shape, 3);
    p.setPen(Pen(mm, 0.2));
    for (const QLineF& blank : m.blanks) p.drawLine(QLineF(mm(blank.p1()), mm(blank.p2())));
    for (const SheetText& text : m.texts) DrawText(p, mm, text);
}
