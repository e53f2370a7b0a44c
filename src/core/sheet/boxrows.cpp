#include "core/sheet/boxrows.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int GroupSize = 5;
constexpr double Huge = 1e9;

// The width of one row of `count` boxes.
double RowWidth(const BoxPitch& p, int count)
{
    if (count <= 0) return 0;
    return count * p.size + (count - 1) * p.gap + ((count - 1) / GroupSize) * p.groupGap;
}

int RowsFor(int count, int perRow)
{
    return (count + perRow - 1) / perRow;
}

}  // namespace

BoxPitch BoxPitch::ForSize(double size)
{
    return {size, std::max(0.25, 0.25 * size), std::max(0.5, 0.45 * size)};
}

int BoxesPerRow(const BoxPitch& p, double width)
{
    width += 1e-6;  // a width worked out for a row holds that row
    if (width < p.size) return 0;
    // A group of five spans its boxes and four gaps; the next group starts one gap and one
    // group gap after it.
    const double groupPeriod = GroupSize * (p.size + p.gap) + p.groupGap;
    // No zone holds anywhere near this many groups in a row; a width taken as unbounded stops here
    // rather than overflowing the count.
    constexpr double MostGroups = 100000;
    const int groups = int(std::min(std::floor((width + p.gap + p.groupGap) / groupPeriod), MostGroups));
    const double rest = width - groups * groupPeriod;
    // Rows of whole groups once a row holds one.
    if (groups > 0) return groups * GroupSize;
    return std::clamp(int(std::floor((rest + p.gap) / (p.size + p.gap))), 0, GroupSize - 1);
}

double RowsHeight(const BoxPitch& p, int count, double width)
{
    if (count <= 0) return 0;
    const int perRow = BoxesPerRow(p, width);
    if (perRow == 0) return Huge;
    const int rows = RowsFor(count, perRow);
    return rows * p.size + (rows - 1) * p.gap;
}

double RowsWidth(const BoxPitch& p, int count, double height)
{
    if (count <= 0) return 0;
    const int rows = int(std::floor((height + p.gap) / (p.size + p.gap)));
    if (rows <= 0) return Huge;
    const int columns = RowsFor(count, rows);
    return RowWidth(p, columns > GroupSize ? RowsFor(columns, GroupSize) * GroupSize : columns);
}

QList<QRectF> PlaceBoxes(const BoxPitch& p, int count, const QRectF& area, bool centred)
{
    QList<QRectF> boxes;
    const int perRow = BoxesPerRow(p, area.width());
    if (count <= 0 || perRow == 0) return boxes;
    const int columns = std::min(count, perRow);
    const int rows = RowsFor(count, columns);
    const double left = area.left() + (centred ? (area.width() - RowWidth(p, columns)) / 2 : 0);
    const double height = rows * p.size + (rows - 1) * p.gap;
    const double first = area.top() + (centred ? std::max(0.0, (area.height() - height) / 2) : 0);
    boxes.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int row = i / columns;
        const int column = i % columns;
        const double top = first + row * (p.size + p.gap);
        if (top + p.size > area.bottom() + 1e-6) break;
        const double x = left + column * (p.size + p.gap) + (column / GroupSize) * p.groupGap;
        boxes.append(QRectF(x, top, p.size, p.size));
    }
    return boxes;
}
