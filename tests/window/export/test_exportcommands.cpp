// Export to HTML, Export to HVN HTML and Export Record Sheet (PDF) on the real window: the save
// dialog as each command sets it up, cancelling, the file each writes (the pages' bytes are the
// core's tests' concern), and a sheet that a full disk cuts short told in a message box. A record
// sheet of several pages printed: each page on its own sheet, no pages and a printer that cannot
// start refused. File > Export Force Sheets
// (PDF): design files chosen together in one dialog, the PDF's name asked next, the PDF read back
// with pdftotext (the roster with each design's figures as the window showed them, then each
// design's sheet), an unreadable file named afterwards; cancelling at either dialog, nothing
// readable and a full disk write no PDF; the design in the window never touched.
#include <QPrinter>

#include "support/testsupport.h"

#include "core/export/readoutfile.h"
#include "core/sheet/buildsheet.h"
#include "window/sheet/printsheet.h"

namespace {

// A design as a user builds it over the program's catalogue.
const QStringList HeavyTank = {"optMotiveType_1", "optEngineType_1", "vsbMass=60", "vsbCruise=4", "chkTurret=1", "vsbArmorTonnage=20",
                               "vsbFrontArmor=40", "vsbLeftArmor=30", "vsbRightArmor=30", "vsbRearArmor=20", "vsbTurretArmor=25",
                               "weapon=Medium Laser", "optLocation_0", "cmdAdd", "cmdAdd", "weapon=LRM 10", "optLocation_4", "cmdAdd",
                               "cmdAddAmmo", "ammo=Ammo-LRM 10", "vsbAddTonnage=2", "cmdAmmoAdd", "txtVehicleName=Heavy Tank Mk 2"};

// The design in the window saved to `path`: the battle value and cost the window showed.
QString Saved(frmMain& w, const QString& path)
{
    Answered(w, "mnuFileSaveAs", path);
    return " +" + Text(w, "lblBattleValue") + " +" + Text(w, "lblCost") + "\n";
}

// The command given with its dialogs answered: the text of the message box it showed, answered
// with OK, or empty.
QString Exported(frmMain& w, const QList<QStringList>& answers)
{
    for (const QStringList& answer : answers) Chooser(w).Answer(answer);
    const auto told = AnswerMessageBox(QMessageBox::Ok);
    Trigger(w, "mnuFileExportForce");
    return *told;
}

// Ways to leave the command without a PDF: the answers to its dialogs ("<broken>", "<missing>",
// "<heavy>" and "<kestrel>" name design files, "<pdf>" a PDF in a folder of its own), whether
// the disk fills up, the requests made and what the message box said.
const struct { const char* name; QList<QStringList> answers; bool fullDisk; int requests; const char* told; } NoPdf[] = {
    {"cancel at the design files", {{}}, false, 1, ""},
    {"cancel at the PDF", {{"<kestrel>"}, {}}, false, 2, ""},
    {"cancel at the PDF after an unreadable file", {{"<kestrel>", "<broken>"}, {}}, false, 2, ""},
    // Said at once, no PDF asked for.
    {"nothing readable", {{"<broken>", "<missing>"}, {"<pdf>"}}, false, 1,
     "None of the design files could be read, so no force sheets were written:\n\n\"<broken>\": reading stopped at line 4\n"
     "\"<missing>\": the file cannot be opened"},
    // Told with the unreadable file in one box.
    {"a full disk", {{"<heavy>", "<broken>"}, {"<pdf>"}}, true, 2,
     "The force sheets could not be written to \"<pdf>\".\n\nThese design files could not be read and were left out:\n\n"
     "\"<broken>\": reading stopped at line 4"},
};

}  // namespace

class ExportCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // Design files for File > Export Force Sheets: two saved from the window, one broken.
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(dir_.isValid());
        Drive(designer_, HeavyTank);
        heavyFigures_ = Saved(designer_, heavy_);
        Trigger(designer_, "mnuFileNew");
        Drive(designer_, VTOLDesign);
        kestrelFigures_ = Saved(designer_, kestrel_);
        PutBytes(broken_, "\"Broken\"\r\n1\r\n1\r\nheavy\r\n1\r\n");
    }

    // Each command over an existing file: the page the core writes for the design, in its style;
    // cancelled, the file stays as it was.
    void pagesOfTheWindow_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("mnuFileExportHTML") << int(ReadoutStyle::Plain);
        QTest::newRow("mnuFileExportHVN") << int(ReadoutStyle::Site);
    }
    void pagesOfTheWindow()
    {
        QFETCH(int, style);
        QTemporaryDir dir;
        CatalogueWindow w;
        w.OpenDesignFile(QFINDTESTDATA("core/files/designs/tracked.edt"));
        Drive(w, {"txtVehicleName=Heavy Tank Mk 2"});
        const QStringList before = DesignSnapshot(w);
        const QString path = dir.filePath(QStringLiteral("tracked.html")), core = dir.filePath(QStringLiteral("core.html"));
        PutBytes(path, QByteArray(20000, 'x'));
        const FileRequest seen = Answered(w, QTest::currentDataTag(), path);
        QVERIFY(seen.save);
        QVERIFY(seen.asksBeforeReplacing);
        QCOMPARE(seen.name, QStringLiteral("HeavyTankMk2"));
        QVERIFY(!FileIsOpen(path));
        QVERIFY(WriteReadoutFile(w.design(), core, ReadoutStyle(style)));
        QCOMPARE(Undated(path), Undated(core));
        QVERIFY(!Undated(path).isEmpty());
        Answered(w, QTest::currentDataTag(), QString());
        QVERIFY(!QFile::exists(seen.name));  // nor beside the program, under the name suggested
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"core.html", "tracked.html"}));
        QCOMPARE(DesignSnapshot(w), before);
    }

    // The suggested name, and every page of the design's sheet written: fifteen weapons of the
    // program's catalogue at each of the five locations, 75 rows far over a 100-ton tank's slots,
    // the second page continuing the inventory. Cancel writes nothing; a disk that fills up
    // while writing is told in a message box and leaves no file, whole or in part.
    void recordSheetThroughTheMenu()
    {
        QStringList steps{"optMotiveType_1", "vsbMass=100", "chkTurret=1", "txtVehicleName=Heavy Tank: Mk/2"};
        for (const char* weapon : {"Small Laser", "ER Small Laser", "Vehicle Flamer", "Small Pulse Laser", "Flamer", "Medium Laser",
                                   "ER Medium Laser", "Medium Pulse Laser", "Large Laser", "ER Large Laser", "Large Pulse Laser",
                                   "PPC", "ER PPC", "Machine Gun", "SRM 2"})
            for (int location = 0; location < 5; ++location)
                steps << QStringLiteral("weapon=%1").arg(weapon) << QStringLiteral("optLocation_%1").arg(location) << "cmdAdd";
        QTemporaryDir dir;
        frmMain w;  // over the program's own catalogue
        Drive(w, steps);
        const QStringList before = DesignSnapshot(w);
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        const FileRequest asked = Answered(w, "mnuFileExportSheet", path);
        QCOMPARE(asked.name, QStringLiteral("HeavyTankMk2.pdf"));
        QVERIFY(asked.save);
        QVERIFY(asked.asksBeforeReplacing);
        QCOMPARE(PdfPageCount(path), 2);
        QVERIFY(PdfText(path, 1).contains(QRegularExpression("1 +Small Laser +Front")));
        QVERIFY(PdfText(path, 2).contains(QRegularExpression("1 +SRM 2 +Turret")));
        QVERIFY(!PdfText(path, 2).contains("Small Laser"));
        QCOMPARE(DesignSnapshot(w), before);

        const QString cut = dir.filePath(QStringLiteral("cut.pdf"));
        Answered(w, "mnuFileExportSheet", QString());
        QVERIFY(!QFile::exists(asked.name));
        const auto told = AnswerMessageBox(QMessageBox::Ok);
        WithFileSizeLimit(1000, [&] { Answered(w, "mnuFileExportSheet", cut); });
        QCOMPARE(*told, "The record sheet could not be written to \"" + cut + "\".");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.pdf"});
    }

    // Each page on its own sheet of paper; no pages, or a printer whose file cannot be made:
    // refused, nothing printed.
    void printing()
    {
        SheetDesign design;
        design.readout = {.name = "Test", .mass = 100, .motive = Motive::Tracked, .turretFitted = true};
        for (int i = 0; i < 75; ++i) design.readout.payload.append({QStringLiteral("Item %1").arg(i), 0, 1, "Front"});
        const QList<SheetModel> pages = BuildSheetPages(design, SheetPaper::Letter);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("none.pdf")));
        QVERIFY(!PrintSheet({}, printer));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("none.pdf"))));
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        QVERIFY(PrintSheet(pages, printer));
        QCOMPARE(PdfPageCount(dir.filePath(QStringLiteral("printed.pdf"))), 2);
        QVERIFY(PdfText(dir.filePath(QStringLiteral("printed.pdf")), 2).contains("Page 2 of 2"));
        printer.setOutputFileName(dir.filePath(QStringLiteral("missing/folder/sheet.pdf")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        QVERIFY(!PrintSheet(pages, printer));
    }

    // The heavy tank, a broken file and the VTOL chosen; the window holds a design of its own
    // that the command leaves as it is. The roster's figures are those the window showed.
    void forceThroughTheMenu()
    {
        QTemporaryDir out;
        frmMain w;
        Drive(w, {"vsbMass=35", "txtVehicleName=Left Alone"});
        const QStringList before = DesignSnapshot(w);
        const QString pdf = out.filePath("Lance.pdf");
        const QString told = Exported(w, {{heavy_, broken_, kestrel_}, {pdf}});

        QCOMPARE(Chooser(w).asked.size(), 2);
        const FileRequest designs = Chooser(w).asked[0], target = Chooser(w).asked[1];
        QVERIFY(designs.several);
        QVERIFY(!designs.save);
        QVERIFY(target.save && !target.several && target.asksBeforeReplacing);
        QCOMPARE(target.name, dir_.filePath("Force.pdf"));  // where the design files came from
        QCOMPARE(QDir(target.folder), QDir(dir_.path()));
        QCOMPARE(told, "These design files could not be read and were left out:\n\n\"" + broken_ + "\": reading stopped at line 4");

        QCOMPARE(PdfPageCount(pdf), 3);
        const QString roster = PdfText(pdf, 1);
        for (const QString& row : {"Heavy Tank Mk 2 +Tracked +60 +4 +6 +145" + heavyFigures_, "Kestrel VTOL +VTOL +20 +6 +9 +12" + kestrelFigures_})
            QVERIFY2(roster.contains(QRegularExpression(QRegularExpression::escape(row).replace("\\ \\+", " +"))),
                     qPrintable(row + " in\n" + roster));
        QVERIFY(roster.contains("Total: 2 units"));  // not the broken file

        QVERIFY(PdfText(pdf, 3).contains("Kestrel VTOL"));
        QCOMPARE(DesignSnapshot(w), before);
        QCOMPARE(w.design().State().DesignFileName, QString());
    }

    // Nothing written, anywhere, and the design in the window left as it was.
    void noPdf_data() { AddCases(NoPdf); }
    void noPdf()
    {
        const auto& [name, answers, fullDisk, requests, told] = CaseOf(NoPdf);
        QTemporaryDir out;
        frmMain w;
        const QStringList before = DesignSnapshot(w);
        const QMap<QString, QString> files{{"<broken>", broken_}, {"<missing>", dir_.filePath("missing.edt")}, {"<heavy>", heavy_},
                                           {"<kestrel>", kestrel_}, {"<pdf>", out.filePath("force.pdf")}};
        QList<QStringList> paths;
        for (const QStringList& answer : answers)
            for (QString& path : paths.emplaceBack(answer)) path = files[path];
        QString said, expected = QString::fromUtf8(told);
        WithFileSizeLimit(fullDisk ? 1000 : RLIM_INFINITY, [&] { said = Exported(w, paths); });
        for (const auto& [key, path] : files.asKeyValueRange()) expected.replace(key, path);
        QCOMPARE(said, expected);
        QCOMPARE(Chooser(w).asked.size(), requests);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), (QStringList{"broken.edt", "heavy.edt", "kestrel.edt"}));
        QCOMPARE(DesignSnapshot(w), before);
    }

private:
    QTemporaryDir dir_;
    const QString broken_ = dir_.filePath("broken.edt"), heavy_ = dir_.filePath("heavy.edt"), kestrel_ = dir_.filePath("kestrel.edt");
    frmMain designer_;
    QString heavyFigures_, kestrelFigures_;
};

QTEST_MAIN(ExportCommandsTest)
#include "test_exportcommands.moc"
