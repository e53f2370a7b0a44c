// A record sheet of several pages printed: each page on its own sheet, no pages and a printer
// that cannot start refused. How the pages are laid out is the sheet's own tests' concern.
#include <QPrinter>

#include "core/sheet/buildsheet.h"
#include "support/testsupport.h"
#include "window/sheet/printsheet.h"

class SheetCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

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
