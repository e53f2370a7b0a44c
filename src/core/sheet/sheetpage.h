#pragma once
// Writing on a page of a record sheet: texts, framed sections with their title bars, tick boxes
// and blank lines, and the measures the sections share. All lengths are in millimetres.
#include <QLineF>
#include <QRectF>
#include <QString>

#include "core/sheet/sheetmodel.h"

constexpr double TitleBar = 4.6;  // a frame's title bar
constexpr double SectionGap = 3.0;
constexpr double TextPoints = 8;
constexpr double RowHeight = 3.7;  // a line of text at TextPoints
constexpr double PointsPerRowMillimetre = TextPoints / RowHeight;
// The lowest line that holds a text of the smallest size.
constexpr double SmallestRow = SmallestTextPoints / PointsPerRowMillimetre;
constexpr double TickBox = 3.0;

class SheetPage {
public:
    explicit SheetPage(SheetModel& model) : m_(model) {}

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
    // A line to write on, from `left` to `right` at the height of `y`.
    void Blank(double left, double right, double y) { m_.blanks.append(QLineF(left, y, right, y)); }

private:
    SheetModel& m_;
};
