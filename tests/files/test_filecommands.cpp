// New, Open, Save and Save As from the File menu: what the dialogs offer, what cancelling
// leaves, and which file each command writes.
#include <QDir>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>

#include "designfixtures.h"
#include "files/commondialog.h"
#include "support/designchecks.h"
#include "support/payloadchecks.h"
#include "support/testsupport.h"

using namespace fixtures;

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ForgetDialogAnswers(); }

    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // Where the toolkit's file dialog would keep its history, had it the chance.
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

    void dialogSettings_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QString>("current");  // the design file's path before the command
        QTest::newRow("save as, default name") << true << "Insert Name and Designation" << "InsertNameandDesignation.edt" << "";
        QTest::newRow("save as, blanks") << true << " Patrol  Car 3 " << "PatrolCar3.edt" << "";
        QTest::newRow("save as, titled") << true << "Patrol Car 3" << "PatrolCar3.edt" << "/elsewhere/Other Name.edt";
        QTest::newRow("open") << false << "Patrol Car 3" << "PatrolCar3.edt" << "";
        QTest::newRow("open, titled") << false << "Patrol Car 3" << "PatrolCar3.edt" << "/elsewhere/Other Name.edt";
    }

    void dialogSettings()
    {
        QFETCH(bool, save);
        QFETCH(QString, name);
        QFETCH(QString, suggested);
        QFETCH(QString, current);
        frmMain w;
        w.txtVehicleName->setText(name);
        w.DesignFileName = current;
        auto seen = CancelFileDialog();
        (save ? w.mnuFileSaveAs : w.mnuFileOpen)->trigger();
        QVERIFY(seen->shown);
        QCOMPARE(seen->mode, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        QCOMPARE(seen->nameField, suggested);
        QCOMPARE(seen->filters, (QStringList{"Editor files (*.edt)", "All files (*)"}));
        QCOMPARE(seen->selectedFilter, QStringLiteral("Editor files (*.edt)"));
        QCOMPARE(seen->asksBeforeReplacing, save);
        QCOMPARE(seen->defaultSuffix, QString());
        QCOMPARE(QDir(seen->directory), QDir(frmMain::GetAppPath()));
        QCOMPARE(w.dlgCommon->filter(), QStringLiteral("Editor files (*.edt)|*.edt|All files (*.*)|*.*"));
        QCOMPARE(w.dlgCommon->flags(), save ? CommonDialog::OverwritePrompt : 0);
        QVERIFY(w.dlgCommon->cancelError());
        QCOMPARE(w.DesignFileName, current);
        QVERIFY(!QFile::exists(config_.filePath(QStringLiteral("QtProject.conf"))));
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << false;
        QTest::newRow("save as") << true;
    }

    void cancelChangesNothing()
    {
        QFETCH(bool, save);
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        w.DesignFileName = dir.filePath(QStringLiteral("before.edt"));
        const QStringList before = DesignSnapshot(w);
        CancelFileDialog();
        (save ? w.mnuFileSaveAs : w.mnuFileOpen)->trigger();
        QCOMPARE(DesignSnapshot(w), before);
        QCOMPARE(w.DesignFileName, dir.filePath(QStringLiteral("before.edt")));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // Save on an untitled design asks like Save As; after that it writes without asking.
    void saveUntitledThenTitled()
    {
        QTemporaryDir dir;
        frmMain w;
        const QString path = dir.filePath(QStringLiteral("first.edt"));
        auto seen = AnswerFileDialog(path);
        w.mnuFileSave->trigger();
        QVERIFY(seen->shown);
        QCOMPARE(seen->mode, QFileDialog::AcceptSave);
        QCOMPARE(w.DesignFileName, path);
        QCOMPARE(ReadBytes(path), FileBytes(EmptyDesignLines()));

        SetValue(w, QStringLiteral("vsbMass"), 7);
        auto unexpected = CancelFileDialog();
        w.mnuFileSave->trigger();
        ForgetDialogAnswers();
        QVERIFY(!unexpected->shown);
        QCOMPARE(ReadBytes(path).split('\n').at(3), QByteArray("7\r"));
        QCOMPARE(w.DesignFileName, path);
    }

    void saveAsOverAnExistingFile_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("replaced") << true;
        QTest::newRow("kept") << false;
    }

    void saveAsOverAnExistingFile()
    {
        QFETCH(bool, replace);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("there.edt"));
        WriteBytes(path, "old");
        frmMain w;
        auto question = AnswerMessageBox(replace ? QMessageBox::Yes : QMessageBox::No);
        // After "No" the dialog stays open; the user then cancels it.
        QTimer thenCancel;
        connect(&thenCancel, &QTimer::timeout, [&] {
            if (question->isEmpty()) return;
            thenCancel.stop();
            CancelFileDialog();
        });
        if (!replace) thenCancel.start(10);
        SaveAs(w, path);
        QVERIFY(question->contains(QStringLiteral("there.edt")));
        QCOMPARE(ReadBytes(path), replace ? FileBytes(EmptyDesignLines()) : QByteArray("old"));
        QCOMPARE(w.DesignFileName, replace ? path : QString());
    }

    // A name typed without an extension is used as typed.
    void noDefaultExtension()
    {
        QTemporaryDir dir;
        frmMain w;
        const QString path = dir.filePath(QStringLiteral("plain"));
        SaveAs(w, path);
        QVERIFY(QFile::exists(path));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"plain"});
        QCOMPARE(w.DesignFileName, path);
    }

    // An open dialog takes a name that does not exist: the payload goes, everything else stays,
    // and a later Save creates the file.
    void openANameThatDoesNotExist()
    {
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        const QString path = dir.filePath(QStringLiteral("new-one.edt"));
        const QString name = w.txtVehicleName->text();
        Open(w, path);
        QCOMPARE(w.DesignFileName, path);
        QCOMPARE(PayloadLines(w).size(), 1);
        QCOMPARE(w.txtVehicleName->text(), name);
        QCOMPARE(Value(w, QStringLiteral("vsbMass")), 60);
        QVERIFY(w.chkCASE->isChecked());
        QCOMPARE(DesignConsistencyFailure(w), QString());
        w.mnuFileSave->trigger();
        QVERIFY(QFile::exists(path));
    }

    // New gives the window of a program just started, except for what no design holds.
    void newDesign()
    {
        TestCatalogue catalogue;
        frmMain fresh;
        catalogue.Attach(fresh);
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        w.DesignFileName = QStringLiteral("/somewhere/design.edt");
        w.mnuFileNew->trigger();
        QCOMPARE(DesignSnapshot(w), DesignSnapshot(fresh));
        QCOMPARE(w.DesignFileName, QString());
        QCOMPARE(w.ItemsUsed, Int16(0));
        QCOMPARE(Value(w, QStringLiteral("vsbHeatSinks")), 0);
        QCOMPARE(w.txtVehicleName->text(), QStringLiteral("Insert Name and Designation"));
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
