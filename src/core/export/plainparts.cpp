// The plain page: a black-on-white head titled with the vehicle's name, the engine type in the
// rating's cell, nothing after the time of export.
#include "core/export/readoutforms.h"
#include "core/export/readoutstyle.h"

using namespace Qt::Literals::StringLiterals;

namespace readout {
namespace {

void Head(LineSink& out, const ReadoutDesign& design)
{
    out.Line(u"<HTML>"_s);
    out.Line(u"<Header>"_s);
    out.Line(u"<Title>"_s + design.name + u"</Title>"_s);
    out.Line(u"</HEADER>"_s);
    out.Line(uR"(<BODY TEXT="000000" BGCOLOR="FFFFFF">)"_s);
    out.Line(u"<CENTER><B>Vehicle Technical Readout</B><BR>"_s);
    out.Line(u"<Font Size = 4><B><U>"_s + design.name + u"</U></B></Font><BR></CENTER>"_s);
    out.Line();
    out.Line(u"<BR><BR>"_s);
}

// Without an engine type the cell stays open and the next line continues it.
void EngineCell(LineSink& out, const ReadoutDesign& design)
{
    out.Write(u"<TD ALIGN=CENTER>"_s + WholeText(design.engineRating));
    if (design.engine) out.Line(QLatin1String(OptionOf(*design.engine).readoutCellEnd));
}

void NoNavigation(LineSink&, const ReadoutDesign&) {}

}  // namespace

const StyleParts PlainParts = {Head, EngineCell, NoNavigation};

}  // namespace readout
