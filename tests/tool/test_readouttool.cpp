// tarnwell-readout run as a user runs it on designs saved from the window, with a broken file, a
// missing one and one too large among them: its pages and record sheets against the window's own
// exports of the same files, and no toolkit notes among its reports. A wrong command line is told
// with exit code 2 and writes nothing.
#include "support/testsupport.h"

namespace {

// The text of a record sheet; a page without its one date-time line.
QString Readable(const QString& path)
{
    return path.endsWith(".pdf") ? PdfText(path) : QString::fromLatin1(Undated(path));
}

// Command lines the program refuses (after "--out <folder>"), with what it says on standard
// error; "one/" and "two/" are folders that hold a copy of the tracked design each.
const struct { const char* name; QStringList arguments; const char* said; } Misuses[] = {
    {"unknown style", {"--style", "poster", "one/tracked.edt"}, "unknown style \"poster\": use plain, site, sheet or text"},
    {"no file", {"--style", "sheet"}, "no design file given"},
    {"two designs, one page", {"one/tracked.edt", "two/tracked.edt"}, "would both be written to"},
    {"a force in a style", {"--force", "force.pdf", "--style", "sheet", "one/tracked.edt"}, "--force writes record sheets: it takes no --style"},
    {"a force without a name", {"--force", "", "one/tracked.edt"}, "--force needs the name of the PDF file to write"},
    {"a force into a folder", {"--force", "force.pdf", "one/tracked.edt"}, "--force names its own file: it takes no --out"},
};

// The program run with `arguments` in `folder`: its exit code (-1 when it did not end by itself),
// standard error and standard output.
struct ToolRun {
    int exitCode = -1;
    QString errors;
    QByteArray output;
};
ToolRun RunTool(const QStringList& arguments, const QString& folder = {})
{
    QProcess tool;
    tool.setWorkingDirectory(folder);
    tool.start(TARNWELL_READOUT_PROGRAM, arguments);
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit) return {};
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError()), tool.readAllStandardOutput()};
}

}  // namespace

class ReadoutToolTest : public QObject {
    Q_OBJECT
private slots:
    // A new design as it is, and the tracked design of the file tests (a payload, a name beyond
    // ASCII), saved from the window; a mass that is not a number on line 4 of the broken one.
    void initTestCase()
    {
        Answered(designer_, "mnuFileSaveAs", designs_[0]);
        BuildTrackedDesign(designer_);
        Answered(designer_, "mnuFileSaveAs", designs_[1]);
        PutBytes(broken_, "\"Broken\"\r\n1\r\n1\r\nheavy\r\n1\r\n");
        PutBytes(large_, QByteArray((1 << 20) + 1, ' '));
    }

    void pagesEqualTheWindowsExports_data()
    {
        QTest::addColumn<QString>("style");
        for (const char* style : {"plain", "site", "sheet"}) QTest::newRow(style) << style;
    }

    // The window's exports over the program's own catalogue, as the tool reads it for sheets.
    void pagesEqualTheWindowsExports()
    {
        QFETCH(QString, style);
        const QString extension = style == "sheet" ? ".pdf" : ".html";
        const QDir pages(folder_.filePath("pages/") + style);  // made by the tool
        const QString missing = folder_.filePath("missing.edt");
        const ToolRun run = RunTool({"--style", style, "--out", pages.path(), designs_[0], broken_, missing, large_, designs_[1]});
        QCOMPARE(run.exitCode, 1);
        const QString& reports = run.errors;
        QVERIFY2(reports.contains("cannot read \"" + broken_ + "\": reading stopped at line 4"), qPrintable(reports));
        QVERIFY2(reports.contains("cannot read \"" + missing + "\": the file cannot be opened"), qPrintable(reports));
        QVERIFY2(reports.contains("cannot read \"" + large_ + "\": the file is too large"), qPrintable(reports));
        QCOMPARE(reports.count('\n'), 3);  // nothing from the toolkit
        QCOMPARE(pages.entryList(QDir::Files).size(), 2);
        frmMain exporter;
        const char* command = style == "plain" ? "mnuFileExportHTML" : style == "site" ? "mnuFileExportHVN" : "mnuFileExportSheet";
        for (const QString& design : designs_) {
            const QString page = pages.filePath(QFileInfo(design).completeBaseName() + extension), own = design + "." + style + extension;
            Open(exporter, design);
            Answered(exporter, command, own);
            QCOMPARE(Readable(page), Readable(own));
        }
        QVERIFY(Readable(pages.filePath("tracked" + extension)).contains("LRM 10"));
    }

    // A force of the tracked design, a broken file, the new design, a missing file and the
    // tracked design again: the two unreadable ones told and left out, the roster of the three
    // others with their own sheets' figures and the sums of them, then their sheets in order as
    // the single sheets are.
    void forceAsOnePdf()
    {
        const QString pdf = folder_.filePath("force.pdf"), singles = folder_.filePath("singles"), missing = folder_.filePath("missing.edt");
        const ToolRun force = RunTool({"--force", pdf, designs_[1], broken_, designs_[0], missing, designs_[1]});
        QCOMPARE(force.exitCode, 1);
        QCOMPARE(force.errors, "tarnwell-readout: cannot read \"" + broken_ + "\": reading stopped at line 4\ntarnwell-readout: cannot read \"" +
                              missing + "\": the file cannot be opened\n");
        QCOMPARE(RunTool({"--style", "sheet", "--out", singles, designs_[0], designs_[1]}).exitCode, 0);

        QCOMPARE(PdfPageCount(pdf), 4);
        QCOMPARE(PdfText(pdf, 2), PdfText(singles + "/tracked.pdf"));
        QCOMPARE(PdfText(pdf, 3), PdfText(singles + "/new design.pdf"));
        // The roster: the three units, not the broken one; its figures are the sheet's own tests' concern.
        const QString roster = PdfText(pdf, 1);
        QVERIFY(roster.contains("Insert Name and Designation"));
        QVERIFY(roster.contains(QRegularExpression("Total: 3 units +121 +")));

        // Nothing readable: no PDF.
        const QString none = folder_.filePath("none.pdf");
        const ToolRun nothing = RunTool({"--force", none, broken_, missing});
        QCOMPARE(nothing.exitCode, 1);
        QVERIFY(nothing.errors.endsWith("tarnwell-readout: no design file could be read; \"" + none + "\" was not written\n"));
        QVERIFY(!QFile::exists(none));
    }

    // --style text: each design's text as Copy Readout as Text puts it on the clipboard of a
    // window over the program's own catalogue, in UTF-8. A text that cannot be written, where a
    // folder has its name, is told and the others are written.
    void textEqualsTheClipboard()
    {
        const QDir texts(folder_.filePath("texts"));
        QVERIFY(texts.mkpath("new design.txt"));
        const ToolRun run = RunTool({"--style", "text", "--out", texts.path(), designs_[0], designs_[1]});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errors, "tarnwell-readout: cannot write \"" + texts.filePath("new design.txt") + "\"\n");
        QCOMPARE(texts.entryList(QDir::Files), QStringList{"tracked.txt"});
        frmMain exporter;
        Open(exporter, designs_[1]);
        Trigger(exporter, "mnuFileCopyText");
        QCOMPARE(BytesOf(texts.filePath("tracked.txt")).split('\n'), QGuiApplication::clipboard()->text().toUtf8().split('\n'));
    }

    // Exit code 2, the reason and where to look for help, and no page: the output folder is not
    // even made.
    void refusesAWrongCommandLine_data() { AddCases(Misuses); }
    void refusesAWrongCommandLine()
    {
        const auto& [name, arguments, said] = CaseOf(Misuses);
        QTemporaryDir dir;
        for (const char* folder : {"one", "two"}) {
            QVERIFY(QDir(dir.path()).mkdir(folder));
            QVERIFY(QFile::copy(designs_[1], dir.filePath(QString::fromLatin1(folder) + "/tracked.edt")));
        }
        const ToolRun run = RunTool(QStringList{"--out", "pages"} + arguments, dir.path());
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(QString::fromUtf8(said)), qPrintable(run.errors));
        QVERIFY2(run.errors.contains("try \"tarnwell-readout --help\""), qPrintable(run.errors));
        QCOMPARE(run.output, QByteArray());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), (QStringList{"one", "two"}));
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
