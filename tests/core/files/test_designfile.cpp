// Design files on a design: the bytes a design gives whatever the regional settings, the design
// after a round trip (also through a file edited by hand), the forms the number readers refuse,
// broken files that stop reading where they break and leave what was read before, values an
// input refuses because its control is disabled or out of range, New, opening a name that is not
// there, and writes that fail.
#include "support/designdriver.h"

#include "core/files/valueforms.h"

namespace {

constexpr int FirstRecord = 24;  // line of the tracked design's first record, from 0
constexpr int NoWhole = 40000;   // beyond 16 bits: no whole number read

// The tracked design's file with lines replaced, cut to its first `keep` lines (all when -1).
QByteArray Edited(const QList<std::pair<int, QByteArray>>& edits, int keep = -1)
{
    QList<QByteArray> lines = DesignLines("tracked");
    for (const auto& [line, text] : edits) lines[line] = text;
    return FileBytes(keep < 0 ? lines : lines.mid(0, keep));
}

QByteArray Record(const QByteArray& name, int heat = 2)
{
    return "\"Energy\",\"" + name + "\"," + QByteArray::number(heat) + ",1,\"Turret\",10000,0";
}

// A file edited by hand shows whatever a user's editor did to it: line feeds alone, blanks
// around values, texts without quotes, amounts with a leading zero, whole numbers with
// decimals (halves to even).
QByteArray EditedByHand(QByteArray bytes)
{
    bytes.replace("\r\n", "\n").replace(",.5,", ", 0.5 ,").replace("\n60\n", "\n  60.5\t\n").replace("\n4\n", "\n3.5\n");
    return bytes.replace("\"M\xfcller-Panzer \xc4\"", "M\xfcller-Panzer \xc4  ");
}

// The design's steps, the file of designs/ it gives where there is one.
const struct { const char* name; QStringList steps; const char* file; bool german, edited = false; } RoundTrips[] = {
    {"new design", {}, "new", false}, {"tracked", TrackedDesign, "tracked", false},
    {"tracked, German settings", TrackedDesign, "tracked", true}, {"VTOL", VTOLDesign, nullptr, false},
    {"tracked, edited by hand", TrackedDesign, "tracked", false, true}};

// Broken files opened in a fresh design: the payload lines listed, the line where reading
// stopped (0: none) and what the design then holds, read or left as it was.
struct BrokenFile {
    const char* name;
    QByteArray bytes;  // a null array: no file at all
    int items, stopLine;
    QStringList checks;
};

const QList<BrokenFile>& BrokenFiles()
{
    const int record1 = FirstRecord + 1;  // the line of the first record, from 1
    const QString tracked = QString::fromUtf8("txtVehicleName=Müller-Panzer Ä");
    static const QList<BrokenFile> cases = {
        {"missing file", QByteArray(), 0, 1, {"txtVehicleName=Insert Name and Designation"}},
        {"larger than any design", Edited({{20, '"' + QByteArray(2 << 20, 'o')}}), 0, 1, {"txtVehicleName=Insert Name and Designation"}},
        {"a name whose quote never closes", QByteArray("\"Broken\r\n"), 0, 1, {"txtVehicleName=Insert Name and Designation"}},
        {"cut after the cruise speed", Edited({}, 5), 0, 6,
         {tracked, "optMotiveType=1", "optEngineType=1", "vsbMass=60", "vsbCruise=4", "vsbHeatSinks=10", "chkCASE=0"}},
        {"cut inside the third record", Edited({}, FirstRecord + 2) + "\"Missile\",\"SR", 2, record1 + 2,
         {"txtOverview=Line one\nLine two, with a comma\n\nLast line: Größe", "vsbTurretArmor=25"}},
        {"a whole number with a letter", Edited({{3, "60t"}}), 0, 4, {tracked, "optEngineType=1", "vsbMass=1"}},
        {"movement type without a button", Edited({{1, "4"}}), 0, 2, {tracked, "optMotiveType=0"}},
        {"mass beyond 16 bits", Edited({{3, "99999"}}), 0, 4, {"vsbMass=1"}},
        {"front armor 2001", Edited({{12, "2001"}}), 0, 13, {"vsbArmorTonnage=20", "vsbFrontArmor=0"}},
        // The disabled inputs: the rotor takes 2 points at most, a VTOL's turret box stays
        // clear, and armor needs a turret.
        {"rotor armor 3", Edited({{1, "3"}, {3, "20"}, {10, "0"}, {16, "3"}}), 0, 17,
         {"optMotiveType=3", "vsbRearArmor=20", "vsbTurretArmor=0", "vsbTurretArmor.max=2", "txtManufacturer="}},
        {"a turret ticked on a VTOL", Edited({{1, "3"}, {3, "20"}}), 0, 11,
         {"optMotiveType=3", "vsbMass=20", "chkArtemisLRM=1", "chkTurret=0", "vsbArmorTonnage=0"}},
        {"turret armor without a turret", Edited({{10, "0"}}), 0, 17,
         {"chkTurret=0", "vsbRearArmor=20", "vsbTurretArmor=0", "txtManufacturer="}},
        {"a box neither ticked nor clear", Edited({{6, "2"}}), 0, 7, {"vsbHeatSinks=16", "chkCASE=0"}},
        {"29-character name", Edited({{FirstRecord + 2, Record(QByteArray(29, 'x'))}}), 2, record1 + 2, {}},
        {"a record after an empty one", Edited({{FirstRecord + 3, "\"\",\"\",0,0,\"\",0,0"}}), 3, record1 + 4, {}},
        {"28-character name", Edited({{FirstRecord + 2, Record(QByteArray(28, 'x'))}}), 8, 0, {"PayloadCount=8"}},
        {"heat adding up past 16 bits", Edited({{FirstRecord, Record("A", 30000)}, {FirstRecord + 1, Record("B", 30000)}}), 8,
         record1 + 1, {}},
    };
    return cases;
}

}  // namespace

class DesignFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Written, then opened in a design whose CASE, Ferro-Fibrous and Artemis IV boxes are
    // ticked already: the same design, from the bytes the design gives whatever the settings.
    void roundTrip_data() { AddCases(RoundTrips); }
    void roundTrip()
    {
        const auto& [name, steps, file, german, edited] = CaseOf(RoundTrips);
        const LocaleScope locale(german);
        QTemporaryDir dir;
        CatalogueDesign written, read;
        Drive(written.design, steps);
        const QString path = dir.filePath(QStringLiteral("design.edt"));
        QVERIFY(written.design.WriteDesignFile(path));
        if (file) QCOMPARE(BytesOf(path).split('\n'), FileBytes(DesignLines(file)).split('\n'));
        if (edited) PutBytes(path, EditedByHand(BytesOf(path)));
        Drive(read.design, {"chkCASE=1", "chkFerroFibrous=1", "chkArtemisLRM=1"});
        read.design.Open(path);
        QCOMPARE(read.design.DesignFileStopLine(), 0);
        QCOMPARE(DesignFigures(read.design), DesignFigures(written.design));
        QCOMPARE(read.design.State().DesignFileName, path);
    }

    // The forms the number readers take: an amount in ten-thousandths, beyond four decimals
    // rounded with halves to even, and the whole number it gives (halves to even), or none past 16
    // bits; and the forms both refuse (-1 ten-thousandths stands for none).
    void numberRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        QTest::addColumn<int>("whole");
        const struct { const char* text; qint64 units; int whole; } forms[] = {
            {"-.5", -5000, 0},      {"5.", 50000, 5},        {"+3", 30000, 3},       {"2.5", 25000, 2},
            {"3.5", 35000, 4},      {"1.000051", 10001, 1},  {"-1.00015", -10002, -1}, {"32767.4", 327674000, 32767},
            {"32767.5", 327675000, NoWhole}, {"", -1, NoWhole}, {".", -1, NoWhole},    {"12a", -1, NoWhole},
            {"1.2.3", -1, NoWhole}, {"1 2", -1, NoWhole},    {"1e3", -1, NoWhole},
        };
        for (const auto& form : forms) QTest::newRow(*form.text ? form.text : "empty") << QString::fromLatin1(form.text) << form.units << form.whole;
    }
    void numberRead()
    {
        QFETCH(QString, text);
        QFETCH(int, whole);
        QFETCH(qint64, units);
        QCOMPARE(ParseFileCurrency(text).value_or(Currency::fromUnits(-1)).units(), units);
        const std::optional<Int16> read = ParseFileInteger(text);
        QCOMPARE(read ? int(*read) : NoWhole, whole);
    }

    // Each file opened in a fresh design; the totals are rebuilt unless reading stopped among
    // the records.
    void brokenFile_data() { AddCases(BrokenFiles()); }
    void brokenFile()
    {
        const auto& [name, bytes, items, stopLine, checks] = CaseOf(BrokenFiles());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.edt"));
        if (!bytes.isNull()) PutBytes(path, bytes);
        CatalogueDesign bench;
        bench.design.Open(path);
        const DesignState& s = bench.design.State();
        QCOMPARE(s.DesignFileName, path);
        QCOMPARE(int(s.PayloadLines.size()), items);
        QCOMPARE(bench.design.DesignFileStopLine(), stopLine);
        QCOMPARE(FirstFailure(bench.design, checks), QString());
        // Stopped among the records: the totals are rebuilt only part of the way, if at all.
        if (stopLine > FirstRecord)
            QVERIFY(s.PayloadCount < items);
        else
            QCOMPARE(PayloadInvariantFailure(bench.design), QString());
    }

    // Opening a name that does not exist clears the payload and keeps every other input. New
    // then gives a design just made: the boxes give back their slots, tonnage and price, and no
    // heat sinks are left.
    void unknownNameThenNew()
    {
        QTemporaryDir dir;
        CatalogueDesign bench, fresh;
        Drive(bench.design, TrackedDesign);
        const QString path = dir.filePath(QStringLiteral("new-one.edt"));
        bench.design.Open(path);
        QCOMPARE(FirstFailure(bench.design, {"DesignFileName=" + path, "PayloadCount=0", "vsbMass=60", "chkCASE=1",
                                             QString::fromUtf8("txtVehicleName=Müller-Panzer Ä")}),
                 QString());
        QCOMPARE(bench.design.DesignFileStopLine(), 1);
        QCOMPARE(PayloadInvariantFailure(bench.design), QString());

        bench.design.New();
        QCOMPARE(DesignFigures(bench.design), DesignFigures(fresh.design));
        QCOMPARE(FirstFailure(bench.design, {"DesignFileName=", "vsbHeatSinks=0", "txtOverview=", "ItemsFree=5"}), QString());
    }

    // A folder that is not there and a full disk: false, and the design stays as it was.
    void writeFailures()
    {
        QTemporaryDir dir;
        CatalogueDesign bench;
        Drive(bench.design, TrackedDesign);
        const QStringList before = DesignFigures(bench.design);
        for (const QString& target : {dir.filePath(QStringLiteral("no-such-folder/design.edt")), QStringLiteral("/dev/full")})
            QVERIFY(!bench.design.WriteDesignFile(target));
        QCOMPARE(DesignFigures(bench.design), before);
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(DesignFileTest)
#include "test_designfile.moc"
