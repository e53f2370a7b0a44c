// Broken design files and files that cannot be read or written: the command ends quietly where
// the failure is, what came before it stays, the window stays in step and the file is closed.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "designfixtures.h"
#include "support/designchecks.h"
#include "support/payloadchecks.h"
#include "support/testsupport.h"

using namespace fixtures;

namespace {

using Lines = QList<QByteArray>;
constexpr int FirstRecord = 24;  // line of the first record, from 0
const QByteArray EmptyRecord = "\"\",\"\",0,0,\"\",0,0";

// The tracked design's file with lines replaced, cut to its first `keep` lines (all when -1).
QByteArray Edited(const QList<std::pair<int, QByteArray>>& edits, int keep = -1, const QByteArray& lineEnd = "\r\n")
{
    Lines lines = TrackedDesignLines();
    for (const auto& [line, text] : edits) lines[line] = text;
    return (keep < 0 ? lines : lines.mid(0, keep)).join(lineEnd) + (keep == 0 ? "" : lineEnd);
}

QByteArray Record(const QByteArray& name, int heat = 2, const QByteArray& cost = "10000")
{
    return "\"Energy\",\"" + name + "\"," + QByteArray::number(heat) + ",1,\"Turret\"," + cost + ",0";
}

// The 21 inputs of a file, the overview's four lines joined into one.
Lines Inputs(const QByteArray& bytes)
{
    const Lines lines = QByteArray(bytes).replace("\r\n", "\n").split('\n');
    return lines.mid(0, 20) << lines.mid(20, 4).join('\n');
}

// How many of the 21 inputs at the head of `file` the window holds, counted from the first.
int AppliedInputs(frmMain& w, const QByteArray& file, const QString& scratch)
{
    w.WriteDesignFile(scratch);
    const Lines shown = Inputs(ReadBytes(scratch)), stored = Inputs(file);
    int applied = 0;
    while (applied < 21 && applied < stored.size() && shown[applied] == stored[applied]) ++applied;
    return applied;
}

}  // namespace

class DesignFailuresTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each file opened in a fresh window: how many inputs stay applied (-1: whatever), how many
    // records are listed, the line where reading stopped (0: none), whether the totals were
    // rebuilt from the records.
    void brokenFile()
    {
        QByteArray binary;
        for (int i = 0; i < 5000; ++i) binary += char((i * 37 + i / 7) % 256);
        const QByteArray name29(29, 'x');
        const struct {
            const char* label;
            QByteArray bytes;
            int applied, items, stopLine;
            bool rebuilt;
        } cases[] = {
            {"whole", Edited({}), 21, 8, 0, true},
            {"whole, lines after the records", Edited({{FirstRecord + 99, EmptyRecord + "\r\nmore,\"x"}}), 21, 8, 0, true},
            {"empty file", "", 0, 0, 1, true},
            {"cut after the cruise speed", Edited({}, 5), 5, 0, 6, true},
            {"cut inside the name", "\"M\xfcller-Pan", 0, 0, 1, true},
            {"targeting system not closed", Edited({{19, "\"Falke"}}, 20), 19, 0, 20, true},
            {"cut inside the third record", Edited({}, FirstRecord + 2) + "\"Missile\",\"SR", 21, 2, 27, false},
            {"third record cut short", Edited({{FirstRecord + 2, "\"Missile\",\"SRM 2\",2"}}), 21, 2, 28, false},
            {"records missing at the end", Edited({}, FirstRecord + 50), 21, 8, FirstRecord + 51, false},
            {"movement type without a button", Edited({{1, "4"}}), 1, 0, 2, true},
            {"engine type without a button", Edited({{2, "-1"}}), 2, 0, 3, true},
            {"mass above a VTOL's limit", Edited({{1, "3"}}), 3, 0, 4, true},
            {"mass 0", Edited({{3, "0"}}), 3, 0, 4, true},
            {"mass 0, LF line ends", Edited({{3, "0"}}, -1, "\n"), 3, 0, 4, true},
            {"mass 0, CR line ends", Edited({{3, "0"}}, -1, "\r"), -1, 0, 4, true},
            {"mass beyond 16 bits", Edited({{3, "99999"}}), 3, 0, 4, true},
            {"mass with letters", Edited({{3, "6O"}}), 3, 0, 4, true},
            {"cruise speed missing", Edited({{4, ""}}), 4, 0, 5, true},
            {"fewer heat sinks than the engine brings", Edited({{5, "9"}}), 5, 0, 6, true},
            {"CASE 2", Edited({{6, "2"}}), 6, 0, 7, true},
            {"Ferro-Fibrous -1", Edited({{7, "-1"}}), 7, 0, 8, true},
            {"turret on a VTOL", Edited({{1, "3"}, {3, "20"}}), 10, 0, 11, true},
            {"armor tonnage 201", Edited({{11, "201"}}), 11, 0, 12, true},
            {"front armor 2001", Edited({{12, "2001"}}), 12, 0, 13, true},
            {"rotor armor 3", Edited({{1, "3"}, {3, "20"}, {10, "0"}, {16, "3"}}), 16, 0, 17, true},
            {"turret armor without a turret", Edited({{10, "0"}}), 16, 0, 17, true},
            {"a name longer than its box", Edited({{0, '"' + QByteArray(40000, 'x') + '"'}}), 0, 0, 1, true},
            {"larger than any design", Edited({{20, '"' + QByteArray(2 << 20, 'o')}}), 0, 0, 1, true},
            {"binary", binary, -1, 0, -1, true},
            {"29-character name", Edited({{FirstRecord + 2, Record(name29)}}), 21, 2, 27, false},
            {"28-character name", Edited({{FirstRecord + 2, Record(name29.left(28))}}), 21, 8, 0, true},
            {"heat beyond 16 bits", Edited({{FirstRecord + 1, Record("LRM 10", 40000)}}), 21, 1, 26, false},
            {"a record after an empty one", Edited({{FirstRecord + 3, EmptyRecord}}), 21, 3, 29, false},
            {"heat that adds up past 16 bits", Edited({{FirstRecord, Record("A", 30000)}, {FirstRecord + 1, Record("B", 30000)}}),
             21, 8, 26, false},
            {"prices past the currency range",
             Edited({{FirstRecord, Record("A", 0, "900000000000000")}, {FirstRecord + 1, Record("B", 0, "900000000000000")}}),
             21, 8, 26, false},
        };
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.edt"));
        for (const auto& c : cases) {
            WriteBytes(path, c.bytes);
            frmMain w;
            Open(w, path);
            QCOMPARE(w.DesignFileName, path);
            QVERIFY2(!FileIsOpen(path), c.label);
            QVERIFY2(PayloadLines(w).size() - 1 == c.items, c.label);
            if (c.stopLine >= 0) QVERIFY2(w.DesignFileStopLine == c.stopLine, c.label);
            const QString failure = c.rebuilt ? DesignConsistencyFailure(w) : InputConsistencyFailure(w);
            QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(c.label, failure)));
            // Totals are not rebuilt after a stop among the records, or only part of the way.
            if (!c.rebuilt) QVERIFY2(w.PayloadCount < c.items, c.label);
            if (c.applied >= 0) QVERIFY2(AppliedInputs(w, c.bytes, dir.filePath("shown.edt")) == c.applied, c.label);
        }
    }

    // A file that is not there or is a folder stops at once; the next reading starts afresh.
    void unreadableFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.edt")));
        const QString whole = dir.filePath(QStringLiteral("whole.edt"));
        WriteBytes(whole, Edited({}));
        frmMain w;
        for (const char* name : {"nowhere.edt", "folder.edt"}) {
            w.cmdClearAll_Click();
            w.ReadDesignFile(dir.filePath(QLatin1String(name)));
            QCOMPARE(w.DesignFileStopLine, 1);
            QVERIFY(!FileIsOpen(dir.filePath(QLatin1String(name))));
            Open(w, whole);
            QCOMPARE(w.DesignFileStopLine, 0);
        }
    }

    // Save As to a folder that is not there writes nothing; a disk that takes only the first
    // kilobyte leaves exactly that much of the design. The design stays as it was.
    void writeFailures()
    {
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        const QStringList before = DesignSnapshot(w);
        const QString nowhere = dir.filePath(QStringLiteral("no-such-folder/design.edt"));
        SaveAs(w, nowhere);
        QCOMPARE(w.DesignFileName, nowhere);
        QVERIFY(!QFile::exists(nowhere));

        w.DesignFileName = dir.filePath(QStringLiteral("cut.edt"));
        WithFileSizeLimit(1000, [&] { w.mnuFileSave->trigger(); });
        QVERIFY(!FileIsOpen(w.DesignFileName));
        QCOMPARE(ReadBytes(w.DesignFileName), FileBytes(TrackedDesignLines()).left(1000));
        QCOMPARE(DesignSnapshot(w), before);
    }
};

QTEST_MAIN(DesignFailuresTest)
#include "test_designfailures.moc"
