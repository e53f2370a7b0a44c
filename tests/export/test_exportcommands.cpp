// Export to HTML and Export to HVN HTML from the File menu on the real window: the save dialog,
// replacing and cancelling, the pages of a design opened and renamed, regional settings, and a
// disk that fills up after the dialog.
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "files/commondialog.h"
#include "files/designfixtures.h"
#include "support/designchecks.h"
#include "support/testsupport.h"

using namespace fixtures;

namespace {

// The page's lines with its moment of export, which must read as under English (United States)
// settings, set to the moment of the hand-written pages.
QList<QByteArray> AtGoldenMoment(const QByteArray& page)
{
    static const QRegularExpression moment(QStringLiteral("Generated on \\d{1,2}/\\d{1,2}/\\d{4} \\d{1,2}:\\d{2}:\\d{2} [AP]M<BR>"));
    QString text = QString::fromLatin1(page);
    if (text.count(moment) != 1) return {"no single moment of export"};
    return text.replace(moment, QStringLiteral("Generated on 12/5/2026 9:03:07 PM<BR>")).toLatin1().split('\n');
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

    // The tracked design saved, opened in a fresh window, renamed and given a soft line break,
    // exported by both commands over an existing file, then cancelled, then cut short.
    void pagesOfTheWindow()
    {
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain built, w;
        BuildTrackedDesign(built, catalogue);
        SaveAs(built, dir.filePath(QStringLiteral("tracked.edt")));
        catalogue.Attach(w);
        Open(w, dir.filePath(QStringLiteral("tracked.edt")));
        w.txtVehicleName->setText(QStringLiteral("Heavy Tank Mk 2"));
        w.txtOverview->setPlainText(w.txtOverview->toPlainText() + QString::fromUtf8("\u2028Soft\u00a0break"));
        const QStringList before = DesignSnapshot(w);
        for (const auto& [command, name] : {std::pair(w.mnuFileExportHTML, "tracked_plain.html"), std::pair(w.mnuFileExportHVN, "tracked_site.html")}) {
            const QString path = dir.filePath(QLatin1String(name));
            WriteBytes(path, QByteArray(20000, 'x'));
            auto question = AnswerMessageBox(QMessageBox::Yes);
            auto seen = Answered(command, path);
            QVERIFY(question->contains(QLatin1String(name)));
            QCOMPARE(seen->mode, QFileDialog::AcceptSave);
            QCOMPARE(seen->nameField, QStringLiteral("HeavyTankMk2"));
            QCOMPARE(seen->filters, (QStringList{"HTML files (*.html)", "HTML files (*.htm)", "All files (*)"}));
            QCOMPARE(seen->selectedFilter, QStringLiteral("HTML files (*.html)"));
            QCOMPARE(seen->defaultSuffix, QString());
            QCOMPARE(QDir(seen->directory), QDir(frmMain::GetAppPath()));
            QCOMPARE(w.dlgCommon->filter(), QStringLiteral("HTML files (*.html)|*.html|HTML files (*.htm)|*.htm|All files (*.*)|*.*"));
            QCOMPARE(w.dlgCommon->flags(), CommonDialog::OverwritePrompt);
            QVERIFY(w.dlgCommon->cancelError());
            QVERIFY(!FileIsOpen(path));
            const QByteArray page = ReadBytes(path);
            QCOMPARE(AtGoldenMoment(page), ReadBytes(QFINDTESTDATA(QStringLiteral("golden/") + name)).split('\n'));

            CancelFileDialog();
            command->trigger();
            QCOMPARE(ReadBytes(path), page);
            const QString cut = dir.filePath(QStringLiteral("cut_") + name);
            WithFileSizeLimit(1000, [&] { Answered(command, cut); });
            QVERIFY(!FileIsOpen(cut));
            QCOMPARE(ReadBytes(cut), page.left(1000));
            QCOMPARE(DesignSnapshot(w), before);
            QCOMPARE(w.DesignFileName, dir.filePath(QStringLiteral("tracked.edt")));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 5);
    }

    // The window's figures and the moment of export as German settings write them.
    void germanSettings()
    {
        LocaleScope german(QLocale::German, QLocale::Germany);
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        for (QAction* command : {w.mnuFileExportHTML, w.mnuFileExportHVN}) {
            const QString path = dir.filePath(command->objectName());
            Answered(command, path);
            const QString page = QString::fromLatin1(ReadBytes(path));
            QVERIFY(page.contains(QStringLiteral("<B>Cruise Speed: </B>42,4 km/h<BR>\r\n<B>Flank Speed: </B>64 km/h<BR>\r\n")));
            QVERIFY(page.contains(QStringLiteral("<TD ALIGN=RIGHT>1,5</TD>\r\n")));
            QVERIFY(page.contains(QStringLiteral("Vehicle Cost: %1<BR>\r\n").arg(Text(w, QStringLiteral("lblCost")))));
            QVERIFY(Text(w, QStringLiteral("lblCost")).contains(QLatin1Char('.')));
            QVERIFY(page.contains(QRegularExpression(QStringLiteral("\r\nGenerated on \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d<BR><BR>\r\n"))));
        }
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(ExportCommandsTest)
#include "test_exportcommands.moc"
