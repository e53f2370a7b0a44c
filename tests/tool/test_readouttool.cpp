// tarnwell-readout run as a user runs it on designs saved from the window, a broken file and a
// missing one among them: its pages against the window's own exports of the same files.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "support/filedialogs.h"
#include "support/payloaddrive.h"
#include "support/testcatalogue.h"

namespace {
QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The page without its one date-time line; empty when it has not exactly one.
QByteArray Undated(const QByteArray& page)
{
    QList<QByteArray> lines = page.split('\n');
    return lines.removeIf([](const QByteArray& line) { return line.startsWith("Generated on "); }) == 1 ? lines.join('\n') : QByteArray();
}

// A menu command whose file dialog is answered with `path`.
void Command(frmMain& window, QAction* frmMain::*menu, const QString& path)
{
    AnswerFileDialog(path);
    (window.*menu)->trigger();
}
}  // namespace

class ReadoutToolTest : public QObject {
    Q_OBJECT
private slots:
    void pagesEqualTheWindowsExports()
    {
        QTemporaryDir temporary;
        const QDir folder(temporary.path());
        const TestCatalogue catalogue;
        const struct {
            const char* file;
            const char* name;  // with an overview of several lines; none: a new design as it is
            QStringList steps;
        } designs[] = {
            {"new design.edt", nullptr, {}},
            {"kestrel.edt", "Kestrel VTOL", {"optMotiveType_3", "vsbMass=20", "vsbCruise=6", "vsbArmorTonnage=4", "vsbFrontArmor=10", "vsbTurretArmor=2"}},
            {"tracked.edt", "Müller-Panzer Ä", {"optMotiveType_1", "optEngineType_1", "vsbMass=60", "vsbCruise=4", "chkTurret=1", "chkCASE=1",
              "vsbArmorTonnage=20", "vsbFrontArmor=40", "weapon=Large Laser", "optLocation_4", "cmdAdd", "weapon=LRM 10", "cmdAdd",
              "cmdAddAmmo", "ammo=Cargo", "vsbAddTonnage=1", "cmdAmmoAdd", "chkArtemisLRM=1"}},
        };
        QStringList files;
        for (const auto& design : designs) {
            frmMain window;
            catalogue.Attach(window);
            DrivePayload(window, design.steps);
            if (design.name) window.txtVehicleName->setText(design.name);
            if (design.name) window.txtOverview->setPlainText("Line one, with a comma\n\nLast line: Größe");
            Command(window, &frmMain::mnuFileSaveAs, files.emplaceBack(folder.filePath(design.file)));
        }
        // The tracked design with a mass that is not a number on line 4.
        QList<QByteArray> lines = Read(files[2]).split('\n');
        lines[3] = "heavy\r";
        QFile broken(folder.filePath("broken.edt"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(lines.join('\n')) > 0);
        broken.close();
        const QString missing = folder.filePath("missing.edt");

        for (const auto& [style, menu] : {std::pair{"plain", &frmMain::mnuFileExportHTML}, std::pair{"site", &frmMain::mnuFileExportHVN}}) {
            const QDir pages(folder.filePath("pages/") + style);  // made by the tool
            QProcess tool;
            tool.start(TARNWELL_READOUT_PROGRAM, {"--style", style, "--out", pages.path(), files[0], broken.fileName(), files[1], missing, files[2]});
            QVERIFY(tool.waitForFinished(120000));
            QCOMPARE(tool.exitCode(), 1);
            const QString reports = tool.readAllStandardError();
            QVERIFY2(reports.contains("tarnwell-readout: cannot read \"" + broken.fileName() + "\": reading stopped at line 4") &&
                     reports.contains("tarnwell-readout: cannot read \"" + missing + "\": the file cannot be opened"), qPrintable(reports));
            QCOMPARE(pages.entryList(QDir::Files).size(), 3);
            for (const QString& file : files) {
                frmMain window;
                Command(window, &frmMain::mnuFileOpen, file);
                Command(window, menu, file + "." + style + ".html");
                const QByteArray expected = Undated(Read(file + "." + style + ".html"));
                QVERIFY(!expected.isEmpty());
                QCOMPARE(Undated(Read(pages.filePath(QFileInfo(file).completeBaseName() + ".html"))), expected);
            }
        }
    }
};

QTEST_MAIN(ReadoutToolTest)
#include "test_readouttool.moc"
