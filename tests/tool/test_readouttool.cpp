// tarnwell-readout run as a user runs it: its pages against the window's own exports of the
// same design files, a broken file among good ones, and its command line.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "files/designfixtures.h"
#include "support/filedialogs.h"

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
    // The program's own reports on standard error, without what the toolkit says about the
    // machine it runs on.
    QStringList reports() const
    {
        QStringList own;
        for (const QString& line : err.split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("tarnwell-readout: "))) own << line;
        return own;
    }
};

Run RunTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(TARNWELL_READOUT_PROGRAM), arguments);
    Run run;
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit) return run;
    run.exitCode = tool.exitCode();
    run.out = QString::fromLocal8Bit(tool.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(tool.readAllStandardError());
    return run;
}

// The page the window writes when it opens `design` through File > Open and exports it
// through `menu`, into a new file beside the design.
QByteArray WindowExport(const QString& design, QAction* frmMain::*menu)
{
    const QFileInfo file(design);
    const QString page = file.dir().filePath(file.completeBaseName() + (menu == &frmMain::mnuFileExportHVN
                                                                           ? QStringLiteral(".window-site.html")
                                                                           : QStringLiteral(".window-plain.html")));
    frmMain window;
    fixtures::Open(window, design);
    AnswerFileDialog(page);
    (window.*menu)->trigger();
    return fixtures::ReadBytes(page);
}

bool IsDateTimeLine(const QByteArray& line) { return line.startsWith("Generated on "); }

// Empty when the pages are equal byte for byte apart from the one date-time line; otherwise
// where they part.
QString PageDifference(const QByteArray& got, const QByteArray& expected)
{
    if (expected.isEmpty()) return QStringLiteral("the window wrote no page");
    const QList<QByteArray> a = got.split('\n');
    const QList<QByteArray> b = expected.split('\n');
    if (a.size() != b.size()) return QStringLiteral("%1 lines, the window's page %2").arg(a.size()).arg(b.size());
    int dateTimeLines = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (IsDateTimeLine(a[i]) && IsDateTimeLine(b[i]) && a[i].endsWith("<BR><BR>\r")) {
            ++dateTimeLines;
            continue;
        }
        if (a[i] != b[i])
            return QStringLiteral("line %1: [%2], the window's [%3]")
                .arg(i + 1)
                .arg(QString::fromLatin1(a[i]), QString::fromLatin1(b[i]));
    }
    return dateTimeLines == 1 ? QString() : QStringLiteral("%1 date-time lines").arg(dateTimeLines);
}

// The design files of the batch, written into `folder`: one typed into the window and saved,
// two written as bytes.
QStringList WriteDesigns(const QDir& folder)
{
    const QString tracked = folder.filePath(QStringLiteral("tracked.edt"));
    const QString vtol = folder.filePath(QStringLiteral("kestrel.edt"));
    const QString empty = folder.filePath(QStringLiteral("new design.edt"));
    fixtures::WriteBytes(tracked, fixtures::FileBytes(fixtures::TrackedDesignLines()));
    fixtures::WriteBytes(empty, fixtures::FileBytes(fixtures::EmptyDesignLines()));
    frmMain window;
    fixtures::BuildVTOLDesign(window);
    fixtures::SaveAs(window, vtol);
    return {tracked, vtol, empty};
}

// The tracked design with a mass that is not a number on line 4.
QByteArray BrokenDesignBytes()
{
    QList<QByteArray> lines = fixtures::TrackedDesignLines();
    lines[3] = "heavy";
    return fixtures::FileBytes(lines);
}

QString PageOf(const QDir& folder, const QString& design)
{
    return folder.filePath(QFileInfo(design).completeBaseName() + QStringLiteral(".html"));
}

}  // namespace

class ReadoutToolTest : public QObject {
    Q_OBJECT
private slots:
    void pagesEqualTheWindowsExports_data()
    {
        QTest::addColumn<QString>("style");
        QTest::newRow("plain") << QStringLiteral("plain");
        QTest::newRow("site") << QStringLiteral("site");
    }

    void pagesEqualTheWindowsExports()
    {
        QFETCH(QString, style);
        QAction* frmMain::*menu = style == QLatin1String("site") ? &frmMain::mnuFileExportHVN : &frmMain::mnuFileExportHTML;
        QTemporaryDir temporary;
        const QDir folder(temporary.path());
        const QStringList designs = WriteDesigns(folder);
        // A folder that is not there yet is made.
        const QDir pages(folder.filePath(QStringLiteral("pages/") + style));

        const Run run = RunTool(QStringList{QStringLiteral("--style"), style, QStringLiteral("--out"), pages.path()} + designs);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.reports(), QStringList());

        for (const QString& design : designs) {
            const QByteArray expected = WindowExport(design, menu);
            const QString difference = PageDifference(fixtures::ReadBytes(PageOf(pages, design)), expected);
            QVERIFY2(difference.isEmpty(), qPrintable(QFileInfo(design).fileName() + QStringLiteral(": ") + difference));
        }
    }

    // Every file is tried; the ones that cannot be read are named with the line where reading
    // stopped (or that they could not be opened) and give no page.
    void brokenFileAmongGoodOnes()
    {
        QTemporaryDir temporary;
        const QDir folder(temporary.path());
        const QStringList good = WriteDesigns(folder);
        const QString broken = folder.filePath(QStringLiteral("broken.edt"));
        fixtures::WriteBytes(broken, BrokenDesignBytes());
        const QString missing = folder.filePath(QStringLiteral("missing.edt"));
        const QDir pages(folder.filePath(QStringLiteral("pages")));

        const Run run = RunTool({QStringLiteral("--out"), pages.path(), good[0], broken, good[1], missing, good[2]});
        QCOMPARE(run.exitCode, 1);
        const QStringList reports = run.reports();
        QCOMPARE(reports.size(), 2);
        QVERIFY2(reports[0].contains(QDir::toNativeSeparators(broken)) && reports[0].contains(QStringLiteral("line 4")),
                 qPrintable(reports[0]));
        QVERIFY2(reports[1].contains(QDir::toNativeSeparators(missing)), qPrintable(reports[1]));

        QVERIFY(!QFile::exists(PageOf(pages, broken)));
        QVERIFY(!QFile::exists(PageOf(pages, missing)));
        for (const QString& design : good) {
            const QByteArray expected = WindowExport(design, &frmMain::mnuFileExportHTML);
            const QString difference = PageDifference(fixtures::ReadBytes(PageOf(pages, design)), expected);
            QVERIFY2(difference.isEmpty(), qPrintable(QFileInfo(design).fileName() + QStringLiteral(": ") + difference));
        }
    }

    // What the command line gives before any design is read; nothing is written on a misuse.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("outputHas");  // on standard output, or standard error when misused
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0
                              << QStringList{QStringLiteral("Usage: tarnwell-readout"), QStringLiteral("--style"),
                                             QStringLiteral("plain|site"), QStringLiteral("--out"),
                                             QStringLiteral("line where reading stopped")};
        QTest::newRow("no design") << QStringList{QStringLiteral("--style"), QStringLiteral("site")} << 2
                                   << QStringList{QStringLiteral("no design file given")};
        QTest::newRow("unknown style") << QStringList{QStringLiteral("--style"), QStringLiteral("fancy"),
                                                      QStringLiteral("tracked.edt")}
                                       << 2 << QStringList{QStringLiteral("unknown style \"fancy\"")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour"), QStringLiteral("tracked.edt")} << 2
                                        << QStringList{QStringLiteral("colour")};
        QTest::newRow("two files, one page") << QStringList{QStringLiteral("tracked.edt"), QStringLiteral("a/tracked.edt")}
                                             << 2 << QStringList{QStringLiteral("tracked.html")};
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, outputHas);
        QTemporaryDir temporary;
        const QDir folder(temporary.path());
        fixtures::WriteBytes(folder.filePath(QStringLiteral("tracked.edt")),
                             fixtures::FileBytes(fixtures::TrackedDesignLines()));
        const QString pages = folder.filePath(QStringLiteral("pages"));
        QStringList absolute;
        for (const QString& argument : arguments)
            absolute << (argument.endsWith(QLatin1String(".edt")) ? folder.filePath(argument) : argument);

        const Run run = RunTool(QStringList{QStringLiteral("--out"), pages} + absolute);
        QCOMPARE(run.exitCode, exitCode);
        const QString output = exitCode == 0 ? run.out : run.err;
        for (const QString& part : outputHas) QVERIFY2(output.contains(part), qPrintable(output));
        QVERIFY(!QFileInfo::exists(pages));
    }
};

QTEST_MAIN(ReadoutToolTest)
#include "test_readouttool.moc"
