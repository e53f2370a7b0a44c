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
#include "support/designchecks.h"
#include "support/filedialogs.h"
#include "support/payloaddrive.h"
#include "support/scenario.h"
#include "support/testcatalogue.h"
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

// The page lines of an export through `menu` into a fresh folder.
QStringList ExportedLines(frmMain& w, const QString& menu)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.html"));
    Export(w, menu, path);
    return PageLines(path);
}

// Steps as DrivePayload takes them, and "txtName=text" typed into a text box.
void DriveWithTexts(frmMain& w, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        if (!name.startsWith(QLatin1String("txt"))) {
            DrivePayload(w, {step});
            continue;
        }
        const QString text = step.mid(name.size() + 1);
        if (auto* box = w.findChild<QPlainTextEdit*>(name))
            box->setPlainText(text);
        else
            Control<QLineEdit>(w, name)->setText(text);
    }
}

// Where `run` stands as consecutive lines of `lines`, or -1.
qsizetype IndexOfRun(const QStringList& lines, const QStringList& run)
{
    for (qsizetype i = 0; i + run.size() <= lines.size(); ++i)
        if (lines.mid(i, run.size()) == run) return i;
    return -1;
}

// One row of the weapons table.
QStringList WeaponRow(const QString& name, const QString& location, int heat, const QString& tons)
{
    return {QStringLiteral("<TR>"), QStringLiteral("<TD>%1</TD>").arg(name), QStringLiteral("<TD> </TD>"),
            QStringLiteral("<TD ALIGN=CENTER>%1</TD>").arg(location), QStringLiteral("<TD ALIGN=CENTER>%1</TD>").arg(heat),
            QStringLiteral("<TD ALIGN=RIGHT>%1</TD>").arg(tons), QStringLiteral("</TR>")};
}

const QString ReadoutFilter =
    QStringLiteral("HTML files (*.html)|*.html|HTML files (*.htm)|*.htm|All files (*.*)|*.*");

const QString Plain = QStringLiteral("mnuFileExportHTML");
const QString Site = QStringLiteral("mnuFileExportHVN");

// A launcher with Artemis IV, its ammunition and cargo, all in the order they are mounted.
const QStringList LauncherAmmoCargo = OnTracked50({"weapon=LRM 5", "cmdAdd", "chkArtemisLRM=1", "ammo=Ammo-LRM 5",
                                                   "vsbAddTonnage=2", "cmdAmmoAdd", "ammo=Cargo", "vsbAddTonnage=3",
                                                   "cmdAmmoAdd"});

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

    // The dialog is set up anew on every run: the last path is not remembered, the proposal follows
    // the name as it reads now, and cancelling writes nothing.
    void dialogSettings_data() { commands_data(); }

    void dialogSettings()
    {
        QFETCH(QString, menu);
        QTemporaryDir folder;
        const QString earlier = folder.filePath(QStringLiteral("elsewhere.html"));
        frmMain w;
        w.txtVehicleName->setText(QStringLiteral("First Tank"));
        Export(w, menu, earlier);
        const QByteArray page = ReadAll(earlier);
        QVERIFY(!page.isEmpty());
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
        QCOMPARE(QDir(seen->directory), QDir(frmMain::GetAppPath()));
        QCOMPARE(w.dlgCommon->filter(), ReadoutFilter);
        QCOMPARE(w.dlgCommon->flags(), CommonDialog::OverwritePrompt);
        QVERIFY(w.dlgCommon->cancelError());
        QCOMPARE(ReadAll(earlier), page);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"elsewhere.html"});
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
        frmMain w;
        BuildTank(w);
        const QStringList lines = ExportedLines(w, Plain);
        QVERIFY2(lines.count(anchor) == 1, qPrintable(anchor));
        QCOMPARE(lines.value(lines.indexOf(anchor) + offset), line.arg(Text(w, label)));
    }

    void designFromTheWindow()
    {
        frmMain w;
        BuildTank(w);
        const QStringList lines = ExportedLines(w, Plain);
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

    // The page names the vehicle as the name box reads now, not as the design file had it.
    void nameAsTypedNow_data() { commands_data(); }

    void nameAsTypedNow()
    {
        QFETCH(QString, menu);
        QTemporaryDir folder;
        const QString design = folder.filePath(QStringLiteral("tank.edt"));
        const QString path = folder.filePath(QStringLiteral("page.html"));
        {
            frmMain saved;
            BuildTank(saved);
            auto seen = AnswerFileDialog(design);
            saved.mnuFileSaveAs->trigger();
            QVERIFY(seen->shown);
        }
        frmMain w;
        auto opened = AnswerFileDialog(design);
        w.mnuFileOpen->trigger();
        QVERIFY(opened->shown);
        QCOMPARE(w.txtVehicleName->text(), QStringLiteral("Heavy Tank Mk 2"));
        w.txtVehicleName->setText(QStringLiteral("Renamed Tank"));
        Export(w, menu, path);
        const QStringList lines = PageLines(path);
        QVERIFY(lines.contains(QStringLiteral("Type: <B>Renamed Tank</B><BR>")));
        QCOMPARE(lines.filter(QStringLiteral("Heavy Tank")), QStringList{});
        QVERIFY(lines.contains(QStringLiteral("<TD>Ammo-LRM 10</TD>")));
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
        frmMain w;
        const QStringList generated = ExportedLines(w, menu).filter(QStringLiteral("Generated on "));
        QCOMPARE(generated.size(), 1);
        QVERIFY2(QRegularExpression(pattern).match(generated.first()).hasMatch(), qPrintable(generated.first()));
    }

    void germanNumbersFromTheWindow()
    {
        LocaleScope german(QLocale::German, QLocale::Germany);
        frmMain w;
        BuildTank(w);
        const QStringList lines = ExportedLines(w, Site);
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

    // The page's rules for one design at a time, each row a design made in the window and a run
    // of lines that the exported page holds one after another.
    void pageLines_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("run");
        const QStringList tank = OnTracked50({});
        const QStringList named{"txtVehicleName=Heavy Tank Mk 2"};
        const QString tableHead = QStringLiteral(R"(<TH ALIGN=RIGHT WIDTH="15%"><B><U>Mass</U></B></TH></TR>)");
        const QStringList emptyTable{tableHead, "</Table>", "<BR><BR><BR>", "Vehicle Cost: 20,570<BR>"};

        QTest::newRow("name in the title") << Plain << named << QStringList{"<Title>Heavy Tank Mk 2</Title>", "</HEADER>"};
        QTest::newRow("name in the heading")
            << Plain << named << QStringList{"<Font Size = 4><B><U>Heavy Tank Mk 2</U></B></Font><BR></CENTER>", "", "<BR><BR>"};
        QTest::newRow("name in the type line")
            << Plain << named << QStringList{"Type: <B>Heavy Tank Mk 2</B><BR>", "Technology Base: Inner Sphere Level 2<BR>"};
        QTest::newRow("empty payload, empty weapons table") << Plain << QStringList{} << emptyTable;
        QTest::newRow("weapons table lists every record")
            << Plain << LauncherAmmoCargo
            << QStringList{tableHead} + WeaponRow("LRM 5", "Front", 2, "2.0") +
                   WeaponRow("Artemis IV - LRM", "Front", 0, "1.0") + WeaponRow("Ammo-LRM 5", "Body", 0, "2.0") +
                   WeaponRow("Cargo", "Body", 0, "1.5") + QStringList{"</Table>"};
        QTest::newRow("standard armor factor")
            << Plain << QStringList{"vsbArmorTonnage=20"}
            << QStringList{"<TD COLSPAN=2>Armor Factor:</B></TD>", "<TD ALIGN=CENTER>160</TD>", "<TD></TD><TD></TD>",
                           "<TD ALIGN=RIGHT>10.0</TD>"};
        QTest::newRow("Ferro-Fibrous armor factor")
            << Plain << QStringList{"vsbArmorTonnage=18", "chkFerroFibrous=1"}
            << QStringList{"<TD COLSPAN=2>Armor Factor:</B></TD>", "<TD ALIGN=CENTER>161 FF</TD>", "<TD></TD><TD></TD>",
                           "<TD ALIGN=RIGHT>9.0</TD>"};
        QTest::newRow("Ferro-Fibrous armor line")
            << Plain << QStringList{"chkFerroFibrous=1"} << QStringList{"<B>Armor: </B>Ferro Fibrous<BR>", "<B>Armament: </B><BR>"};
        QTest::newRow("CASE") << Plain << QStringList{"chkCASE=1"}
                              << QStringList{"<B>Armor: </B>Standard with CASE<BR>", "<B>Armament: </B><BR>"};
        QTest::newRow("wheeled without turret leaves the row open")
            << Plain << QStringList{"optMotiveType_2", "vsbMass=50"} << QStringList{"</TR>", "<TR>", "<TD></TD>", "</TABLE><BR>"};
        QTest::newRow("cruise and flank MP")
            << Plain << tank + QStringList{"vsbCruise=5"}
            << QStringList{"<TD>Cruise MP:</TD>", "<TD ALIGN=CENTER>5</TD>", "</TR>", "<TR>", "<TD></TD>",
                           "<TD>Flank MP:</B></TD>", "<TD ALIGN=CENTER>8</TD>"};
        QTest::newRow("I.C.E. engine in one cell")
            << Plain << tank + QStringList{"vsbCruise=4"}
            << QStringList{"<TD COLSPAN=2>Engine:</TD>", "<TD ALIGN=CENTER>200 I.C.E. </TD>", "<TD></TD><TD></TD>"};
        QTest::newRow("Fusion XL engine in one cell")
            << Plain << tank + QStringList{"vsbCruise=4", "optEngineType_2"}
            << QStringList{"<TD COLSPAN=2>Engine:</TD>", "<TD ALIGN=CENTER>200 Fusion XL</TD>", "<TD></TD><TD></TD>"};
        QTest::newRow("overview with a no-break space and a soft line break")
            << Plain << QStringList{QString::fromUtf8("txtOverview=a\u00a0b\u2028c")}
            << QStringList{"<TR><TD>", QString::fromUtf8("a\u00a0b<BR>"), "c</TD></TR></Table>"};
        QTest::newRow("texts go in unescaped")
            << Plain << QStringList{"txtManufacturer=Orrin & Vale <Works>", "txtCommSystem=A&B", "txtTargetingSystem=<i>"}
            << QStringList{"<B>Manufacturer: </B>Orrin & Vale <Works><BR>", "<B>Communications System: </B>A&B<BR>",
                           "<B>Targeting & Tracking System: </B><i><BR>", "<BR>"};

        QTest::newRow("VTOL writes the rotor row")
            << Plain << QStringList{"optMotiveType_3", "vsbMass=20", "vsbArmorTonnage=4", "vsbTurretArmor=2"}
            << QStringList{"<TR>", "<TD></TD>", "<TD><B>Rotor:</B></TD>", "<TD ALIGN=CENTER> 2 </TD>",
                           "<TD ALIGN=CENTER>2</TD>", "</TR>", "</TABLE><BR>"};
        QTest::newRow("25 tons give 2 structure points")
            << Plain << QStringList{"vsbMass=25"}
            << QStringList{"<TD><B>Front:</B></TD>", "<TD ALIGN=CENTER> 2 </TD>", "<TD ALIGN=CENTER>0</TD>", "</TR>"};
        QTest::newRow("speeds in km/h")
            << Plain << tank + QStringList{"vsbCruise=5"}
            << QStringList{"<B>Cruise Speed: </B>53.0 km/h<BR>", "<B>Flank Speed: </B>85 km/h<BR>"};
        QTest::newRow("empty overview")
            << Plain << QStringList{} << QStringList{"<TR><TD>", "</TD></TR></Table>", "<BR><BR><BR>"};

        QTest::newRow("site title leaves out the name")
            << Site << named << QStringList{"<HTML>", "<HEAD>", "   <TITLE>Halvorn Tech Readout</TITLE>", "</HEAD>", ""};
        QTest::newRow("site heading and picture")
            << Site << named
            << QStringList{"<font size=+3><BR>Heavy Tank Mk 2<BR></font>", "<hr width = 50% align=center></Center></p>", "",
                           R"(<center><img src="./filename1.jpg" alt=Heavy Tank Mk 2></center>)", "", "", "<BR><BR>",
                           "<B>Mass: </B>1<BR>"};
        QTest::newRow("site empty payload") << Site << QStringList{} << emptyTable;
        QTest::newRow("site I.C.E. engine on two lines")
            << Site << tank + QStringList{"vsbCruise=4"}
            << QStringList{"<TD COLSPAN=2>Engine:</TD>", "<TD ALIGN=CENTER>200", " I.C.E. </TD>", "<TD></TD><TD></TD>"};
        QTest::newRow("site navigation block opens")
            << Site << QStringList{}
            << QStringList{"<BR><BR>", "<!-- Begin Text navigation table  -->", "<hr width=100% align = center><BR>",
                           "<Center>", R"(<TABLE BORDER=2 CELLSPACING=2 CELLPADDING=0 WIDTH="60%" HEIGHT="62">)", "<TR>"};
        QTest::newRow("site navigation block ends the body")
            << Site << QStringList{}
            << QStringList{"</TR>", "</TABLE>", "</Center>", "<!-- End Text navigation table  -->", "</BODY>", "</HTML>"};
        QTest::newRow("site armament") << Site << LauncherAmmoCargo
                                       << QStringList{"&nbsp&nbsp Artemis IV - LRM<BR>", "&nbsp&nbsp Cargo<BR>", "<BR>"};
    }

    void pageLines()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, run);
        CatalogueWindow cw;
        DriveWithTexts(cw.window, steps);
        const QStringList lines = ExportedLines(cw.window, menu);
        QVERIFY2(IndexOfRun(lines, run) >= 0, qPrintable(run.join(QLatin1Char('\n'))));
    }

    // The site's navigation block follows the time of export and ends the body: 5 rows of 3 cells.
    void siteNavigationBlock()
    {
        CatalogueWindow cw;
        const QStringList lines = ExportedLines(cw.window, Site);
        const qsizetype begin = lines.indexOf(QStringLiteral("<!-- Begin Text navigation table  -->"));
        const qsizetype end = lines.indexOf(QStringLiteral("<!-- End Text navigation table  -->"));
        QVERIFY(begin > 2 && end > begin);
        QVERIFY(lines[begin - 2].startsWith(QStringLiteral("Generated on ")));
        QCOMPARE(lines[begin - 1], QStringLiteral("<BR><BR>"));
        const QStringList block = lines.mid(begin, end - begin + 1);
        QCOMPARE(block.count(QStringLiteral("<TR>")), 5);
        QCOMPARE(block.count(QStringLiteral("</TR>")), 5);
        QCOMPARE(block.filter(QRegularExpression(QStringLiteral("^<TD ALIGN=CENTER WIDTH=\"33%\" .*</TD>$"))).size(), 15);
        QCOMPARE(lines.mid(end + 1), (QStringList{"</BODY>", "</HTML>"}));
    }

    // Exporting reads the design and changes nothing, neither the design nor the design file's
    // path, and leaves no file open.
    void exportChangesNothing_data() { commands_data(); }

    void exportChangesNothing()
    {
        QFETCH(QString, menu);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("page.html"));
        CatalogueWindow cw;
        frmMain& w = cw.window;
        DriveWithTexts(w, LauncherAmmoCargo + QStringList{"chkTurret=1", "chkCASE=1", "txtVehicleName=Tank"});
        w.DesignFileName = folder.filePath(QStringLiteral("tank.edt"));
        const QStringList before = DesignSnapshot(w);
        const QString initialFolder = w.dlgCommon->initDir();
        Export(w, menu, path);
        QVERIFY(QFile::exists(path));
        QVERIFY(!FileIsOpen(path));
        QCOMPARE(DesignSnapshot(w), before);
        QCOMPARE(w.DesignFileName, folder.filePath(QStringLiteral("tank.edt")));
        QCOMPARE(w.dlgCommon->initDir(), initialFolder);
        QCOMPARE(DesignConsistencyFailure(w), QString());
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(ExportCommandsTest)
#include "test_exportcommands.moc"
