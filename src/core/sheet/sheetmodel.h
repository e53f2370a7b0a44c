#pragma once
// A record sheet as plain data: everything on one page with its place in millimetres from the
// page's top left corner. The painter draws it as it is; it decides nothing.
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

enum class SheetPaper { Letter, A4 };

// No text on a sheet is smaller: the builder lays out none smaller, the painter shrinks none
// below it.
constexpr double SmallestTextPoints = 7;

struct SheetText {
    QRectF rect;
    QString text;
    double points = 8;  // font size
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool operator==(const SheetText&) const = default;
};

enum class BoxShape { Circle, Square };

// A row of tick boxes, or one box, with what they stand for.
struct SheetBoxes {
    QList<QRectF> boxes;
    BoxShape shape = BoxShape::Square;
    bool operator==(const SheetBoxes&) const = default;
};

// An armor zone of the diagram or a location of the internal structure block: its boxes, one
// per point, all inside `rect`, below the caption.
struct SheetZone {
    QString name;
    int points = 0;
    QRectF rect;
    SheetText caption;
    QList<QRectF> boxes;
    bool operator==(const SheetZone&) const = default;
};

// A line of the weapons and equipment inventory, its texts in column order.
struct InventoryRow {
    QString quantity, type, location, damage, minimum, shortRange, mediumRange, longRange;
    bool operator==(const InventoryRow&) const = default;
};

// An ammunition bin or the cargo: what it is, where, its tons and its shots.
struct BinRow {
    QString type, location, tons, shots;
    bool operator==(const BinRow&) const = default;
};

// A framed section with its title bar.
struct SheetFrame {
    QRectF rect;
    QString title;
    bool operator==(const SheetFrame&) const = default;
};

// The vehicle seen from above: its hull around the zones, and what sits on top.
enum class Topside { None, Turret, Rotor };

struct SheetModel {
    SheetPaper paper = SheetPaper::Letter;
    QSizeF page;  // millimetres
    double margin = 0;
    QString title;  // the document's title: the vehicle's name

    QList<SheetFrame> frames;
    QList<SheetText> texts;
    QList<SheetBoxes> boxes;
    // Lines left blank to write on, such as the crew's name.
    QList<QLineF> blanks;

    // What the page says, for those who read it back: on a sheet of several pages, the lines of
    // this page.
    QList<InventoryRow> inventory;
    QList<BinRow> bins;

    QRectF diagram;
    QRectF hull;
    Topside topside = Topside::None;
    double boxSize = 0;
    QList<SheetZone> armor;
    QList<SheetZone> structure;
    bool operator==(const SheetModel&) const = default;
};
