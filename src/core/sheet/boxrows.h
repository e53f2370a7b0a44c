#pragma once
// Tick boxes in rows, five to a group with a wider gap between groups, so that a player counts
// them at a glance. All lengths are in millimetres.
#include <QList>
#include <QRectF>

// The smallest box a record sheet draws.
constexpr double SmallestBox = 1.2;

struct BoxPitch {
    double size;  // a box's width and height
    double gap;   // between two boxes of a group, and between rows
    double groupGap;  // added between two groups of five

    // The pitch that goes with a box size.
    static BoxPitch ForSize(double size);
};

// How many boxes one row of `width` holds: whole groups of five once it holds one.
int BoxesPerRow(const BoxPitch& pitch, double width);
// The height that `count` boxes take in rows of `width`; 0 for no boxes, a huge height when
// not even one box fits the width.
double RowsHeight(const BoxPitch& pitch, int count, double width);
// The narrowest width whose rows of at most `height` hold `count` boxes; a huge width when not
// even one row fits the height.
double RowsWidth(const BoxPitch& pitch, int count, double height);
// `count` boxes in rows inside `area`, the block of rows centred in it or from its top left;
// as many as fit when the area is too small.
QList<QRectF> PlaceBoxes(const BoxPitch& pitch, int count, const QRectF& area, bool centred = true);
