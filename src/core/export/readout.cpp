// The readout page, top to bottom. The style supplies its head, its engine cell and what follows
// the time of export; every other line is the same in both styles.
#include "core/export/readout.h"

#include "core/export/linesink.h"
#include "core/export/readoutforms.h"
#include "core/export/readoutstyle.h"

using namespace Qt::Literals::StringLiterals;

namespace readout {
namespace {

const StyleParts& PartsOf(ReadoutStyle style)
{
    return style == ReadoutStyle::Site ? SiteParts : PlainParts;
}

void Summary(LineSink& out, const ReadoutDesign& d)
{
    out.Line(u"<B>Mass: </B>"_s + WholeText(d.mass) + u"<BR>"_s);
    if (d.motive) out.Line(u"<B>Movement Type: </B>"_s + QLatin1String(OptionOf(*d.motive).caption) + u"<BR>"_s);
    out.Line(u"<B>Power Plant: </B>"_s + WholeText(d.engineRating) + u"<BR>"_s);
    if (d.engine) out.Line(u"<B>Engine Type: </B>"_s + QLatin1String(OptionOf(*d.engine).caption) + u"<BR>"_s);
    out.Line(u"<B>Cruise Speed: </B>"_s + OneDecimalText(d.cruiseMP * KilometresPerHourPerMP) + u" km/h<BR>"_s);
    out.Line(u"<B>Flank Speed: </B>"_s + WholeText(d.flankMP * KilometresPerHourPerMP) + u" km/h<BR>"_s);
    out.Line(u"<B>Armor: </B>"_s + d.armorTypeName + (d.caseFitted ? u" with CASE<BR>"_s : u"<BR>"_s));
}

// Every item but ammunition.
void Armament(LineSink& out, const ReadoutDesign& d)
{
    out.Line(u"<B>Armament: </B><BR>"_s);
    for (const ReadoutItem& item : d.payload)
        if (item.name.left(4) != u"Ammo"_s) out.Line(u"&nbsp&nbsp "_s + item.name + u"<BR>"_s);
    out.Line(u"<BR>"_s);
}

void Systems(LineSink& out, const ReadoutDesign& d)
{
    out.Line(u"<B>Manufacturer: </B>"_s + d.manufacturer + u"<BR>"_s);
    out.Line(u"<B>Communications System: </B>"_s + d.commSystem + u"<BR>"_s);
    out.Line(u"<B>Targeting & Tracking System: </B>"_s + d.targetingSystem + u"<BR>"_s);
    out.Line(u"<BR>"_s);
}

// The text as typed: each line feed ends an output line with a break, carriage returns go.
void Overview(LineSink& out, const ReadoutDesign& d)
{
    out.Line(u"<B>Overview:</B><BR>"_s);
    out.Line(uR"(<Table Border = 0 Cellpadding = 0 Cellspacing = 0 Width = "65%">)"_s);
    out.Line(u"<TR><TD>"_s);
    for (const QChar c : d.overview) {
        if (c == u'\r') continue;
        if (c == u'\n')
            out.Line(u"<BR>"_s);
        else
            out.Write(QString(c));
    }
    out.Line(u"</TD></TR></Table>"_s);
    out.Line(u"<BR><BR><BR>"_s);
}

void TypeLines(LineSink& out, const ReadoutDesign& d)
{
    out.Line(u"Type: <B>"_s + d.name + u"</B><BR>"_s);
    out.Line(u"Technology Base: Inner Sphere Level 2<BR>"_s);
    if (d.motive) out.Line(u"Movement Type: "_s + QLatin1String(OptionOf(*d.motive).caption) + u"<BR>"_s);
    out.Line(u"Tonnage: "_s + WholeText(d.mass) + u"<BR>"_s);
    out.Line(u"<BR>"_s);
    out.Line(u"</Center>"_s);
}

void EquipmentHeader(LineSink& out)
{
    out.Line(uR"(<TABLE BORDER=0 CELLPADDING=0 CELLSPACING=0 WIDTH="65%">)"_s);
    out.Line(uR"(<TR><TH ALIGN=LEFT WIDTH="5%"></TH><TH ALIGN=LEFT WIDTH="35%"></TH>)"_s);
    out.Line(uR"(<TH ALIGN=CENTER WIDTH="15%"></TH><TH ALIGN=CENTER WIDTH="15%"></TH>)"_s);
    out.Line(uR"(<TH ALIGN=CENTER WIDTH="15%"></TH><TH ALIGN=RIGHT WIDTH="15%"></TH>)"_s);
    out.Line(u"</TR>"_s);
    out.Line(u"<TR>"_s);
    out.Line(u"<TD COLSPAN=2><B><U>Equipment</U></B></TD>"_s);
    out.Line(u"<TD COLSPAN=3></TD>"_s);
    out.Line(u"<TD ALIGN=RIGHT><B><U>Mass</U></B></TD>"_s);
    out.Line(u"</TR>"_s);
}

void EngineRows(LineSink& out, const ReadoutDesign& d, const StyleParts& style)
{
    out.Line(u"<TR>"_s);
    out.Line(u"<TD COLSPAN=2>Engine:</TD>"_s);
    style.engineCell(out, d);
    out.Line(u"<TD></TD><TD></TD>"_s);
    out.Line(u"<TD ALIGN=RIGHT>"_s + OneDecimalText(d.engineTonnage) + u"</TD>"_s);
    out.Line(u"</TR>"_s);
    out.Line(u"<TR>"_s);
    out.Line(u"<TD></TD>"_s);
    out.Line(u"<TD>Cruise MP:</TD>"_s);
    out.Line(u"<TD ALIGN=CENTER>"_s + WholeText(d.cruiseMP) + u"</TD>"_s);
    out.Line(u"</TR>"_s);
    out.Line(u"<TR>"_s);
    out.Line(u"<TD></TD>"_s);
    out.Line(u"<TD>Flank MP:</B></TD>"_s);
    out.Line(u"<TD ALIGN=CENTER>"_s + WholeText(d.flankMP) + u"</TD>"_s);
    out.Line(u"</TR>"_s);
}

// A row of a caption, three empty cells and a mass; the caller opens it.
void MassRow(LineSink& out, const QString& caption, Currency tons)
{
    out.Line(u"<TD COLSPAN=2>"_s + caption + u"</B></TD>"_s);
    out.Line(u"<TD></TD><TD></TD><TD></TD>"_s);
    out.Line(u"<TD ALIGN=RIGHT>"_s + OneDecimalText(tons) + u"</TD>"_s);
    out.Line(u"</TR>"_s);
}

void ComponentRows(LineSink& out, const ReadoutDesign& d)
{
    out.Line(u"<TR>"_s);
    out.Line(u"<TD COLSPAN=2>Internal Structure:</TD>"_s);
    out.Line(u"<TD ALIGN=CENTER>Standard</TD>"_s);
    out.Line(u"<TD></TD><TD></TD>"_s);
    out.Line(u"<TD ALIGN=RIGHT>"_s + OneDecimalText(d.structureTonnage) + u"</TD>"_s);
    out.Line(u"</TR>"_s);
    out.Line(u"<TR>"_s);
    out.Line(u"<TD COLSPAN=2>Heat Sinks:</B></TD>"_s);
    out.Line(u"<TD ALIGN=CENTER>"_s + WholeText(d.heatSinks) + u"</TD>"_s);
    out.Line(u"<TD></TD><TD></TD>"_s);
    out.Line(u"<TD ALIGN=RIGHT>"_s + WholeText(d.heatSinkTonnage) + u"</TD>"_s);
    out.Line(u"</TR>"_s);
    // The turret row opens twice, the control equipment row not at all.
    out.Line(u"<TR>"_s);
    out.Line(u"<TR>"_s);
    MassRow(out, u"Turret:"_s, d.turretTonnage);
    MassRow(out, u"Control Equipment:"_s, d.controlTonnage);
    out.Line(u"<TR>"_s);
    MassRow(out, u"Lift Equipment:"_s, d.liftTonnage);
    out.Line(u"<TR>"_s);
    MassRow(out, u"Power Amplifier:"_s, d.powerAmpTonnage);
    out.Line(u"<TR>"_s);
    out.Line(u"<TD COLSPAN=2>Armor Factor:</B></TD>"_s);
    out.Write(u"<TD ALIGN=CENTER>"_s + WholeText(d.armorFactor));
    out.Line(d.armorTypeName == u"Ferro Fibrous"_s ? u" FF</TD>"_s : u"</TD>"_s);
    out.Line(u"<TD></TD><TD></TD>"_s);
    out.Line(u"<TD ALIGN=RIGHT>"_s + OneDecimalText(d.armorTonnage) + u"</TD>"_s);
    out.Line(u"</TR>"_s);
}

struct LocationRow {
    const char* caption;
    int ReadoutDesign::*armor;
};

constexpr LocationRow LocationRows[] = {
    {"<TD><B>Front:</B></TD>", &ReadoutDesign::frontArmor},
    {"<TD><B>Right:</B></TD>", &ReadoutDesign::rightArmor},
    {"<TD><STRONG>Left:</STRONG></TD>", &ReadoutDesign::leftArmor},
    {"<TD><B>Rear:</B></TD>", &ReadoutDesign::rearArmor},
};

void ArmorRows(LineSink& out, const ReadoutDesign& d)
{
    out.Line(u"<TR Height = 21></TR>"_s);
    out.Line(u"<TR>"_s);
    out.Line(u"<TD></TD><TD></TD>"_s);
    out.Line(u"<TD ALIGN=CENTER><B>Internal</B></TD>"_s);
    out.Line(u"<TD ALIGN=CENTER><B>Armor</B></TD>"_s);
    out.Line(u"</TR>"_s);
    out.Line(u"<TR>"_s);
    out.Line(u"<TD></TD><TD></TD>"_s);
    out.Line(u"<TD ALIGN=CENTER><B><U>Structure</U></B></TD>"_s);
    out.Line(u"<TD ALIGN=CENTER><B><U>Value</U></B></TD>"_s);
    out.Line(u"</TR>"_s);
    out.Line(u"<TR>"_s);
    const QString structureCell = u"<TD ALIGN=CENTER>"_s + SpacedIntegerText(StructurePoints(d)) + u"</TD>"_s;
    for (const LocationRow& row : LocationRows) {
        out.Line(u"<TR>"_s);
        out.Line(u"<TD></TD>"_s);
        out.Line(QLatin1String(row.caption));
        out.Line(structureCell);
        out.Line(u"<TD ALIGN=CENTER>"_s + WholeText(d.*row.armor) + u"</TD>"_s);
        out.Line(u"</TR>"_s);
    }
    // A vehicle with neither rotor nor turret leaves this last row open.
    out.Line(u"<TR>"_s);
    out.Line(u"<TD></TD>"_s);
    // A vehicle that can have no turret shows its rotor there.
    const MotiveOption& motive = OptionOf(d.motive.value_or(Motive::Hover));
    if (!motive.turret || d.turretFitted) {
        out.Line(u"<TD><B>"_s + QLatin1String(motive.turretCaption) + u"</B></TD>"_s);
        out.Line(structureCell);
        out.Line(u"<TD ALIGN=CENTER>"_s + WholeText(d.turretArmor) + u"</TD>"_s);
        out.Line(u"</TR>"_s);
    }
    out.Line(u"</TABLE><BR>"_s);
    out.Line(u"<BR><BR>"_s);
}

// Every item, ammunition included.
void WeaponsTable(LineSink& out, const ReadoutDesign& d)
{
    out.Line(uR"(<TABLE BORDER=0 CELLPADDING=0 CELLSPACING=0 WIDTH="65%">)"_s);
    out.Line(uR"(<TR><TH ALIGN=LEFT WIDTH="38%"><B><U>Weapons and Ammo</U></B></TH>)"_s);
    out.Line(uR"(<TH ALIGN=CENTER WIDTH="2%"></TH>)"_s);
    out.Line(uR"(<TH ALIGN=CENTER WIDTH="15%"><B><U>Location</U></B></TH>)"_s);
    out.Line(uR"(<TH ALIGN=CENTER WIDTH="15%"><B><U>Heat</U></B></TH>)"_s);
    out.Line(uR"(<TH ALIGN=RIGHT WIDTH="15%"><B><U>Mass</U></B></TH></TR>)"_s);
    for (const ReadoutItem& item : d.payload) {
        out.Line(u"<TR>"_s);
        out.Line(u"<TD>"_s + item.name + u"</TD>"_s);
        out.Line(u"<TD> </TD>"_s);
        out.Line(u"<TD ALIGN=CENTER>"_s + item.location + u"</TD>"_s);
        out.Line(u"<TD ALIGN=CENTER>"_s + WholeText(item.heat) + u"</TD>"_s);
        out.Line(u"<TD ALIGN=RIGHT>"_s + OneDecimalText(item.tons) + u"</TD>"_s);
        out.Line(u"</TR>"_s);
    }
    out.Line(u"</Table>"_s);
    out.Line(u"<BR><BR><BR>"_s);
}

void CostAndDate(LineSink& out, Currency cost, const QString& dateTime)
{
    out.Line(u"Vehicle Cost: "_s + WholeText(cost) + u"<BR>"_s);
    out.Line(u"<BR>"_s);
    out.Line(u"Generated on "_s + dateTime + u"<BR><BR>"_s);
}

void End(LineSink& out)
{
    out.Line(u"</BODY>"_s);
    out.Line(u"</HTML>"_s);
}

}  // namespace
}  // namespace readout

int StructurePoints(const ReadoutDesign& design)
{
    constexpr int TonsPerStructurePoint = 10;
    return design.mass / TonsPerStructurePoint;
}

QStringList ReadoutLines(const ReadoutDesign& design, ReadoutStyle style, const QString& dateTime)
{
    using namespace readout;
    const StyleParts& parts = PartsOf(style);
    LineSink out;
    parts.head(out, design);
    Summary(out, design);
    Armament(out, design);
    Systems(out, design);
    Overview(out, design);
    TypeLines(out, design);
    EquipmentHeader(out);
    EngineRows(out, design, parts);
    ComponentRows(out, design);
    ArmorRows(out, design);
    WeaponsTable(out, design);
    if (!design.cost) return out.Lines();
    CostAndDate(out, *design.cost, dateTime);
    parts.navigation(out, design);
    End(out);
    return out.Lines();
}
