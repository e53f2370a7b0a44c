// The record sheet model: armor boxes for every point count a zone can hold, the internal
// structure boxes, the inventory of repeated weapons, ammunition, cargo, Artemis IV and CASE; and
// the sheet of a design: its stabilizer boxes (a turret has one, a VTOL's rotor none), its zones,
// its paper and the name at its foot.
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
    {"front alone", Motive::Tracked, true, 0, 2000, 0},      {"front among full zones", Motive::Tracked, true, 0, 2000, 2000},
    {"left alone", Motive::Tracked, true, 1, 2000, 0},       {"left among full zones", Motive::Tracked, true, 1, 2000, 2000},
    {"right alone", Motive::Tracked, true, 2, 2000, 0},      {"right among full zones", Motive::Tracked, true, 2, 2000, 2000},
    {"rear alone", Motive::Tracked, true, 3, 2000, 0},       {"rear among full zones", Motive::Tracked, true, 3, 2000, 2000},
    {"turret alone", Motive::Tracked, true, 4, 2000, 0},     {"turret among full zones", Motive::Tracked, true, 4, 2000, 2000},
    {"rotor among full zones", Motive::VTOL, false, 4, 2, 2000}, {"front, no turret, full zones", Motive::Wheeled, false, 0, 2000, 2000},
};

const struct { const char* name; int mass; Motive motive; QStringList locations; } Structures[] = {
    {"100-ton tank", 100, Motive::Tracked, {"Front", "Left", "Right", "Rear", "Turret"}},
    {"30-ton VTOL", 30, Motive::VTOL, {"Front", "Left", "Right", "Rear", "Rotor"}},
    {"9-ton hover", 9, Motive::Hover, {"Front", "Left", "Right", "Rear"}},
};

// The captions of the tick boxes on the critical damage frame's line `label`, and how many boxes
// stand on that line.
std::pair<QStringList, int> DamageLine(const SheetModel& sheet, const QString& label)
{
    const auto frame = std::find_if(sheet.frames.begin(), sheet.frames.end(),
                                    [](const SheetFrame& f) { return f.title == QLatin1String("Critical Damage"); });
    const auto line = std::find_if(sheet.texts.begin(), sheet.texts.end(), [&](const SheetText& t) { return t.text == label; });
    if (frame == sheet.frames.end() || line == sheet.texts.end()) return {{"<no line>"}, 0};
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

// Designs as a user builds them, and their sheet's critical damage lines, armor zones
// ("name points") and internal structure locations.
const struct {
    const char* name;
    QStringList steps, stabilizers, armor, structure;
} DesignSheets[] = {
    {"VTOL: the rotor has no stabilizer", {"optMotiveType=3", "vsbMass=30", "vsbArmorTonnage=4", "cmdAllocateArmor"},
     {"Front", "Left", "Right", "Rear"}, {"Front 10", "Left 7", "Right 7", "Rear 6", "Rotor 2"},
     {"Front", "Left", "Right", "Rear", "Rotor"}},
    {"tracked with a turret: the turret has one", {"optMotiveType=1", "vsbMass=60", "chkTurret=1", "vsbArmorTonnage=4", "cmdAllocateArmor"},
     {"Front", "Left", "Right", "Rear", "Turret"}, {"Front 9", "Left 6", "Right 6", "Rear 3", "Turret 8"},
     {"Front", "Left", "Right", "Rear", "Turret"}},
    {"hover with a turret", {"chkTurret=1", "vsbMass=20"}, {"Front", "Left", "Right", "Rear", "Turret"},
     {"Front 0", "Left 0", "Right 0", "Rear 0", "Turret 0"}, {"Front", "Left", "Right", "Rear", "Turret"}},
    {"wheeled without a turret", {"optMotiveType=2", "vsbMass=40", "vsbArmorTonnage=2", "cmdAllocateArmor"},
     {"Front", "Left", "Right", "Rear"}, {"Front 4", "Left 4", "Right 4", "Rear 4"}, {"Front", "Left", "Right", "Rear"}},
    {"a VTOL made from a tank with a turret", {"optMotiveType=1", "chkTurret=1", "vsbTurretArmor=30", "optMotiveType=3"},
     {"Front", "Left", "Right", "Rear"}, {"Front 0", "Left 0", "Right 0", "Rear 0", "Rotor 0"},
     {"Front", "Left", "Right", "Rear", "Rotor"}},
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

    // The internal structure block: a tenth of the mass in every location, turret or rotor included.
    void structureBoxes_data() { AddCases(Structures); }
    void structureBoxes()
    {
        const auto& [name, mass, motive, locations] = CaseOf(Structures);
        SheetDesign design = SheetOf(motive, mass == 100, {});
        design.readout.mass = mass;
        const SheetModel sheet = BuildSheet(design, SheetPaper::A4);
        QStringList names;
        for (const SheetZone& zone : sheet.structure) {
            names << zone.name;
            QCOMPARE(zone.points, mass / 10);
            QVERIFY2(ZoneFailure(zone).isEmpty(), qPrintable(ZoneFailure(zone)));
        }
        QCOMPARE(names, locations);
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
        QTest::newRow("nothing mounted") << QList<ReadoutItem>{} << false << QStringList{} << QStringList{};
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

    // The sheet of a design as the File menu and the batch tool draw it.
    void designSheets_data() { AddCases(DesignSheets); }
    void designSheets()
    {
        const auto& [name, steps, stabilizers, armor, structure] = CaseOf(DesignSheets);
        CatalogueDesign bench;
        Drive(bench.design, steps);
        const SheetModel sheet = DesignSheet(bench.design, bench.weapons, bench.ammo);
        const auto [captions, boxes] = DamageLine(sheet, QStringLiteral("Stabilizers"));
        QCOMPARE(captions, stabilizers);
        QCOMPARE(boxes, int(stabilizers.size()));
        QCOMPARE(DamageLine(sheet, QStringLiteral("Motive System Hits")), std::pair(QStringList{"+1", "+2", "+3"}, 3));
        QStringList zones, locations;
        for (const SheetZone& zone : sheet.armor) zones << zone.name + u' ' + QString::number(zone.points);
        for (const SheetZone& zone : sheet.structure) locations << zone.name;
        QCOMPARE(zones, armor);
        QCOMPARE(locations, structure);
    }

    // Letter in the United States, A4 in Germany; the foot names the design file once there is
    // one, else the vehicle.
    void paperAndFoot_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("file");
        QTest::addColumn<SheetPaper>("paper");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QString>("source");
        QTest::newRow("English (United States), never saved") << false << QString() << SheetPaper::Letter << QSizeF(215.9, 279.4)
                                                             << "Kestrel";
        QTest::newRow("German (Germany), saved") << true << "/somewhere/kestrel 2.edt" << SheetPaper::A4 << QSizeF(210, 297)
                                                 << "kestrel 2.edt";
    }
    void paperAndFoot()
    {
        QFETCH(bool, german);
        QFETCH(QString, file);
        const LocaleScope locale(german);
        CatalogueDesign bench;
        bench.design.SetVehicleName(QStringLiteral("Kestrel"));
        bench.design.SetDesignFileName(file);
        const SheetModel sheet = DesignSheet(bench.design, bench.weapons, bench.ammo);
        QTEST(sheet.paper, "paper");
        QTEST(sheet.page, "page");
        QTEST(GatherSheet(bench.design, bench.weapons, bench.ammo).source, "source");
        QCOMPARE(sheet.title, QStringLiteral("Kestrel"));
    }
};

QTEST_GUILESS_MAIN(SheetModelTest)
#include "test_sheetmodel.moc"
