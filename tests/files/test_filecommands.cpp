// New, Open, Save and Save As from the File menu: what the dialogs offer, what cancelling
// leaves, and which file each command writes.
#include <QDir>
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
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // Where the toolkit's file dialog would keep its history, had it the chance.
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

    // The dialog as each command sets it up, cancelled: nothing changes and nothing is written.
    void dialogsCancelled()
    {
        const struct {
            bool save;
            const char *name, *suggested, *current;  // current: the design file's name before the command
        } cases[] = {{true, "Insert Name and Designation", "InsertNameandDesignation.edt", ""},
                     {true, " Patrol  Car 3 ", "PatrolCar3.edt", ""},
                     {true, "Patrol Car 3", "PatrolCar3.edt", "Other Name.edt"},
                     {false, "Patrol Car 3", "PatrolCar3.edt", ""},
                     {false, "Patrol Car 3", "PatrolCar3.edt", "Other Name.edt"}};
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        for (const auto& c : cases) {
            w.txtVehicleName->setText(QLatin1String(c.name));
            const QString current = *c.current ? dir.filePath(QLatin1String(c.current)) : QString();
            w.DesignFileName = current;
            const QStringList before = DesignSnapshot(w);
            auto seen = CancelFileDialog();
            (c.save ? w.mnuFileSaveAs : w.mnuFileOpen)->trigger();
            QVERIFY2(seen->shown, c.suggested);
            QCOMPARE(seen->mode, c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            QCOMPARE(seen->nameField, QLatin1String(c.suggested));
            QCOMPARE(seen->filters, (QStringList{"Editor files (*.edt)", "All files (*)"}));
            QCOMPARE(seen->selectedFilter, QStringLiteral("Editor files (*.edt)"));
            QCOMPARE(seen->asksBeforeReplacing, c.save);
            QCOMPARE(seen->defaultSuffix, QString());
            QCOMPARE(QDir(seen->directory), QDir(frmMain::GetAppPath()));
            QCOMPARE(w.dlgCommon->filter(), QStringLiteral("Editor files (*.edt)|*.edt|All files (*.*)|*.*"));
            QCOMPARE(w.dlgCommon->flags(), c.save ? CommonDialog::OverwritePrompt : 0);
            QVERIFY(w.dlgCommon->cancelError());
            QCOMPARE(w.DesignFileName, current);
            QCOMPARE(DesignSnapshot(w), before);
        }
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(!QFile::exists(config_.filePath(QStringLiteral("QtProject.conf"))));
    }

    // Save on an untitled design asks like Save As and takes a name without an extension as
    // typed; after that it writes without asking.
    void saveUntitledThenTitled()
    {
        QTemporaryDir dir;
        frmMain w;
        const QString path = dir.filePath(QStringLiteral("first"));
        auto seen = Answered(w.mnuFileSave, path);
        QCOMPARE(seen->mode, QFileDialog::AcceptSave);
        QCOMPARE(w.DesignFileName, path);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"first"});
        QCOMPARE(ReadBytes(path), FileBytes(EmptyDesignLines()));

        SetValue(w, QStringLiteral("vsbMass"), 7);
        auto unexpected = CancelFileDialog();
        w.mnuFileSave->trigger();
        ForgetDialogAnswers();
        QVERIFY(!unexpected->shown);
        QCOMPARE(ReadBytes(path).split('\n').at(3), QByteArray("7\r"));
        QCOMPARE(w.DesignFileName, path);
    }

    void saveAsAsksBeforeReplacing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("there.edt"));
        WriteBytes(path, "old");
        frmMain w;
        auto question = AnswerMessageBox(QMessageBox::Yes);
        SaveAs(w, path);
        QVERIFY(question->contains(QStringLiteral("there.edt")));
        QCOMPARE(ReadBytes(path), FileBytes(EmptyDesignLines()));
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
        Open(w, path);
        QCOMPARE(w.DesignFileName, path);
        QCOMPARE(PayloadLines(w).size(), 1);
        QCOMPARE(w.txtVehicleName->text(), QString::fromUtf8("Müller-Panzer Ä"));
        QCOMPARE(Value(w, QStringLiteral("vsbMass")), 60);
        QVERIFY(w.chkCASE->isChecked());
        QCOMPARE(DesignConsistencyFailure(w), QString());
        w.mnuFileSave->trigger();
        QVERIFY(QFile::exists(path));
    }

    // New gives the window of a program just started, the boxes' slots, tonnage and price given
    // back and no heat sinks.
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
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
