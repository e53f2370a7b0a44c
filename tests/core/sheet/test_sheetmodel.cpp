// The record sheet model: armor boxes for every point count a zone can hold, the internal
// structure boxes, the inventory of repeated weapons, ammunition, cargo, Artemis IV and CASE; and
// the sheet of a design: its stabilizer boxes (a turret has one, a VTOL's rotor none), its zones,
// the Turret Locked box (none on a VTOL), the crew's name line, its paper and the name at its
// foot; and a long inventory on further pages, its text and boxes never below their smallest.
#include "support/designdriver.h"

#include "core/sheet/buildsheet.h"
#include "core/sheet/designsheet.h"
#include "core/sheet/gathersheet.h"

namespace {

// The spinners take 0 to 2000 points in each location, 0 to 2 on a VTOL's rotor, whatever the
// armor bought; the boxes stay at least 1.2 mm across.
constexpr double Tolerance = 1e-6;

// Two boxes of `boxes` that touch or overlap, as a text; empty when all stand apart. Sorted by
// their left edges, a box can only touch those after it that start within its width.
QString Touching(QList<QRectF> boxes)
{
    std::sort(boxes.begin(), boxes.end(), [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
    for (qsizetype i = 0; i < boxes.size(); ++i)
        for (qsizetype j = i + 1; j < boxes.size() && boxes[j].left() <= boxes[i].right() + Tolerance; ++j)
            if (boxes[i].adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance).intersects(boxes[j]))
                return QStringLiteral("boxes at %1, %2 and %3, %4")
                    .arg(boxes[i].left()).arg(boxes[i].top()).arg(boxes[j].left()).arg(boxes[j].top());
    return {};
}

// The first way in which a zone's boxes break the rules, or an empty text.
QString ZoneFailure(const SheetZone& zone)
{
    if (zone.boxes.size() != zone.points) return QStringLiteral("%1 boxes for %2 points").arg(zone.boxes.size()).arg(zone.points);
    const QRectF inside = zone.rect.adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance);
    for (const QRectF& box : zone.boxes) {
        if (!inside.contains(box)) return QStringLiteral("a box outside the zone");
        if (box.width() < 1.2 - Tolerance) return QStringLiteral("a box %1 mm across").arg(box.width());
        if (box.intersects(zone.caption.rect)) return QStringLiteral("a box on the caption");
    }
    return Touching(zone.boxes);
}

SheetDesign SheetOf(Motive motive, bool turret, std::array<int, 5> armor)
{
    SheetDesign s;
    s.readout = {.name = "Test", .mass = 100, .motive = motive, .turretFitted = turret, .frontArmor = armor[0],
                 .rightArmor = armor[2], .leftArmor = armor[1], .rearArmor = armor[3], .turretArmor = armor[4]};
    return s;
}

// Each zone walked from no point to its highest, `most`, with the others at `others`.
const struct { const char* name; Motive motive; bool turret; int zone, most, others; } Walks[] = {
    {"front alone", Motive::Tracked, true, 0, 2000, 0}, {"turret among full zones", Motive::Tracked, true, 4, 2000, 2000},
    {"rotor among full zones", Motive::VTOL, false, 4, 2, 2000}, {"front, no turret, full zones", Motive::Wheeled, false, 0, 2000, 2000},
};

// The frame whose title begins with `title`.
const SheetFrame* FrameOf(const SheetModel& sheet, const QString& title)
{
    const auto frame = std::find_if(sheet.frames.begin(), sheet.frames.end(), [&](const SheetFrame& f) { return f.title.startsWith(title); });
    return frame == sheet.frames.end() ? nullptr : &*frame;
}

// The captions of the tick boxes on the critical damage frame's line `label`, and how many boxes
// stand on that line.
std::pair<QStringList, int> DamageLine(const SheetModel& sheet, const QString& label)
{
    const SheetFrame* frame = FrameOf(sheet, QStringLiteral("Critical Damage"));
    const auto line = std::find_if(sheet.texts.begin(), sheet.texts.end(), [&](const SheetText& t) { return t.text == label; });
    if (!frame || line == sheet.texts.end()) return {{"<no line>"}, 0};
    const auto onLine = [&](const QRectF& r) {
        return r.left() > line->rect.left() && r.right() <= frame->rect.right() && r.center().y() > line->rect.top() &&
               r.center().y() < line->rect.bottom();
    };
    QStringList captions;
    for (const SheetText& t : sheet.texts)
        if (&t != &*line && onLine(t.rect)) captions << t.text;
    int boxes = 0;
    for (const SheetBoxes& row : sheet.boxes)
        for (const QRectF& box : row.boxes) boxes += onLine(box) ? 1 : 0;
    return {captions, boxes};
}

// Designs as a user builds them: their sheet's stabilizer boxes, armor zones ("name points", the
// internal structure in the same locations, a tenth of the mass each), whether the Turret Locked
// line is there and the boxes of the critical damage frame.
const struct {
    const char* name;
    QStringList steps, stabilizers, armor;
    int structure;
    bool turretLocked;
    int damageBoxes;
} DesignSheets[] = {
    {"VTOL: the rotor has no stabilizer", {"optMotiveType=3", "vsbMass=30", "vsbArmorTonnage=4", "cmdAllocateArmor"},
     {"Front", "Left", "Right", "Rear"}, {"Front 10", "Left 7", "Right 7", "Rear 6", "Rotor 2"}, 3, false, 13},
    {"tracked with a turret: the turret has one", {"optMotiveType=1", "vsbMass=60", "chkTurret=1", "vsbArmorTonnage=4", "cmdAllocateArmor"},
     {"Front", "Left", "Right", "Rear", "Turret"}, {"Front 9", "Left 6", "Right 6", "Rear 3", "Turret 8"}, 6, true, 15},
    {"wheeled without a turret, the right side apart", {"optMotiveType=2", "vsbMass=40", "vsbArmorTonnage=2", "cmdAllocateArmor", "vsbRightArmor=5"},
     {"Front", "Left", "Right", "Rear"}, {"Front 4", "Left 4", "Right 5", "Rear 4"}, 4, true, 14},
};

// Inventories of `rows` weapons ("Item 0", ...) and `bins` ammunition bins ("Ammo-Item 0", ...)
// on a 100-ton tank, and the pages they fill: the rows and bins each page shows, and the size of
// the first page's inventory text. Armor of 30, 15, 15, 10 and 15 points leaves the diagram its
// lowest frame (30 mm), so the lines fit as worked out by hand: a line is 3.7 mm at 8 points and
// 3.2375 mm at 7; the inventory frame adds 6.9 mm to its lines. On Letter the room between the
// head and the diagram is 145.4 mm (its lines at 8 points need 6.9 + 3.7 per line beside a
// frame of 30 mm); a page after the first holds 63 lines. Where given, each page's outline: its
// head and foot texts and its frames' titles, top to bottom.
const std::array<int, 5> LightArmor{30, 15, 15, 10, 15};
const std::array<int, 5> FullArmor{2000, 2000, 2000, 2000, 2000};
const QString Inventory = QStringLiteral("Weapons and Equipment Inventory");
QStringList FirstPage(const QString& inventory)
{
    return {"Test", "Vehicle Record Sheet", "Vehicle Data", "Crew", inventory, "Armor Diagram", "Critical Damage",
            "Internal Structure", "Tarnwell", "test.edt"};
}
const struct {
    const char* name;
    SheetPaper paper;
    int rows, bins;
    std::array<int, 5> armor;
    QList<int> rowsPerPage, binsPerPage;
    double firstPoints;
    QList<QStringList> outline;
} Layouts[] = {
    {"20 lines: 8 points", SheetPaper::Letter, 20, 0, LightArmor, {20}, {0}, 8, {FirstPage(Inventory)}},
    // 41 lines in 145.4 - 6.9 mm: 3.3780 mm, 7.3039 points.
    {"40 lines: smaller, on one page", SheetPaper::Letter, 40, 0, LightArmor, {40}, {0}, 7.3039, {}},
    // 42 lines of 3.2375 mm in 138.5 mm: the headers and 41 rows.
    {"the bins after the rows on the second page", SheetPaper::Letter, 45, 5, LightArmor, {41, 4}, {0, 5}, 7, {}},
    {"the bins split between the pages", SheetPaper::Letter, 38, 6, LightArmor, {38, 0}, {2, 4}, 7, {}},
    // 43 lines: 3.2209 mm would be too low; a bins' header alone stays off the first page.
    {"one line too many", SheetPaper::Letter, 40, 1, LightArmor, {40, 0}, {0, 1}, 7, {}},
    {"2,000 points everywhere: the diagram keeps the first page", SheetPaper::Letter, 100, 0, FullArmor, {0, 62, 38},
     {0, 0, 0}, 7,
     {FirstPage(Inventory + " (continued on page 2)"),
      {"Test (continued)", "Page 2 of 3", Inventory + " (continued on page 3)", "Tarnwell", "test.edt"},
      {"Test (continued)", "Page 3 of 3", Inventory + " (continued)", "Tarnwell", "test.edt"}}},
};

SheetDesign InventoryOf(int rows, int bins, std::array<int, 5> armor)
{
    SheetDesign design = SheetOf(Motive::Tracked, true, armor);
    design.source = QStringLiteral("test.edt");
    for (int i = 0; i < rows; ++i) design.readout.payload.append({QStringLiteral("Item %1").arg(i), 0, 1, "Front"});
    for (int i = 0; i < bins; ++i) design.readout.payload.append({QStringLiteral("Ammo-Item %1").arg(i), 0, 1, "Body"});
    return design;
}

// The texts inside the frame titled `title`.
QList<SheetText> TextsIn(const SheetModel& sheet, const QString& title)
{
    const SheetFrame* frame = FrameOf(sheet, title);
    QList<SheetText> texts;
    for (const SheetText& t : sheet.texts)
        if (frame && frame->rect.contains(t.rect)) texts << t;
    return texts;
}

// The page's head and foot texts and its frames' titles, top to bottom.
QStringList Outline(const SheetModel& sheet)
{
    QStringList outline;
    for (const SheetText& t : sheet.texts)
        if (t.rect.top() < sheet.margin + 1) outline << t.text;
    QList<SheetFrame> frames = sheet.frames;
    std::stable_sort(frames.begin(), frames.end(), [](const SheetFrame& a, const SheetFrame& b) { return a.rect.top() < b.rect.top(); });
    for (const SheetFrame& f : frames) outline << f.title;
    for (const SheetText& t : sheet.texts)
        if (t.rect.bottom() > sheet.page.height() - sheet.margin - 1) outline << t.text;
    return outline;
}

// A 100-ton design with 75 payload lines, far over its slots: every weapon of the test catalogue
// at every location, then 25 tons of ammunition a ton at a time; no armor. The probe always goes
// in the body, so its five make one row: 46 rows and 25 bins, 73 lines that fill the first page
// at 7 points (42 lines on Letter, 48 on A4) and continue on a second. Letter in the United
// States, A4 in Germany; the foot names the design file once there is one, else the vehicle.
const struct {
    const char* name;
    bool german;
    QString file;
    QSizeF page;
    QString source;
    QList<int> rowsPerPage, binsPerPage;
} DesignPages[] = {
    {"English (United States): Letter, never saved", false, "", {215.9, 279.4}, "Kestrel", {41, 5}, {0, 25}},
    {"German (Germany): A4, saved; the bins' header with its first bin on the second page", true, "/somewhere/kestrel 2.edt", {210, 297}, "kestrel 2.edt", {46, 0}, {0, 25}},
};

}  // namespace

class SheetModelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each zone from no point to its highest, the others at theirs: Letter is the smaller paper.
    void armorBoxes_data() { AddCases(Walks); }
    void armorBoxes()
    {
        const auto& [name, motive, turret, zone, most, others] = CaseOf(Walks);
        const int step = others == 0 ? 1 : 97;  // among full zones a coarser walk suffices
        for (int points = 0; points <= most; points = points == most ? most + 1 : std::min(most, points + step)) {
            std::array<int, 5> armor;
            armor.fill(others);
            armor[zone] = points;
            if (motive == Motive::VTOL && zone != 4) armor[4] = 2;
            if (motive != Motive::VTOL && !turret) armor[4] = 0;
            const SheetModel sheet = BuildSheet(SheetOf(motive, turret, armor), SheetPaper::Letter);
            const int zones = motive == Motive::VTOL || turret ? 5 : 4;
            QCOMPARE(sheet.armor.size(), zones);
            for (int a = 0; a < zones; ++a) {
                const QString failure = ZoneFailure(sheet.armor[a]);
                QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("%1 at %2 points: %3").arg(sheet.armor[a].name).arg(points).arg(failure)));
                QVERIFY(sheet.diagram.contains(sheet.armor[a].rect));
                for (int b = a + 1; b < zones; ++b) QVERIFY(!sheet.armor[a].rect.intersects(sheet.armor[b].rect));
            }
        }
    }

    // Rows as "Qty|Type|Loc|Dmg|Min|Sht|Med|Lng" and bins as "Type|Loc|Tons|Shots".
    void inventory_data()
    {
        QTest::addColumn<QList<ReadoutItem>>("payload");
        QTest::addColumn<bool>("caseFitted");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("bins");
        const auto half = Currency::fromDouble(0.5);
        QTest::newRow("repeated weapons by location")
            << QList<ReadoutItem>{{"Medium Laser", 3, 1, "Front"}, {"LRM 10", 0, 5, "Turret"}, {"Medium Laser", 3, 1, "Turret"},
                                  {"Medium Laser", 3, 1, "Front"}}
            << false
            << QStringList{"2|Medium Laser|Front|5|–|3|6|9", "1|LRM 10|Turret|1/Msl|6|7|14|21", "1|Medium Laser|Turret|5|–|3|6|9"}
            << QStringList{};
        QTest::newRow("ammunition, cargo, Artemis IV and CASE")
            << QList<ReadoutItem>{{"LRM 10", 0, 5, "Front"}, {"Ammo-LRM 10", 0, 2, "Body"}, {"Cargo", 0, half, "Body"},
                                  {"Artemis IV - LRM", 0, 1, "Front"}, {"Ammo-Machine Gun", 0, half, "Body"},
                                  {"Cargo", 0, Currency::fromDouble(1.5), "Body"}, {"Ammo-Mystery", 0, 1, "Body"}}
            << true
            << QStringList{"1|LRM 10|Front|1/Msl|6|7|14|21", "1|Artemis IV - LRM|Front|–|–|–|–|–", "1|CASE|Body|–|–|–|–|–"}
            << QStringList{"Ammo-LRM 10|Body|2.0|24", "Ammo-Machine Gun|Body|0.5|100", "Ammo-Mystery|Body|1.0|–", "Cargo|Body|2.0|–"};
    }
    void inventory()
    {
        QFETCH(QList<ReadoutItem>, payload);
        QFETCH(bool, caseFitted);
        SheetDesign design = SheetOf(Motive::Tracked, true, {});
        design.readout.payload = payload;
        design.readout.caseFitted = caseFitted;
        design.weapons = {{"Medium Laser", {"5", std::nullopt, 3, 6, 9}}, {"LRM 10", {"1/Msl", 6, 7, 14, 21}}};
        design.shotsPerTon = {{"Ammo-LRM 10", 12}, {"Ammo-Machine Gun", 200}};
        const SheetModel sheet = BuildSheet(design, SheetPaper::Letter);
        QStringList gotRows, gotBins;
        for (const InventoryRow& r : sheet.inventory)
            gotRows << QStringList{r.quantity, r.type, r.location, r.damage, r.minimum, r.shortRange, r.mediumRange, r.longRange}.join('|');
        for (const BinRow& b : sheet.bins) gotBins << QStringList{b.type, b.location, b.tons, b.shots}.join('|');
        QTEST(gotRows, "rows");
        QTEST(gotBins, "bins");
    }

    // The sheet of a design as the File menu and the batch tool draw it: the Turret Locked line
    // and box only where there is a turret to lock; Crew Stunned keeps its box either way.
    void designSheets_data() { AddCases(DesignSheets); }
    void designSheets()
    {
        const auto& [name, steps, stabilizers, armor, structure, turretLocked, damageBoxes] = CaseOf(DesignSheets);
        CatalogueDesign bench;
        Drive(bench.design, steps);
        const SheetModel sheet = DesignSheet(bench.design, bench.weapons, bench.ammo);
        QCOMPARE(DamageLine(sheet, QStringLiteral("Stabilizers")), std::pair(stabilizers, int(stabilizers.size())));
        QStringList zones, locations, expectedLocations, damage;
        for (const SheetZone& zone : sheet.armor) zones << zone.name + u' ' + QString::number(zone.points);
        for (const SheetZone& zone : sheet.structure) locations << zone.name + u' ' + QString::number(zone.points);
        for (const QString& zone : armor) expectedLocations << zone.section(u' ', 0, 0) + u' ' + QString::number(structure);
        QCOMPARE(zones, armor);
        QCOMPARE(locations, expectedLocations);
        for (const SheetText& t : TextsIn(sheet, QStringLiteral("Critical Damage"))) damage << t.text;
        QCOMPARE(damage.contains(QStringLiteral("Turret Locked")), turretLocked);
        QCOMPARE(damage.count(QStringLiteral("Crew Stunned")), 1);
        const SheetFrame* frame = FrameOf(sheet, QStringLiteral("Critical Damage"));
        QVERIFY(frame);
        int inFrame = 0;
        for (const SheetBoxes& row : sheet.boxes)
            for (const QRectF& box : row.boxes) inFrame += frame->rect.contains(box) ? 1 : 0;
        QCOMPARE(inFrame, damageBoxes);
    }

    // The pages of inventories of 20, 40 and 75 lines and others: what each page holds, text of
    // 7 points or more in lines no lower than they need, every zone's boxes in their zone, every row
    // once, in order, and 8 points on the pages after the first, which name the vehicle and the
    // page and hold the inventory alone, its title telling where it goes on.
    void pages_data() { AddCases(Layouts); }
    void pages()
    {
        const auto& [name, paper, rows, bins, armor, rowsPerPage, binsPerPage, firstPoints, outline] = CaseOf(Layouts);
        const QList<SheetModel> pages = BuildSheetPages(InventoryOf(rows, bins, armor), paper);
        QList<int> gotRows, gotBins;
        QStringList order, expectedOrder;
        QList<QStringList> gotOutline;
        for (const SheetModel& page : pages) {
            gotRows << int(page.inventory.size());
            gotBins << int(page.bins.size());
            gotOutline << Outline(page);
            for (const InventoryRow& row : page.inventory) order << row.type;
        }
        for (int i = 0; i < rows; ++i) expectedOrder << QStringLiteral("Item %1").arg(i);
        QCOMPARE(gotRows, rowsPerPage);
        QCOMPARE(gotBins, binsPerPage);
        QCOMPARE(order, expectedOrder);
        if (!outline.isEmpty()) QCOMPARE(gotOutline, outline);
        const QList<SheetText> inventory = TextsIn(pages.first(), Inventory);
        QVERIFY(!inventory.isEmpty());
        QVERIFY2(qAbs(inventory.first().points - firstPoints) < 1e-3, qPrintable(QString::number(inventory.first().points)));
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const SheetModel& page = pages[i];
            for (const SheetText& t : page.texts)
                QVERIFY2(t.points >= 7, qPrintable(QStringLiteral("\"%1\" at %2 points").arg(t.text).arg(t.points)));
            for (const SheetText& t : TextsIn(page, Inventory)) {
                QVERIFY2(t.rect.height() >= 3.2375 - Tolerance, qPrintable(QStringLiteral("\"%1\" in %2 mm").arg(t.text).arg(t.rect.height())));
                if (i > 0) QVERIFY2(qAbs(t.points - 8) < 1e-3 && qAbs(t.rect.height() - 3.7) < 1e-3, qPrintable(t.text));
            }
            for (const SheetZone& zone : page.armor + page.structure) QVERIFY2(ZoneFailure(zone).isEmpty(), qPrintable(ZoneFailure(zone)));
            QCOMPARE(page.title, QStringLiteral("Test"));
            QCOMPARE(page.hull.isEmpty(), i > 0);  // the painter draws no hull after the first page
        }
    }

    // The crew block's "Name:" with a line to write on beside it, clear of the skills and hits.
    void crewName()
    {
        const SheetModel sheet = BuildSheet(SheetOf(Motive::VTOL, false, {}), SheetPaper::Letter);
        const SheetFrame* crew = FrameOf(sheet, QStringLiteral("Crew"));
        const auto label = std::find_if(sheet.texts.begin(), sheet.texts.end(), [](const SheetText& t) { return t.text == QLatin1String("Name:"); });
        QVERIFY(crew && label != sheet.texts.end() && crew->rect.contains(label->rect));
        QCOMPARE(sheet.blanks.size(), 1);
        const QLineF blank = sheet.blanks.first();
        QVERIFY(blank.x1() >= label->rect.right() && blank.x2() - blank.x1() > 40 && crew->rect.contains(blank.p2()));
        QVERIFY(blank.dy() == 0 && blank.y1() > label->rect.top() && blank.y1() <= label->rect.bottom());
        const QRectF row(crew->rect.left(), label->rect.top(), crew->rect.width(), label->rect.height());
        for (const SheetText& t : sheet.texts)
            if (&t != &*label && !t.text.isEmpty()) QVERIFY2(!row.intersects(t.rect), qPrintable(t.text));
    }

    // A design's pages on the paper of the user's region; the first of them is its sheet.
    void designPages_data() { AddCases(DesignPages); }
    void designPages()
    {
        const auto& [name, german, file, size, source, rowsPerPage, binsPerPage] = CaseOf(DesignPages);
        const LocaleScope locale(german);
        QStringList steps{"optMotiveType=1", "vsbMass=100", "chkTurret=1"};
        for (const CatalogueWeapon& weapon : StandardWeapons())
            for (int location = 0; location < 5; ++location)
                steps << "weapon=" + weapon.type << QStringLiteral("optLocation=%1").arg(location) << "cmdAdd";
        CatalogueDesign bench;
        Drive(bench.design, steps + QStringList{"ammo=Ammo-LRM 5", "txtVehicleName=Kestrel"} + QStringList(25, "cmdAmmoAdd"));
        bench.design.SetDesignFileName(file);
        const QList<SheetModel> pages = DesignSheetPages(bench.design, bench.weapons, bench.ammo);
        QList<int> gotRows, gotBins;
        for (const SheetModel& page : pages) {
            gotRows << int(page.inventory.size());
            gotBins << int(page.bins.size());
        }
        QCOMPARE(gotRows, rowsPerPage);
        QCOMPARE(gotBins, binsPerPage);
        const SheetModel sheet = DesignSheet(bench.design, bench.weapons, bench.ammo);
        QCOMPARE(sheet, pages.first());
        QCOMPARE(sheet.page, size);
        QCOMPARE(sheet.title, QStringLiteral("Kestrel"));
        QCOMPARE(GatherSheet(bench.design, bench.weapons, bench.ammo).source, source);
    }
};

QTEST_GUILESS_MAIN(SheetModelTest)
#include "test_sheetmodel.moc"
