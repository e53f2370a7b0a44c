// Design files through New, Open, Save and Save As: what the dialogs offer and what cancelling
// leaves, the bytes a design gives, the window after a round trip, the forms a reader takes,
// and broken files and full disks, after which the window stays in step and the file is closed.
#include "support/testsupport.h"

#include "core/files/valueforms.h"

namespace {

constexpr int FirstRecord = 24;  // line of the tracked design's first record, from 0
enum Design { Empty, Tracked, VTOL };

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

// Broken files: the records listed and the line where reading stopped (0: none, -1: whatever).
struct BrokenFile {
    const char* name;
    QByteArray bytes;  // a null array: no file at all
    int items, stopLine;
};

const QList<BrokenFile>& BrokenFiles()
{
    const int record1 = FirstRecord + 1;  // the line of the first record, from 1
    static const QList<BrokenFile> cases = {
        {"missing file", QByteArray(), 0, 1},
        {"empty file", QByteArray(""), 0, 1},
        {"binary", ReadBytes(QCoreApplication::applicationFilePath()).left(5000), 0, -1},
        {"larger than any design", Edited({{20, '"' + QByteArray(2 << 20, 'o')}}), 0, 1},
        {"a name whose quote never closes", QByteArray("\"Broken\r\n"), 0, 1},
        {"cut after the cruise speed", Edited({}, 5), 0, 6},
        {"cut inside the third record", Edited({}, FirstRecord + 2) + "\"Missile\",\"SR", 2, record1 + 2},
        {"records missing at the end", Edited({}, FirstRecord + 50), 8, FirstRecord + 51},
        {"a whole number with a letter", Edited({{3, "60t"}}), 0, 4},
        {"an amount with two points", Edited({{FirstRecord + 1, "\"Missile\",\"LRM 10\",4,5.0.0,\"Front\",100000,0"}}), 1, record1 + 1},
        {"movement type without a button", Edited({{1, "4"}}), 0, 2},
        {"engine type without a button", Edited({{2, "-1"}}), 0, 3},
        {"mass beyond 16 bits", Edited({{3, "99999"}}), 0, 4},
        {"fewer heat sinks than the engine brings", Edited({{5, "9"}}), 0, 6},
        {"front armor 2001", Edited({{12, "2001"}}), 0, 13},
        {"rotor armor 3", Edited({{1, "3"}, {3, "20"}, {10, "0"}, {16, "3"}}), 0, 17},
        {"29-character name", Edited({{FirstRecord + 2, Record(QByteArray(29, 'x'))}}), 2, record1 + 2},
        {"a record after an empty one", Edited({{FirstRecord + 3, "\"\",\"\",0,0,\"\",0,0"}}), 3, record1 + 4},
        {"28-character name", Edited({{FirstRecord + 2, Record(QByteArray(28, 'x'))}}), 8, 0},
        {"heat adding up past 16 bits", Edited({{FirstRecord, Record("A", 30000)}, {FirstRecord + 1, Record("B", 30000)}}), 8, record1 + 1},
    };
    return cases;
}

const struct { const char* name; bool save, accept; } ToolkitDialogs[] = {{"save, answered", true, true}, {"open, cancelled", false, false}};

const struct { const char* name; bool save; const char *typed, *suggested, *current; } Cancelled[] = {
    {"save as, untitled", true, "Insert Name and Designation", "InsertNameandDesignation.edt", ""},
    {"save as, titled", true, " Patrol  Car 3 ", "PatrolCar3.edt", "Other Name.edt"},  // current: the design file before
    {"open", false, "Patrol Car 3", "PatrolCar3.edt", "Other Name.edt"}};

// A file edited by hand before it is opened shows whatever a user's editor did to it: line feeds
// alone, blanks around values, texts without quotes, amounts with a leading zero, whole numbers
// with decimals (halves to even).
const struct { const char* name; Design design; bool german, edited = false; } RoundTrips[] = {
    {"new design", Empty, false}, {"tracked", Tracked, false}, {"tracked, German settings", Tracked, true}, {"VTOL", VTOL, false},
    {"tracked, edited by hand", Tracked, false, true}};

QByteArray EditedByHand(QByteArray bytes)
{
    bytes.replace("\r\n", "\n").replace(",.5,", ", 0.5 ,").replace("\n60\n", "\n  60.5\t\n").replace("\n4\n", "\n3.5\n");
    return bytes.replace("\"M\xfcller-Panzer \xc4\"", "M\xfcller-Panzer \xc4  ");
}

}  // namespace

class DesignFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // Where the toolkit's file dialog would keep its history, had it the chance.
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

    // The toolkit's dialog as the chooser sets it up, answered or cancelled; it keeps no history.
    void toolkitDialog_data() { AddCases(ToolkitDialogs); }
    void toolkitDialog()
    {
        const auto& [name, save, accept] = CaseOf(ToolkitDialogs);
        QTemporaryDir dir;
        const FileRequest request{save, QString(), {"Editor files (*.edt)", "All files (*)"}, dir.path(), "Patrol.edt", save};
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            seen << (dialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open") << dialog->directory().path()
                 << dialog->selectedFiles() << dialog->nameFilters() << dialog->selectedNameFilter()
                 << (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? "replaces" : "asks") << dialog->defaultSuffix();
            accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
        });
        const QString chosen = DialogChooser().Choose(nullptr, request);
        QCOMPARE(seen, (QStringList{save ? "save" : "open", dir.path(), dir.filePath("Patrol.edt"), "Editor files (*.edt)",
                                    "All files (*)", "Editor files (*.edt)", save ? "asks" : "replaces", ""}));
        QCOMPARE(chosen, accept ? dir.filePath("Patrol.edt") : QString());
        QVERIFY(!QFile::exists(config_.filePath(QStringLiteral("QtProject.conf"))));
    }

    // The dialog as each command sets it up, cancelled: nothing changes and nothing is written.
    void dialogsCancelled_data() { AddCases(Cancelled); }

    void dialogsCancelled()
    {
        const auto& [name, save, typed, suggested, current] = CaseOf(Cancelled);
        QTemporaryDir dir;
        frmMain w;
        BuildTrackedDesign(w);
        w.txtVehicleName->setText(typed);
        w.DesignFileName = *current ? dir.filePath(current) : QString();
        const QStringList before = DesignSnapshot(w);
        const FileRequest seen = Answered(w, save ? w.mnuFileSaveAs : w.mnuFileOpen, QString());
        QCOMPARE(seen.save, save);
        QCOMPARE(seen.name, QString::fromLatin1(suggested));
        QCOMPARE(seen.filters, (QStringList{"Editor files (*.edt)", "All files (*)"}));
        QCOMPARE(seen.asksBeforeReplacing, save);
        QCOMPARE(w.dlgCommon->filter(), QStringLiteral("Editor files (*.edt)|*.edt|All files (*.*)|*.*"));
        QCOMPARE(w.DesignFileName, *current ? dir.filePath(current) : QString());
        QCOMPARE(DesignSnapshot(w), before);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // Save on an untitled design asks like Save As and takes a name without an extension as
    // typed; then it writes without asking.
    // Characters beyond the code page are written as "?", a double quote as a typographic one.
    void saveUntitledThenTitled()
    {
        QTemporaryDir dir;
        frmMain w;
        w.txtVehicleName->setText(QString::fromUtf8("Say \"Hi\" € ☃ 𝄞 Ł"));
        const QString path = dir.filePath(QStringLiteral("first"));
        QVERIFY(Answered(w, w.mnuFileSave, path).save);
        QList<QByteArray> lines = DesignLines("new");
        lines[0] = "\"Say \x93Hi\x94 \x80 ? ? ?\"";
        QCOMPARE(ReadBytes(path), FileBytes(lines));

        Drive(w, {"vsbMass=7"});
        w.mnuFileSave->trigger();
        QCOMPARE(Chooser(w).asked.size(), 1);
        QCOMPARE(ReadBytes(path).split('\n').at(3), QByteArray("7\r"));
    }

    // Opening a name that does not exist clears the payload, keeps every other input, and a
    // later Save creates the file. New then gives the window of a program just started: the
    // boxes give back their slots, tonnage and price, and no heat sinks are left.
    void unknownNameThenNew()
    {
        QTemporaryDir dir;
        frmMain w, fresh;
        BuildTrackedDesign(w);
        const QString path = dir.filePath(QStringLiteral("new-one.edt"));
        Open(w, path);
        QCOMPARE(w.DesignFileName, path);
        QCOMPARE(PayloadLines(w).size(), 1);
        QCOMPARE(w.txtVehicleName->text(), QString::fromUtf8("Müller-Panzer Ä"));
        QCOMPARE(FirstFailure(w, {"vsbMass=60"}), QString());
        QCOMPARE(DesignConsistencyFailure(w), QString());
        w.mnuFileSave->trigger();
        QVERIFY(QFile::exists(path));

        UseTestCatalogue(fresh);
        w.mnuFileNew->trigger();
        QCOMPARE(DesignSnapshot(w), DesignSnapshot(fresh));
        QCOMPARE(w.DesignFileName, QString());
        QCOMPARE(FirstFailure(w, {"vsbHeatSinks=0"}), QString());
    }

    // Saved, then opened in a window whose CASE, Ferro-Fibrous and Artemis IV boxes are ticked
    // already: the same window, from the bytes the design gives whatever the regional settings.
    void roundTrip_data() { AddCases(RoundTrips); }

    void roundTrip()
    {
        const auto& [name, design, german, edited] = CaseOf(RoundTrips);
        LocaleScope locale(german);
        QTemporaryDir dir;
        frmMain w, other;
        if (design == Tracked) BuildTrackedDesign(w);
        if (design == VTOL) BuildVTOLDesign(w);
        const QString path = dir.filePath(QStringLiteral("design.edt"));
        Answered(w, w.mnuFileSaveAs, path);
        if (design != VTOL)
            QCOMPARE(ReadBytes(path).split('\n'), FileBytes(design == Empty ? DesignLines("new") : DesignLines("tracked")).split('\n'));
        if (edited) WriteBytes(path, EditedByHand(ReadBytes(path)));
        UseTestCatalogue(other);
        Drive(other, {"chkCASE=1", "chkFerroFibrous=1", "chkArtemisLRM=1"});
        Open(other, path);
        QCOMPARE(DesignSnapshot(other), DesignSnapshot(w));
        QCOMPARE(other.DesignFileName, path);
        QCOMPARE(DesignConsistencyFailure(other), QString());
    }

    // What the number readers refuse, whether a whole number or an amount is wanted.
    void numberRefused_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"", "-", "+", ".", "-.", "12a", "1.5t", "0x10", "1.2.3", "..5", "1 2", "1e3", "--1"})
            QTest::newRow(*text ? text : "empty") << QString::fromLatin1(text);
    }

    void numberRefused()
    {
        QFETCH(QString, text);
        QVERIFY(!ParseFileInteger(text));
        QVERIFY(!ParseFileCurrency(text));
    }

    // Each file opened in a fresh window; the totals are rebuilt unless reading stopped among the records.
    void brokenFile_data() { AddCases(BrokenFiles()); }

    void brokenFile()
    {
        const auto& [name, bytes, items, stopLine] = CaseOf(BrokenFiles());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.edt"));
        if (!bytes.isNull()) WriteBytes(path, bytes);
        frmMain w;
        Open(w, path);
        QCOMPARE(w.DesignFileName, path);
        QVERIFY(!FileIsOpen(path));
        QCOMPARE(PayloadLines(w).size() - 1, items);
        if (stopLine >= 0) QCOMPARE(w.DesignFileStopLine, stopLine);
        if (stopLine > FirstRecord) {
            // Stopped among the records: the totals are rebuilt only part of the way, if at all.
            QCOMPARE(InputConsistencyFailure(w), QString());
            QVERIFY(w.PayloadCount < items);
        } else {
            QCOMPARE(DesignConsistencyFailure(w), QString());
        }
    }

    // Save As to a folder that is not there writes nothing; a disk that takes only the first
    // kilobyte leaves exactly that much of the design. The design stays as it was.
    void writeFailures()
    {
        QTemporaryDir dir;
        frmMain w;
        BuildTrackedDesign(w);
        const QStringList before = DesignSnapshot(w);
        const QString nowhere = dir.filePath(QStringLiteral("no-such-folder/design.edt"));
        Answered(w, w.mnuFileSaveAs, nowhere);
        QCOMPARE(w.DesignFileName, nowhere);
        w.DesignFileName = dir.filePath(QStringLiteral("cut.edt"));
        WithFileSizeLimit(1000, [&] { w.mnuFileSave->trigger(); });
        QVERIFY(!FileIsOpen(w.DesignFileName));
        QCOMPARE(ReadBytes(w.DesignFileName), FileBytes(DesignLines("tracked")).left(1000));
        QCOMPARE(DesignSnapshot(w), before);
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(DesignFileTest)
#include "test_designfile.moc"
