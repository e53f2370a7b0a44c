// Export to HTML and Export to HVN HTML from the File menu, on the real window: what the save
// dialog proposes, what cancelling leaves, and which of the window's figures the page shows.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "files/commondialog.h"
#include "support/filedialogs.h"
#include "support/scenario.h"
#include "support/testsupport.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QStringList PageLines(const QString& path)
{
    QStringList lines = QString::fromLatin1(ReadAll(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QAction* Menu(frmMain& w, const QString& name)
{
    return Control<QAction>(w, name);
}

// Mounts records as the payload commands leave them: record k beside list line k.
void Place(frmMain& w, const QList<PayloadItem>& items)
{
    for (const PayloadItem& item : items) {
        w.PayloadCount += 1;
        w.PayloadItems[w.PayloadCount] = item;
        w.lstPayload->addItem(item.Name);
    }
}

PayloadItem Item(const char* name, int heat, double tons, const char* location)
{
    return {QStringLiteral("Test"), QString::fromLatin1(name), heat, Currency::fromDouble(tons), QString::fromLatin1(location), Currency(1000), 0};
}

// A 50-ton tracked fusion tank with a turret, Ferro-Fibrous armor and CASE.
void BuildTank(frmMain& w)
{
    Drive(w, {"optMotiveType_1", "optEngineType_1", "vsbMass=50", "vsbCruise=4", "chkTurret=1", "vsbArmorTonnage=8",
              "chkFerroFibrous=1", "chkCASE=1", "vsbHeatSinks=12", "vsbFrontArmor=40", "vsbRightArmor=30",
              "vsbLeftArmor=25", "vsbRearArmor=20", "vsbTurretArmor=17"});
    w.txtVehicleName->setText(QStringLiteral("Heavy Tank Mk 2"));
    w.txtManufacturer->setText(QStringLiteral("Orrin & Vale"));
    w.txtCommSystem->setText(QStringLiteral("Talkline"));
    w.txtTargetingSystem->setText(QStringLiteral("Sightmaster"));
    w.txtOverview->setPlainText(QStringLiteral("ab\ncd"));
    Place(w, {Item("LRM 10", 4, 5, "Turret"), Item("Ammo-LRM 10", 0, 1, "Body"), Item("Cargo", 0, 2.5, "Body")});
}

// Exports through the menu item, answering the save dialog with `path`.
std::shared_ptr<FileDialogSeen> Export(frmMain& w, const QString& menu, const QString& path)
{
    auto seen = AnswerFileDialog(path);
    Menu(w, menu)->trigger();
    return seen;
}

}  // namespace

class ExportCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // Where the toolkit's file dialog would keep its history, had it the chance.
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

    void cleanup() { ForgetDialogAnswers(); }

    void commands_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "mnuFileExportHTML" << "<Title>Heavy Tank Mk 2</Title>";
        QTest::newRow("site") << "mnuFileExportHVN" << "   <TITLE>Halvorn Tech Readout</TITLE>";
    }

    void dialogSettings_data() { commands_data(); }

    void dialogSettings()
    {
        QFETCH(QString, menu);
        frmMain w;
        w.txtVehicleName->setText(QStringLiteral(" Heavy Tank  Mk 2"));
        auto seen = CancelFileDialog();
        Menu(w, menu)->trigger();
        QVERIFY(seen->shown);
        QCOMPARE(seen->mode, QFileDialog::AcceptSave);
        QCOMPARE(seen->nameField, QStringLiteral("HeavyTankMk2"));
        QCOMPARE(seen->filters,
                 (QStringList{"HTML files (*.html)", "HTML files (*.htm)", "All files (*)"}));
        QCOMPARE(seen->selectedFilter, QStringLiteral("HTML files (*.html)"));
        QVERIFY(seen->asksBeforeReplacing);
        QCOMPARE(seen->defaultSuffix, QString());
        QVERIFY(w.dlgCommon->cancelError());
    }

    void cancelLeavesTheFileUntouched_data() { commands_data(); }

    void cancelLeavesTheFileUntouched()
    {
        QFETCH(QString, menu);
        QTemporaryDir folder;
        const QString existing = folder.filePath(QStringLiteral("KeepMe"));
        WriteFile(existing, "an earlier page\r\n");
        frmMain w;
        w.dlgCommon->setInitDir(folder.path());
        w.txtVehicleName->setText(QStringLiteral("Keep Me"));
        auto seen = CancelFileDialog();
        Menu(w, menu)->trigger();
        QVERIFY(seen->shown);
        QCOMPARE(ReadAll(existing), QByteArray("an earlier page\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"KeepMe"});
    }

    void replacesAnExistingFile_data() { commands_data(); }

    void replacesAnExistingFile()
    {
        QFETCH(QString, menu);
        QFETCH(QString, title);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tank.htm"));
        WriteFile(path, QByteArray(20000, 'x'));
        frmMain w;
        BuildTank(w);
        auto question = AnswerMessageBox(QMessageBox::Yes);
        Export(w, menu, path);
        QVERIFY(!question->isEmpty());
        const QByteArray page = ReadAll(path);
        QVERIFY(page.startsWith("<HTML>\r\n"));
        QVERIFY(page.endsWith("</BODY>\r\n</HTML>\r\n"));
        QVERIFY(!page.contains('x' + QByteArray(10, 'x')));
        QCOMPARE(PageLines(path)[2], title);
    }

    // The figures as the window shows them, each in its place on the page.
    void figuresFromTheWindow_data()
    {
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("label");
        QTest::newRow("mass") << "<B>Armament: </B><BR>" << -7 << "<B>Mass: </B>%1<BR>" << "lblMass";
        QTest::newRow("tonnage") << "Technology Base: Inner Sphere Level 2<BR>" << 2 << "Tonnage: %1<BR>" << "lblMass";
        QTest::newRow("power plant") << "<B>Armament: </B><BR>" << -5 << "<B>Power Plant: </B>%1<BR>" << "lblEngineSize";
        QTest::newRow("engine cell") << "<TD COLSPAN=2>Engine:</TD>" << 1 << "<TD ALIGN=CENTER>%1 Fusion</TD>" << "lblEngineSize";
        QTest::newRow("engine mass") << "<TD COLSPAN=2>Engine:</TD>" << 3 << "<TD ALIGN=RIGHT>%1</TD>" << "lblEngineWeight";
        QTest::newRow("cruise MP") << "<TD>Cruise MP:</TD>" << 1 << "<TD ALIGN=CENTER>%1</TD>" << "lblCruise";
        QTest::newRow("flank MP") << "<TD>Flank MP:</B></TD>" << 1 << "<TD ALIGN=CENTER>%1</TD>" << "lblFlank";
        QTest::newRow("structure") << "<TD COLSPAN=2>Internal Structure:</TD>" << 3 << "<TD ALIGN=RIGHT>%1</TD>" << "lblInternalStructure";
        QTest::newRow("heat sinks") << "<TD COLSPAN=2>Heat Sinks:</B></TD>" << 1 << "<TD ALIGN=CENTER>%1</TD>" << "lblHeatSinks";
        QTest::newRow("heat sink mass") << "<TD COLSPAN=2>Heat Sinks:</B></TD>" << 3 << "<TD ALIGN=RIGHT>%1</TD>" << "lblHeatSinkTonnage";
        QTest::newRow("turret") << "<TD COLSPAN=2>Turret:</B></TD>" << 2 << "<TD ALIGN=RIGHT>%1</TD>" << "lblTurretTonnage";
        QTest::newRow("control") << "<TD COLSPAN=2>Control Equipment:</B></TD>" << 2 << "<TD ALIGN=RIGHT>%1</TD>" << "lblControlTonnage";
        QTest::newRow("lift") << "<TD COLSPAN=2>Lift Equipment:</B></TD>" << 2 << "<TD ALIGN=RIGHT>%1</TD>" << "lblLiftEquipment";
        QTest::newRow("amplifiers") << "<TD COLSPAN=2>Power Amplifier:</B></TD>" << 2 << "<TD ALIGN=RIGHT>%1</TD>" << "lblPowerAmplifiers";
        QTest::newRow("armor factor") << "<TD COLSPAN=2>Armor Factor:</B></TD>" << 1 << "<TD ALIGN=CENTER>%1 FF</TD>" << "lblTotalArmorPoints";
        QTest::newRow("armor mass") << "<TD COLSPAN=2>Armor Factor:</B></TD>" << 3 << "<TD ALIGN=RIGHT>%1</TD>" << "lblArmorTonnage";
        QTest::newRow("front") << "<TD><B>Front:</B></TD>" << 2 << "<TD ALIGN=CENTER>%1</TD>" << "lblFrontArmor";
        QTest::newRow("right") << "<TD><B>Right:</B></TD>" << 2 << "<TD ALIGN=CENTER>%1</TD>" << "lblRightArmor";
        QTest::newRow("left") << "<TD><STRONG>Left:</STRONG></TD>" << 2 << "<TD ALIGN=CENTER>%1</TD>" << "lblLeftArmor";
        QTest::newRow("rear") << "<TD><B>Rear:</B></TD>" << 2 << "<TD ALIGN=CENTER>%1</TD>" << "lblRearArmor";
        QTest::newRow("turret armor") << "<TD><B>Turret:</B></TD>" << 2 << "<TD ALIGN=CENTER>%1</TD>" << "lblTurretArmor";
        QTest::newRow("cost") << "</Table>" << 2 << "Vehicle Cost: %1<BR>" << "lblCost";
    }

    void figuresFromTheWindow()
    {
        QFETCH(QString, anchor);
        QFETCH(int, offset);
        QFETCH(QString, line);
        QFETCH(QString, label);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tank.html"));
        frmMain w;
        BuildTank(w);
        Export(w, QStringLiteral("mnuFileExportHTML"), path);
        const QStringList lines = PageLines(path);
        QVERIFY2(lines.count(anchor) == 1, qPrintable(anchor));
        QCOMPARE(lines.value(lines.indexOf(anchor) + offset), line.arg(Text(w, label)));
    }

    void designFromTheWindow()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tank.html"));
        frmMain w;
        BuildTank(w);
        Export(w, QStringLiteral("mnuFileExportHTML"), path);
        const QStringList lines = PageLines(path);
        const QStringList expected{
            "<B>Movement Type: </B>Tracked<BR>",
            "<B>Engine Type: </B>Fusion<BR>",
            "<B>Cruise Speed: </B>42.4 km/h<BR>",
            "<B>Flank Speed: </B>64 km/h<BR>",
            "<B>Armor: </B>Ferro Fibrous with CASE<BR>",
            "&nbsp&nbsp LRM 10<BR>",
            "&nbsp&nbsp Cargo<BR>",
            "<B>Manufacturer: </B>Orrin & Vale<BR>",
            "<B>Communications System: </B>Talkline<BR>",
            "<B>Targeting & Tracking System: </B>Sightmaster<BR>",
            "ab<BR>",
            "cd</TD></TR></Table>",
            "Type: <B>Heavy Tank Mk 2</B><BR>",
            "Movement Type: Tracked<BR>",
            "<TD ALIGN=CENTER> 5 </TD>",
            "<TD>Ammo-LRM 10</TD>",
            "<TD ALIGN=RIGHT>2.5</TD>",
        };
        for (const QString& line : expected) QVERIFY2(lines.contains(line), qPrintable(line));
        QVERIFY(!lines.contains(QStringLiteral("&nbsp&nbsp Ammo-LRM 10<BR>")));
        QCOMPARE(lines.filter(QStringLiteral("<TD ALIGN=CENTER>Body</TD>")).size(), 2);
    }

    // The page names the vehicle as the name box reads now.
    void nameAsTypedNow_data() { commands_data(); }

    void nameAsTypedNow()
    {
        QFETCH(QString, menu);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("page.html"));
        frmMain w;
        BuildTank(w);
        w.txtVehicleName->setText(QStringLiteral("Renamed Tank"));
        Export(w, menu, path);
        const QStringList lines = PageLines(path);
        QVERIFY(lines.contains(QStringLiteral("Type: <B>Renamed Tank</B><BR>")));
        QCOMPARE(lines.filter(QStringLiteral("Heavy Tank")), QStringList{});
    }

    void timeOfExport_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("pattern");
        const QString us = QStringLiteral("^Generated on \\d{1,2}/\\d{1,2}/\\d{4} \\d{1,2}:\\d{2}:\\d{2} [AP]M<BR><BR>$");
        const QString de = QStringLiteral("^Generated on \\d{2}\\.\\d{2}\\.\\d{4} \\d{2}:\\d{2}:\\d{2}<BR><BR>$");
        QTest::newRow("plain, US") << "mnuFileExportHTML" << false << us;
        QTest::newRow("site, US") << "mnuFileExportHVN" << false << us;
        QTest::newRow("plain, German") << "mnuFileExportHTML" << true << de;
    }

    void timeOfExport()
    {
        QFETCH(QString, menu);
        QFETCH(bool, german);
        QFETCH(QString, pattern);
        LocaleScope scope(german ? QLocale::German : QLocale::English, german ? QLocale::Germany : QLocale::UnitedStates);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("page.html"));
        frmMain w;
        Export(w, menu, path);
        const QStringList generated = PageLines(path).filter(QStringLiteral("Generated on "));
        QCOMPARE(generated.size(), 1);
        QVERIFY2(QRegularExpression(pattern).match(generated.first()).hasMatch(), qPrintable(generated.first()));
    }

    void germanNumbersFromTheWindow()
    {
        LocaleScope german(QLocale::German, QLocale::Germany);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tank.html"));
        frmMain w;
        BuildTank(w);
        Export(w, QStringLiteral("mnuFileExportHVN"), path);
        const QStringList lines = PageLines(path);
        QVERIFY(lines.contains(QStringLiteral("<B>Cruise Speed: </B>42,4 km/h<BR>")));
        QVERIFY(lines.contains(QStringLiteral("<TD ALIGN=RIGHT>2,5</TD>")));
        QVERIFY(lines.contains(QStringLiteral("Vehicle Cost: ") + Text(w, QStringLiteral("lblCost")) + QStringLiteral("<BR>")));
        QVERIFY(Text(w, QStringLiteral("lblCost")).contains(QLatin1Char('.')));
    }

    // A file that cannot take the page ends the command quietly; the design stays as it was.
    void writeFailureEndsQuietly_data() { commands_data(); }

    void writeFailureEndsQuietly()
    {
        QFETCH(QString, menu);
        frmMain w;
        BuildTank(w);
        const QString cost = Text(w, QStringLiteral("lblCost"));
        auto question = AnswerMessageBox(QMessageBox::Yes);
        auto seen = Export(w, menu, QStringLiteral("/dev/full"));
        QVERIFY(seen->shown);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(Text(w, QStringLiteral("lblCost")), cost);
        QCOMPARE(int(w.PayloadCount), 3);
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(ExportCommandsTest)
#include "test_exportcommands.moc"
