// The text readout, top to bottom: the vehicle in labelled lines, the payload table, then the
// battle value and the price.
#include "core/export/textreadout.h"

#include <QFile>
#include <algorithm>
#include <string>

#include "core/export/readoutforms.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Labels fill this many characters; their values take the rest of the line.
constexpr int LabelWidth = 20;
constexpr int ValueWidth = TextReadoutWidth - LabelWidth;
constexpr int ColumnGap = 2;
// A location wider than this goes on over lines of its own in its column.
constexpr int WidestLocation = 12;

// Characters as a reader counts them: a character outside the first plane is one, not two.
int Width(const QString& text)
{
    return int(text.toStdU32String().size());
}

QString Blanks(int count)
{
    return QString(std::max(count, 0), u' ');
}

QString LeftAligned(const QString& text, int width)
{
    return text + Blanks(width - Width(text));
}

QString RightAligned(const QString& text, int width)
{
    return Blanks(width - Width(text)) + text;
}

QString WithoutTrailingBlanks(const QString& line)
{
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == u' ') --end;
    return line.left(end);
}

// Pieces of at most `width` characters, each broken after the last word that fits, or inside a
// word longer than the width; the blanks after a break go, those before it end up at the end of
// a line, which drops them. Control characters (tabs, line ends) count as blanks, so that a
// value stays on its own lines.
QStringList Wrap(const QString& text, int width)
{
    QString oneLine = text;
    for (QChar& c : oneLine)
        if (c.category() == QChar::Other_Control) c = u' ';
    std::u32string rest = oneLine.trimmed().toStdU32String();
    const auto trimStart = [](std::u32string& s) { s.erase(0, s.find_first_not_of(U' ')); };
    QStringList pieces;
    while (rest.size() > std::size_t(width)) {
        std::size_t cut = rest.rfind(U' ', std::size_t(width));
        if (cut == std::u32string::npos || cut == 0) cut = std::size_t(width);
        pieces << QString::fromStdU32String(rest.substr(0, cut));
        rest.erase(0, cut);
        trimStart(rest);
    }
    pieces << QString::fromStdU32String(rest);
    return pieces;
}

class TextLines {
public:
    // "Label:" and its value, the value's further pieces below it in the value column.
    void Labelled(const char* label, const QString& value)
    {
        const QStringList pieces = Wrap(value, ValueWidth);
        for (qsizetype i = 0; i < pieces.size(); ++i)
            Line((i == 0 ? LeftAligned(QLatin1String(label), LabelWidth) : Blanks(LabelWidth)) + pieces[i]);
    }
    void Line(const QString& text = QString()) { lines_ << WithoutTrailingBlanks(text); }
    const QStringList& Lines() const { return lines_; }

private:
    QStringList lines_;
};

QString TonsText(const QString& tons)
{
    return tons + u" tons"_s;
}

QString TonsText(int tons)
{
    return WholeText(tons) + (tons == 1 ? u" ton"_s : u" tons"_s);
}

// Speeds in km/h from movement points, as the page gives them.
QString SpeedText(double mp, const QString& kilometresPerHour)
{
    return WholeText(mp) + u" ("_s + kilometresPerHour + u" km/h)"_s;
}

void Vehicle(TextLines& out, const ReadoutDesign& d)
{
    out.Line(u"Vehicle Technical Readout"_s);
    out.Labelled("Type:", d.name);
    out.Labelled("Technology Base:", u"Inner Sphere Level 2"_s);
    if (d.motive) out.Labelled("Movement Type:", QLatin1String(OptionOf(*d.motive).caption));
    out.Labelled("Tonnage:", WholeText(d.mass));
    out.Labelled("Cruise MP:", SpeedText(d.cruiseMP, OneDecimalText(d.cruiseMP * KilometresPerHourPerMP)));
    out.Labelled("Flank MP:", SpeedText(d.flankMP, WholeText(d.flankMP * KilometresPerHourPerMP)));
}

void Components(TextLines& out, const ReadoutDesign& d)
{
    QString engine = WholeText(d.engineRating);
    if (d.engine) engine += u' ' + QLatin1String(OptionOf(*d.engine).caption);
    out.Labelled("Engine:", engine + u", "_s + TonsText(OneDecimalText(d.engineTonnage)));
    out.Labelled("Internal Structure:", u"Standard, "_s + WholeText(StructurePoints(d)) + u" points per location, "_s +
                                           TonsText(OneDecimalText(d.structureTonnage)));
    out.Labelled("Heat Sinks:", WholeText(d.heatSinks) + u", "_s + TonsText(d.heatSinkTonnage));
    out.Labelled("Turret:", TonsText(OneDecimalText(d.turretTonnage)));
    out.Labelled("Control Equipment:", TonsText(OneDecimalText(d.controlTonnage)));
    out.Labelled("Lift Equipment:", TonsText(OneDecimalText(d.liftTonnage)));
    out.Labelled("Power Amplifier:", TonsText(OneDecimalText(d.powerAmpTonnage)));
}

struct ArmorLocation {
    const char* word;
    int ReadoutDesign::*armor;
};

constexpr ArmorLocation ArmorLocations[] = {
    {"Front", &ReadoutDesign::frontArmor},
    {"Right", &ReadoutDesign::rightArmor},
    {"Left", &ReadoutDesign::leftArmor},
    {"Rear", &ReadoutDesign::rearArmor},
};

void ArmorLines(TextLines& out, const ReadoutDesign& d)
{
    out.Labelled("Armor:", d.armorTypeName + (d.caseFitted ? u" with CASE"_s : QString()));
    out.Labelled("Armor Factor:", WholeText(d.armorFactor) + u", "_s + TonsText(OneDecimalText(d.armorTonnage)));
    QStringList values;
    for (const ArmorLocation& location : ArmorLocations)
        values << QLatin1String(location.word) + u' ' + WholeText(d.*location.armor);
    // The turret, or a VTOL's rotor in its place; a vehicle without either leaves it out.
    const MotiveOption& motive = OptionOf(d.motive.value_or(Motive::Hover));
    if (!motive.turret || d.turretFitted)
        values << QLatin1String(motive.turretCaption).chopped(1) + u' ' + WholeText(d.turretArmor);
    out.Labelled("Armor Value:", values.join(u", "_s));
}

// The payload table: every item, ammunition included. The numbers keep their widths; the
// names take what the line leaves.
void Payload(TextLines& out, const ReadoutDesign& d)
{
    struct Row {
        QString name, location, heat, tons;
    };
    QList<Row> rows;
    Row widths{u"Weapons and Ammo"_s, u"Location"_s, u"Heat"_s, u"Mass"_s};
    int nameWidth = Width(widths.name), locationWidth = Width(widths.location), heatWidth = Width(widths.heat),
        tonsWidth = Width(widths.tons);
    for (const ReadoutItem& item : d.payload) {
        rows.append({item.name.trimmed(), item.location.trimmed(), WholeText(item.heat), OneDecimalText(item.tons)});
        nameWidth = std::max(nameWidth, Width(rows.last().name));
        locationWidth = std::max(locationWidth, Width(rows.last().location));
        heatWidth = std::max(heatWidth, Width(rows.last().heat));
        tonsWidth = std::max(tonsWidth, Width(rows.last().tons));
    }
    locationWidth = std::min(locationWidth, WidestLocation);
    nameWidth = std::min(nameWidth, TextReadoutWidth - 3 * ColumnGap - locationWidth - heatWidth - tonsWidth);
    const QString gap = Blanks(ColumnGap);
    const auto line = [&](const QString& name, const QString& location, const QString& heat, const QString& tons) {
        out.Line(LeftAligned(name, nameWidth) + gap + LeftAligned(location, locationWidth) + gap +
                 RightAligned(heat, heatWidth) + gap + RightAligned(tons, tonsWidth));
    };
    line(widths.name, widths.location, widths.heat, widths.tons);
    const auto rule = [](int width) { return QString(width, u'-'); };
    line(rule(nameWidth), rule(locationWidth), rule(heatWidth), rule(tonsWidth));
    for (const Row& row : rows) {
        const QStringList names = Wrap(row.name, nameWidth), locations = Wrap(row.location, locationWidth);
        line(names[0], locations[0], row.heat, row.tons);
        for (qsizetype i = 1; i < std::max(names.size(), locations.size()); ++i)
            line(names.value(i), locations.value(i), QString(), QString());
    }
}

}  // namespace

QStringList TextReadoutLines(const ReadoutDesign& design, int battleValue)
{
    TextLines out;
    Vehicle(out, design);
    Components(out, design);
    ArmorLines(out, design);
    out.Line();
    Payload(out, design);
    out.Line();
    out.Labelled("Battle Value:", WholeText(battleValue));
    if (design.cost) out.Labelled("Vehicle Cost:", WholeText(*design.cost));
    return out.Lines();
}

QString TextReadout(const ReadoutDesign& design, int battleValue)
{
    QString text;
    for (const QString& line : TextReadoutLines(design, battleValue)) text += line + u'\n';
    return text;
}

bool WriteTextFile(const QString& text, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    const QByteArray bytes = text.toUtf8();
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
