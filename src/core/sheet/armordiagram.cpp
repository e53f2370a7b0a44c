#include "core/sheet/armordiagram.h"

#include <algorithm>
#include <optional>

#include "core/sheet/boxrows.h"
#include "core/sheet/sheetcaption.h"

namespace {

constexpr double CaptionHeight = 3.6;
constexpr double Padding = 1.0;
constexpr double ZoneGap = 1.5;
constexpr double BoxStep = 0.05;
constexpr double SmallestEverBox = 0.1;
constexpr double HullStep = 2.0;
// A side zone is never narrower than its caption; neither is a turret or a rotor.
constexpr double NarrowestSide = 17.0;
constexpr double NarrowestTurret = 20.0;
constexpr double NarrowestRotor = 16.0;
// The hull's width to the diagram's height when nothing needs more room.
constexpr double HullAspect = 0.62;
constexpr double HullShareOfWidth = 0.5;
// The shares of the hull's height and width when nothing needs more room.
constexpr double FrontShare = 0.30;
constexpr double RearShare = 0.24;
constexpr double SideShare = 0.26;

// The height of a zone as wide as `width` that holds `count` boxes below its caption.
double ZoneHeight(const BoxPitch& p, int count, double width)
{
    return CaptionHeight + RowsHeight(p, count, width - 2 * Padding) + Padding;
}

// The width of a zone as high as `height` that holds `count` boxes below its caption.
double ZoneWidth(const BoxPitch& p, int count, double height, double narrowest)
{
    return std::max(narrowest, RowsWidth(p, count, height - CaptionHeight - Padding) + 2 * Padding);
}

struct Bands {
    double front, middle, rear;
    double left, right, top;
};

double NarrowestTop(Topside topside)
{
    switch (topside) {
    case Topside::Turret: return NarrowestTurret;
    case Topside::Rotor: return NarrowestRotor;
    case Topside::None: break;
    }
    return 0;
}

// The middle band's widths at `height`, when they fit the hull.
std::optional<Bands> MiddleAt(const BoxPitch& p, const ArmorPoints& a, Topside topside, double width, double height)
{
    if (height < CaptionHeight + Padding + p.size) return std::nullopt;
    Bands b{};
    b.middle = height;
    b.left = ZoneWidth(p, a.left, height, NarrowestSide);
    b.right = ZoneWidth(p, a.right, height, NarrowestSide);
    b.top = topside == Topside::None ? 0 : ZoneWidth(p, a.top, height, NarrowestTop(topside));
    if (b.left + b.right + b.top + 2 * ZoneGap > width) return std::nullopt;
    // Sides no narrower than their share when the middle leaves room for it.
    const double share = SideShare * width;
    const double wideLeft = std::max(b.left, share), wideRight = std::max(b.right, share);
    if (wideLeft + wideRight + b.top + 2 * ZoneGap <= width) {
        b.left = wideLeft;
        b.right = wideRight;
    }
    b.top = width - b.left - b.right - 2 * ZoneGap;
    return b;
}

// The bands of a hull `width` wide at box pitch `p`, when everything fits.
std::optional<Bands> TryHull(const BoxPitch& p, const ArmorPoints& a, Topside topside, double width, double height)
{
    const double front = ZoneHeight(p, a.front, width);
    const double rear = ZoneHeight(p, a.rear, width);
    const double middle = height - front - rear - 2 * ZoneGap;
    // Front and rear at their shares when the middle still fits in what they leave.
    const double wideFront = std::max(front, FrontShare * height);
    const double wideRear = std::max(rear, RearShare * height);
    if (auto b = MiddleAt(p, a, topside, width, height - wideFront - wideRear - 2 * ZoneGap)) {
        b->front = wideFront;
        b->rear = wideRear;
        return b;
    }
    if (auto b = MiddleAt(p, a, topside, width, middle)) {
        b->front = front;
        b->rear = rear;
        return b;
    }
    return std::nullopt;
}

SheetZone Zone(const QString& name, int points, const QRectF& rect, const BoxPitch& p)
{
    SheetZone zone;
    zone.name = name;
    zone.points = points;
    zone.rect = rect;
    zone.caption = ZoneCaption(name, points, QRectF(rect.left() + Padding, rect.top(), rect.width() - 2 * Padding, CaptionHeight));
    const QRectF area(rect.left() + Padding, rect.top() + CaptionHeight, rect.width() - 2 * Padding,
                      rect.height() - CaptionHeight - Padding);
    zone.boxes = PlaceBoxes(p, points, area);
    return zone;
}

// The turret or rotor drawn no larger than it looks right, inside the middle's centre.
QRectF TopsideRect(const QRectF& centre, const BoxPitch& p, int points, Topside topside)
{
    const double width = std::max(ZoneWidth(p, points, centre.height(), NarrowestTop(topside)), centre.width() * 0.8);
    const double height = std::max(ZoneHeight(p, points, width), centre.height() * (topside == Topside::Rotor ? 0.5 : 0.8));
    QRectF rect(0, 0, std::min(width, centre.width()), std::min(height, centre.height()));
    rect.moveCenter(centre.center());
    return rect;
}

ArmorDiagram Build(const QRectF& d, const ArmorPoints& a, Topside topside, const BoxPitch& p, double width, const Bands& b)
{
    ArmorDiagram diagram;
    diagram.boxSize = p.size;
    const double left = d.center().x() - width / 2;
    diagram.hull = QRectF(left, d.top(), width, d.height());
    const double middleTop = d.top() + b.front + ZoneGap;
    diagram.zones << Zone(QString(LocationWord(Mounting::Front)), a.front, QRectF(left, d.top(), width, b.front), p)
                  << Zone(QString(LocationWord(Mounting::Left)), a.left, QRectF(left, middleTop, b.left, b.middle), p)
                  << Zone(QString(LocationWord(Mounting::Right)), a.right, QRectF(left + width - b.right, middleTop, b.right, b.middle), p)
                  << Zone(QString(LocationWord(Mounting::Rear)), a.rear, QRectF(left, d.bottom() - b.rear, width, b.rear), p);
    if (topside != Topside::None) {
        const QRectF centre(left + b.left + ZoneGap, middleTop, b.top, b.middle);
        diagram.zones << Zone(TopsideName(topside), a.top, TopsideRect(centre, p, a.top, topside), p);
    }
    return diagram;
}

}  // namespace

QString TopsideName(Topside topside)
{
    if (topside != Topside::Rotor) return QString(LocationWord(Mounting::Turret));
    // The rotor has no location of its own: it is the VTOL's turret location, under its caption.
    QString caption = QString::fromLatin1(OptionOf(Motive::VTOL).turretCaption);
    if (caption.endsWith(u':')) caption.chop(1);
    return caption;
}

ArmorDiagram LayOutArmor(const QRectF& d, const ArmorPoints& a, Topside topside)
{
    const double narrowest = std::min(d.width(), std::max(d.height() * HullAspect, d.width() * HullShareOfWidth));
    // The widest hull is tried last: the zones take the free space before the boxes shrink.
    auto fit = [&](double size) -> std::optional<ArmorDiagram> {
        const BoxPitch p = BoxPitch::ForSize(size);
        for (double width = narrowest;; width = std::min(width + HullStep, d.width())) {
            if (const auto bands = TryHull(p, a, topside, width, d.height())) return Build(d, a, topside, p, width, *bands);
            if (width >= d.width()) return std::nullopt;
        }
    };
    // The largest box size on a grid of steps that fits: smaller boxes always fit where larger
    // ones do, so halving the range finds it.
    const int steps = int((LargestArmorBox - SmallestEverBox) / BoxStep + 0.5);
    auto sizeAt = [&](int step) { return LargestArmorBox - step * BoxStep; };
    if (auto largest = fit(sizeAt(0))) return *largest;
    int tooLarge = 0, fits = steps;
    std::optional<ArmorDiagram> found = fit(sizeAt(steps));
    if (found)
        while (fits - tooLarge > 1) {
            const int middle = (tooLarge + fits) / 2;
            if (auto diagram = fit(sizeAt(middle))) {
                fits = middle;
                found = std::move(diagram);
            } else {
                tooLarge = middle;
            }
        }
    if (found) return *found;
    // A diagram too small for anything: the zones at their shares, with the boxes that fit.
    const BoxPitch p = BoxPitch::ForSize(SmallestEverBox);
    const double middle = (1 - FrontShare - RearShare) * d.height() - 2 * ZoneGap;
    return Build(d, a, topside, p, d.width(),
                 {FrontShare * d.height(), middle, RearShare * d.height(), SideShare * d.width(), SideShare * d.width(),
                  d.width() * (1 - 2 * SideShare) - 2 * ZoneGap});
}
