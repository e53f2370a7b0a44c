#pragma once
// The technical readout of a design as the lines of an HTML page. The plain page and the page
// styled for the Halvorn site share every line but the head, the engine cell and the site's
// navigation block at the foot.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/values/currency.h"
#include "core/rules/options.h"

enum class ReadoutStyle { Plain, Site };

struct ReadoutItem {
    QString name{};
    int heat = 0;
    Currency tons{};
    QString location{};
};

// Everything the readout shows, as plain values; every member has a default, so a design names
// only the values it sets.
struct ReadoutDesign {
    QString name{};
    int mass = 0;
    std::optional<Motive> motive{};  // none when no option is chosen
    std::optional<Engine> engine{};
    int engineRating = 0;
    Currency engineTonnage{};
    // The movement points as the speed labels show them.
    double cruiseMP = 0;
    double flankMP = 0;
    Currency structureTonnage{};
    int heatSinks = 0;
    int heatSinkTonnage = 0;
    Currency turretTonnage{};
    Currency controlTonnage{};
    Currency liftTonnage{};
    Currency powerAmpTonnage{};
    Currency armorFactor{};
    Currency armorTonnage{};
    QString armorTypeName{};
    bool caseFitted = false;
    bool turretFitted = false;
    int frontArmor = 0;
    int rightArmor = 0;
    int leftArmor = 0;
    int rearArmor = 0;
    int turretArmor = 0;
    QString manufacturer{};
    QString commSystem{};
    QString targetingSystem{};
    QString overview{};
    QList<ReadoutItem> payload{};
    // Empty when the price cannot be worked out.
    std::optional<Currency> cost{};
};

// Speeds in km/h from movement points.
inline constexpr double KilometresPerHourPerMP = 10.6;

// The internal structure points of every location: a tenth of the mass, remainder dropped.
int StructurePoints(const ReadoutDesign& design);

// The page's lines without line ends; `dateTime` is the text of the moment of export. Without a
// price the page stops after the weapons table, where the price is asked for.
QStringList ReadoutLines(const ReadoutDesign& design, ReadoutStyle style, const QString& dateTime);
