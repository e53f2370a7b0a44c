// Exports that fail after the save dialog: the command ends quietly where the failure is, the
// lines written before it stay in the file, the file is closed and the design is unchanged.
#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

#include "files/designfixtures.h"
#include "support/designchecks.h"
#include "support/testsupport.h"

using namespace fixtures;

namespace {

QStringList PageLines(const QByteArray& bytes)
{
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

std::shared_ptr<FileDialogSeen> Export(frmMain& w, const QString& menu, const QString& path)
{
    auto seen = AnswerFileDialog(path);
    Control<QAction>(w, menu)->trigger();
    return seen;
}

// Runs `action` while the process may write no more than `allowed` bytes to any one file.
template <class Action>
void WithFileSizeLimit(rlim_t allowed, Action action)
{
    rlimit before{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
    rlimit small = before;
    small.rlim_cur = allowed;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    action();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
}

}  // namespace

class ExportFailuresTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { ForgetDialogAnswers(); }

    void commands_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::newRow("plain") << "mnuFileExportHTML";
        QTest::newRow("site") << "mnuFileExportHVN";
    }

    // The disk takes only the first kilobyte: the file holds exactly that much of the page.
    void writeStopsInTheMiddle_data() { commands_data(); }

    void writeStopsInTheMiddle()
    {
        QFETCH(QString, menu);
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        const QStringList before = DesignSnapshot(w);
        const QString whole = dir.filePath(QStringLiteral("whole.html"));
        Export(w, menu, whole);
        const QByteArray page = ReadBytes(whole);
        constexpr rlim_t Allowed = 1000;
        QVERIFY(page.size() > qsizetype(Allowed));

        const QString cut = dir.filePath(QStringLiteral("cut.html"));
        WithFileSizeLimit(Allowed, [&] { Export(w, menu, cut); });
        QVERIFY(!FileIsOpen(cut));
        QCOMPARE(ReadBytes(cut), page.left(Allowed));
        QCOMPARE(DesignSnapshot(w), before);
    }

    // A price past the range of amounts cannot be worked out: the page ends with the weapons
    // table, the last part written before the price is asked for.
    void priceOutOfRange_data() { commands_data(); }

    void priceOutOfRange()
    {
        QFETCH(QString, menu);
        QTemporaryDir dir;
        QList<QByteArray> lines = TrackedDesignLines();
        lines[24] = "\"Energy\",\"Large Laser\",8,5,\"Turret\",900000000000000,0";
        const QString design = dir.filePath(QStringLiteral("dear.edt"));
        WriteBytes(design, FileBytes(lines));
        TestCatalogue catalogue;
        frmMain w;
        catalogue.Attach(w);
        Open(w, design);
        QCOMPARE(w.PayloadCount, Int16(8));

        const QString path = dir.filePath(QStringLiteral("page.html"));
        Export(w, menu, path);
        QVERIFY(!FileIsOpen(path));
        const QStringList page = PageLines(ReadBytes(path));
        QVERIFY(page.size() > 100);
        QCOMPARE(page.mid(page.size() - 3), (QStringList{"</TR>", "</Table>", "<BR><BR><BR>"}));
        QCOMPARE(page.filter(QStringLiteral("<TD>Large Laser</TD>")).size(), 1);
    }
};

QTEST_MAIN(ExportFailuresTest)
#include "test_exportfailures.moc"
