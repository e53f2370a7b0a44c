// A record sheet of several pages: File > Export Record Sheet (PDF) on the real window with a
// 100-ton design of 75 payload lines and a name too long for its place writes both pages, the
// second continuing the inventory, every word on them 7 points or more, under English (United
// States) and German settings; printing puts each page on its own sheet, and refuses no pages
// and a printer that cannot start.
#include <QPrinter>

#include "core/sheet/buildsheet.h"
#include "support/testsupport.h"
#include "window/sheet/printsheet.h"

namespace {

// In the sheet's font a word of 7 points spans 8.17 points from its ascent to its descent.
constexpr double SevenPointWord = 8.17;

// Every word of the PDF file at `path` with its height in points, as pdftotext places it.
QList<std::pair<QString, double>> WordHeights(const QString& path)
{
    QProcess process;
    process.start("pdftotext", {"-bbox", path, "-"});
    QList<std::pair<QString, double>> words;
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return words;
    const QRegularExpression word(R"re(yMin="([\d.]+)"[^>]*yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto match = word.globalMatch(QString::fromUtf8(process.readAllStandardOutput())); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        words.append({m.captured(3), m.captured(2).toDouble() - m.captured(1).toDouble()});
    }
    return words;
}

// Fifteen weapons of the program's catalogue at each of the five locations: 75 rows, far over a
// 100-ton tank's slots, under a name that holds 7 points only in 175 mm of the head's 132.
const QString LongName = QStringLiteral(
    "Juggernaut Heavy Assault Tank of the Third Provisional Garrison Brigade, Refitted with Extended Range Weapons");
QStringList SeventyFiveLines()
{
    QStringList steps{"optMotiveType_1", "vsbMass=100", "chkTurret=1", "vsbArmorTonnage=10", "cmdAllocateArmor"};
    for (const char* weapon : {"Small Laser", "ER Small Laser", "Vehicle Flamer", "Small Pulse Laser", "Flamer", "Medium Laser",
                               "ER Medium Laser", "Medium Pulse Laser", "Large Laser", "ER Large Laser", "Large Pulse Laser", "PPC",
                               "ER PPC", "Machine Gun", "SRM 2"})
        for (int location = 0; location < 5; ++location)
            steps << QStringLiteral("weapon=%1").arg(weapon) << QStringLiteral("optLocation_%1").arg(location) << "cmdAdd";
    return steps << "txtVehicleName=" + LongName;
}

const struct { const char* name; bool german; const char* paper; } Settings[] = {
    {"English (United States): Letter", false, "(letter)"},
    {"German (Germany): A4", true, "(A4)"},
};

// A sheet of two pages as plain data: 75 rows on a 100-ton tank.
QList<SheetModel> TwoPages()
{
    SheetDesign design;
    design.readout = {.name = "Test", .mass = 100, .motive = Motive::Tracked, .turretFitted = true};
    for (int i = 0; i < 75; ++i) design.readout.payload.append({QStringLiteral("Item %1").arg(i), 0, 1, "Front"});
    return BuildSheetPages(design, SheetPaper::Letter);
}

}  // namespace

class SheetCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Both pages in one file on the region's paper: the first with the rows that fit, the second
    // naming the vehicle and the page before the rest; no word smaller than 7 points, the name
    // included.
    void longInventoryThroughTheMenu_data() { AddCases(Settings); }
    void longInventoryThroughTheMenu()
    {
        const auto& [name, german, paper] = CaseOf(Settings);
        const LocaleScope locale(german);
        QTemporaryDir dir;
        frmMain w;  // over the program's own catalogue
        Drive(w, SeventyFiveLines());
        QCOMPARE(w.design().State().PayloadCount, 75);
        const QStringList before = DesignSnapshot(w);
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        Answered(w, "mnuFileExportSheet", path);
        QCOMPARE(PdfPageCount(path), 2);
        QVERIFY(PdfText(path, "pdfinfo").contains(QLatin1String(paper)));
        const QStringList pages{PdfPageText(path, 1), PdfPageText(path, 2)};
        QVERIFY2(pages[0].contains(QRegularExpression("1 +Small Laser +Front")), qPrintable(pages[0]));
        QVERIFY2(pages[0].contains("Weapons and Equipment Inventory (continued on page 2)"), qPrintable(pages[0]));
        QVERIFY2(pages[1].contains("Page 2 of 2"), qPrintable(pages[1]));
        QVERIFY2(pages[1].contains("Weapons and Equipment Inventory (continued)"), qPrintable(pages[1]));
        QVERIFY2(pages[1].contains(QRegularExpression("1 +SRM 2 +Turret")), qPrintable(pages[1]));
        QVERIFY2(!pages[1].contains("Small Laser"), qPrintable(pages[1]));
        const auto words = WordHeights(path);
        QVERIFY(words.size() > 500);
        for (const auto& [word, height] : words)
            QVERIFY2(height >= SevenPointWord - 0.01, qPrintable(QStringLiteral("\"%1\" %2 points high").arg(word).arg(height)));
        QCOMPARE(DesignSnapshot(w), before);
    }

    // Each page on its own sheet of paper.
    void printsEveryPage()
    {
        QTemporaryDir dir;
        const QList<SheetModel> pages = TwoPages();
        QCOMPARE(pages.size(), 2);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        QVERIFY(PrintSheet(pages, printer));
        QCOMPARE(PdfPageCount(dir.filePath(QStringLiteral("printed.pdf"))), 2);
        const QString second = PdfPageText(dir.filePath(QStringLiteral("printed.pdf")), 2);
        QVERIFY2(second.contains("Page 2 of 2"), qPrintable(second));
    }

    // No pages, or a printer whose file cannot be made: refused, nothing printed.
    void printRefusals()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("none.pdf")));
        QVERIFY(!PrintSheet({}, printer));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("none.pdf"))));
        printer.setOutputFileName(dir.filePath(QStringLiteral("missing/folder/sheet.pdf")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        QVERIFY(!PrintSheet(TwoPages(), printer));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing/folder/sheet.pdf"))));
    }
};

QTEST_MAIN(SheetCommandsTest)
#include "test_sheetcommands.moc"
