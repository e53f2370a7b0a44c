// Technical readouts: the pages of hand-made designs in both styles compared byte for byte with
// pages written by hand (golden/), and Export to HTML, Export to HVN HTML and Export Record Sheet
// (PDF) on the real window: the save dialog, replacing and cancelling, the pages of a design
// opened and renamed, the sheet read back with pdftotext, regional settings, and a disk that
// fills up after the dialog (a sheet is then told of and leaves no file).
#include "support/testsupport.h"

#include "core/values/textfile.h"
#include "core/export/readout.h"

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

// The window's pages of the tracked design: the moment of export as the settings write it, and
// as the hand-written page has it.
const QString UsMoment = "Generated on \\d{1,2}/\\d{1,2}/\\d{4} \\d{1,2}:\\d{2}:\\d{2} [AP]M<BR>";
const struct { const char* name; int style; bool german; QString moment, handWritten; } WindowPages[] = {
    {"tracked_plain", 0, false, UsMoment, "Generated on 12/5/2026 9:03:07 PM<BR>"},
    {"tracked_site", 1, false, UsMoment, "Generated on 12/5/2026 9:03:07 PM<BR>"},
    {"tracked_plain_german", 0, true, "Generated on \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d<BR>", "Generated on 05.12.2026 21:03:07<BR>"},
};

}  // namespace

class ExportCommandsTest : public QObject {
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
        QByteArray page;
        for (const QString& line : ReadoutLines(Designs[design].design, ReadoutStyle(style), QStringLiteral("12/5/2026 9:03:07 PM")))
            page += EightBitText(line) + "\r\n";
        const QString golden = QStringLiteral("export/golden/%1.html").arg(QTest::currentDataTag());
        QCOMPARE(page.split('\n'), ReadBytes(QFINDTESTDATA(golden)).split('\n'));
    }

    // Each command over an existing file, then cancelled, then cut short by a full disk; under
    // German settings the numbers and the moment of export as they write them.
    void pagesOfTheWindow_data() { AddCases(WindowPages); }
    void pagesOfTheWindow()
    {
        const auto& [name, style, german, moment, handWritten] = CaseOf(WindowPages);
        const LocaleScope locale(german);
        QTemporaryDir dir;
        frmMain w;
        // The tracked design opened, renamed and given a soft line break.
        WriteBytes(dir.filePath(QStringLiteral("tracked.edt")), FileBytes(DesignLines("tracked")));
        UseTestCatalogue(w);
        Open(w, dir.filePath(QStringLiteral("tracked.edt")));
        w.txtVehicleName->setText(QStringLiteral("Heavy Tank Mk 2"));
        w.txtOverview->setPlainText(w.txtOverview->toPlainText() + QString::fromUtf8("\u2028Soft\u00a0break"));
        const QStringList before = DesignSnapshot(w);
        QAction* command = style == 0 ? w.mnuFileExportHTML : w.mnuFileExportHVN;
        const QString path = dir.filePath(QStringLiteral("tracked.html"));
        WriteBytes(path, QByteArray(20000, 'x'));
        const FileRequest seen = Answered(w, command, path);
        QVERIFY(seen.save);
        QVERIFY(seen.asksBeforeReplacing);
        QCOMPARE(seen.name, QStringLiteral("HeavyTankMk2"));
        QCOMPARE(seen.filters, (QStringList{"HTML files (*.html)", "HTML files (*.htm)", "All files (*)"}));
        QCOMPARE(QDir(seen.folder), QDir(dir.path()));  // where the design was opened
        QCOMPARE(w.dlgCommon->filter(), QStringLiteral("HTML files (*.html)|*.html|HTML files (*.htm)|*.htm|All files (*.*)|*.*"));
        QVERIFY(!FileIsOpen(path));
        // The moment of export, then set to the moment of the hand-written page.
        const QByteArray page = ReadBytes(path);
        QCOMPARE(QString::fromLatin1(page).count(QRegularExpression(moment)), 1);
        QCOMPARE(QString::fromLatin1(page).replace(QRegularExpression(moment), handWritten).toLatin1().split('\n'),
                 ReadBytes(QFINDTESTDATA(QStringLiteral("export/golden/%1.html").arg(name))).split('\n'));

        Answered(w, command, QString());
        QCOMPARE(ReadBytes(path), page);
        const QString cut = dir.filePath(QStringLiteral("cut.html"));
        WithFileSizeLimit(1000, [&] { Answered(w, command, cut); });
        QVERIFY(!FileIsOpen(cut));
        QCOMPARE(ReadBytes(cut), page.left(1000));
        QCOMPARE(DesignSnapshot(w), before);
        QCOMPARE(w.DesignFileName, dir.filePath(QStringLiteral("tracked.edt")));
    }

    // The suggested name and filter, the figures and every weapon row with its ranges, Letter
    // under English (United States) and A4 under German settings. Cancel writes nothing; a disk
    // that fills up while writing is told in a message box and leaves no file, whole or in part.
    void recordSheetThroughTheMenu()
    {
        QTemporaryDir dir;
        frmMain w;  // over the program's own catalogue, with damage and ranges
        Drive(w, {"optMotiveType_1", "optEngineType_1", "vsbMass=60", "vsbCruise=4", "chkTurret=1", "chkCASE=1",
                  "vsbArmorTonnage=20", "vsbFrontArmor=40", "vsbLeftArmor=30", "vsbRightArmor=30", "vsbRearArmor=20",
                  "vsbTurretArmor=25", "weapon=Medium Laser", "optLocation_0", "cmdAdd", "cmdAdd", "weapon=LRM 10",
                  "optLocation_4", "cmdAdd", "weapon=TAG", "cmdAdd", "chkArtemisLRM=1", "cmdAddAmmo", "ammo=Ammo-Machine Gun",
                  "vsbAddTonnage=1", "cmdAmmoAdd"});
        w.txtVehicleName->setText(QStringLiteral("Heavy Tank: Mk/2"));
        const QStringList before = DesignSnapshot(w);
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        const FileRequest asked = Answered(w, w.mnuFileExportSheet, path);
        QCOMPARE(asked.name, QStringLiteral("HeavyTankMk2.pdf"));
        QCOMPARE(asked.filters, QStringList{"PDF (*.pdf)"});
        QVERIFY(asked.save);
        QVERIFY(asked.asksBeforeReplacing);

        const QString text = PdfText(path);
        const QString figures[] = {
            "Heavy Tank: Mk/2", "Technology Base: Inner Sphere Level 2", "Movement Type: Tracked", "Tonnage: 60 tons",
            "Engine: 240 Fusion", "Cruise MP: 4", "Flank MP: 6", "Cost: " + w.lblCost->text() + " C-bills",
            "Front (40)", "Left (30)", "Right (30)", "Rear (20)", "Turret (25)", "Front (6)", "Turret (6)", "Engine Hit",
            "Sensor Hits", "Motive System Hits", "Stabilizers", "Turret Locked", "Crew Stunned", "Gunnery Skill",
            "Driving Skill", "Commander Hit", "Driver Hit", "Tarnwell", "Heavy Tank: Mk/2"};
        for (const QString& figure : figures) QVERIFY2(text.contains(figure), qPrintable(figure + " in\n" + text));
        const char* rows[] = {"2 +Medium Laser +Front +5 +– +3 +6 +9\n", "1 +LRM 10 +Turret +1/Msl +6 +7 +14 +21\n",
                              "1 +TAG +Turret +- +– +5 +9 +15\n", "1 +Artemis IV - LRM +Turret +– +– +– +– +–\n",
                              "1 +CASE +Body +– +– +– +– +–\n", "Ammo-Machine Gun +Body +0.5 +100\n"};
        for (const char* row : rows)
            QVERIFY2(text.contains(QRegularExpression(QString::fromUtf8(row))), qPrintable(QString::fromUtf8(row) + " in\n" + text));
        QVERIFY(PdfText(path, "pdfinfo").contains("(letter)"));
        QCOMPARE(DesignSnapshot(w), before);

        // German settings: A4, and the price as they write it.
        LocaleScope germanSettings(true);
        const QString german = dir.filePath(QStringLiteral("german.pdf"));
        Answered(w, w.mnuFileExportSheet, german);
        QVERIFY(PdfText(german).contains("Cost: " + w.lblCost->text().replace(',', '.') + " C-bills"));
        QVERIFY(PdfText(german, "pdfinfo").contains("(A4)"));

        const QString cut = dir.filePath(QStringLiteral("cut.pdf"));
        Chooser(w).Cancel();
        w.mnuFileExportSheet->trigger();
        QVERIFY(!QFile::exists(cut));
        const auto told = AnswerMessageBox(QMessageBox::Ok);
        WithFileSizeLimit(1000, [&] { Answered(w, w.mnuFileExportSheet, cut); });
        QCOMPARE(*told, "The record sheet could not be written to \"" + cut + "\".");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"german.pdf", "sheet.pdf"}));
    }
};

QTEST_MAIN(ExportCommandsTest)
#include "test_exportcommands.moc"
