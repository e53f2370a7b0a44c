// tarnwell-readout run as a user runs it on designs saved from the window, with a broken file
// and a missing one among them: its pages against the window's own exports of the same files.
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "support/filedialogs.h"
#include "support/scenario.h"
#include "support/testcatalogue.h"

// The page at `path` without its one date-time line; when it has not exactly one, a note naming it.
static QByteArray UndatedPage(const QString& path)
{
    QFile page(path);
    QList<QByteArray> lines = page.open(QIODevice::ReadOnly) ? page.readAll().split('\n') : QList<QByteArray>();
    const auto dateTimeLines = lines.removeIf([](const QByteArray& line) { return line.startsWith("Generated on "); });
    return dateTimeLines == 1 ? lines.join('\n') : "not one date-time line in " + path.toUtf8();
}

class ReadoutToolTest : public QObject {
    Q_OBJECT
private slots:
    void pagesEqualTheWindowsExports()
    {
        QTemporaryDir folder;
        // A new design as it is, and a tracked one with a payload and a name beyond ASCII.
        const QStringList designs = {folder.filePath("new design.edt"), folder.filePath("tracked.edt")};
        CatalogueWindow designer;
        ScriptedChooser& chooser = Chooser(designer.window);
        chooser.Answer(designs[0]);
        designer.window.mnuFileSaveAs->trigger();
        Drive(designer.window, {"optMotiveType_1", "optEngineType_1", "vsbMass=60", "chkTurret=1", "vsbArmorTonnage=20",
                                       "vsbFrontArmor=40", "weapon=Large Laser", "optLocation_4", "cmdAdd", "weapon=LRM 10",
                                       "cmdAdd", "chkArtemisLRM=1", "cmdAddAmmo", "ammo=Cargo", "vsbAddTonnage=1", "cmdAmmoAdd"});
        designer.window.txtVehicleName->setText("Müller-Panzer Ä");
        chooser.Answer(designs[1]);
        designer.window.mnuFileSaveAs->trigger();
        QFile broken(folder.filePath("broken.edt"));  // a mass that is not a number on line 4
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("\"Broken\"\r\n1\r\n1\r\nheavy\r\n1\r\n") > 0 && broken.flush());
        const QString missing = folder.filePath("missing.edt");

        const std::pair<const char*, QAction* frmMain::*> styles[] = {{"plain", &frmMain::mnuFileExportHTML},
                                                                      {"site", &frmMain::mnuFileExportHVN}};
        for (const auto& [style, menu] : styles) {
            const QDir pages(folder.filePath("pages/") + style);  // made by the tool
            QProcess tool;
            tool.start(TARNWELL_READOUT_PROGRAM,
                       {"--style", style, "--out", pages.path(), designs[0], broken.fileName(), missing, designs[1]});
            QVERIFY(tool.waitForFinished(120000));
            QCOMPARE(tool.exitCode(), 1);
            const QString reports = tool.readAllStandardError();
            QVERIFY2(reports.contains("cannot read \"" + broken.fileName() + "\": reading stopped at line 4") &&
                         reports.contains("cannot read \"" + missing + "\": the file cannot be opened"),
                     qPrintable(reports));
            QCOMPARE(pages.entryList(QDir::Files).size(), 2);
            for (const QString& design : designs) {
                chooser.Answer(design).Answer(design + "." + style + ".html");
                designer.window.mnuFileOpen->trigger();
                (designer.window.*menu)->trigger();
                const QString page = pages.filePath(QFileInfo(design).completeBaseName() + ".html");
                QCOMPARE(UndatedPage(page), UndatedPage(design + "." + style + ".html"));
            }
        }
    }
};

QTEST_MAIN(ReadoutToolTest)
#include "test_readouttool.moc"
