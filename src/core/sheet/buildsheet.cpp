// The page, top to bottom: the head with the vehicle's data and the crew, the inventory, the
// armor diagram in whatever height is left, then critical damage beside the internal structure,
// and the foot.
#include "core/sheet/buildsheet.h"

#include <algorithm>

#include "core/values/numbertext.h"
#include "core/export/readout.h"
#include "core/export/readoutforms.h"
#include "core/rules/options.h"
#include "core/sheet/armordiagram.h"
#include "core/sheet/boxrows.h"
#include "core/sheet/inventory.h"
#include "core/sheet/paper.h"
#include "core/sheet/sheetcaption.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The four sides in the order the sheet lists them.
QStringList SideWords()
{
    QStringList words;
    for (Mounting side : {Mounting::Front, Mounting::Left, Mounting::Right, Mounting::Rear}) words << LocationWord(side);
    return words;
}

constexpr double TitleBar = 4.6;   // a frame's title bar
constexpr double SectionGap = 3.0;
constexpr double HeadHeight = 23.0;
constexpr double CrewWidth = 66.0;
constexpr double BottomHeight = 33.0;
constexpr double FootHeight = 4.0;
constexpr double TextPoints = 8;
constexpr double RowHeight = 3.7;
constexpr double SmallestRow = 2.0;
constexpr double PointsPerRowMillimetre = TextPoints / RowHeight;
constexpr double TickBox = 3.0;
constexpr double StructureBox = 2.4;

// The inventory's columns: header and relative width.
struct Column {
    const char* header;
    double weight;
    Qt::Alignment align;
};
constexpr Column InventoryColumns[] = {
    {"Qty", 6, Qt::AlignHCenter}, {"Type", 40, Qt::AlignLeft}, {"Loc", 11, Qt::AlignLeft},
    {"Dmg", 13, Qt::AlignHCenter}, {"Min", 7, Qt::AlignHCenter}, {"Sht", 7, Qt::AlignHCenter},
    {"Med", 7, Qt::AlignHCenter}, {"Lng", 7, Qt::AlignHCenter},
};
constexpr int ColumnCount = int(std::size(InventoryColumns));

class Page {
public:
    explicit Page(SheetModel& model) : m_(model) {}

    void Text(const QRectF& rect, const QString& text, double points = TextPoints, bool bold = false,
              Qt::Alignment align = Qt::AlignLeft)
    {
        m_.texts.append({rect, text, points, bold, align | Qt::AlignVCenter});
    }
    // A frame with its title; the room inside, below the title bar.
    QRectF Frame(const QRectF& rect, const QString& title)
    {
        m_.frames.append({rect, title});
        return rect.adjusted(2, TitleBar + 0.8, -2, -1);
    }
    void Boxes(QList<QRectF> boxes, BoxShape shape) { m_.boxes.append({std::move(boxes), shape}); }
    // A labelled tick box; returns the x after it.
    double TickBox(double x, double y, const QString& caption)
    {
        Boxes({QRectF(x, y + (RowHeight - ::TickBox) / 2, ::TickBox, ::TickBox)}, BoxShape::Square);
        const double width = caption.isEmpty() ? 0 : 1.6 * caption.size() + 1.5;
        Text(QRectF(x + ::TickBox + 0.8, y, width, RowHeight), caption, 7);
        return x + ::TickBox + 0.8 + width + 2.0;
    }

private:
    SheetModel& m_;
};

Topside TopsideOf(const ReadoutDesign& d)
{
    if (d.motive == Motive::VTOL) return Topside::Rotor;
    return d.turretFitted ? Topside::Turret : Topside::None;
}

// The chosen option's caption, or nothing when none is chosen.
template <class Kind>
QString Caption(const std::optional<Kind>& kind)
{
    return kind ? QLatin1String(OptionOf(*kind).caption) : QString();
}

void Head(Page& page, const SheetDesign& s, const QRectF& area)
{
    const ReadoutDesign& d = s.readout;
    page.Text(QRectF(area.left(), area.top(), area.width() - 60, 8), d.name, 15, true);
    page.Text(QRectF(area.right() - 60, area.top(), 60, 8), u"Vehicle Record Sheet"_s, 9, true, Qt::AlignRight);
    const double top = area.top() + 9;
    const QRectF data = page.Frame(QRectF(area.left(), top, area.width() - CrewWidth - SectionGap, HeadHeight), u"Vehicle Data"_s);
    const QString engine = Caption(d.engine);
    const QString price = d.cost ? FixedText(*d.cost, 0) + u" C-bills"_s : u"\u2013"_s;
    constexpr int DataRows = 5;
    const QString lines[2][DataRows] = {
        {u"Technology Base: Inner Sphere Level 2"_s, u"Movement Type: "_s + Caption(d.motive),
         u"Tonnage: "_s + WholeText(d.mass) + u" tons"_s, (u"Engine: "_s + WholeText(d.engineRating) + u' ' + engine).trimmed(), {}},
        {u"Cruise MP: "_s + WholeText(d.cruiseMP), u"Flank MP: "_s + WholeText(d.flankMP),
         u"Armor: "_s + d.armorTypeName + (d.caseFitted ? u" with CASE"_s : QString()), u"Cost: "_s + price,
         u"Battle Value: "_s + FixedText(s.battleValue, 0)},
    };
    const double half = data.width() / 2;
    const double row = std::min(RowHeight, data.height() / DataRows);
    for (int c = 0; c < 2; ++c)
        for (int r = 0; r < DataRows; ++r)
            if (!lines[c][r].isEmpty()) page.Text(QRectF(data.left() + c * (half + 1), data.top() + r * row, half - 1, row), lines[c][r]);

    const QRectF crew = page.Frame(QRectF(area.right() - CrewWidth, top, CrewWidth, HeadHeight), u"Crew"_s);
    const double half2 = crew.width() / 2;
    const struct {
        QString label;
        QString box;
    } skills[] = {{u"Gunnery Skill:"_s, {}}, {u"Driving Skill:"_s, {}}};
    for (int c = 0; c < 2; ++c) {
        const double x = crew.left() + c * half2;
        page.Text(QRectF(x, crew.top() + 0.5, 20, 5), skills[c].label);
        page.Boxes({QRectF(x + 20.5, crew.top(), 6, 6)}, BoxShape::Square);
    }
    const double hits = crew.top() + 8.5;
    page.Text(QRectF(crew.left(), hits, 22, RowHeight), u"Commander Hit"_s, 7.5);
    page.TickBox(crew.left() + 22.5, hits, u"+1"_s);
    page.Text(QRectF(crew.left() + half2 + 2, hits, 16, RowHeight), u"Driver Hit"_s, 7.5);
    page.TickBox(crew.left() + half2 + 18.5, hits, u"+2"_s);
}

// The inventory's rows at `rowHeight`, in the frame `rect`.
void Inventory(Page& page, const QList<InventoryRow>& rows, const QList<BinRow>& bins, const QRectF& rect, double rowHeight)
{
    const QRectF inner = page.Frame(rect, u"Weapons and Equipment Inventory"_s);
    double total = 0;
    for (const Column& c : InventoryColumns) total += c.weight;
    double x[ColumnCount + 1];
    x[0] = inner.left();
    for (int i = 0; i < ColumnCount; ++i) x[i + 1] = x[i] + inner.width() * InventoryColumns[i].weight / total;
    const double points = std::min(TextPoints, rowHeight * PointsPerRowMillimetre);
    auto cell = [&](int from, int to, double y, const QString& text, Qt::Alignment align, bool bold = false) {
        page.Text(QRectF(x[from], y, x[to] - x[from], rowHeight), text, points, bold, align);
    };
    double y = inner.top();
    for (int i = 0; i < ColumnCount; ++i)
        cell(i, i + 1, y, QLatin1String(InventoryColumns[i].header), InventoryColumns[i].align, true);
    for (const InventoryRow& row : rows) {
        y += rowHeight;
        const QString texts[] = {row.quantity, row.type, row.location, row.damage, row.minimum, row.shortRange, row.mediumRange, row.longRange};
        for (int i = 0; i < ColumnCount; ++i) cell(i, i + 1, y, texts[i], InventoryColumns[i].align);
    }
    if (bins.isEmpty()) return;
    y += rowHeight;
    cell(0, 2, y, u"Ammunition and Cargo"_s, Qt::AlignLeft, true);
    cell(2, 3, y, u"Loc"_s, Qt::AlignLeft, true);
    cell(3, 4, y, u"Tons"_s, Qt::AlignHCenter, true);
    cell(4, 6, y, u"Shots"_s, Qt::AlignHCenter, true);
    for (const BinRow& bin : bins) {
        y += rowHeight;
        cell(0, 2, y, bin.type, Qt::AlignLeft);
        cell(2, 3, y, bin.location, Qt::AlignLeft);
        cell(3, 4, y, bin.tons, Qt::AlignHCenter);
        cell(4, 6, y, bin.shots, Qt::AlignHCenter);
    }
}

double InventoryHeight(int lines, double rowHeight)
{
    return TitleBar + 0.8 + lines * rowHeight + 1.5;
}

ArmorPoints PointsOf(const ReadoutDesign& d, Topside topside)
{
    return {d.frontArmor, d.leftArmor, d.rightArmor, d.rearArmor, topside == Topside::None ? 0 : d.turretArmor};
}

// The diagram's room inside a frame of `height`.
QRectF DiagramArea(const QRectF& frame)
{
    return frame.adjusted(2, TitleBar + 1.5, -2, -2);
}

// Whether a diagram frame of `height` keeps its boxes at the smallest size or larger.
bool DiagramFits(const QRectF& widest, double height, const ArmorPoints& points, Topside topside)
{
    const QRectF frame(widest.topLeft(), QSizeF(widest.width(), height));
    return LayOutArmor(DiagramArea(frame), points, topside).boxSize >= SmallestBox - 1e-9;
}

// The lowest frame height whose diagram keeps its boxes at the smallest size, or the whole
// height when even that is not enough.
double DiagramFrameNeed(const QRectF& widest, const ArmorPoints& points, Topside topside)
{
    double low = 30, high = widest.height();
    if (!DiagramFits(widest, high, points, topside)) return high;
    if (DiagramFits(widest, low, points, topside)) return low;
    while (high - low > 0.5) {
        const double mid = (low + high) / 2;
        (DiagramFits(widest, mid, points, topside) ? high : low) = mid;
    }
    return high;
}

void Diagram(SheetModel& m, Page& page, const QRectF& frame, const ArmorPoints& points, Topside topside)
{
    page.Frame(frame, u"Armor Diagram"_s);
    m.diagram = DiagramArea(frame);
    const ArmorDiagram diagram = LayOutArmor(m.diagram, points, topside);
    m.hull = diagram.hull;
    m.topside = topside;
    m.boxSize = diagram.boxSize;
    m.armor = diagram.zones;
}

void CriticalDamage(Page& page, Topside topside, const QRectF& rect)
{
    const QRectF inner = page.Frame(rect, u"Critical Damage"_s);
    const double labelWidth = 30;
    const double step = RowHeight + 1.2;
    double y = inner.top();
    auto line = [&](const QString& label, const QStringList& captions) {
        page.Text(QRectF(inner.left(), y, labelWidth, RowHeight), label);
        double x = inner.left() + labelWidth;
        for (const QString& caption : captions) x = page.TickBox(x, y, caption);
        y += step;
    };
    line(u"Engine Hit"_s, {QString()});
    line(u"Sensor Hits"_s, {u"+1"_s, u"+2"_s, u"+3"_s, u"D"_s});
    line(u"Motive System Hits"_s, {u"+1"_s, u"+2"_s, u"+3"_s});
    QStringList stabilizers = SideWords();
    if (topside == Topside::Turret) stabilizers << TopsideName(topside);
    line(u"Stabilizers"_s, stabilizers);
    page.Text(QRectF(inner.left(), y, labelWidth, RowHeight), u"Turret Locked"_s);
    page.TickBox(inner.left() + labelWidth, y, QString());
    page.Text(QRectF(inner.left() + labelWidth + 12, y, 22, RowHeight), u"Crew Stunned"_s);
    page.TickBox(inner.left() + labelWidth + 34, y, QString());
}

void Structure(SheetModel& m, Page& page, const ReadoutDesign& d, Topside topside, const QRectF& rect)
{
    const QRectF inner = page.Frame(rect, u"Internal Structure"_s);
    QStringList names = SideWords();
    if (topside != Topside::None) names << TopsideName(topside);
    const int points = StructurePoints(d);
    const BoxPitch pitch = BoxPitch::ForSize(StructureBox);
    const double step = inner.height() / 5;
    const double captionWidth = 20;
    for (int i = 0; i < names.size(); ++i) {
        SheetZone zone;
        zone.name = names[i];
        zone.points = points;
        zone.rect = QRectF(inner.left(), inner.top() + i * step, inner.width(), step);
        zone.caption = ZoneCaption(names[i], points, QRectF(inner.left(), zone.rect.top(), captionWidth, step));
        const double boxTop = zone.rect.top() + (step - StructureBox) / 2;
        zone.boxes = PlaceBoxes(pitch, points, QRectF(inner.left() + captionWidth, boxTop, inner.width() - captionWidth, StructureBox), false);
        m.structure.append(zone);
    }
}

}  // namespace

SheetModel BuildSheet(const SheetDesign& s, SheetPaper paper)
{
    const ReadoutDesign& d = s.readout;
    SheetModel m;
    m.paper = paper;
    m.page = PaperSize(paper);
    m.margin = SheetMargin;
    m.title = d.name;
    m.inventory = InventoryRows(s);
    m.bins = BinRows(s);
    Page page(m);

    const QRectF area(SheetMargin, SheetMargin, m.page.width() - 2 * SheetMargin, m.page.height() - 2 * SheetMargin);
    Head(page, s, area);
    const double middleTop = area.top() + 9 + HeadHeight + SectionGap;

    const QRectF foot(area.left(), area.bottom() - FootHeight, area.width(), FootHeight);
    page.Text(foot, u"Tarnwell"_s, 7);
    page.Text(foot, s.source, 7, false, Qt::AlignRight);
    const double bottomTop = foot.top() - 2 - BottomHeight;
    const Topside topside = TopsideOf(d);
    const double damageWidth = area.width() * 0.58;
    CriticalDamage(page, topside, QRectF(area.left(), bottomTop, damageWidth, BottomHeight));
    Structure(m, page, d, topside, QRectF(area.left() + damageWidth + SectionGap, bottomTop, area.width() - damageWidth - SectionGap, BottomHeight));

    // The inventory takes its rows' height unless the diagram needs the room to keep its boxes
    // at the smallest size; then its rows get lower, down to the lowest that stays readable.
    const double middleHeight = bottomTop - SectionGap - middleTop;
    const int lines = 1 + int(m.inventory.size()) + (m.bins.isEmpty() ? 0 : 1 + int(m.bins.size()));
    const ArmorPoints points = PointsOf(d, topside);
    const QRectF middle(area.left(), middleTop, area.width(), middleHeight);
    double inventoryHeight = InventoryHeight(lines, RowHeight);
    if (!DiagramFits(middle, middleHeight - SectionGap - inventoryHeight, points, topside)) {
        const double room = middleHeight - SectionGap - DiagramFrameNeed(middle, points, topside);
        inventoryHeight = std::min(std::max(room, InventoryHeight(lines, SmallestRow)), middleHeight - SectionGap - 30);
    }
    const double rowHeight = std::min(RowHeight, (inventoryHeight - InventoryHeight(0, 0)) / lines);
    Inventory(page, m.inventory, m.bins, QRectF(area.left(), middleTop, area.width(), inventoryHeight), rowHeight);
    const double diagramTop = middleTop + inventoryHeight + SectionGap;
    Diagram(m, page, QRectF(area.left(), diagramTop, area.width(), bottomTop - SectionGap - diagramTop), points, topside);
    return m;
}
