// File > Export Force Sheets (PDF) on the real window: design files chosen together in one
// dialog, the PDF's name asked next, the PDF read back with pdftotext (the roster with each
// design's figures as the window showed them, then each design's sheet), an unreadable file named afterwards, cancelling at either
// dialog, nothing readable, a full disk; the design in the window never touched.
#include "support/testsupport.h"

namespace {

// A design as a user builds it over the program's catalogue.
const QStringList HeavyTank = {"optMotiveType_1", "optEngineType_1", "vsbMass=60", "vsbCruise=4", "chkTurret=1", "vsbArmorTonnage=20",
                               "vsbFrontArmor=40", "vsbLeftArmor=30", "vsbRightArmor=30", "vsbRearArmor=20", "vsbTurretArmor=25",
                               "weapon=Medium Laser", "optLocation_0", "cmdAdd", "cmdAdd", "weapon=LRM 10", "optLocation_4", "cmdAdd",
                               "cmdAddAmmo", "ammo=Ammo-LRM 10", "vsbAddTonnage=2", "cmdAmmoAdd", "txtVehicleName=Heavy Tank Mk 2"};

// The design in the window saved to `path`: the battle value and cost the window showed.
QString Saved(frmMain& w, const QString& path)
{
    Answered(w, "mnuFileSaveAs", path);
    return " +" + Text(w, "lblBattleValue") + " +" + Text(w, "lblCost") + "\n";
}

// The command given with its dialogs answered: the text of the message box it showed, answered
// with OK, or empty.
QString Exported(frmMain& w, const QList<QStringList>& answers)
{
    for (const QStringList& answer : answers) Chooser(w).Answer(answer);
    const auto told = AnswerMessageBox(QMessageBox::Ok);
    Trigger(w, "mnuFileExportForce");
    return *told;
}

// Ways to leave the command without a PDF: the answers to its dialogs, the requests it made.
const struct { const char* name; QList<QStringList> answers; int requests; } Cancels[] = {
    {"cancel at the design files", {{}}, 1},
    {"cancel at the PDF", {{"one"}, {}}, 2},
    {"cancel at the PDF after an unreadable file", {{"one", "broken"}, {}}, 2},
};

}  // namespace

class ForceCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(dir_.isValid());
        Drive(designer_, HeavyTank);
        heavyFigures_ = Saved(designer_, heavy_);
        Trigger(designer_, "mnuFileNew");
        BuildVTOLDesign(designer_);
        kestrelFigures_ = Saved(designer_, kestrel_);
        WriteBytes(broken_, "\"Broken\"\r\n1\r\n1\r\nheavy\r\n1\r\n");
    }

    // The heavy tank, a broken file and the VTOL chosen; the window holds a design of its own
    // that the command leaves as it is. The roster's figures are those the window showed.
    void forceThroughTheMenu()
    {
        QTemporaryDir out;
        frmMain w;
        Drive(w, {"vsbMass=35", "txtVehicleName=Left Alone"});
        const QStringList before = DesignSnapshot(w);
        const QString pdf = out.filePath("Lance.pdf");
        const QString told = Exported(w, {{heavy_, broken_, kestrel_}, {pdf}});

        QCOMPARE(Chooser(w).asked.size(), 2);
        const FileRequest designs = Chooser(w).asked[0], target = Chooser(w).asked[1];
        QVERIFY(designs.several);
        QVERIFY(!designs.save);
        QCOMPARE(designs.filters, (QStringList{"Editor files (*.edt)", "All files (*)"}));
        QVERIFY(target.save && !target.several && target.asksBeforeReplacing);
        QCOMPARE(target.filters, QStringList{"PDF (*.pdf)"});
        QCOMPARE(target.name, dir_.filePath("Force.pdf"));  // where the design files came from
        QCOMPARE(QDir(target.folder), QDir(dir_.path()));
        QCOMPARE(told, "These design files could not be read and were left out:\n\n\"" + broken_ + "\": reading stopped at line 4");

        QCOMPARE(PdfPageCount(pdf), 3);
        const QString roster = PdfText(pdf, 1);
        for (const QString& row : {"Heavy Tank Mk 2 +Tracked +60 +4 +6 +145" + heavyFigures_, "Kestrel VTOL +VTOL +20 +6 +9 +12" + kestrelFigures_})
            QVERIFY2(roster.contains(QRegularExpression(QRegularExpression::escape(row).replace("\\ \\+", " +"))),
                     qPrintable(row + " in\n" + roster));
        QVERIFY(roster.contains("Total: 2 units"));
        QVERIFY(!roster.contains("Broken"));

        QVERIFY(PdfText(pdf, 3).contains("Kestrel VTOL"));
        QCOMPARE(DesignSnapshot(w), before);
        QCOMPARE(w.design().State().DesignFileName, QString());
    }

    void cancelWritesNothing_data() { AddCases(Cancels); }
    void cancelWritesNothing()
    {
        const auto& [name, answers, requests] = CaseOf(Cancels);
        QTemporaryDir out;
        frmMain w;
        const QStringList before = DesignSnapshot(w);
        QList<QStringList> paths;
        for (const QStringList& answer : answers)
            for (QString& path : paths.emplaceBack(answer)) path = path == "broken" ? broken_ : kestrel_;
        QCOMPARE(Exported(w, paths), QString());
        QCOMPARE(Chooser(w).asked.size(), requests);
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), (QStringList{"broken.edt", "heavy.edt", "kestrel.edt"}));
        QCOMPARE(DesignSnapshot(w), before);
    }

    // No file can be read: said at once, no PDF asked for, none written.
    void nothingReadable()
    {
        frmMain w;
        const QString missing = dir_.filePath("missing.edt");
        QCOMPARE(Exported(w, {{broken_, missing}, {dir_.filePath("none.pdf")}}),
                 "None of the design files could be read, so no force sheets were written:\n\n\"" + broken_ +
                     "\": reading stopped at line 4\n\"" + missing + "\": the file cannot be opened");
        QCOMPARE(Chooser(w).asked.size(), 1);
        QVERIFY(!QFile::exists(dir_.filePath("none.pdf")));
    }

    // A disk that fills up while writing: told, with the unreadable file, in one box; no file left.
    void fullDisk()
    {
        QTemporaryDir out;
        frmMain w;
        const QString pdf = out.filePath("cut.pdf");
        QString told;
        WithFileSizeLimit(1000, [&] { told = Exported(w, {{heavy_, broken_}, {pdf}}); });
        QCOMPARE(told, "The force sheets could not be written to \"" + pdf +
                           "\".\n\nThese design files could not be read and were left out:\n\n\"" + broken_ +
                           "\": reading stopped at line 4");
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

private:
    QTemporaryDir dir_;
    const QString broken_ = dir_.filePath("broken.edt"), heavy_ = dir_.filePath("heavy.edt"), kestrel_ = dir_.filePath("kestrel.edt");
    frmMain designer_;
    QString heavyFigures_, kestrelFigures_;
};

QTEST_MAIN(ForceCommandsTest)
#include "test_forcecommands.moc"
