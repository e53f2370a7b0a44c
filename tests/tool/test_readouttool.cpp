// tarnwell-readout run as a user runs it on designs saved from the window, with a broken file, a
// missing one and one too large among them: its pages against the window's own exports of the
// same files, and no toolkit notes among its reports.
#include "support/testsupport.h"

// The page at `path` without its one date-time line; when it has not exactly one, a note naming it.
static QByteArray UndatedPage(const QString& path)
{
    QFile page(path);
    QList<QByteArray> lines = page.open(QIODevice::ReadOnly) ? page.readAll().split('\n') : QList<QByteArray>();
    const auto dateTimeLines = lines.removeIf([](const QByteArray& line) { return line.startsWith("Generated on "); });
    return dateTimeLines == 1 ? lines.join('\n') : "not one date-time line in " + path.toUtf8();
}

class ReadoutToolTest : public QObject {
    Q_OBJECT
private slots:
    // A new design as it is, and the tracked design of the file tests (a payload, a name beyond
    // ASCII), saved from the window; a mass that is not a number on line 4 of the broken one.
    void initTestCase()
    {
        Chooser(designer_.window).Answer(designs_[0]);
        designer_.window.mnuFileSaveAs->trigger();
        fixtures::BuildTrackedDesign(designer_.window, designer_.catalogue);
        Chooser(designer_.window).Answer(designs_[1]);
        designer_.window.mnuFileSaveAs->trigger();
        fixtures::WriteBytes(broken_, "\"Broken\"\r\n1\r\n1\r\nheavy\r\n1\r\n");
        fixtures::WriteBytes(large_, QByteArray((1 << 20) + 1, ' '));
    }

    void pagesEqualTheWindowsExports_data()
    {
        QTest::addColumn<QString>("style");
        QTest::newRow("plain") << "plain";
        QTest::newRow("site") << "site";
    }

    void pagesEqualTheWindowsExports()
    {
        QFETCH(QString, style);
        const QDir pages(folder_.filePath("pages/") + style);  // made by the tool
        const QString missing = folder_.filePath("missing.edt");
        QProcess tool;
        tool.start(TARNWELL_READOUT_PROGRAM, {"--style", style, "--out", pages.path(), designs_[0], broken_, missing, large_, designs_[1]});
        QVERIFY(tool.waitForFinished(120000));
        QCOMPARE(tool.exitCode(), 1);
        const QString reports = tool.readAllStandardError();
        QVERIFY2(reports.contains("cannot read \"" + broken_ + "\": reading stopped at line 4"), qPrintable(reports));
        QVERIFY2(reports.contains("cannot read \"" + missing + "\": the file cannot be opened"), qPrintable(reports));
        QVERIFY2(reports.contains("cannot read \"" + large_ + "\": the file is too large"), qPrintable(reports));
        QCOMPARE(reports.count('\n'), 3);  // nothing from the toolkit
        QCOMPARE(pages.entryList(QDir::Files).size(), 2);
        for (const QString& design : designs_) {
            Chooser(designer_.window).Answer(design).Answer(design + "." + style + ".html");
            designer_.window.mnuFileOpen->trigger();
            (style == "plain" ? designer_.window.mnuFileExportHTML : designer_.window.mnuFileExportHVN)->trigger();
            const QString page = pages.filePath(QFileInfo(design).completeBaseName() + ".html");
            QCOMPARE(UndatedPage(page), UndatedPage(design + "." + style + ".html"));
        }
    }

    // The record sheet of a saved design, by the tool and by the window over the program's own
    // catalogue: the same text on the same paper.
    void sheetEqualsTheWindows()
    {
        QTemporaryDir folder;
        const QString design = folder.filePath("tank.edt");
        frmMain window;
        Drive(window, {"optMotiveType_1", "optEngineType_1", "vsbMass=60", "chkTurret=1", "vsbArmorTonnage=20",
                       "cmdAllocateArmor", "weapon=Large Laser", "optLocation_4", "cmdAdd", "weapon=LRM 10", "cmdAdd",
                       "cmdAdd", "chkArtemisLRM=1", "cmdAddAmmo", "ammo=Ammo-LRM 10", "vsbAddTonnage=2", "cmdAmmoAdd"});
        Chooser(window).Answer(design).Answer(design + ".pdf");
        window.mnuFileSaveAs->trigger();
        window.mnuFileExportSheet->trigger();
        QProcess tool;
        tool.start(TARNWELL_READOUT_PROGRAM, {"--style", "sheet", "--out", folder.filePath("sheets"), design});
        QVERIFY(tool.waitForFinished(120000));
        QCOMPARE(tool.exitCode(), 0);
        const QString sheets[] = {folder.filePath("sheets/tank.pdf"), design + ".pdf"};
        QStringList texts;
        for (const QString& sheet : sheets) {
            QProcess text;
            text.start("pdftotext", {"-layout", sheet, "-"});
            QVERIFY(text.waitForFinished(60000));
            texts << text.readAllStandardOutput();
        }
        QVERIFY(texts[0].contains("Large Laser"));
        QCOMPARE(texts[0], texts[1]);
    }

private:
    QTemporaryDir folder_;
    const QStringList designs_ = {folder_.filePath("new design.edt"), folder_.filePath("tracked.edt")};
    const QString broken_ = folder_.filePath("broken.edt");
    const QString large_ = folder_.filePath("large.edt");
    CatalogueWindow designer_;
};

QTEST_MAIN(ReadoutToolTest)
#include "test_readouttool.moc"
