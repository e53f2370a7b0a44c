// The Halvorn site's page: its own head with the background image and the vehicle's picture,
// the engine type on a line of its own, and the site's navigation table at the foot.
#include "core/export/readoutforms.h"
#include "core/export/readoutstyle.h"
#include "core/export/sitelinks.h"

using namespace Qt::Literals::StringLiterals;

namespace readout {
namespace {

void Head(LineSink& out, const ReadoutDesign& design)
{
    out.Line(u"<HTML>"_s);
    out.Line(u"<HEAD>"_s);
    out.Line(u"   <TITLE>Halvorn Tech Readout</TITLE>"_s);
    out.Line(u"</HEAD>"_s);
    out.Line();
    out.Line(uR"(<body background="../tro_bg.jpg" bgcolor="#000000" text="#FFFFFF" link="#FF9900" vlink="#FF9900" alink="#C0C0C0">)"_s);
    out.Line();
    out.Line(u"<p><BR><CENTER><B><U><FONT SIZE=+4>Halvorn TRO</FONT></U></B>"_s);
    out.Line(u"<font size=+3><BR>"_s + design.name + u"<BR></font>"_s);
    out.Line(u"<hr width = 50% align=center></Center></p>"_s);
    out.Line();
    out.Line(uR"(<center><img src="./filename1.jpg" alt=)"_s + design.name + u"></center>"_s);
    out.Line();
    out.Line();
    out.Line(u"<BR><BR>"_s);
}

void EngineCell(LineSink& out, const ReadoutDesign& design)
{
    out.Line(u"<TD ALIGN=CENTER>"_s + WholeText(design.engineRating));
    if (design.engine) out.Line(QLatin1String(OptionOf(*design.engine).readoutCellEnd));
}

// An absolute link: the address quoted between the text before and after it.
QString LinkCell(const char* before, const char* address, const char* after)
{
    return QLatin1String(before) + u'"' + QLatin1String(address) + u'"' + QLatin1String(after);
}

// The 15 cells, row by row, exactly as the site's other pages carry them.
QStringList NavigationCells()
{
    using namespace sitelinks;
    return {
        uR"(<TD ALIGN=CENTER WIDTH="33%" HEIGHT="17" BGCOLOR="#FF9900"><A Href="../l1/index.html"><Font Color="000000">Level 1 'Mechs</Font></A></TD>)"_s,
        uR"(<TD ALIGN=CENTER WIDTH="33%" BGCOLOR="#000000"><A Href="../l2is/index.html"><Font Color="FF9900">Level 2 I.S. 'Mechs</Font></a></TD>)"_s,
        uR"(<TD ALIGN=CENTER WIDTH="33%" BGCOLOR="#FF9900"><A Href="../l2c/index.html"><Font Color="000000">Level 2 Clan 'Mechs</Font></A></TD>)"_s,

        uR"(<TD ALIGN=CENTER WIDTH="33%" "HEIGHT="17" BGCOLOR="#000000"><A Href="../l3/index.html"><Font Color="FF9900">Level 3 Designs</Font></a></TD>)"_s,
        uR"(<TD ALIGN=CENTER WIDTH="33%" BGCOLOR="#FF9900"><A Href="../armor/index.html"><Font Color="000000">Power Armor</Font></A></TD>)"_s,
        uR"(<TD ALIGN=CENTER WIDTH="33%" BGCOLOR="#000000"><A Href="../humor/index.html"><Font Color="FF9900">Humor 'Mechs</Font></a></TD>)"_s,

        uR"(<TD ALIGN=CENTER WIDTH="33%" "HEIGHT="17" BGCOLOR="#FF9900"><A HREF="../vehicles/index.html"><Font Color="000000">Vehicles</Font></A></TD>)"_s,
        LinkCell(R"(<TD ALIGN=CENTER WIDTH="33%" BGCOLOR="#000000"><A HREF=)", Armory, R"(><Font Color="FF9900"><B>HVN Armory</B></Font></A></TD>)"),
        uR"(<TD ALIGN=CENTER WIDTH="33%" BGCOLOR="#FF9900"><A Href="../aerotech/index.html"><Font Color="000000">Aerotech</Font></a></TD>)"_s,

        uR"(<TD ALIGN=CENTER WIDTH="33%" "HEIGHT="17" BGCOLOR="#000000"><A HREF="../gallery/index.html"><font color="FF9900">Picture Gallery</Font></A></TD>)"_s,
        LinkCell(R"(<TD ALIGN=CENTER WIDTH="33%" BGCOLOR="#FF9900"><A HREF=)", Home, R"(><Font Color="000000"><B>Halvorn</B></Font></A></TD>)"),
        uR"(<TD ALIGN=CENTER WIDTH="33%" BGCOLOR="#000000"><A HREF="../submissions.html"><font color="FF9900">Submission Guidelines</Font></A></TD>)"_s,

        LinkCell(R"(<TD ALIGN=CENTER WIDTH="33%" "HEIGHT="17" BGCOLOR="#FF9900"><A HREF=)", CorvelMail, R"(><font color="000000">E-mail Corvel</font></A></TD>)"),
        uR"(<TD ALIGN=CENTER WIDTH="33%" BGCOLOR="#000000"><A HREF="../index.html"><Font Color="FF9900"><B>HVN TRO Home</B></Font></A></TD>)"_s,
        LinkCell(R"(<TD ALIGN=CENTER WIDTH="33%" BGCOLOR="#FF9900"><A HREF=)", OstrelMail, R"(><Font Color="000000">E-mail Ostrel</Font></A></TD>)"),
    };
}

constexpr int CellsPerRow = 3;

void Navigation(LineSink& out, const ReadoutDesign&)
{
    out.Line(u"<BR><BR>"_s);
    out.Line(u"<!-- Begin Text navigation table  -->"_s);
    out.Line(u"<hr width=100% align = center><BR>"_s);
    out.Line(u"<Center>"_s);
    out.Line(uR"(<TABLE BORDER=2 CELLSPACING=2 CELLPADDING=0 WIDTH="60%" HEIGHT="62">)"_s);
    const QStringList cells = NavigationCells();
    for (qsizetype row = 0; row < cells.size(); row += CellsPerRow) {
        out.Line(u"<TR>"_s);
        for (const QString& cell : cells.mid(row, CellsPerRow)) out.Line(cell);
        out.Line(u"</TR>"_s);
    }
    out.Line(u"</TABLE>"_s);
    out.Line(u"</Center>"_s);
    out.Line(u"<!-- End Text navigation table  -->"_s);
}

}  // namespace

const StyleParts SiteParts = {Head, EngineCell, Navigation};

}  // namespace readout
