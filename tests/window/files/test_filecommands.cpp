// The File menu's design commands: New, Open, Save and Save As through their dialogs, what the
// dialogs offer and what cancelling leaves, the file a design gives and the window after a round
// trip, broken files and full disks after which the window stays in step and the file is closed.
// The toolkit's own dialog: it opens a read-only design, refuses to save a name it could not
// save, and starts where the user may write. The command line; a design file dropped on the
// window opens as File > Open opens it; any other drag is refused.
#include "support/testsupport.h"

#include "core/start/commandline.h"
#include "window/files/savefiledialog.h"

namespace {

// Broken files opened in a window: a null array is no file at all; the tracked design's records
// begin on line 25.
const struct { const char* name; QByteArray bytes; } BrokenFiles[] = {
    {"missing file", QByteArray()}, {"cut inside the third record", FileBytes(DesignLines("tracked").mid(0, 26)) + "\"Missile\",\"SR"}};

// The toolkit's dialog: to save, to open, or to open several files typed in.
const struct { const char* name; bool save, accept, several = false; } ToolkitDialogs[] = {
    {"save, answered", true, true}, {"open, cancelled", false, false}, {"several, answered", false, true, true}};

// current: the design file before; answer: a name in a folder that is not there, or none (cancel).
const struct { const char* name; bool save; const char *typed, *suggested, *current, *answer = ""; } Cancelled[] = {
    {"save as, untitled", true, "Insert Name and Designation", "InsertNameandDesignation.edt", ""},
    {"save as, titled", true, " Patrol  Car 3 ", "PatrolCar3.edt", "Other Name.edt"},
    {"open", false, "Patrol Car 3", "PatrolCar3.edt", "Other Name.edt"},
    {"save as, no such folder", true, "Patrol Car 3", "PatrolCar3.edt", "", "no-such-folder/design.edt"}};

// The save dialog's refusals, in the toolkit's words.
const struct { const char *name, *typed, *said; } Refusals[] = {
    {"missing folder", "missing/tank.edt", "Directory not found."},
    {"read-only folder", "locked/tank.edt", "You don't have permission to save in this location."},
    {"read-only file", "kept.edt", "This file is set to read-only."},
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

// Drags `paths` over the control named `target` (the window when empty) as files, or else as
// text only, and drops them there; whether the drag was taken.
bool Drop(frmMain& window, const QString& target, const QStringList& paths, bool asFiles = true)
{
    QWidget* over = target.isEmpty() ? &window : Control<QWidget>(window, target);
    if (auto* overview = qobject_cast<QPlainTextEdit*>(over)) over = overview->viewport();
    QMimeData data;
    data.setText(paths.join(u'\n'));
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    if (asFiles) data.setUrls(urls);
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    return QApplication::sendEvent(over, &enter) && enter.isAccepted() && QApplication::sendEvent(over, &drop);
}

// Drags dropped on the control named (the window when empty): names of files in the test's
// folder, as files or as text; whether the window opens the design.
const struct { const char* name; const char* target; QStringList files; bool asFiles = true, opens = false; } Drops[] = {
    {"a design on the window", "", {"kestrel.edt"}, true, true},
    {"a design on the overview", "txtOverview", {"kestrel.edt"}, true, true},
    {"a missing design", "", {"missing.edt"}, true, true},
    {"a design's name as text", "", {"kestrel.edt"}, false},
    {"a file of another kind", "", {"notes.txt"}},
    {"two designs", "", {"kestrel.edt", "tracked.edt"}},
};

}  // namespace

class FileCommandsTest : public QObject {
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
        const auto& [name, save, accept, several] = CaseOf(ToolkitDialogs);
        QTemporaryDir dir;
        for (const char* file : {"Patrol.edt", "Other.edt"})
            if (several) PutBytes(dir.filePath(file), "x");
        const FileRequest request{save, QString(), {"Editor files (*.edt)", "All files (*)"}, dir.path(), "Patrol.edt", save, several};
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            seen << (dialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open") << dialog->directory().path()
                 << dialog->selectedFiles() << dialog->nameFilters() << dialog->selectedNameFilter()
                 << (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? "replaces" : "asks")
                 << (dialog->fileMode() == QFileDialog::ExistingFiles ? "several" : "one");
            if (several) dialog->findChild<QLineEdit*>("fileNameEdit")->setText("\"Patrol.edt\" \"Other.edt\"");
            accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
        });
        const QStringList chosen = DialogChooser().ChooseSeveral(nullptr, request);
        QCOMPARE(seen, (QStringList{save ? "save" : "open", dir.path(), dir.filePath("Patrol.edt"), "Editor files (*.edt)",
                                    "All files (*)", "Editor files (*.edt)", save ? "asks" : "replaces", several ? "several" : "one"}));
        QCOMPARE(chosen, (!accept ? QStringList() : several ? QStringList{dir.filePath("Patrol.edt"), dir.filePath("Other.edt")}
                                                            : QStringList{dir.filePath("Patrol.edt")}));
        QVERIFY(!QFile::exists(config_.filePath(QStringLiteral("QtProject.conf"))));
    }

    // File > Open in the toolkit's dialog, a read-only design in a read-only folder chosen and
    // Open pressed: no message, the dialog closes and the design opens.
    void openDialogTakesAReadOnlyDesign()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.edt"));
        PutBytes(path, FileBytes(DesignLines("tracked")));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        CatalogueWindow w;
        QString message;
        bool stayedOpen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialog->selectFile(path);
            // A message box the Open button brings up, answered; the dialog gone, nothing is.
            QTimer::singleShot(0, dialog, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    message = box->text();
                    box->accept();
                }
            });
            static_cast<QDialog*>(dialog)->accept();  // as the Open button does
            stayedOpen = dialog->isVisible();
            if (stayedOpen) dialog->reject();
        });
        Trigger(w, "mnuFileOpen");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!stayedOpen);
        QCOMPARE(message, QString());
        QCOMPARE(w.design().State().DesignFileName, path);
        QCOMPARE(FirstFailure(w, {"txtVehicleName=Müller-Panzer Ä", "vsbMass=60", "PayloadCount=8"}), QString());
    }

    // The dialog says why and stays open; the corrected name is taken.
    void saveDialogRefuses_data() { AddCases(Refusals); }
    void saveDialogRefuses()
    {
        const auto& [name, typed, said] = CaseOf(Refusals);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("locked"));
        QVERIFY(QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner));
        PutBytes(dir.filePath("kept.edt"), "x");
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
        FileDialog(w).setInitDir(dir.filePath("program"));
        Chooser(w).Answer(dir.filePath("home/tank.edt")).Cancel();
        Trigger(w, "mnuFileSaveAs");
        Trigger(w, "mnuFileOpen");
        qputenv("HOME", home);
        QCOMPARE(QDir(Chooser(w).asked[0].folder), QDir(dir.filePath(start)));
        QCOMPARE(QDir(Chooser(w).asked[1].folder), QDir(dir.filePath("home")));
    }

    // The dialog as each command sets it up, cancelled, or Save As to a folder that is not there:
    // nothing changes but the design's file name, and nothing is written.
    void dialogsCancelled_data() { AddCases(Cancelled); }
    void dialogsCancelled()
    {
        const auto& [name, save, typed, suggested, current, answer] = CaseOf(Cancelled);
        QTemporaryDir dir, before;
        frmMain w;
        BuildTrackedDesign(w);
        const QString currentPath = *current ? before.filePath(current) : QString();
        if (*current) Answered(w, "mnuFileSaveAs", currentPath);
        Drive(w, {QStringLiteral("txtVehicleName=") + typed});
        FileDialog(w).setInitDir(dir.path());
        const QStringList snapshot = DesignSnapshot(w);
        const QString answered = *answer ? dir.filePath(answer) : QString();
        const FileRequest seen = Answered(w, save ? "mnuFileSaveAs" : "mnuFileOpen", answered);
        QCOMPARE(seen.name, QString::fromLatin1(suggested));
        QCOMPARE(seen.asksBeforeReplacing, save);
        QCOMPARE(w.design().State().DesignFileName, *answer ? answered : currentPath);
        QCOMPARE(DesignSnapshot(w), snapshot);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // Save on an untitled design asks like Save As and takes a name without an extension as
    // typed; then it writes without asking.
    // Characters beyond the code page are written as "?", a double quote as a typographic one.
    void saveUntitledThenTitled()
    {
        QTemporaryDir dir;
        frmMain w;
        Drive(w, {"txtVehicleName=Say \"Hi\" € ☃ 𝄞 Ł"});
        const QString path = dir.filePath(QStringLiteral("first"));
        QVERIFY(Answered(w, "mnuFileSave", path).save);
        QList<QByteArray> lines = DesignLines("new");
        lines[0] = "\"Say \x93Hi\x94 \x80 ? ? ?\"";
        QCOMPARE(BytesOf(path), FileBytes(lines));

        Drive(w, {"vsbMass=7"});
        Trigger(w, "mnuFileSave");
        QCOMPARE(Chooser(w).asked.size(), 1);
        QCOMPARE(BytesOf(path).split('\n').at(3), QByteArray("7\r"));
    }

    // Each file opened in a window; the controls agree with the design as far as reading went.
    // New after a name that does not exist gives the window of a program just started.
    void brokenFile_data() { AddCases(BrokenFiles); }
    void brokenFile()
    {
        const auto& [name, bytes] = CaseOf(BrokenFiles);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.edt"));
        if (!bytes.isNull()) PutBytes(path, bytes);
        CatalogueWindow w, fresh;
        BuildTrackedDesign(w);
        Open(w, path);
        QCOMPARE(w.design().State().DesignFileName, path);
        QVERIFY(!FileIsOpen(path));
        QCOMPARE(ControlsDisagree(w), QString());
        if (!bytes.isNull()) return;
        Trigger(w, "mnuFileNew");
        QCOMPARE(DesignSnapshot(w), DesignSnapshot(fresh));
        QCOMPARE(w.design().State().DesignFileName, QString());
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

    // A design, or a name that does not exist, dropped on the window or on a text box gives the
    // window that File > Open gives; over a design whose CASE, Ferro-Fibrous and Artemis IV boxes
    // are ticked, a design saved gives back the window it was saved from. Refused: the drag is not
    // taken, and the design and its file stay as they were.
    void drops_data() { AddCases(Drops); }
    void drops()
    {
        const auto& [name, target, files, asFiles, opens] = CaseOf(Drops);
        QTemporaryDir dir;
        CatalogueWindow saved;
        Drive(saved, VTOLDesign);
        Answered(saved, "mnuFileSaveAs", dir.filePath("kestrel.edt"));
        PutBytes(dir.filePath("tracked.edt"), FileBytes(DesignLines("tracked")));
        PutBytes(dir.filePath("notes.txt"), "notes\n");
        frmMain w, menu;
        BuildTrackedDesign(w);
        BuildTrackedDesign(menu);
        const QStringList before = DesignSnapshot(w);
        QStringList paths;
        for (const QString& file : files) paths << dir.filePath(file);
        QCOMPARE(Drop(w, QString::fromLatin1(target), paths, asFiles), opens);
        Open(menu, paths[0]);
        QCOMPARE(DesignSnapshot(w), opens ? DesignSnapshot(menu) : before);
        QCOMPARE(w.design().State().DesignFileName, opens ? paths[0] : QString());
        if (opens && QFile::exists(paths[0])) QCOMPARE(DesignSnapshot(menu), DesignSnapshot(saved));
    }

    // Plain text still drops into a text box, and the design takes it as typed.
    void textDropsIntoATextBox()
    {
        frmMain w;
        for (const QString box : {"txtVehicleName", "txtOverview"}) {
            Drive(w, {box + "="});
            QVERIFY(Drop(w, box, {"Kestrel"}, false));
            QCOMPARE(FirstFailure(w.design(), {box + "=Kestrel"}), QString());
        }
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
