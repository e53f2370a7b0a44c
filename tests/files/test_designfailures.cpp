// Broken design files and files that cannot be written: the command ends quietly where the
// failure is, what came before it stays, the window stays in step and the file is closed.
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>

#include "designfixtures.h"
#include "support/designchecks.h"
#include "support/payloadchecks.h"
#include "support/testsupport.h"

using namespace fixtures;

namespace {

using Lines = QList<QByteArray>;
using Breakage = std::function<QByteArray(Lines)>;

// Line numbers (from 0) of the tracked design's file.
constexpr int MotiveLine = 1, EngineLine = 2, MassLine = 3, CruiseLine = 4, HeatSinkLine = 5, CASELine = 6,
              FerroLine = 7, TurretLine = 10, ArmorLine = 11, FrontLine = 12, RotorLine = 16, FirstRecordLine = 24;
constexpr int OverviewLines = 4;

Breakage Replace(std::initializer_list<std::pair<int, QByteArray>> changes)
{
    const QList<std::pair<int, QByteArray>> list(changes);
    return [list](Lines lines) {
        for (const auto& [line, text] : list) lines[line] = text;
        return FileBytes(lines);
    };
}

Breakage FirstLines(int count)
{
    return [count](Lines lines) { return FileBytes(lines.mid(0, count)); };
}

QByteArray Record(const QByteArray& name)
{
    return "\"Missile\",\"" + name + "\",2,1,\"Turret\",10000,0";
}

// The input values of a file, the overview's lines joined.
Lines InputValues(const QByteArray& bytes)
{
    Lines lines = bytes.split('\n');
    Lines values = lines.mid(0, 20);
    values << lines.mid(20, OverviewLines).join('\n');
    return values;
}

// How many of the 21 inputs at the head of `file` the window holds, counted from the first.
int AppliedInputs(frmMain& w, const QByteArray& file, const QString& scratch)
{
    w.WriteDesignFile(scratch);
    const Lines shown = InputValues(ReadBytes(scratch));
    const Lines stored = InputValues(file);
    int applied = 0;
    while (applied < 21 && applied < stored.size() && shown[applied] == stored[applied]) ++applied;
    return applied;
}

}  // namespace

Q_DECLARE_METATYPE(Breakage)

class DesignFailuresTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { ForgetDialogAnswers(); }

    void brokenFile_data()
    {
        QTest::addColumn<Breakage>("breakage");
        QTest::addColumn<int>("applied");  // -1: whatever it is
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("recounted");  // false: reading stopped among the records
        const QByteArray longName(29, 'x');
        auto row = [](const char* name, Breakage breakage, int applied, int items, bool recounted = true) {
            QTest::newRow(name) << breakage << applied << items << recounted;
        };
        row("whole", Replace({}), 21, 8);
        row("empty file", [](Lines) { return QByteArray(); }, 0, 0);
        row("cut after the cruise speed", FirstLines(5), 5, 0);
        row("cut inside the name", [](Lines) { return QByteArray("\"M\xfcller-Pan"); }, 0, 0);
        row("cut inside the third record", [](Lines lines) {
            return FileBytes(lines.mid(0, FirstRecordLine + 2)) + lines[FirstRecordLine + 2].left(15);
        }, 21, 2, false);
        row("records missing at the end", FirstLines(FirstRecordLine + 50), 21, 8, false);
        row("movement type without a button", Replace({{MotiveLine, "4"}}), 1, 0);
        row("engine type without a button", Replace({{EngineLine, "-1"}}), 2, 0);
        row("mass above a VTOL's limit", Replace({{MotiveLine, "3"}}), 3, 0);
        row("mass 0", Replace({{MassLine, "0"}}), 3, 0);
        row("mass beyond 16 bits", Replace({{MassLine, "99999"}}), 3, 0);
        row("mass with letters", Replace({{MassLine, "6O"}}), 3, 0);
        row("cruise speed not a number", Replace({{CruiseLine, "4x"}}), 4, 0);
        row("cruise speed missing", Replace({{CruiseLine, ""}}), 4, 0);
        row("fewer heat sinks than the engine brings", Replace({{HeatSinkLine, "9"}}), 5, 0);
        row("CASE 2", Replace({{CASELine, "2"}}), 6, 0);
        row("Ferro-Fibrous -1", Replace({{FerroLine, "-1"}}), 7, 0);
        row("turret on a VTOL", Replace({{MotiveLine, "3"}, {MassLine, "20"}}), 10, 0);
        row("armor tonnage 201", Replace({{ArmorLine, "201"}}), 11, 0);
        row("front armor 2001", Replace({{FrontLine, "2001"}}), 12, 0);
        row("rotor armor 3", Replace({{MotiveLine, "3"}, {MassLine, "20"}, {TurretLine, "0"}, {RotorLine, "3"}}), 16, 0);
        row("turret armor without a turret", Replace({{TurretLine, "0"}}), 16, 0);
        row("a name longer than its box", Replace({{0, '"' + QByteArray(40000, 'x') + '"'}}), 0, 0);
        row("29-character name", Replace({{FirstRecordLine + 2, Record(longName)}}), 21, 2, false);
        row("28-character name", Replace({{FirstRecordLine + 2, Record(longName.left(28))}}), 21, 8);
        row("heat beyond 16 bits", Replace({{FirstRecordLine + 1, "\"Missile\",\"LRM 10\",40000,5,\"Front\",1,0"}}), 21, 1, false);
        row("a record after an empty one", Replace({{FirstRecordLine + 3, "\"\",\"\",0,0,\"\",0,0"}}), 21, 3, false);
        row("an empty record with a price", Replace({{FirstRecordLine + 99, "\"\",\"\",0,0,\"\",5,0"}}), 21, 8, false);
        row("prices past the currency range", Replace({{FirstRecordLine, "\"Energy\",\"A\",0,1,\"Front\",900000000000000,0"},
                                                      {FirstRecordLine + 1, "\"Energy\",\"B\",0,1,\"Front\",900000000000000,0"}}),
            21, 8, false);
        row("heat that adds up past 16 bits", Replace({{FirstRecordLine, "\"Energy\",\"A\",30000,1,\"Front\",1,0"},
                                                       {FirstRecordLine + 1, "\"Energy\",\"B\",30000,1,\"Front\",1,0"}}),
            21, 8, false);
        row("binary", [](Lines) {
            QByteArray bytes;
            for (int i = 0; i < 5000; ++i) bytes += char((i * 37 + i / 7) % 256);
            return bytes;
        }, -1, 0);
        row("huge", [](Lines lines) {
            lines[20] = '"' + QByteArray(2 << 20, 'o');
            return FileBytes(lines);
        }, 0, 0);
    }

    void brokenFile()
    {
        QFETCH(Breakage, breakage);
        QFETCH(int, applied);
        QFETCH(int, items);
        QFETCH(bool, recounted);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.edt"));
        const QByteArray bytes = breakage(TrackedDesignLines());
        WriteBytes(path, bytes);
        frmMain w;
        Open(w, path);
        QCOMPARE(w.DesignFileName, path);
        QVERIFY(!FileIsOpen(path));
        QCOMPARE(PayloadLines(w).size() - 1, items);
        if (recounted) {
            QCOMPARE(DesignConsistencyFailure(w), QString());
        } else {
            // The records before the stop are listed; the totals stay as Clear All left them.
            QCOMPARE(InputConsistencyFailure(w), QString());
            // An overflow while counting them in stops the count part of the way.
            if (items < 8) QCOMPARE(w.PayloadCount, 0);
            if (items < 8) QCOMPARE(w.PayloadTonnage, Currency());
            QVERIFY(w.PayloadCount < items);
        }
        if (applied >= 0) QCOMPARE(AppliedInputs(w, bytes, dir.filePath(QStringLiteral("shown.edt"))), applied);
    }

    void missingFile()
    {
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        const QString path = dir.filePath(QStringLiteral("nowhere.edt"));
        Open(w, path);
        QCOMPARE(w.DesignFileName, path);
        QCOMPARE(PayloadLines(w).size(), 1);
        QCOMPARE(DesignConsistencyFailure(w), QString());
        QCOMPARE(Value(w, QStringLiteral("vsbMass")), 60);
    }

    void unwritablePath()
    {
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        const QStringList before = DesignSnapshot(w);
        const QString path = dir.filePath(QStringLiteral("no-such-folder/design.edt"));
        SaveAs(w, path);
        QCOMPARE(w.DesignFileName, path);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(DesignSnapshot(w), before);
    }

    // The disk takes only the first kilobyte: the file holds exactly that much of the design.
    void writeStopsInTheMiddle()
    {
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        const QString path = dir.filePath(QStringLiteral("cut.edt"));
        w.DesignFileName = path;
        constexpr rlim_t Allowed = 1000;
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = Allowed;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        w.mnuFileSave->trigger();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!FileIsOpen(path));
        QCOMPARE(ReadBytes(path), FileBytes(TrackedDesignLines()).left(Allowed));
        QCOMPARE(DesignConsistencyFailure(w), QString());
    }
};

QTEST_MAIN(DesignFailuresTest)
#include "test_designfailures.moc"
