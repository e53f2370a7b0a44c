// Export to HTML, Export to HVN HTML, Export Record Sheet (PDF) and Copy Readout as Text on the
// real window: the save dialog as each command sets it up, cancelling, the file each writes (the
// pages' bytes are the core's tests' concern), the clipboard's text, and a sheet that a full
// disk cuts short told in a message box.
#include "support/testsupport.h"

#include "core/export/gatherreadout.h"
#include "core/export/readoutfile.h"
#include "core/export/textreadout.h"

class ExportCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

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
        CatalogueWindow session;
        frmMain& w = session.window;
        w.OpenDesignFile(QFINDTESTDATA("core/files/designs/tracked.edt"));
        Drive(w, {"txtVehicleName=Heavy Tank Mk 2"});
        const QStringList before = DesignSnapshot(w);
        const QString path = dir.filePath(QStringLiteral("tracked.html")), core = dir.filePath(QStringLiteral("core.html"));
        WriteBytes(path, QByteArray(20000, 'x'));
        const FileRequest seen = Answered(w, QTest::currentDataTag(), path);
        QVERIFY(seen.save);
        QVERIFY(seen.asksBeforeReplacing);
        QCOMPARE(seen.name, QStringLiteral("HeavyTankMk2"));
        QCOMPARE(FileDialog(w).filter(), QStringLiteral("HTML files (*.html)|*.html|HTML files (*.htm)|*.htm|All files (*.*)|*.*"));
        QVERIFY(!FileIsOpen(path));
        QVERIFY(WriteReadoutFile(w.design(), core, ReadoutStyle(style)));
        QCOMPARE(Undated(path), Undated(core));
        QVERIFY(!Undated(path).isEmpty());
        Answered(w, QTest::currentDataTag(), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"core.html", "tracked.html"}));
        QCOMPARE(DesignSnapshot(w), before);
    }

    // Its keys put the design's text readout in place of what was on the clipboard, with no
    // dialog; the design stays as it was.
    void readoutAsText()
    {
        frmMain w;  // over the program's own catalogue
        Drive(w, {"optMotiveType_2", "chkTurret=1", "weapon=SRM 4", "optLocation_4", "cmdAdd", "txtVehicleName=Kettenhund Ü"});
        const QStringList before = DesignSnapshot(w);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        QCOMPARE(QGuiApplication::clipboard()->text(), TextReadout(GatherReadout(w.design()), w.design().State().BattleValue));
        QVERIFY(QGuiApplication::clipboard()->text().contains("\nType:               Kettenhund Ü\n"));
        QVERIFY(Chooser(w).asked.isEmpty());
        QCOMPARE(DesignSnapshot(w), before);
    }

    // The suggested name and filter, and every page of the design's sheet written: fifteen weapons
    // of the program's catalogue at each of the five locations, 75 rows far over a 100-ton tank's
    // slots, the second page continuing the inventory. Cancel writes nothing; a disk that fills up
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
        QCOMPARE(asked.filters, QStringList{"PDF (*.pdf)"});
        QVERIFY(asked.save);
        QVERIFY(asked.asksBeforeReplacing);
        QCOMPARE(PdfPageCount(path), 2);
        QVERIFY(PdfText(path, 1).contains("Heavy Tank: Mk/2"));
        QVERIFY(PdfText(path, 1).contains(QRegularExpression("1 +Small Laser +Front")));
        QVERIFY(PdfText(path, 2).contains(QRegularExpression("1 +SRM 2 +Turret")));
        QVERIFY(!PdfText(path, 2).contains("Small Laser"));
        QCOMPARE(DesignSnapshot(w), before);

        const QString cut = dir.filePath(QStringLiteral("cut.pdf"));
        Chooser(w).Cancel();
        Trigger(w, "mnuFileExportSheet");
        const auto told = AnswerMessageBox(QMessageBox::Ok);
        WithFileSizeLimit(1000, [&] { Answered(w, "mnuFileExportSheet", cut); });
        QCOMPARE(*told, "The record sheet could not be written to \"" + cut + "\".");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.pdf"});
    }
};

QTEST_MAIN(ExportCommandsTest)
#include "test_exportcommands.moc"
