// Technical readouts: the pages of hand-made designs in both styles, and of a design opened from
// its file, compared byte for byte with pages written by hand (golden/); the moment of export as
// the regional settings write it; and the page written to a file, where a folder that is not
// there or a full disk is told.
#include "support/designdriver.h"

#include "core/export/datetimetext.h"
#include "core/export/gatherreadout.h"
#include "core/export/readout.h"
#include "core/export/readoutfile.h"
#include "core/values/textfile.h"

namespace {

Currency tons(double t) { return Currency::fromDouble(t); }

// Hover and I.C.E.; tracked with and without turret, Fusion and Fusion XL; wheeled; VTOL with
// rotor; Ferro-Fibrous, CASE, ammunition, cargo, Artemis IV; empty and several-line overviews.
const struct {
    const char* key;
    ReadoutDesign design;
} Designs[] = {
    {"hover_ice", {.name = "Skimmer", .mass = 20, .motive = Motive::Hover, .engine = Engine::ICE, .engineRating = 145,
                   .engineTonnage = 9, .cruiseMP = 10, .flankMP = 15, .structureTonnage = 2, .controlTonnage = 1,
                   .liftTonnage = 2, .armorFactor = 32, .armorTonnage = 2, .armorTypeName = "Standard",
                   .frontArmor = 10, .rightArmor = 7, .leftArmor = 7, .rearArmor = 8, .cost = tons(123456.5)}},
    {"heavy_tank", {.name = "Heavy Tank Mk 2", .mass = 50, .motive = Motive::Tracked, .engine = Engine::Fusion,
                    .engineRating = 200, .engineTonnage = tons(8.5), .cruiseMP = 4, .flankMP = 6,
                    .structureTonnage = 5, .heatSinks = 12, .heatSinkTonnage = 2, .turretTonnage = 1,
                    .controlTonnage = tons(2.5), .powerAmpTonnage = tons(0.5), .armorFactor = tons(143.36),
                    .armorTonnage = 8, .armorTypeName = "Ferro Fibrous", .caseFitted = true, .turretFitted = true,
                    .frontArmor = 40, .rightArmor = 30, .leftArmor = 30, .rearArmor = 23, .turretArmor = 20,
                    .manufacturer = "Orrin & Vale Works", .commSystem = "Talkline 5 <Mk II>",
                    .targetingSystem = "Sightmaster 3", .overview = "ab\r\ncd",
                    .payload = {{"LRM 10", 4, 5, "Turret"}, {"Artemis IV - LRM", 0, 1, "Turret"}, {"Ammo-LRM 10", 0, 1, "Body"},
                                {"Medium Laser", 3, 1, "Front"}, {"Cargo", 0, tons(2.5), "Body"}}, .cost = tons(1234567.4)}},
    {"ridgeback_xl", {.name = "Ridgeback", .mass = 35, .motive = Motive::Tracked, .engine = Engine::FusionXL,
                      .engineRating = 175, .engineTonnage = tons(3.5), .cruiseMP = 5, .flankMP = 8,
                      .structureTonnage = tons(3.5), .heatSinks = 10, .controlTonnage = 2, .armorFactor = 96,
                      .armorTonnage = 6, .armorTypeName = "Standard", .frontArmor = 30, .rightArmor = 20,
                      .leftArmor = 20, .rearArmor = 26, .manufacturer = "Kessel Motors", .commSystem = "Rook-7",
                      .targetingSystem = "Eyeline", .overview = "One line ending\n",
                      .payload = {{"SRM 6", 4, 3, "Front"}, {"Ammo-SRM 6", 0, 1, "Body"}}, .cost = 987654}},
    {"scout_car", {.name = "Scout Car", .mass = 25, .motive = Motive::Wheeled, .engine = Engine::ICE, .engineRating = 100,
                   .engineTonnage = 5, .cruiseMP = 4, .flankMP = 6, .structureTonnage = tons(2.5), .heatSinks = 1,
                   .heatSinkTonnage = 1, .controlTonnage = tons(1.5), .armorFactor = 48, .armorTonnage = 3,
                   .armorTypeName = "Standard", .frontArmor = 14, .rightArmor = 10, .leftArmor = 10, .rearArmor = 14,
                   .overview = "Line one\r\nLine two\r\n\r\nLine four",
                   .payload = {{"Machine Gun", 0, tons(0.5), "Front"}, {"Ammo-Machine Gun", 0, tons(0.5), "Body"}},
                   .cost = tons(45210.25)}},
    {"kestrel_vtol", {.name = "Kestrel", .mass = 30, .motive = Motive::VTOL, .engine = Engine::Fusion,
                      .engineRating = 240, .engineTonnage = tons(11.5), .cruiseMP = 8, .flankMP = 12,
                      .structureTonnage = 3, .heatSinks = 10, .controlTonnage = tons(1.5), .liftTonnage = 3,
                      .armorFactor = 64, .armorTonnage = 4, .armorTypeName = "Standard", .frontArmor = 20,
                      .rightArmor = 15, .leftArmor = 15, .rearArmor = 10, .turretArmor = 4,
                      .manufacturer = QString::fromUtf8("A\u00e9rospatiale Lune"), .commSystem = "Skyvox",
                      .targetingSystem = "Hawkeye 2", .overview = "Fast.\r\nLight.\r\n",
                      .payload = {{"Small Laser", 1, tons(0.5), "Front"}, {"Cargo", 0, 1, "Body"}}, .cost = 654321}},
};

const char* const Styles[] = {"plain", "site"};

QByteArray Golden(const QString& page)
{
    return BytesOf(QFINDTESTDATA(QStringLiteral("golden/%1.html").arg(page)));
}

// The page as the readout file holds it: one code page byte per character, CR LF line ends.
QByteArray PageBytes(const QStringList& lines)
{
    QByteArray page;
    for (const QString& line : lines) page += EightBitText(line) + "\r\n";
    return page;
}

// The tracked design of the design file tests, opened from its file, renamed and given a
// paragraph more.
void OpenTracked(Design& design)
{
    design.Open(QFINDTESTDATA(QStringLiteral("../files/designs/tracked.edt")));
    design.SetVehicleName(QStringLiteral("Heavy Tank Mk 2"));
    design.SetOverview(design.State().txtOverview + QString::fromUtf8("\nSoft\u00a0break"));
}

// The moment of export of the hand-written pages, 5 December 2026 at 21:03:07, as the settings
// write it.
const struct { const char* name; int style; bool german; const char* moment; } DesignPages[] = {
    {"tracked_plain", 0, false, "12/5/2026 9:03:07 PM"},
    {"tracked_site", 1, false, "12/5/2026 9:03:07 PM"},
    {"tracked_plain_german", 0, true, "05.12.2026 21:03:07"},
};

// What the readout takes from a design, as "name=value".
QStringList Gathered(const ReadoutDesign& d)
{
    QStringList figures = {
        "motive=" + QString::number(int(d.motive.value_or(Motive(-1)))), "engine=" + QString::number(int(d.engine.value_or(Engine(-1)))),
        QStringLiteral("mass=%1 rating=%2 cruise=%3 flank=%4").arg(d.mass).arg(d.engineRating).arg(d.cruiseMP).arg(d.flankMP),
        QStringLiteral("engine tons=%1 structure=%2 control=%3 lift=%4 turret=%5 amplifiers=%6")
            .arg(d.engineTonnage.toDouble()).arg(d.structureTonnage.toDouble()).arg(d.controlTonnage.toDouble())
            .arg(d.liftTonnage.toDouble()).arg(d.turretTonnage.toDouble()).arg(d.powerAmpTonnage.toDouble()),
        QStringLiteral("sinks=%1 weighing %2").arg(d.heatSinks).arg(d.heatSinkTonnage),
        QStringLiteral("armor=%1 %2 tons, %3 points").arg(d.armorTypeName).arg(d.armorTonnage.toDouble()).arg(d.armorFactor.toDouble()),
        QStringLiteral("front=%1 left=%2 right=%3 rear=%4 turret=%5")
            .arg(d.frontArmor).arg(d.leftArmor).arg(d.rightArmor).arg(d.rearArmor).arg(d.turretArmor),
        QStringLiteral("CASE=%1 turret fitted=%2").arg(d.caseFitted).arg(d.turretFitted),
        QStringList{d.name, d.manufacturer, d.commSystem, d.targetingSystem, d.overview}.join(u'|')};
    for (const ReadoutItem& item : d.payload)
        figures << QStringLiteral("%1|%2|%3|%4").arg(item.name).arg(item.heat).arg(item.tons.toDouble()).arg(item.location);
    return figures;
}

}  // namespace

class ReadoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void pages_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("style");
        for (int design = 0; design < int(std::size(Designs)); ++design)
            for (int style = 0; style < 2; ++style) QTest::addRow("%s_%s", Designs[design].key, Styles[style]) << design << style;
    }
    void pages()
    {
        QFETCH(int, design);
        QFETCH(int, style);
        const QByteArray page = PageBytes(ReadoutLines(Designs[design].design, ReadoutStyle(style), QStringLiteral("12/5/2026 9:03:07 PM")));
        QCOMPARE(page.split('\n'), Golden(QString::fromLatin1(QTest::currentDataTag())).split('\n'));
    }

    // A design opened from its file: its figures, payload and price gathered from the design.
    void pagesOfADesign_data() { AddCases(DesignPages); }
    void pagesOfADesign()
    {
        const auto& [name, style, german, moment] = CaseOf(DesignPages);
        const LocaleScope locale(german);
        Design design;
        OpenTracked(design);
        QCOMPARE(design.DesignFileStopLine(), 0);
        const QString when = DateTimeText(QDateTime(QDate(2026, 12, 5), QTime(21, 3, 7)));
        QCOMPARE(when, QString::fromLatin1(moment));
        QCOMPARE(PageBytes(ReadoutLines(GatherReadout(design), ReadoutStyle(style), when)).split('\n'),
                 Golden(QString::fromLatin1(name)).split('\n'));
    }

    // What a design built as a user builds it gives the readout: 8 x 20 - 95 = 65 for a VTOL of 20
    // tons; an I.C.E. weighs twice 2.0, with 0.1 of amplifiers for the laser.
    void gathered()
    {
        CatalogueDesign bench;
        Drive(bench.design, {"optMotiveType=3", "vsbMass=20", "vsbCruise=8", "chkFerroFibrous=1", "vsbArmorTonnage=4",
                             "vsbTurretArmor=2", "vsbRearArmor=3", "weapon=Medium Laser", "cmdAdd"});
        QCOMPARE(Gathered(GatherReadout(bench.design)),
                 (QStringList{"motive=3", "engine=0", "mass=20 rating=65 cruise=8 flank=12",
                              "engine tons=4 structure=2 control=1 lift=2 turret=0 amplifiers=0.1", "sinks=3 weighing 3",
                              "armor=Ferro Fibrous 2 tons, 36 points", "front=0 left=0 right=0 rear=3 turret=2", "CASE=0 turret fitted=0",
                              "Insert Name and Designation||||", "Medium Laser|3|1|Front"}));
    }

    // The file holds the page with the moment it was written; a file that cannot be written
    // is told, and the lines before the failure stay.
    void readoutFile()
    {
        QTemporaryDir dir;
        Design design;
        OpenTracked(design);
        const QString path = dir.filePath(QStringLiteral("tracked.html"));
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY(WriteReadoutFile(design, path, ReadoutStyle::Plain));
        QList<QByteArray> lines = BytesOf(path).split('\n');
        const qsizetype moment = lines.indexOf("Generated on " + DateTimeText(QDateTime::currentDateTime()).toLatin1() + "<BR><BR>\r");
        const qsizetype earlier = lines.indexOf("Generated on " + DateTimeText(before).toLatin1() + "<BR><BR>\r");
        QVERIFY(moment >= 0 || earlier >= 0);
        lines[std::max(moment, earlier)] = "Generated on 12/5/2026 9:03:07 PM<BR><BR>\r";
        QCOMPARE(lines, Golden(QStringLiteral("tracked_plain")).split('\n'));

        QVERIFY(!WriteReadoutFile(design, dir.filePath(QStringLiteral("no-such-folder/page.html")), ReadoutStyle::Site));
        QVERIFY(!WriteReadoutFile(design, QStringLiteral("/dev/full"), ReadoutStyle::Site));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"tracked.html"});
    }
};

QTEST_GUILESS_MAIN(ReadoutTest)
#include "test_readout.moc"
