// tarnwell-readout run as a user runs it on designs saved from the window, with a broken file, a
// missing one and one too large among them: its pages and record sheets against the window's own
// exports of the same files, and no toolkit notes among its reports. A wrong command line is told
// with exit code 2 and writes nothing.
#include "support/testsupport.h"

namespace {

// The text of a record sheet; the page at `path` without its one date-time line, or a note
// naming it when it has not exactly one.
QString Readable(const QString& path)
{
    if (path.endsWith(".pdf")) return PdfText(path);
    QList<QByteArray> lines = ReadBytes(path).split('\n');
    const auto dateTimeLines = lines.removeIf([](const QByteArray& line) { return line.startsWith("Generated on "); });
    return dateTimeLines == 1 ? QString::fromLatin1(lines.join('\n')) : "not one date-time line in " + path;
}

// Command lines the program refuses (after "--out <folder>"), with what it says on standard
// error; "one/" and "two/" are folders that hold a copy of the tracked design each.
const struct { const char* name; QStringList arguments; const char* said; } Misuses[] = {
    {"unknown style", {"--style", "poster", "one/tracked.edt"}, "unknown style \"poster\": use plain, site or sheet"},
    {"no file", {"--style", "sheet"}, "no design file given"},
    {"unknown option", {"--colour", "one/tracked.edt"}, "Unknown option 'colour'."},
    {"two designs, one page", {"one/tracked.edt", "two/tracked.edt"}, "would both be written to"},
    {"two designs, one page as sheets", {"--style", "sheet", "one/tracked.edt", "two/tracked.edt"}, "would both be written to"},
};

}  // namespace

class ReadoutToolTest : public QObject {
    Q_OBJECT
private slots:
    // A new design as it is, and the tracked design of the file tests (a payload, a name beyond
    // ASCII), saved from the window; a mass that is not a number on line 4 of the broken one.
    void initTestCase()
    {
        Answered(designer_.window, "mnuFileSaveAs", designs_[0]);
        BuildTrackedDesign(designer_.window);
        Answered(designer_.window, "mnuFileSaveAs", designs_[1]);
        WriteBytes(broken_, "\"Broken\"\r\n1\r\n1\r\nheavy\r\n1\r\n");
        WriteBytes(large_, QByteArray((1 << 20) + 1, ' '));
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
        QProcess tool;
        tool.setWorkingDirectory(dir.path());
        tool.start(TARNWELL_READOUT_PROGRAM, QStringList{"--out", "pages"} + arguments);
        QVERIFY(tool.waitForFinished(120000));
        const QString reports = tool.readAllStandardError();
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY2(reports.contains(QString::fromUtf8(said)), qPrintable(reports));
        QVERIFY2(reports.contains("try \"tarnwell-readout --help\""), qPrintable(reports));
        QCOMPARE(tool.readAllStandardOutput(), QByteArray());
        QVERIFY(!QFileInfo::exists(dir.filePath("pages")));
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
