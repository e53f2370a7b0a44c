// The roster of a force: a design's row as its record sheet gives the figures, the totals summed
// as the rows show them, the cells under English and German settings, twelve rows to a page with
// the totals on the last one, and a force read from design files, the unreadable ones left out.
#include "core/sheet/force.h"
#include "core/sheet/roster.h"
#include "support/designdriver.h"

namespace {

// A design's sheet figures: armor front, left, right, rear and turret or rotor; a cost below
// zero stands for no price.
struct SheetCase {
    const char* vehicle;
    std::optional<Motive> motive;
    bool turret;
    int mass;
    double cruise, flank;
    std::array<int, 5> armor;
    int battleValue;
    double cost;
};

SheetDesign SheetOf(const SheetCase& c)
{
    SheetDesign s;
    s.readout = {.name = QString::fromUtf8(c.vehicle), .mass = c.mass, .motive = c.motive, .cruiseMP = c.cruise,
                 .flankMP = c.flank, .turretFitted = c.turret, .frontArmor = c.armor[0], .rightArmor = c.armor[2],
                 .leftArmor = c.armor[1], .rearArmor = c.armor[3], .turretArmor = c.armor[4]};
    if (c.cost >= 0) s.readout.cost = Currency::fromDouble(c.cost);
    s.battleValue = c.battleValue;
    return s;
}

// Each design's cells under English (United States) settings, and where given under German.
const struct {
    const char* name;
    SheetCase design;
    QStringList english, german;
} Rows[] = {
    // Whole C-bills, halves away from zero, as the sheet writes the price.
    {"tank with a turret", {"Bulldog", Motive::Tracked, true, 60, 4, 6, {40, 30, 30, 20, 25}, 1234, 2345678.5},
     {"Bulldog", "Tracked", "60", "4", "6", "145", "1,234", "2,345,679"},
     {"Bulldog", "Tracked", "60", "4", "6", "145", "1.234", "2.345.679"}},
    // Points left on a turret that is not there are not on the sheet.
    {"turret points without a turret", {"Scout Car", Motive::Wheeled, false, 20, 7, 11, {10, 8, 8, 6, 12}, 210, 180000},
     {"Scout Car", "Wheeled", "20", "7", "11", "32", "210", "180,000"}, {}},
    {"a VTOL's rotor counts", {"Kestrel VTOL", Motive::VTOL, false, 20, 6, 9, {10, 7, 7, 6, 2}, 187, 1500000},
     {"Kestrel VTOL", "VTOL", "20", "6", "9", "32", "187", "1,500,000"}, {}},
    {"a price just under a half", {"Skimmer", Motive::Hover, false, 50, 10, 15, {0, 0, 0, 0, 0}, 96, 831666.4999},
     {"Skimmer", "Hover", "50", "10", "15", "0", "96", "831,666"}, {}},
    {"no price, no movement type, no name", {"", std::nullopt, false, 1, 0, 0, {0, 0, 0, 0, 0}, 0, -1},
     {"\u2013", "\u2013", "1", "0", "0", "0", "0", "\u2013"}, {}},
    {"a heavy tank of many points", {"Müller-Panzer Ä", Motive::Tracked, true, 100, 3, 5, {600, 500, 500, 400, 600}, 12345, 12000000.5},
     {"Müller-Panzer Ä", "Tracked", "100", "3", "5", "2,600", "12,345", "12,000,001"},
     {"Müller-Panzer Ä", "Tracked", "100", "3", "5", "2.600", "12.345", "12.000.001"}},
};

// Forces of the designs above, by their place in Rows, and the totals row in English or German.
const struct {
    const char* name;
    QList<int> units;
    bool german;
    QStringList totals;
} Forces[] = {
    {"one unit", {0}, false, {"Total: 1 unit", "", "60", "", "", "", "1,234", "2,345,679"}},
    {"a lance of four, German", {0, 1, 2, 5}, true, {"Total: 4 units", "", "200", "", "", "", "13.976", "16.025.680"}},
    // The rows show 2,345,679 (from .5) and 12,000,001 (from .5): the total is their sum, not
    // the rounded sum of the exact prices (14,345,679).
    {"costs summed as the rows show them", {0, 5}, false, {"Total: 2 units", "", "160", "", "", "", "13,579", "14,345,680"}},
    {"a unit without a price leaves the total cost open", {0, 4, 1}, false, {"Total: 3 units", "", "81", "", "", "", "1,444", "\u2013"}},
    {"no unit", {}, false, {"Total: 0 units", "", "0", "", "", "", "0", "0"}},
};

// Rosters of n rows: the pages, the rows on each, and which page has the totals.
const struct {
    const char* name;
    int rows;
    QList<int> rowsOnPages;
} Paging[] = {
    {"a company of twelve on one page", 12, {12}},
    {"thirteen go on to a second page", 13, {12, 1}},
};

QList<RosterRow> NamedRows(int count)
{
    QList<RosterRow> rows;
    for (int i = 1; i <= count; ++i)
        rows.append({.name = QStringLiteral("Unit %1").arg(i), .movement = "Hover", .tons = 10, .cost = std::nullopt});
    return rows;
}

// The texts of a page whose rectangles lie within the one of `frame`, top to bottom.
QStringList TextsWithin(const SheetModel& page, const QRectF& frame)
{
    QStringList texts;
    for (const SheetText& t : page.texts)
        if (frame.contains(t.rect)) texts << t.text;
    return texts;
}

// Two designs of the rules' worked battle values, as a user builds them.
const QStringList Heavy = {"optMotiveType=1", "vsbMass=100", "vsbCruise=3", "chkTurret=1", "vsbArmorTonnage=34",
                           "vsbFrontArmor=60", "vsbLeftArmor=50", "vsbRightArmor=50", "vsbRearArmor=40", "vsbTurretArmor=60",
                           "weapon=Gauss Rifle", "optLocation=4", "cmdAdd"};
const QStringList Hover = {"optMotiveType=0", "vsbMass=30", "vsbCruise=8", "vsbArmorTonnage=10", "vsbFrontArmor=20",
                           "vsbLeftArmor=15", "vsbRightArmor=15", "vsbRearArmor=25", "weapon=Medium Laser", "optLocation=0",
                           "cmdAdd", "optLocation=1", "cmdAdd"};

}  // namespace

class RosterTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void rowOfADesign_data() { AddCases(Rows); }
    void rowOfADesign()
    {
        const auto& [name, design, english, german] = CaseOf(Rows);
        const RosterRow roster = RosterRowOf(SheetOf(design));
        QCOMPARE(RosterCells(roster), english);
        const LocaleScope germanSettings(true);
        if (!german.isEmpty()) QCOMPARE(RosterCells(roster), german);
    }

    void totals_data() { AddCases(Forces); }
    void totals()
    {
        const auto& [name, units, german, totals] = CaseOf(Forces);
        const LocaleScope settings(german);
        QList<RosterRow> rows;
        for (int unit : units) rows.append(RosterRowOf(SheetOf(Rows[unit].design)));
        QCOMPARE(RosterTotalCells(RosterTotalsOf(rows)), totals);
    }

    // Twelve rows a page in order, the totals below the last row of the last page only, and a
    // heading and foot that say which page it is.
    void pages_data() { AddCases(Paging); }
    void pages()
    {
        const auto& [name, count, rowsOnPages] = CaseOf(Paging);
        const QList<SheetModel> pages = RosterPages(NamedRows(count), SheetPaper::Letter);
        QCOMPARE(pages.size(), rowsOnPages.size());
        int unit = 0;
        for (int p = 0; p < pages.size(); ++p) {
            const SheetModel& page = pages[p];
            const bool last = p == pages.size() - 1;
            QCOMPARE(page.frames.size(), 1);
            QStringList expected = {"Name", "Movement", "Tons", "Cruise MP", "Flank MP", "Armor Points", "Battle Value", "Cost (C-bills)"};
            for (int r = 0; r < rowsOnPages[p]; ++r)
                expected << QStringLiteral("Unit %1").arg(++unit) << "Hover" << "10" << "0" << "0" << "0" << "0" << "\u2013";
            if (last) expected << QStringLiteral("Total: %1 %2").arg(count).arg(count == 1 ? "unit" : "units") << QString::number(count * 10) << "0" << "\u2013";
            QCOMPARE(TextsWithin(page, page.frames[0].rect), expected);
            const QStringList texts = TextsWithin(page, QRectF(QPointF(0, 0), page.page));
            QVERIFY(texts.contains(p == 0 ? "Force Roster" : "Force Roster (continued)"));
            QVERIFY(texts.contains(QStringLiteral("Roster page %1 of %2").arg(p + 1).arg(pages.size())));
            const QRectF inside(page.margin, page.margin, page.page.width() - 2 * page.margin, page.page.height() - 2 * page.margin);
            for (const SheetText& t : page.texts) QVERIFY2(inside.contains(t.rect), qPrintable(t.text));
        }
    }

    // Each row its own band: no two rows' texts share a line, and the totals stand apart.
    void rowsDoNotOverlap()
    {
        const SheetModel page = RosterPages(NamedRows(12), SheetPaper::A4).first();
        QList<QRectF> names;
        for (const SheetText& t : page.texts)
            if (t.text.startsWith("Unit ") || t.text.startsWith("Total") || t.text == "Name") names << t.rect;
        QCOMPARE(names.size(), 14);
        for (int i = 1; i < names.size(); ++i) QVERIFY(names[i].top() >= names[i - 1].bottom() - 1e-9);
        QVERIFY(names.last().top() > names[names.size() - 2].bottom());  // a gap before the totals
    }

    // Design files read as the Open command reads them, one given twice, a broken and a missing
    // one among them: the rows with the battle values worked by hand, the unreadable ones named,
    // and the pages: the roster, then each sheet in order.
    void forceOfDesignFiles()
    {
        QTemporaryDir dir;
        const CatalogueDesign built(BuiltCatalogue());
        const RowSet &weapons = built.weapons, &ammo = built.ammo;
        const QString heavy = dir.filePath("warden.edt"), hover = dir.filePath("skiff.edt"), broken = dir.filePath("broken.edt"),
                      missing = dir.filePath("missing.edt");
        for (const auto& [path, steps, name] : {std::tuple{heavy, Heavy, "Warden"}, {hover, Hover, "Skiff"}}) {
            CatalogueDesign bench(BuiltCatalogue());
            Drive(bench.design, steps);
            bench.design.SetVehicleName(name);
            QVERIFY(bench.design.WriteDesignFile(path));
        }
        PutBytes(broken, "\"Broken\"\r\n1\r\n1\r\nheavy\r\n1\r\n");

        const Force force({heavy, broken, hover, missing, heavy});
        QCOMPARE(force.unreadable(), (QList<UnreadableDesign>{{broken, "reading stopped at line 4"}, {missing, "the file cannot be opened"}}));
        QStringList cells;
        const QList<RosterRow> rows = force.Roster(weapons, ammo);
        for (const RosterRow& row : rows) cells << RosterCells(row).mid(0, 7).join('|');
        QCOMPARE(cells, (QStringList{"Warden|Tracked|100|3|5|260|1,153", "Skiff|Hover|30|8|12|75|360", "Warden|Tracked|100|3|5|260|1,153"}));
        QCOMPARE(RosterTotalCells(RosterTotalsOf(rows)).mid(0, 7), (QStringList{"Total: 3 units", "", "230", "", "", "", "2,666"}));

        QStringList titles;
        for (const SheetModel& page : force.Pages(weapons, ammo)) titles << page.title;
        QCOMPARE(titles, (QStringList{"Force Roster", "Warden", "Skiff", "Warden"}));
        QCOMPARE(Force({broken, missing}).Pages(weapons, ammo).size(), 0);
        QCOMPARE(ForceTitle(dir.filePath("Lance Alpha.pdf")), QStringLiteral("Lance Alpha"));
    }
};

QTEST_MAIN(RosterTest)
#include "test_roster.moc"
