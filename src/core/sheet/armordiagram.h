#pragma once
// The armor diagram: the vehicle seen from above, front up, its zones as parts of the hull, each
// with one box per armor point. A zone that needs more room than its share takes it from the
// free space of the diagram (the hull widens, a band grows at the others' expense) before the
// boxes get smaller.
#include <QList>
#include <QRectF>
#include <QString>

#include "core/payload/payloaditem.h"
#include "core/sheet/sheetmodel.h"

// The largest box the diagram draws.
constexpr double LargestArmorBox = 3.0;

struct ArmorPoints {
    int front = 0, left = 0, right = 0, rear = 0;
    int top = 0;  // the turret or the rotor
};

struct ArmorDiagram {
    QRectF hull;
    double boxSize = 0;
    // Front, left, right, rear, then the turret or rotor when there is one.
    QList<SheetZone> zones;
};

// The name of the zone on top: the turret, or a VTOL's rotor.
QString TopsideName(Topside topside);

ArmorDiagram LayOutArmor(const QRectF& diagram, const ArmorPoints& points, Topside topside);
