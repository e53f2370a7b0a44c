// Where reading a design file stopped: the physical line of the value that was missing or did
// not fit, or of the record whose totals overflowed; 0 after a whole design.
#include <QTemporaryDir>
#include <QTest>

#include "designfixtures.h"
#include "support/testsupport.h"

using namespace fixtures;

namespace {

struct Edit {
    int line;  // from 0, in the tracked design's file
    QByteArray text;
};

// The tracked design's file with lines replaced, cut to its first `keep` lines (all when -1),
// each line ended with `lineEnd`.
QByteArray EditedFile(const QList<Edit>& edits, int keep, const QByteArray& lineEnd)
{
    QList<QByteArray> lines = TrackedDesignLines();
    for (const Edit& edit : edits) lines[edit.line] = edit.text;
    if (keep >= 0) lines = lines.mid(0, keep);
    QByteArray bytes;
    for (const QByteArray& line : lines) bytes += line + lineEnd;
    return bytes;
}

// The tracked design's overview spreads over four lines, so its records begin on line 25.
constexpr int FirstRecord = 24;

QByteArray Record(const QByteArray& name, int heat = 2, const QByteArray& cost = "10000")
{
    return "\"Energy\",\"" + name + "\"," + QByteArray::number(heat) + ",1,\"Turret\"," + cost + ",0";
}

}  // namespace

Q_DECLARE_METATYPE(QList<Edit>)

class DesignStopLineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { ForgetDialogAnswers(); }

    void stopLine_data()
    {
        QTest::addColumn<QList<Edit>>("edits");
        QTest::addColumn<int>("keep");
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<int>("stopLine");
        auto row = [&](const char* name, QList<Edit> edits, int keep, int stopLine, QByteArray lineEnd = "\r\n") {
            QTest::newRow(name) << edits << keep << lineEnd << stopLine;
        };
        row("whole", {}, -1, 0);
        row("whole, LF line ends", {}, -1, 0, "\n");
        row("whole, with lines after the records", {{FirstRecord + 99, "\"\",\"\",0,0,\"\",0,0\r\nmore,\"x"}}, -1, 0);
        row("empty file", {}, 0, 1);
        row("cut after the cruise speed", {}, 5, 6);
        row("movement type without a button", {{1, "4"}}, -1, 2);
        row("mass 0", {{3, "0"}}, -1, 4);
        row("mass 0, LF line ends", {{3, "0"}}, -1, 4, "\n");
        row("mass 0, CR line ends", {{3, "0"}}, -1, 4, "\r");
        row("too few heat sinks", {{5, "9"}}, -1, 6);
        row("a name longer than its box", {{0, '"' + QByteArray(40000, 'x') + '"'}}, -1, 1);
        row("targeting system not closed", {{19, "\"Falke"}}, 20, 20);
        row("29-character name in the third record", {{FirstRecord + 2, Record(QByteArray(29, 'x'))}}, -1, 27);
        row("heat not a number in the third record", {{FirstRecord + 2, "\"Missile\",\"SRM 2\",x,1,\"Turret\",1,0"}}, -1, 27);
        // The values missing from a short record are looked for on the next line.
        row("third record cut short", {{FirstRecord + 2, "\"Missile\",\"SRM 2\",2"}}, -1, 28);
        row("records missing at the end", {}, FirstRecord + 50, FirstRecord + 51);
        row("a record after an empty one", {{FirstRecord + 3, "\"\",\"\",0,0,\"\",0,0"}}, -1, FirstRecord + 5);
        row("heat that adds up past 16 bits", {{FirstRecord, Record("A", 30000)}, {FirstRecord + 1, Record("B", 30000)}},
            -1, FirstRecord + 2);
        row("prices past the currency range",
            {{FirstRecord, Record("A", 0, "900000000000000")}, {FirstRecord + 1, Record("B", 0, "900000000000000")}}, -1,
            FirstRecord + 2);
        row("larger than any design", {{20, '"' + QByteArray(2 << 20, 'o')}}, -1, 1);
    }

    void stopLine()
    {
        QFETCH(QList<Edit>, edits);
        QFETCH(int, keep);
        QFETCH(QByteArray, lineEnd);
        QFETCH(int, stopLine);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("design.edt"));
        WriteBytes(path, EditedFile(edits, keep, lineEnd));
        frmMain w;
        Open(w, path);
        QCOMPARE(w.DesignFileStopLine, stopLine);
    }

    void unreadableFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "nowhere.edt";
        QTest::newRow("a folder") << "folder.edt";
    }

    void unreadableFile()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.edt")));
        frmMain w;
        // A folder's name in the file dialog opens the folder, so the file is read directly.
        w.cmdClearAll_Click();
        w.ReadDesignFile(dir.filePath(name));
        QCOMPARE(w.DesignFileStopLine, 1);
    }

    // Each reading tells of itself only: a whole design after a broken one reads to the end.
    void laterReadingStartsAfresh()
    {
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("broken.edt"));
        const QString whole = dir.filePath(QStringLiteral("whole.edt"));
        WriteBytes(broken, EditedFile({{3, "0"}}, -1, "\r\n"));
        WriteBytes(whole, EditedFile({}, -1, "\r\n"));
        frmMain w;
        Open(w, broken);
        QCOMPARE(w.DesignFileStopLine, 4);
        Open(w, whole);
        QCOMPARE(w.DesignFileStopLine, 0);
        Open(w, broken);
        QCOMPARE(w.DesignFileStopLine, 4);
    }
};

QTEST_MAIN(DesignStopLineTest)
#include "test_designstopline.moc"
