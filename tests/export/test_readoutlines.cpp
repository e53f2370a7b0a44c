// The rules of single parts of the page: the overview, the armament list, the rotor and turret
// row, missing choices, the speeds, the regional number forms and what sets the styles apart.
#include <QTest>

#include "export/readoutfixtures.h"
#include "export/readoutforms.h"
#include "support/testsupport.h"

namespace {

// The lines from the one equal to `first` up to and including the one equal to `last`.
QStringList Between(const QStringList& lines, const QString& first, const QString& last)
{
    const qsizetype from = lines.indexOf(first);
    const qsizetype to = lines.indexOf(last, from);
    if (from < 0 || to < 0) return {QStringLiteral("<missing>")};
    return lines.mid(from, to - from + 1);
}

QStringList PlainLines(const ReadoutDesign& d)
{
    return ReadoutLines(d, ReadoutStyle::Plain, GoldenMoment);
}

const QString TableEnd = QStringLiteral("</TABLE><BR>");

}  // namespace

class ReadoutLinesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void overview_data()
    {
        QTest::addColumn<QString>("overview");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QString() << QStringList{"<TR><TD>", "</TD></TR></Table>"};
        QTest::newRow("two lines, CR LF") << "ab\r\ncd" << QStringList{"<TR><TD>", "ab<BR>", "cd</TD></TR></Table>"};
        QTest::newRow("line feeds only") << "ab\ncd" << QStringList{"<TR><TD>", "ab<BR>", "cd</TD></TR></Table>"};
        QTest::newRow("ends with a line end") << "ab\r\n" << QStringList{"<TR><TD>", "ab<BR>", "</TD></TR></Table>"};
        QTest::newRow("a lone carriage return goes") << "a\rb" << QStringList{"<TR><TD>", "ab</TD></TR></Table>"};
        QTest::newRow("empty lines") << "\n\n" << QStringList{"<TR><TD>", "<BR>", "<BR>", "</TD></TR></Table>"};
        QTest::newRow("markup as typed") << "<b>&</b>" << QStringList{"<TR><TD>", "<b>&</b></TD></TR></Table>"};
    }

    void overview()
    {
        QFETCH(QString, overview);
        QFETCH(QStringList, lines);
        ReadoutDesign d = HoverIce();
        d.overview = overview;
        QCOMPARE(Between(PlainLines(d), QStringLiteral("<TR><TD>"), QStringLiteral("<BR><BR><BR>")).mid(0, lines.size()), lines);
    }

    void longOverviewWrittenWhole()
    {
        ReadoutDesign d = HoverIce();
        d.overview = QString(40000, QLatin1Char('x'));
        QVERIFY(PlainLines(d).contains(d.overview + QStringLiteral("</TD></TR></Table>")));
    }

    void armament_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("none") << QStringList{} << QStringList{};
        QTest::newRow("ammunition left out")
            << QStringList{"LRM 5", "Ammo-LRM 5", "Cargo", "Artemis IV - LRM"}
            << QStringList{"&nbsp&nbsp LRM 5<BR>", "&nbsp&nbsp Cargo<BR>", "&nbsp&nbsp Artemis IV - LRM<BR>"};
        QTest::newRow("prefix is case-sensitive and four letters")
            << QStringList{"ammo rack", "Ammo", "Amm", "AMMO-X"}
            << QStringList{"&nbsp&nbsp ammo rack<BR>", "&nbsp&nbsp Amm<BR>", "&nbsp&nbsp AMMO-X<BR>"};
    }

    void armament()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, listed);
        ReadoutDesign d = HoverIce();
        for (const QString& name : names) d.payload.append({name, 0, Tons(1), QStringLiteral("Body")});
        const QStringList lines = PlainLines(d);
        QStringList expected = QStringList{"<B>Armament: </B><BR>"} + listed + QStringList{"<BR>"};
        QCOMPARE(Between(lines, QStringLiteral("<B>Armament: </B><BR>"), QStringLiteral("<BR>")), expected);
        // The weapons table lists every record, ammunition included.
        for (const QString& name : names) QVERIFY(lines.contains(QStringLiteral("<TD>") + name + QStringLiteral("</TD>")));
    }

    void lastArmorRow_data()
    {
        QTest::addColumn<int>("motive");
        QTest::addColumn<bool>("turret");
        QTest::addColumn<QStringList>("tail");
        const QStringList open{"<TR>", "<TD></TD>", "</TABLE><BR>"};
        const QStringList turret{"<TR>", "<TD></TD>", "<TD><B>Turret:</B></TD>", "<TD ALIGN=CENTER> 5 </TD>",
                                 "<TD ALIGN=CENTER>9</TD>", "</TR>", "</TABLE><BR>"};
        QStringList rotor = turret;
        rotor[2] = QStringLiteral("<TD><B>Rotor:</B></TD>");
        QTest::newRow("tracked without turret") << int(TrackedMotive) << false << open;
        QTest::newRow("tracked with turret") << int(TrackedMotive) << true << turret;
        QTest::newRow("wheeled with turret") << int(WheeledMotive) << true << turret;
        QTest::newRow("hover without turret") << int(HoverMotive) << false << open;
        QTest::newRow("VTOL") << int(VTOLMotive) << false << rotor;
        QTest::newRow("VTOL with turret box") << int(VTOLMotive) << true << rotor;
        QTest::newRow("no movement type") << int(NoMotive) << false << open;
    }

    void lastArmorRow()
    {
        QFETCH(int, motive);
        QFETCH(bool, turret);
        QFETCH(QStringList, tail);
        ReadoutDesign d = HoverIce();
        d.mass = 59;
        d.motive = motive;
        d.turretFitted = turret;
        d.turretArmor = 9;
        const QStringList lines = PlainLines(d);
        const qsizetype end = lines.indexOf(TableEnd);
        QCOMPARE(lines.mid(end - tail.size() + 1, tail.size()), tail);
    }

    void structurePoints_data()
    {
        QTest::addColumn<int>("mass");
        QTest::addColumn<QString>("cell");
        QTest::newRow("1 ton") << 1 << "<TD ALIGN=CENTER> 0 </TD>";
        QTest::newRow("25 tons") << 25 << "<TD ALIGN=CENTER> 2 </TD>";
        QTest::newRow("59 tons") << 59 << "<TD ALIGN=CENTER> 5 </TD>";
        QTest::newRow("100 tons") << 100 << "<TD ALIGN=CENTER> 10 </TD>";
    }

    void structurePoints()
    {
        QFETCH(int, mass);
        QFETCH(QString, cell);
        ReadoutDesign d = KestrelVtol();
        d.mass = mass;
        const QStringList lines = PlainLines(d);
        const qsizetype first = lines.indexOf(QStringLiteral("<TD><B>Front:</B></TD>"));
        QCOMPARE(lines.count(cell), 5);
        QCOMPARE(lines[first + 1], cell);
    }

    void spacedIntegerForm_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("5") << 5 << " 5 ";
        QTest::newRow("10") << 10 << " 10 ";
        QTest::newRow("0") << 0 << " 0 ";
        QTest::newRow("-3") << -3 << "-3 ";
        QTest::newRow("no grouping") << 12345 << " 12345 ";
    }

    void spacedIntegerForm()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(SpacedIntegerText(value), text);
    }

    void noChoices_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("engineLines");
        QTest::newRow("plain") << int(ReadoutStyle::Plain) << QStringList{"<TD ALIGN=CENTER>145<TD></TD><TD></TD>"};
        QTest::newRow("site") << int(ReadoutStyle::Site) << QStringList{"<TD ALIGN=CENTER>145", "<TD></TD><TD></TD>"};
    }

    // With no option chosen the movement and engine type lines are missing and the engine cell
    // runs on into the next line.
    void noChoices()
    {
        QFETCH(int, style);
        QFETCH(QStringList, engineLines);
        ReadoutDesign d = HoverIce();
        d.motive = NoMotive;
        d.engine = NoEngine;
        const QStringList lines = ReadoutLines(d, ReadoutStyle(style), GoldenMoment);
        QCOMPARE(lines.filter(QStringLiteral("Movement Type")), QStringList{});
        QCOMPARE(lines.filter(QStringLiteral("Engine Type")), QStringList{});
        const qsizetype engine = lines.indexOf(QStringLiteral("<TD COLSPAN=2>Engine:</TD>"));
        QCOMPARE(lines.mid(engine + 1, engineLines.size() + 1), engineLines + QStringList{"<TD ALIGN=RIGHT>9.0</TD>"});
    }

    void speeds_data()
    {
        QTest::addColumn<double>("cruise");
        QTest::addColumn<double>("flank");
        QTest::addColumn<QString>("cruiseLine");
        QTest::addColumn<QString>("flankLine");
        QTest::newRow("5 and 8") << 5.0 << 8.0 << "<B>Cruise Speed: </B>53.0 km/h<BR>" << "<B>Flank Speed: </B>85 km/h<BR>";
        QTest::newRow("1 and 2") << 1.0 << 2.0 << "<B>Cruise Speed: </B>10.6 km/h<BR>" << "<B>Flank Speed: </B>21 km/h<BR>";
        QTest::newRow("0 and 0") << 0.0 << 0.0 << "<B>Cruise Speed: </B>0.0 km/h<BR>" << "<B>Flank Speed: </B>0 km/h<BR>";
        QTest::newRow("20 and 30") << 20.0 << 30.0 << "<B>Cruise Speed: </B>212.0 km/h<BR>" << "<B>Flank Speed: </B>318 km/h<BR>";
        QTest::newRow("7 and 11") << 7.0 << 11.0 << "<B>Cruise Speed: </B>74.2 km/h<BR>" << "<B>Flank Speed: </B>117 km/h<BR>";
    }

    void speeds()
    {
        QFETCH(double, cruise);
        QFETCH(double, flank);
        QFETCH(QString, cruiseLine);
        QFETCH(QString, flankLine);
        ReadoutDesign d = HoverIce();
        d.cruiseMP = cruise;
        d.flankMP = flank;
        const QStringList lines = PlainLines(d);
        QVERIFY(lines.contains(cruiseLine));
        QVERIFY(lines.contains(flankLine));
    }

    void germanNumberForms_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("mass") << "<B>Mass: </B>50<BR>";
        QTest::newRow("cruise speed") << "<B>Cruise Speed: </B>42,4 km/h<BR>";
        QTest::newRow("flank speed") << "<B>Flank Speed: </B>64 km/h<BR>";
        QTest::newRow("engine mass") << "<TD ALIGN=RIGHT>8,5</TD>";
        QTest::newRow("power amplifier below one") << "<TD ALIGN=RIGHT>0,5</TD>";
        QTest::newRow("armor factor") << "<TD ALIGN=CENTER>143 FF</TD>";
        QTest::newRow("structure points") << "<TD ALIGN=CENTER> 5 </TD>";
        QTest::newRow("item mass") << "<TD ALIGN=RIGHT>2,5</TD>";
        QTest::newRow("cost grouped") << "Vehicle Cost: 1.234.567<BR>";
    }

    void germanNumberForms()
    {
        QFETCH(QString, line);
        LocaleScope german(QLocale::German, QLocale::Germany);
        QVERIFY2(PlainLines(HeavyTank()).contains(line), qPrintable(line));
    }

    void groupedWholeNumbers()
    {
        ReadoutDesign d = HoverIce();
        d.cost = Tons(1234567);
        d.heatSinks = 1500;
        const QStringList lines = PlainLines(d);
        QVERIFY(lines.contains(QStringLiteral("Vehicle Cost: 1,234,567<BR>")));
        QVERIFY(lines.contains(QStringLiteral("<TD ALIGN=CENTER>1,500</TD>")));
    }

    void siteDiffersOnlyInHeadEngineCellAndNavigation_data()
    {
        QTest::addColumn<int>("design");
        for (int i = 0; i < int(std::size(GoldenDesigns)); ++i) QTest::newRow(GoldenDesigns[i].key) << i;
    }

    void siteDiffersOnlyInHeadEngineCellAndNavigation()
    {
        QFETCH(int, design);
        const ReadoutDesign d = GoldenDesigns[design].make();
        QStringList plain = ReadoutLines(d, ReadoutStyle::Plain, GoldenMoment);
        QStringList site = ReadoutLines(d, ReadoutStyle::Site, GoldenMoment);
        QCOMPARE(site.first(15).last(), QStringLiteral("<BR><BR>"));
        QCOMPARE(site[2], QStringLiteral("   <TITLE>Halvorn Tech Readout</TITLE>"));
        plain = plain.mid(9);
        site = site.mid(15);
        // The engine cell: one line in the plain page, rating and type on two in the site page.
        const qsizetype engine = plain.indexOf(QStringLiteral("<TD COLSPAN=2>Engine:</TD>")) + 1;
        QCOMPARE(site[engine] + site[engine + 1], plain[engine]);
        site.remove(engine, 1);
        site[engine] = plain[engine];
        // The navigation block: 5 rows of 3 cells between the time of export and the end of the body.
        const qsizetype begin = site.indexOf(QStringLiteral("<!-- Begin Text navigation table  -->")) - 1;
        const qsizetype end = site.indexOf(QStringLiteral("<!-- End Text navigation table  -->"));
        const QStringList navigation = site.mid(begin, end - begin + 1);
        QCOMPARE(navigation.count(QStringLiteral("<TR>")), 5);
        QCOMPARE(navigation.filter(QRegularExpression(QStringLiteral("^<TD "))).size(), 15);
        QVERIFY(site[begin - 1].startsWith(QStringLiteral("Generated on ")));
        QCOMPARE(site[end + 1], QStringLiteral("</BODY>"));
        site.remove(begin, end - begin + 1);
        QCOMPARE(site, plain);
    }
};

QTEST_MAIN(ReadoutLinesTest)
#include "test_readoutlines.moc"
