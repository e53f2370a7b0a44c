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

// Hover and I.C.E. with neither payload nor overview; VTOL with rotor, cargo and an overview of
// several lines. The tracked design opened from its file shows the rest.
const struct {
    const char* key;
    ReadoutDesign design;
} Designs[] = {
    {"hover_ice", {.name = "Skimmer", .mass = 20, .motive = Motive::Hover, .engine = Engine::ICE, .engineRating = 145,
                   .engineTonnage = 9, .cruiseMP = 10, .flankMP = 15, .structureTonnage = 2, .controlTonnage = 1,
                   .liftTonnage = 2, .armorFactor = 32, .armorTonnage = 2, .armorTypeName = "Standard",
                   .frontArmor = 10, .rightArmor = 7, .leftArmor = 7, .rearArmor = 8, .cost = Tons(123456.5)}},
    {"kestrel_vtol", {.name = "Kestrel", .mass = 30, .motive = Motive::VTOL, .engine = Engine::Fusion,
                      .engineRating = 240, .engineTonnage = Tons(11.5), .cruiseMP = 8, .flankMP = 12,
                      .structureTonnage = 3, .heatSinks = 10, .controlTonnage = Tons(1.5), .liftTonnage = 3,
                      .armorFactor = 64, .armorTonnage = 4, .armorTypeName = "Standard", .frontArmor = 20,
                      .rightArmor = 15, .leftArmor = 15, .rearArmor = 10, .turretArmor = 4,
                      .manufacturer = QString::fromUtf8("A\u00e9rospatiale Lune"), .commSystem = "Skyvox",
                      .targetingSystem = "Hawkeye 2", .overview = "Fast.\r\nLight.\r\n",
                      .payload = {{"Small Laser", 1, Tons(0.5), "Front"}, {"Cargo", 0, 1, "Body"}}, .cost = 654321}},
};

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

// The pages written by hand: a design of the table above, or else the tracked design opened
// from its file, its figures, payload and price gathered from the design; the moment of export,
// 5 December 2026 at 21:03:07, as the settings write it.
const struct { const char* name; const ReadoutDesign* design; ReadoutStyle style; bool german; const char* moment; } Pages[] = {
    {"hover_ice_plain", &Designs[0].design, ReadoutStyle::Plain, false, "12/5/2026 9:03:07 PM"},
    {"hover_ice_site", &Designs[0].design, ReadoutStyle::Site, false, "12/5/2026 9:03:07 PM"},
    {"kestrel_vtol_plain", &Designs[1].design, ReadoutStyle::Plain, false, "12/5/2026 9:03:07 PM"},
    {"kestrel_vtol_site", &Designs[1].design, ReadoutStyle::Site, false, "12/5/2026 9:03:07 PM"},
    {"tracked_plain", nullptr, ReadoutStyle::Plain, false, "12/5/2026 9:03:07 PM"},
    {"tracked_site", nullptr, ReadoutStyle::Site, false, "12/5/2026 9:03:07 PM"},
    {"tracked_plain_german", nullptr, ReadoutStyle::Plain, true, "05.12.2026 21:03:07"},
};

}  // namespace

class ReadoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void pages_data() { AddCases(Pages); }
    void pages()
    {
        const auto& [name, made, style, german, moment] = CaseOf(Pages);
        const LocaleScope locale(german);
        Design design;
        if (!made) OpenTracked(design);
        const QString when = DateTimeText(QDateTime(QDate(2026, 12, 5), QTime(21, 3, 7)));
        QCOMPARE(when, QString::fromLatin1(moment));
        const QByteArray page = PageBytes(ReadoutLines(made ? *made : GatherReadout(design), style, when));
        QCOMPARE(page.split('\n'), Golden(QString::fromLatin1(name)).split('\n'));
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
