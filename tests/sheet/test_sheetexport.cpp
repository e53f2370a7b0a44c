// File > Export Record Sheet (PDF) on the real window, read back with pdftotext: the suggested
// name and filter, the figures and every weapon row with its ranges, Letter under English
// (United States) and A4 under German settings; cancelling, and failures that leave no file.
#include "support/testsupport.h"

using namespace fixtures;

class SheetExportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void exportThroughTheMenu()
    {
        QTemporaryDir dir;
        frmMain w;  // over the program's own catalogue, with damage and ranges
        Drive(w, {"optMotiveType_1", "optEngineType_1", "vsbMass=60", "vsbCruise=4", "chkTurret=1", "chkCASE=1",
                  "vsbArmorTonnage=20", "vsbFrontArmor=40", "vsbLeftArmor=30", "vsbRightArmor=30", "vsbRearArmor=20",
                  "vsbTurretArmor=25", "weapon=Medium Laser", "optLocation_0", "cmdAdd", "cmdAdd", "weapon=LRM 10",
                  "optLocation_4", "cmdAdd", "weapon=TAG", "cmdAdd", "chkArtemisLRM=1", "cmdAddAmmo", "ammo=Ammo-Machine Gun",
                  "vsbAddTonnage=1", "cmdAmmoAdd"});
        w.txtVehicleName->setText(QStringLiteral("Heavy Tank: Mk/2"));
        const QStringList before = DesignSnapshot(w);
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        const FileRequest asked = Answered(w, w.mnuFileExportSheet, path);
        QCOMPARE(asked.name, QStringLiteral("HeavyTankMk2.pdf"));
        QCOMPARE(asked.filters, QStringList{"PDF (*.pdf)"});
        QVERIFY(asked.save);
        QVERIFY(asked.asksBeforeReplacing);

        const QString text = PdfText(path);
        const QString figures[] = {
            "Heavy Tank: Mk/2", "Technology Base: Inner Sphere Level 2", "Movement Type: Tracked", "Tonnage: 60 tons",
            "Engine: 240 Fusion", "Cruise MP: 4", "Flank MP: 6", "Cost: " + w.lblCost->text() + " C-bills",
            "Front (40)", "Left (30)", "Right (30)", "Rear (20)", "Turret (25)", "Front (6)", "Turret (6)", "Engine Hit",
            "Sensor Hits", "Motive System Hits", "Stabilizers", "Turret Locked", "Crew Stunned", "Gunnery Skill",
            "Driving Skill", "Commander Hit", "Driver Hit", "Tarnwell", "Heavy Tank: Mk/2"};
        for (const QString& figure : figures) QVERIFY2(text.contains(figure), qPrintable(figure + " in\n" + text));
        const char* rows[] = {"2 +Medium Laser +Front +5 +– +3 +6 +9\n", "1 +LRM 10 +Turret +1/Msl +6 +7 +14 +21\n",
                              "1 +TAG +Turret +- +– +5 +9 +15\n", "1 +Artemis IV - LRM +Turret +– +– +– +– +–\n",
                              "1 +CASE +Body +– +– +– +– +–\n", "Ammo-Machine Gun +Body +0.5 +100\n"};
        for (const char* row : rows)
            QVERIFY2(text.contains(QRegularExpression(QString::fromUtf8(row))), qPrintable(QString::fromUtf8(row) + " in\n" + text));
        QVERIFY(PdfText(path, "pdfinfo").contains("(letter)"));
        QCOMPARE(DesignSnapshot(w), before);

        // German settings: A4, and the price as they write it.
        LocaleScope germanSettings(true);
        const QString german = dir.filePath(QStringLiteral("german.pdf"));
        Answered(w, w.mnuFileExportSheet, german);
        QVERIFY(PdfText(german).contains("Cost: " + w.lblCost->text().replace(',', '.') + " C-bills"));
        QVERIFY(PdfText(german, "pdfinfo").contains("(A4)"));
    }

    // Cancel writes nothing; a disk that fills up while writing is told in a message box and
    // leaves no file, whole or in part.
    void cancelAndFailure()
    {
        QTemporaryDir dir;
        frmMain designer;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        Chooser(designer).Cancel();
        designer.mnuFileExportSheet->trigger();
        QVERIFY(!QFile::exists(path));

        const auto told = AnswerMessageBox(QMessageBox::Ok);
        WithFileSizeLimit(1000, [&] { Answered(designer, designer.mnuFileExportSheet, path); });
        QCOMPARE(*told, "The record sheet could not be written to \"" + path + "\".");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_MAIN(SheetExportTest)
#include "test_sheetexport.moc"
