// The first page, top to bottom: the head with the vehicle's data and the crew, the inventory,
// the armor diagram in whatever height is left, then critical damage beside the internal
// structure, and the foot. Pages after it continue the inventory under a head of their own.
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
#include "core/sheet/sheetpage.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The four sides in the order the sheet lists them.
QStringList SideWords()
{
    QStringList words;
    for (Mounting side : {Mounting::Front, Mounting::Left, Mounting::Right, Mounting::Rear}) words << LocationWord(side);
    return words;
}

constexpr double TitleLine = 9.0;  // the vehicle's name above the frames
constexpr double HeadHeight = 23.0;
constexpr double CrewWidth = 66.0;
constexpr double BottomHeight = 33.0;
constexpr double FootHeight = 4.0;
constexpr double StructureBox = 2.4;

const QString InventoryTitle = u"Weapons and Equipment Inventory"_s;

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

void Head(SheetPage& page, const SheetDesign& s, const QRectF& area)
{
    const ReadoutDesign& d = s.readout;
    page.Text(QRectF(area.left(), area.top(), area.width() - 60, 8), d.name, 15, true);
    page.Text(QRectF(area.right() - 60, area.top(), 60, 8), u"Vehicle Record Sheet"_s, 9, true, Qt::AlignRight);
    const double top = area.top() + TitleLine;
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
    const double name = crew.top() + 12.7;
    page.Text(QRectF(crew.left(), name, 9, RowHeight), u"Name:"_s, 7.5);
    page.Blank(crew.left() + 9.5, crew.right(), name + 3.2);
}

// The head of a page that continues the sheet: the vehicle and the page.
void ContinuedHead(SheetPage& page, const SheetDesign& s, const QRectF& area, int number, int count)
{
    page.Text(QRectF(area.left(), area.top(), area.width() - 60, 8), s.readout.name + u" (continued)"_s, 15, true);
    page.Text(QRectF(area.right() - 60, area.top(), 60, 8), u"Page %1 of %2"_s.arg(WholeText(number), WholeText(count)), 9, true,
              Qt::AlignRight);
}

void Foot(SheetPage& page, const SheetDesign& s, const QRectF& foot)
{
    page.Text(foot, u"Tarnwell"_s, 7);
    page.Text(foot, s.source, 7, false, Qt::AlignRight);
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

void Diagram(SheetModel& m, SheetPage& page, const QRectF& frame, const ArmorPoints& points, Topside topside)
{
    page.Frame(frame, u"Armor Diagram"_s);
    m.diagram = DiagramArea(frame);
    const ArmorDiagram diagram = LayOutArmor(m.diagram, points, topside);
    m.hull = diagram.hull;
    m.topside = topside;
    m.boxSize = diagram.boxSize;
    m.armor = diagram.zones;
}

void CriticalDamage(SheetPage& page, Topside topside, const QRectF& rect)
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
    // A VTOL's rotor is no turret: nothing to lock.
    if (topside == Topside::Rotor) {
        line(u"Crew Stunned"_s, {QString()});
        return;
    }
    page.Text(QRectF(inner.left(), y, labelWidth, RowHeight), u"Turret Locked"_s);
    page.TickBox(inner.left() + labelWidth, y, QString());
    page.Text(QRectF(inner.left() + labelWidth + 12, y, 22, RowHeight), u"Crew Stunned"_s);
    page.TickBox(inner.left() + labelWidth + 34, y, QString());
}

void Structure(SheetModel& m, SheetPage& page, const ReadoutDesign& d, Topside topside, const QRectF& rect)
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

// The inventory's frame title on page `number` of `count`.
QString InventoryTitleOf(int number, int count)
{
    if (number == count) return number == 1 ? InventoryTitle : InventoryTitle + u" (continued)"_s;
    return InventoryTitle + u" (continued on page %1)"_s.arg(WholeText(number + 1));
}

SheetModel NewPage(const SheetDesign& s, SheetPaper paper)
{
    SheetModel m;
    m.paper = paper;
    m.page = PaperSize(paper);
    m.margin = SheetMargin;
    m.title = s.readout.name;
    return m;
}

QRectF WritingArea(const SheetModel& m)
{
    return QRectF(SheetMargin, SheetMargin, m.page.width() - 2 * SheetMargin, m.page.height() - 2 * SheetMargin);
}

QRectF FootOf(const QRectF& area)
{
    return QRectF(area.left(), area.bottom() - FootHeight, area.width(), FootHeight);
}

// The room a continuation page leaves the inventory: below the head, above the foot.
QRectF ContinuedRoom(const QRectF& area)
{
    const double top = area.top() + TitleLine;
    return QRectF(area.left(), top, area.width(), FootOf(area).top() - 2 - top);
}

// A page after the first: the head and the foot, and the inventory's part in full-sized lines.
SheetModel ContinuedPage(const SheetDesign& s, SheetPaper paper, const InventoryPart& part, int number, int count)
{
    SheetModel m = NewPage(s, paper);
    m.inventory = part.rows;
    m.bins = part.bins;
    SheetPage page(m);
    const QRectF area = WritingArea(m);
    ContinuedHead(page, s, area, number, count);
    Foot(page, s, FootOf(area));
    const QRectF room = ContinuedRoom(area);
    InventoryFrame(page, part, InventoryTitleOf(number, count),
                   QRectF(room.topLeft(), QSizeF(room.width(), InventoryHeight(InventoryLines(part), RowHeight))), RowHeight);
    return m;
}

}  // namespace

// The inventory takes its rows' height unless the diagram needs the room to keep its boxes at
// the smallest size; then its rows get lower, down to the lowest that holds the smallest text.
// Where even those do not hold every line, the first page keeps as many as they hold, and the
// rest follow on pages of their own in full-sized lines.
QList<SheetModel> BuildSheetPages(const SheetDesign& s, SheetPaper paper)
{
    const ReadoutDesign& d = s.readout;
    SheetModel m = NewPage(s, paper);
    InventoryPart rest{InventoryRows(s), BinRows(s)};
    SheetPage page(m);

    const QRectF area = WritingArea(m);
    Head(page, s, area);
    const double middleTop = area.top() + TitleLine + HeadHeight + SectionGap;

    const QRectF foot = FootOf(area);
    Foot(page, s, foot);
    const double bottomTop = foot.top() - 2 - BottomHeight;
    const Topside topside = TopsideOf(d);
    const double damageWidth = area.width() * 0.58;
    CriticalDamage(page, topside, QRectF(area.left(), bottomTop, damageWidth, BottomHeight));
    Structure(m, page, d, topside, QRectF(area.left() + damageWidth + SectionGap, bottomTop, area.width() - damageWidth - SectionGap, BottomHeight));

    const double middleHeight = bottomTop - SectionGap - middleTop;
    const int lines = InventoryLines(rest);
    const ArmorPoints points = PointsOf(d, topside);
    const QRectF middle(area.left(), middleTop, area.width(), middleHeight);
    double inventoryHeight = InventoryHeight(lines, RowHeight);
    if (!DiagramFits(middle, middleHeight - SectionGap - inventoryHeight, points, topside)) {
        const double room = middleHeight - SectionGap - DiagramFrameNeed(middle, points, topside);
        inventoryHeight = std::max(room, InventoryHeight(1, SmallestRow));
    }
    double rowHeight = std::min(RowHeight, (inventoryHeight - InventoryHeight(0, 0)) / lines);

    QList<InventoryPart> parts;
    if (rowHeight >= SmallestRow - 1e-9) {
        parts.append(rest);
    } else {
        rowHeight = SmallestRow;
        parts.append(TakeInventoryLines(rest, int((inventoryHeight - InventoryHeight(0, 0)) / SmallestRow + 1e-9)));
        inventoryHeight = InventoryHeight(InventoryLines(parts.first()), SmallestRow);
        const int perPage = int((ContinuedRoom(area).height() - InventoryHeight(0, 0)) / RowHeight);
        while (!rest.IsEmpty()) parts.append(TakeInventoryLines(rest, perPage));
    }
    const int count = int(parts.size());
    m.inventory = parts.first().rows;
    m.bins = parts.first().bins;
    InventoryFrame(page, parts.first(), InventoryTitleOf(1, count), QRectF(area.left(), middleTop, area.width(), inventoryHeight), rowHeight);
    const double diagramTop = middleTop + inventoryHeight + SectionGap;
    Diagram(m, page, QRectF(area.left(), diagramTop, area.width(), bottomTop - SectionGap - diagramTop), points, topside);

    QList<SheetModel> pages{m};
    for (int number = 2; number <= count; ++number) pages.append(ContinuedPage(s, paper, parts[number - 1], number, count));
    return pages;
}

SheetModel BuildSheet(const SheetDesign& s, SheetPaper paper)
{
    return BuildSheetPages(s, paper).first();
}
