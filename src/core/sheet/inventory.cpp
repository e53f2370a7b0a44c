#include "core/sheet/inventory.h"

#include <algorithm>

#include "core/values/numbertext.h"
#include "core/export/readoutforms.h"
#include "core/sheet/armordiagram.h"
#include "core/sheet/sheetpage.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Dash = u"\u2013"_s;
const QString CargoName = u"Cargo"_s;

bool IsAmmunition(const ReadoutItem& item)
{
    return item.name.left(4) == u"Ammo"_s;
}

bool IsCargo(const ReadoutItem& item)
{
    return item.name == CargoName;
}

QString RangeText(const std::optional<int>& range)
{
    return range ? WholeText(*range) : Dash;
}

InventoryRow Row(int count, const QString& name, const QString& location, const WeaponFigures& f)
{
    return {WholeText(count), name, location, f.damage.isEmpty() ? Dash : f.damage, RangeText(f.minimum),
            RangeText(f.shortRange), RangeText(f.mediumRange), RangeText(f.longRange)};
}

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

}  // namespace

QList<InventoryRow> InventoryRows(const SheetDesign& d)
{
    struct Group {
        QString name, location;
        int count;
    };
    QList<Group> groups;
    for (const ReadoutItem& item : d.readout.payload) {
        if (IsAmmunition(item) || IsCargo(item)) continue;
        auto same = std::find_if(groups.begin(), groups.end(),
                                 [&](const Group& g) { return g.name == item.name && g.location == item.location; });
        if (same == groups.end())
            groups.append({item.name, item.location, 1});
        else
            ++same->count;
    }
    QList<InventoryRow> rows;
    for (const Group& g : groups) rows.append(Row(g.count, g.name, g.location, d.weapons.value(g.name)));
    if (d.readout.caseFitted) rows.append(Row(1, u"CASE"_s, QString(LocationWord(Mounting::Body)), {}));
    return rows;
}

QList<BinRow> BinRows(const SheetDesign& d)
{
    QList<BinRow> rows;
    Currency cargo{};
    bool hasCargo = false;
    for (const ReadoutItem& item : d.readout.payload) {
        if (IsCargo(item)) {
            cargo = cargo + item.tons;
            hasCargo = true;
        }
        if (!IsAmmunition(item)) continue;
        const auto perTon = d.shotsPerTon.find(item.name);
        const QString shots = perTon == d.shotsPerTon.end() ? Dash : WholeText(item.tons.toDouble() * *perTon);
        rows.append({item.name, item.location, FixedText(item.tons, 1), shots});
    }
    if (hasCargo) rows.append({CargoName, QString(LocationWord(Mounting::Body)), FixedText(cargo, 1), Dash});
    return rows;
}

int InventoryLines(const InventoryPart& part)
{
    return 1 + int(part.rows.size()) + (part.bins.isEmpty() ? 0 : 1 + int(part.bins.size()));
}

double InventoryHeight(int lines, double rowHeight)
{
    return TitleBar + 0.8 + lines * rowHeight + 1.5;
}

InventoryPart TakeInventoryLines(InventoryPart& rest, int lines)
{
    InventoryPart part;
    int left = lines - 1;  // below the column headers
    const qsizetype rows = std::clamp<qsizetype>(left, 0, rest.rows.size());
    part.rows = rest.rows.first(rows);
    rest.rows.remove(0, rows);
    left -= int(rows);
    if (rest.rows.isEmpty() && left >= 2) {
        const qsizetype bins = std::min<qsizetype>(left - 1, rest.bins.size());
        part.bins = rest.bins.first(bins);
        rest.bins.remove(0, bins);
    }
    return part;
}

void InventoryFrame(SheetPage& page, const InventoryPart& part, const QString& title, const QRectF& rect, double rowHeight)
{
    const QRectF inner = page.Frame(rect, title);
    double total = 0;
    for (const Column& c : InventoryColumns) total += c.weight;
    double x[ColumnCount + 1];
    x[0] = inner.left();
    for (int i = 0; i < ColumnCount; ++i) x[i + 1] = x[i] + inner.width() * InventoryColumns[i].weight / total;
    const double points = std::clamp(rowHeight * PointsPerRowMillimetre, SmallestTextPoints, TextPoints);
    auto cell = [&](int from, int to, double y, const QString& text, Qt::Alignment align, bool bold = false) {
        page.Text(QRectF(x[from], y, x[to] - x[from], rowHeight), text, points, bold, align);
    };
    double y = inner.top();
    for (int i = 0; i < ColumnCount; ++i)
        cell(i, i + 1, y, QLatin1String(InventoryColumns[i].header), InventoryColumns[i].align, true);
    for (const InventoryRow& row : part.rows) {
        y += rowHeight;
        const QString texts[] = {row.quantity, row.type, row.location, row.damage, row.minimum, row.shortRange, row.mediumRange, row.longRange};
        for (int i = 0; i < ColumnCount; ++i) cell(i, i + 1, y, texts[i], InventoryColumns[i].align);
    }
    if (part.bins.isEmpty()) return;
    y += rowHeight;
    cell(0, 2, y, u"Ammunition and Cargo"_s, Qt::AlignLeft, true);
    cell(2, 3, y, u"Loc"_s, Qt::AlignLeft, true);
    cell(3, 4, y, u"Tons"_s, Qt::AlignHCenter, true);
    cell(4, 6, y, u"Shots"_s, Qt::AlignHCenter, true);
    for (const BinRow& bin : part.bins) {
        y += rowHeight;
        cell(0, 2, y, bin.type, Qt::AlignLeft);
        cell(2, 3, y, bin.location, Qt::AlignLeft);
        cell(3, 4, y, bin.tons, Qt::AlignHCenter);
        cell(4, 6, y, bin.shots, Qt::AlignHCenter);
    }
}
