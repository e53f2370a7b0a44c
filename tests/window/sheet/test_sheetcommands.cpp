// A record sheet of several pages: File > Export Record Sheet (PDF) on the real window with a
// 100-ton design of 75 payload lines writes both pages, the second continuing the inventory;
// printing puts each page on its own sheet, and refuses no pages and a printer that cannot
// start. How the pages are laid out is the sheet's own tests' concern.
#include <QPrinter>

#include "core/sheet/buildsheet.h"
#include "support/testsupport.h"
#include "window/sheet/printsheet.h"

class SheetCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Fifteen weapons of the program's catalogue at each of the five locations: 75 rows, far over
    // a 100-ton tank's slots. Both pages in one file: the first with the rows that fit, the second
    // the rest.
    void longInventoryThroughTheMenu()
    {
        QStringList steps{"optMotiveType_1", "vsbMass=100", "chkTurret=1"};
        for (const char* weapon : {"Small Laser", "ER Small Laser", "Vehicle Flamer", "Small Pulse Laser", "Flamer", "Medium Laser",
                                   "ER Medium Laser", "Medium Pulse Laser", "Large Laser", "ER Large Laser", "Large Pulse Laser",
                                   "PPC", "ER PPC", "Machine Gun", "SRM 2"})
            for (int location = 0; location < 5; ++location)
                steps << QStringLiteral("weapon=%1").arg(weapon) << QStringLiteral("optLocation_%1").arg(location) << "cmdAdd";
        QTemporaryDir dir;
        frmMain w;  // over the program's own catalogue
        Drive(w, steps);
        QCOMPARE(w.design().State().PayloadCount, 75);
        const QStringList before = DesignSnapshot(w);
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        Answered(w, "mnuFileExportSheet", path);
        QCOMPARE(PdfPageCount(path), 2);
        const QStringList pages{PdfText(path, 1), PdfText(path, 2)};
        QVERIFY2(pages[0].contains(QRegularExpression("1 +Small Laser +Front")), qPrintable(pages[0]));
        QVERIFY2(pages[1].contains(QRegularExpression("1 +SRM 2 +Turret")), qPrintable(pages[1]));
        QVERIFY2(!pages[1].contains("Small Laser"), qPrintable(pages[1]));
        QCOMPARE(DesignSnapshot(w), before);
    }

    // Each page on its own sheet of paper; no pages, or a printer whose file cannot be made:
    // refused, nothing printed.
    void printing()
    {
        SheetDesign design;
        design.readout = {.name = "Test", .mass = 100, .motive = Motive::Tracked, .turretFitted = true};
        for (int i = 0; i < 75; ++i) design.readout.payload.append({QStringLiteral("Item %1").arg(i), 0, 1, "Front"});
        const QList<SheetModel> pages = BuildSheetPages(design, SheetPaper::Letter);
        QCOMPARE(pages.size(), 2);
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
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing/folder/sheet.pdf"))));
    }
};

QTEST_MAIN(SheetCommandsTest)
#include "test_sheetcommands.moc"
