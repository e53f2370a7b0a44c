#include "core/sheet/roster.h"

#include <iterator>

#include "core/export/readoutforms.h"
#include "core/rules/options.h"
#include "core/sheet/buildsheet.h"
#include "core/sheet/paper.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// What a missing figure shows, as on the record sheet.
const QString Dash = u"\u2013"_s;

constexpr double TitleBar = 4.6;  // as the painter draws a frame's title bar
constexpr double RowHeight = 6.5;
constexpr double TextPoints = 9;
constexpr double HeaderPoints = 8;
constexpr double CellPadding = 1.2;
constexpr double FootHeight = 4.0;

struct Column {
    const char* header;
    double weight;
    Qt::Alignment align;
};
constexpr Column Columns[] = {
    {"Name", 44, Qt::AlignLeft},         {"Movement", 19, Qt::AlignLeft},      {"Tons", 11, Qt::AlignRight},
    {"Cruise MP", 18, Qt::AlignHCenter}, {"Flank MP", 17, Qt::AlignHCenter},   {"Armor Points", 23, Qt::AlignRight},
    {"Battle Value", 23, Qt::AlignRight}, {"Cost (C-bills)", 27, Qt::AlignRight},
};
constexpr int ColumnCount = int(std::size(Columns));

// A price in whole C-bills, halves away from zero, as the sheet writes it.
Currency WholeCBills(Currency cost)
{
    const std::int64_t half = Currency::Scale / 2;
    const std::int64_t units = cost.units();
    const std::int64_t whole = units < 0 ? -((-units + half) / Currency::Scale) : (units + half) / Currency::Scale;
    return Currency::fromUnits(whole * Currency::Scale);
}

QString CostText(const std::optional<Currency>& cost)
{
    return cost ? WholeText(*cost) : Dash;
}

// The turret's or rotor's points count where the sheet draws that zone.
int ArmorOnSheet(const ReadoutDesign& d)
{
    const bool topside = d.turretFitted || d.motive == Motive::VTOL;
    return d.frontArmor + d.leftArmor + d.rightArmor + d.rearArmor + (topside ? d.turretArmor : 0);
}

// One roster page: the heading, the table's rows from `first`, the totals on the last page, and
// the foot.
SheetModel RosterPage(const QList<RosterRow>& rows, qsizetype first, int page, int pages, SheetPaper paper)
{
    SheetModel m;
    m.paper = paper;
    m.page = PaperSize(paper);
    m.margin = SheetMargin;
    m.title = u"Force Roster"_s;
    const QRectF area(SheetMargin, SheetMargin, m.page.width() - 2 * SheetMargin, m.page.height() - 2 * SheetMargin);
    const auto text = [&m](const QRectF& rect, const QString& words, double points, bool bold, Qt::Alignment align) {
        m.texts.append({rect, words, points, bold, align | Qt::AlignVCenter});
    };
    text(QRectF(area.left(), area.top(), area.width(), 8), page == 1 ? m.title : m.title + u" (continued)"_s, 15, true, Qt::AlignLeft);

    const bool last = page == pages;
    const qsizetype count = std::min<qsizetype>(RosterRowsPerPage, rows.size() - first);
    const double lines = 1 + count + (last ? 1.5 : 0);
    const QRectF frame(area.left(), area.top() + 10, area.width(), TitleBar + 0.8 + lines * RowHeight + 1.5);
    m.frames.append({frame, u"Units"_s});
    const QRectF inner = frame.adjusted(2, TitleBar + 0.8, -2, -1);

    double total = 0;
    for (const Column& c : Columns) total += c.weight;
    double x[ColumnCount + 1];
    x[0] = inner.left();
    for (int i = 0; i < ColumnCount; ++i) x[i + 1] = x[i] + inner.width() * Columns[i].weight / total;
    const auto line = [&](double y, const QStringList& cells, double points, bool bold) {
        for (int i = 0; i < ColumnCount; ++i)
            if (!cells.value(i).isEmpty())
                text(QRectF(x[i] + CellPadding, y, x[i + 1] - x[i] - 2 * CellPadding, RowHeight), cells[i], points, bold,
                     Columns[i].align);
    };
    QStringList headers;
    for (const Column& c : Columns) headers << QLatin1String(c.header);
    double y = inner.top();
    line(y, headers, HeaderPoints, true);
    for (qsizetype i = first; i < first + count; ++i) line(y += RowHeight, RosterCells(rows[i]), TextPoints, false);
    if (last) line(y + 1.5 * RowHeight, RosterTotalCells(RosterTotalsOf(rows)), TextPoints, true);

    const QRectF foot(area.left(), area.bottom() - FootHeight, area.width(), FootHeight);
    text(foot, u"Tarnwell"_s, 7, false, Qt::AlignLeft);
    text(foot, u"Roster page %1 of %2"_s.arg(page).arg(pages), 7, false, Qt::AlignRight);
    return m;
}

}  // namespace

RosterRow RosterRowOf(const SheetDesign& design)
{
    const ReadoutDesign& d = design.readout;
    RosterRow row;
    row.name = d.name;
    row.movement = d.motive ? QLatin1String(OptionOf(*d.motive).caption) : QString();
    row.tons = d.mass;
    row.cruiseMP = d.cruiseMP;
    row.flankMP = d.flankMP;
    row.armorPoints = ArmorOnSheet(d);
    row.battleValue = design.battleValue;
    if (d.cost) row.cost = WholeCBills(*d.cost);
    return row;
}

RosterTotals RosterTotalsOf(const QList<RosterRow>& rows)
{
    RosterTotals totals;
    totals.units = int(rows.size());
    totals.cost = Currency();
    for (const RosterRow& row : rows) {
        totals.tons += row.tons;
        totals.battleValue += row.battleValue;
        if (totals.cost && row.cost)
            *totals.cost += *row.cost;
        else
            totals.cost.reset();
    }
    return totals;
}

QStringList RosterCells(const RosterRow& row)
{
    return {row.name.isEmpty() ? Dash : row.name,
            row.movement.isEmpty() ? Dash : row.movement,
            WholeText(row.tons),
            WholeText(row.cruiseMP),
            WholeText(row.flankMP),
            WholeText(row.armorPoints),
            WholeText(row.battleValue),
            CostText(row.cost)};
}

QStringList RosterTotalCells(const RosterTotals& totals)
{
    const QString units = (totals.units == 1 ? u"Total: %1 unit"_s : u"Total: %1 units"_s).arg(WholeText(totals.units));
    return {units, {}, WholeText(totals.tons), {}, {}, {}, WholeText(totals.battleValue), CostText(totals.cost)};
}

QList<SheetModel> RosterPages(const QList<RosterRow>& rows, SheetPaper paper)
{
    const int pages = std::max(1, int((rows.size() + RosterRowsPerPage - 1) / RosterRowsPerPage));
    QList<SheetModel> models;
    for (int page = 1; page <= pages; ++page) models.append(RosterPage(rows, qsizetype(page - 1) * RosterRowsPerPage, page, pages, paper));
    return models;
}
