// Export to HTML, Export to HVN HTML, Export Record Sheet (PDF) and Copy Readout as Text on the
// real window: the save dialog, replacing and cancelling, the pages of a design opened and
// renamed compared byte for byte with pages written by hand, the sheet read back with pdftotext,
// the clipboard's text against texts written by hand, regional settings, and a disk that fills
// up after the dialog (a sheet is then told of and leaves no file).
#include "support/testsupport.h"

namespace {

// The window's pages of the tracked design: the moment of export as the settings write it, and
// as the hand-written page has it.
const QString UsMoment = "Generated on \\d{1,2}/\\d{1,2}/\\d{4} \\d{1,2}:\\d{2}:\\d{2} [AP]M<BR>";
const struct { const char* name; int style; bool german; QString moment, handWritten; } WindowPages[] = {
    {"tracked_plain", 0, false, UsMoment, "Generated on 12/5/2026 9:03:07 PM<BR>"},
    {"tracked_site", 1, false, UsMoment, "Generated on 12/5/2026 9:03:07 PM<BR>"},
    {"tracked_plain_german", 0, true, "Generated on \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d<BR>", "Generated on 05.12.2026 21:03:07<BR>"},
};

// A wheeled vehicle built in the window over the program's own catalogue. 5 x 40 - 20 gives a
// rating of 180 (7 tons of engine and 3.5 of shielding); the SRM 4 in the turret needs half a
// ton of it. Cost: (engine 180 x 5,000 x 40 / 75 + structure 40,000 + control 20,000 + armor
// 50,000 + turret 2,500 + payload 60,000 + 5,000 + 27,000) x (1 + 40 / 200) = 821,400. Battle
// value: (80 x 2.5 + 20 x 1.5) x 0.8 x 1.3 = 239.2, plus (39 + 5 + min(5, 39) + 40 / 2) x 1.37
// = 94.53, 334 in all.
const QStringList WheeledSteps = {
    "optMotiveType_2", "optEngineType_1", "vsbMass=40", "vsbCruise=5", "chkTurret=1", "vsbArmorTonnage=10",
    "vsbFrontArmor=24", "vsbRightArmor=16", "vsbLeftArmor=16", "vsbRearArmor=12", "vsbTurretArmor=12",
    "weapon=SRM 4", "optLocation_4", "cmdAdd", "weapon=Machine Gun", "optLocation_0", "cmdAdd", "cmdAddAmmo",
    "ammo=Ammo-SRM 4", "vsbAddTonnage=1", "cmdAmmoAdd", "txtVehicleName=Kettenhund Ü"};

// The readout's text is the core's to lay out; here, that the command puts it on the clipboard
// with the region's numbers, whether given from the menu or by its keys.
const struct { const char* name; bool german, keys; QStringList lines; } ClipboardTexts[] = {
    {"from the menu", false, false, {"Type:               Kettenhund Ü", "Cruise MP:          5 (53.0 km/h)",
                                     "Vehicle Cost:       821,400", "Battle Value:       334"}},
    {"by its keys, German", true, true, {"Type:               Kettenhund Ü", "Cruise MP:          5 (53,0 km/h)",
                                         "Vehicle Cost:       821.400", "Battle Value:       334"}},
};

}  // namespace

class ExportCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

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
        Drive(w, {"txtVehicleName=Heavy Tank Mk 2"});
        Control<QPlainTextEdit>(w, "txtOverview")->moveCursor(QTextCursor::End);
        QTest::keyClick(Control<QPlainTextEdit>(w, "txtOverview"), Qt::Key_Return, Qt::ShiftModifier);  // a soft line break
        QTest::keyClicks(Control<QPlainTextEdit>(w, "txtOverview"), QString::fromUtf8("Soft\u00a0break"));
        const QStringList before = DesignSnapshot(w);
        const char* command = style == 0 ? "mnuFileExportHTML" : "mnuFileExportHVN";
        const QString path = dir.filePath(QStringLiteral("tracked.html"));
        WriteBytes(path, QByteArray(20000, 'x'));
        const FileRequest seen = Answered(w, command, path);
        QVERIFY(seen.save);
        QVERIFY(seen.asksBeforeReplacing);
        QCOMPARE(seen.name, QStringLiteral("HeavyTankMk2"));
        QCOMPARE(seen.filters, (QStringList{"HTML files (*.html)", "HTML files (*.htm)", "All files (*)"}));
        QCOMPARE(QDir(seen.folder), QDir(dir.path()));  // where the design was opened
        QCOMPARE(FileDialog(w).filter(), QStringLiteral("HTML files (*.html)|*.html|HTML files (*.htm)|*.htm|All files (*.*)|*.*"));
        QVERIFY(!FileIsOpen(path));
        // The moment of export, then set to the moment of the hand-written page.
        const QByteArray page = ReadBytes(path);
        QCOMPARE(QString::fromLatin1(page).count(QRegularExpression(moment)), 1);
        QCOMPARE(QString::fromLatin1(page).replace(QRegularExpression(moment), handWritten).toLatin1().split('\n'),
                 ReadBytes(QFINDTESTDATA(QStringLiteral("core/export/golden/%1.html").arg(name))).split('\n'));

        Answered(w, command, QString());
        QCOMPARE(ReadBytes(path), page);
        const QString cut = dir.filePath(QStringLiteral("cut.html"));
        WithFileSizeLimit(1000, [&] { Answered(w, command, cut); });
        QVERIFY(!FileIsOpen(cut));
        QCOMPARE(ReadBytes(cut), page.left(1000));
        QCOMPARE(DesignSnapshot(w), before);
        QCOMPARE(w.design().State().DesignFileName, dir.filePath(QStringLiteral("tracked.edt")));
    }

    // The text on the clipboard in place of what was there, each line ended by a line feed; no
    // dialog, and the design as it was. After File > New the clipboard gets the new design's.
    void readoutAsText_data() { AddCases(ClipboardTexts); }
    void readoutAsText()
    {
        const auto& [name, german, keys, lines] = CaseOf(ClipboardTexts);
        const LocaleScope locale(german);
        frmMain w;  // over the program's own catalogue
        Drive(w, WheeledSteps);
        const QStringList before = DesignSnapshot(w);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        if (keys) {
            w.show();
            QApplication::setActiveWindow(&w);
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        } else {
            Trigger(w, "mnuFileCopyText");
        }
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.startsWith("Vehicle Technical Readout\n") && copied.endsWith("\n"), qPrintable(copied));
        for (const QString& line : lines) QVERIFY2(copied.contains("\n" + line + "\n"), qPrintable(line + " in\n" + copied));
        QVERIFY(Chooser(w).asked.isEmpty());
        QCOMPARE(DesignSnapshot(w), before);

        Trigger(w, "mnuFileNew");
        Trigger(w, "mnuFileCopyText");
        QVERIFY(QGuiApplication::clipboard()->text().contains("\nType:               Insert Name and Designation\n"));
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
                  "optLocation_4", "cmdAdd", "cmdAddAmmo", "ammo=Ammo-Machine Gun",
                  "vsbAddTonnage=1", "cmdAmmoAdd", "txtVehicleName=Heavy Tank: Mk/2"});
        const QStringList before = DesignSnapshot(w);
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        const FileRequest asked = Answered(w, "mnuFileExportSheet", path);
        QCOMPARE(asked.name, QStringLiteral("HeavyTankMk2.pdf"));
        QCOMPARE(asked.filters, QStringList{"PDF (*.pdf)"});
        QVERIFY(asked.save);
        QVERIFY(asked.asksBeforeReplacing);

        const QString text = PdfText(path);
        for (const QString& figure : QStringList{"Heavy Tank: Mk/2", "Tonnage: 60 tons", "Cost: " + Text(w, "lblCost") + " C-bills",
                                      "Front (40)", "Turret (25)"})
            QVERIFY2(text.contains(figure), qPrintable(figure + " in\n" + text));
        for (const char* row : {"2 +Medium Laser +Front +5 +– +3 +6 +9\n", "1 +LRM 10 +Turret +1/Msl +6 +7 +14 +21\n",
                                "Ammo-Machine Gun +Body +0.5 +100\n"})
            QVERIFY2(text.contains(QRegularExpression(QString::fromUtf8(row))), qPrintable(QString::fromUtf8(row) + " in\n" + text));
        QVERIFY(PdfInfo(path).contains("(letter)"));
        QCOMPARE(DesignSnapshot(w), before);

        // German settings: A4, and the price as they write it.
        LocaleScope germanSettings(true);
        const QString german = dir.filePath(QStringLiteral("german.pdf"));
        Answered(w, "mnuFileExportSheet", german);
        QVERIFY(PdfText(german).contains("Cost: " + Text(w, "lblCost").replace(',', '.') + " C-bills"));
        QVERIFY(PdfInfo(german).contains("(A4)"));

        const QString cut = dir.filePath(QStringLiteral("cut.pdf"));
        Chooser(w).Cancel();
        Trigger(w, "mnuFileExportSheet");
        QVERIFY(!QFile::exists(cut));
        const auto told = AnswerMessageBox(QMessageBox::Ok);
        WithFileSizeLimit(1000, [&] { Answered(w, "mnuFileExportSheet", cut); });
        QCOMPARE(*told, "The record sheet could not be written to \"" + cut + "\".");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"german.pdf", "sheet.pdf"}));
    }
};

QTEST_MAIN(ExportCommandsTest)
#include "test_exportcommands.moc"
