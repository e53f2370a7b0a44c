// What a desktop program does besides the design: the save dialog refuses a name it could not
// save, suggests names a file can have and starts where the user may write; a design file
// named on the command line or dropped on the window opens as File > Open opens it; the wheel
// steps spinners like their arrows; a value can be typed over a spinner's label; the status bar
// keeps a design check.
#include "support/testsupport.h"

#include "core/start/commandline.h"
#include "window/files/savefiledialog.h"
#include "core/files/suggestedname.h"
#include "core/rules/designcheck.h"

namespace {

// Drags `path` over `target` as a file, or else as text only, and drops it there; whether the
// drag was taken.
bool Drop(QWidget* target, const QString& path, bool asFile = true)
{
    QMimeData data;
    data.setText(path);
    if (asFile) data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    return QApplication::sendEvent(target, &enter) && enter.isAccepted() && QApplication::sendEvent(target, &drop);
}

// The save dialog's refusals, in the toolkit's words.
const struct { const char *name, *typed, *said; } Refusals[] = {
    {"missing folder", "missing/tank.edt", "Directory not found."},
    {"read-only folder", "locked/tank.edt", "You don't have permission to save in this location."},
    {"read-only file", "kept.edt", "This file is set to read-only."},
};

// Beside the names the File menu tests suggest: every character a file name may not hold, and
// letters beyond ASCII.
const struct { const char *name, *vehicle, *extension, *suggested; } Suggested[] = {
    {"every refused", "a/b\\c:d*e?f\"g<h>i|j\tk\x7f", "", "abcdefghijk"},
    {"letters kept", "Müller-Panzer Ä", ".edt", "Müller-PanzerÄ.edt"},
};

// A value typed over a spinner, opened by Enter on the spinner or a double click on its label and
// finished with `finish`: the label afterwards and the changes the spinner reported.
const struct {
    const char* name;
    bool german;
    const char* spinner;
    bool byEnter;
    const char* typed;
    Qt::Key finish;
    const char* label;
    int changes;
} Typed[] = {
    {"mass", false, "vsbMass", false, "50", Qt::Key_Return, "50", 1},
    {"armor tons", false, "vsbArmorTonnage", true, "12.5", Qt::Key_Enter, "12.5", 1},
    {"armor tons, German", true, "vsbArmorTonnage", false, "12,5", Qt::Key_Return, "12,5", 1},
    {"above the top", false, "vsbCruise", true, "250", Qt::Key_Return, "100", 1},
    {"cargo half tons", false, "vsbAddTonnage", true, "2.5", Qt::Key_Return, "2.5", 1},
    {"escape", false, "vsbFrontArmor", false, "40", Qt::Key_Escape, "0", 0},
    {"no number", false, "vsbFrontArmor", true, "forty", Qt::Key_Return, "0", 0},
    {"grouped, nearest", false, "vsbFrontArmor", true, "1,600.5", Qt::Key_Return, "1601", 1},
    {"grouped, German", true, "vsbRearArmor", true, "1.600", Qt::Key_Return, "1600", 1},
    {"below the bottom", false, "vsbMass", true, "-4", Qt::Key_Return, "1", 0},
};

const struct { const char *name, *weapon, *ammo; bool fires; } Fires[] = {
    {"with a kind", "LB 10-X AC", "Ammo-LB 10-X AC Cluster", true}, {"longer number", "LRM 1", "Ammo-LRM 10", false},
    {"other weapon", "SRM 2", "Ammo-Streak SRM 2", false},          {"case differs", "lrm 5", "Ammo-LRM 5", false},
    {"cargo", "Cargo", "Cargo", false},                             {"ammunition itself", "Ammo-LRM 5", "Ammo-LRM 5", false},
};

// Where the first dialog starts: the program folder when it is writable, else read-only.
const struct { const char *name, *start; } StartFolders[] = {
    {"writable", "program"}, {"read-only", "home/Documents"}, {"read-only, no documents", "home"}};

// Arguments after the program's name; exit code -1: the window starts with the design named.
const struct { const char* name; QStringList arguments; int exitCode; QString said{}, design{}; } CommandLines[] = {
    {"a file, toolkit options", {"-platform", "offscreen", "-reverse", "Tank 1.edt"}, -1, "",
     QDir::toNativeSeparators(QDir::current().absoluteFilePath("Tank 1.edt"))},
    {"help", {"--help"}, 0, "Usage: tarnwell [options] [FILE]"},
    {"version", {"--version"}, 0, "tarnwell "},
    {"unknown option", {"--frobnicate"}, 2, "frobnicate"},
    {"two files", {"a.edt", "b.edt"}, 2, "\"b.edt\""},
};

// The status bar's summary and the notes, after the steps.
const QStringList Armored = OnTracked50({"vsbArmorTonnage=20", "cmdAllocateArmor"});
const struct { const char* name; bool german; QStringList steps; QString summary, notes; } Checks[] = {
    {"fresh", false, {}, "Design check: 2 notes", "No armor\nTonnage over by 1.5 tons"},
    {"fresh, German", true, {}, "Design check: 2 notes", "No armor\nTonnage over by 1,5 tons"},
    {"six items on one ton", false, {"weapon=Machine Gun", "cmdAdd", "cmdAdd", "cmdAdd", "cmdAdd", "cmdAdd", "cmdAdd"},
     "Design check: 3 notes", "No armor\nTonnage over by 4.5 tons\nItem slots over by 1"},
    {"armored", false, Armored, "Design check: no notes", "No notes."},
    {"points not placed", false, OnTracked50({"vsbArmorTonnage=20"}), "Design check: 1 note", "160 armor points bought and not allocated"},
    {"ammunition alone", false, Armored + QStringList{"ammo=Ammo-LRM 5", "cmdAmmoAdd", "cmdAmmoAdd"}, "Design check: 1 note",
     "Ammo-LRM 5: no mounted weapon fires it"},
    {"ammunition, launcher, cargo", false,
     Armored + QStringList{"ammo=Ammo-LRM 5", "cmdAmmoAdd", "weapon=LRM 5", "cmdAdd", "ammo=Cargo", "cmdAmmoAdd"},
     "Design check: no notes", "No notes."},
    {"Artemis IV without launcher", false, Armored + QStringList{"weapon=LRM 5", "cmdAdd", "chkArtemisLRM=1", "line=1", "cmdRemove"},
     "Design check: 1 note", "Artemis IV - LRM: no LRM launcher left"},
    {"Artemis IV with launcher", false, Armored + QStringList{"weapon=LRM 5", "cmdAdd", "chkArtemisLRM=1"}, "Design check: no notes",
     "No notes."},
};

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The dialog says why and stays open; the corrected name is taken.
    void saveDialogRefuses_data() { AddCases(Refusals); }
    void saveDialogRefuses()
    {
        const auto& [name, typed, said] = CaseOf(Refusals);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("locked"));
        QVERIFY(QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner));
        WriteBytes(dir.filePath("kept.edt"), "x");
        QVERIFY(QFile::setPermissions(dir.filePath("kept.edt"), QFile::ReadOwner));
        SaveCheckingFileDialog dialog(nullptr, QString(), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.show();
        dialog.selectFile(dir.filePath(typed));
        const auto message = AnswerMessageBox(QMessageBox::Ok);
        dialog.accept();
        QVERIFY2(message->contains(said), qPrintable(*message));
        QVERIFY(dialog.isVisible());
        dialog.selectFile(dir.filePath("tank.edt"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedFiles(), QStringList{dir.filePath("tank.edt")});
        QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void suggestedName_data() { AddCases(Suggested); }
    void suggestedName()
    {
        const auto& [name, vehicle, extension, suggested] = CaseOf(Suggested);
        QCOMPARE(SuggestedFileName(QString::fromUtf8(vehicle), extension), QString::fromUtf8(suggested));
    }

    // A program folder the user may not write to gives way to the documents folder, or the home
    // folder without one; once a file is chosen, the next dialog starts beside it.
    void startFolder_data() { AddCases(StartFolders); }
    void startFolder()
    {
        const QString start = QString::fromLatin1(CaseOf(StartFolders).start);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(start == "home" ? "home" : "home/Documents"));
        QVERIFY(QDir(dir.path()).mkdir("program"));
        if (start != "program") QFile::setPermissions(dir.filePath("program"), QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", dir.filePath("home").toLocal8Bit());
        frmMain w;
        w.dlgCommon->setInitDir(dir.filePath("program"));
        Chooser(w).Answer(dir.filePath("home/tank.edt")).Cancel();
        w.mnuFileSaveAs->trigger();
        w.mnuFileOpen->trigger();
        qputenv("HOME", home);
        QCOMPARE(QDir(Chooser(w).asked[0].folder), QDir(dir.filePath(start)));
        QCOMPARE(QDir(Chooser(w).asked[1].folder), QDir(dir.filePath("home")));
    }

    void commandLine_data() { AddCases(CommandLines); }
    void commandLine()
    {
        const auto& [name, arguments, exitCode, said, design] = CaseOf(CommandLines);
        const StartRequest request = ReadCommandLine(QStringList{"tarnwell"} + arguments);
        QCOMPARE(request.exitCode.value_or(-1), exitCode);
        QVERIFY2((request.output + request.errors).contains(said), qPrintable(request.output + request.errors));
        QCOMPARE(request.errors.isEmpty(), request.exitCode.value_or(0) != 2);
        QCOMPARE(request.designFile, design);
    }

    // A design, or a name that does not exist, opened from the command line or dropped on the
    // window or on a text box gives the window that File > Open gives.
    void opensAsFileOpen_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("exists");
        for (const char* way : {"command line", "drop on window", "drop on name box", "drop on overview"})
            for (const bool exists : {true, false})
                QTest::addRow("%s, %s", way, exists ? "saved design" : "missing file") << way << exists;
    }
    void opensAsFileOpen()
    {
        QFETCH(QString, way);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kestrel.edt"));
        QFETCH(bool, exists);
        if (exists) {
            frmMain saved;
            BuildVTOLDesign(saved);
            saved.WriteDesignFile(path);
        }
        frmMain menu, other;
        BuildTrackedDesign(menu);
        BuildTrackedDesign(other);
        const QStringList before = DesignSnapshot(other);
        QVERIFY(!Drop(&other, path, false));  // a name as text, and a file of another kind, are refused
        QVERIFY(!Drop(&other, dir.filePath(QStringLiteral("notes.txt"))));
        QVERIFY(!Drop(other.txtVehicleName, dir.filePath(QStringLiteral("notes.txt"))));
        QCOMPARE(DesignSnapshot(other), before);
        Open(menu, path);
        if (way == "command line")
            other.OpenDesignFile(ReadCommandLine({"tarnwell", path}).designFile);
        else
            QVERIFY(Drop(way == "drop on window" ? &other : way == "drop on name box" ? other.txtVehicleName
                                                                                          : other.txtOverview->viewport(),
                             path));
        QCOMPARE(other.DesignFileName, menu.DesignFileName);
        QCOMPARE(DesignSnapshot(other), DesignSnapshot(menu));
    }

    // Each notch up raises the value by one step, as the up arrow does; each notch down lowers it.
    void wheel_data()
    {
        QTest::addColumn<QString>("spinner");
        for (const char* name : {"vsbMass", "vsbCruise", "vsbHeatSinks", "vsbArmorTonnage", "vsbFrontArmor", "vsbLeftArmor",
                                 "vsbRightArmor", "vsbRearArmor", "vsbTurretArmor", "vsbAddTonnage"})
            QTest::newRow(name) << name;
    }
    void wheel()
    {
        QFETCH(QString, spinner);
        frmMain w;
        Drive(w, {"optMotiveType_1", "vsbMass=50", "chkTurret=1"});
        auto* bar = Control<QScrollBar>(w, spinner);
        bar->setValue(5);
        QSignalSpy changes(bar, &QScrollBar::valueChanged);
        for (const auto& [notches, value, handled] : {std::tuple{1, 6, 1}, {-3, 3, 4}}) {
            QWheelEvent roll(QPointF(8, 8), QPointF(8, 8), {}, QPoint(0, 120 * notches), {}, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &roll);
            QCOMPARE(bar->value(), value);
            QCOMPARE(changes.count(), handled);
        }
    }

    // The editor opens over the label with its text; Enter sets the spinner once, Escape and a
    // text that is no number change nothing; the editor goes away either way.
    void typingAValue_data() { AddCases(Typed); }
    void typingAValue()
    {
        const auto& c = CaseOf(Typed);
        const LocaleScope locale(c.german);
        CatalogueWindow session;
        Drive(session.window, {"cmdAddAmmo", "ammo=Cargo"});
        auto* bar = Control<QScrollBar>(session.window, c.spinner);
        QLabel* label = Control<QLabel>(session.window, QStringLiteral("lbl") + (c.spinner + 3));
        QSignalSpy changes(bar, &QScrollBar::valueChanged);
        if (c.byEnter)
            QTest::keyClick(bar, Qt::Key_Return);
        else
            QTest::mouseDClick(label, Qt::LeftButton);
        auto* editor = Control<QLineEdit>(session.window, "txtSpinnerValue");
        QCOMPARE(editor->text(), label->text());
        QTest::keyClicks(editor, c.typed);
        QTest::keyClick(editor, c.finish);
        QCOMPARE(label->text(), QString::fromLatin1(c.label));
        QCOMPARE(int(changes.count()), c.changes);
        QVERIFY(editor->isHidden());
    }

    void firesAmmunition_data() { AddCases(Fires); }
    void firesAmmunition()
    {
        const auto& [name, weapon, ammo, fires] = CaseOf(Fires);
        QCOMPARE(FiresAmmunition(weapon, ammo), fires);
    }

    // Each note comes with the design that has it and goes with the step that mends it.
    void designCheck_data() { AddCases(Checks); }
    void designCheck()
    {
        const auto& [name, german, steps, summaryText, notes] = CaseOf(Checks);
        const LocaleScope locale(german);
        CatalogueWindow session;
        Drive(session.window, steps);
        auto* summary = Control<QPushButton>(session.window, "sbrDesignCheck");
        QCOMPARE(summary->text(), summaryText);
        QCOMPARE(summary->toolTip(), notes);
        summary->click();
        QCOMPARE(Control<QLabel>(session.window, "lblDesignNotes")->text(), notes);
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
