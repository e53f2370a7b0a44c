// The system information button on a made-up machine: which program it starts, or the message.
#include <QPushButton>
#include <QTest>

#include "about/fakesysinfo.h"
#include "about/frmAbout.h"
#include "about/sysinfoviewers.h"

namespace {
const QString ProgramKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

QString Viewer(int index) { return QString::fromLatin1(SystemInfoViewers[index]); }
QString ViewerPath(int index) { return QStringLiteral("/usr/bin/") + Viewer(index); }
}  // namespace

class SysInfoTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void startsOrTells_data()
    {
        QTest::addColumn<QString>("programPath");  // first location; empty: absent
        QTest::addColumn<QString>("folder");       // second location; empty: absent
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QList<int>>("viewers");  // desktop viewers on the PATH
        QTest::addColumn<bool>("startFails");
        QTest::addColumn<QString>("started");     // empty: the message instead

        const QString none;
        const QString tool = QStringLiteral("C:\\Tools\\info.exe");
        const QString folder = QStringLiteral("C:\\Shared");
        const QString inFolder = QStringLiteral("C:\\Shared\\MSINFO32.EXE");
        const int last = int(SystemInfoViewers.size()) - 1;
        QTest::newRow("first location wins") << tool << folder << QStringList{inFolder} << QList<int>{0} << false
                                             << tool;
        QTest::newRow("first location, file not checked") << tool << none << QStringList{} << QList<int>{} << false
                                                          << tool;
        QTest::newRow("second location with its program") << none << folder << QStringList{inFolder}
                                                          << QList<int>{} << false << inFolder;
        QTest::newRow("second location without its program") << none << folder << QStringList{tool}
                                                              << QList<int>{0} << false << none;
        QTest::newRow("neither: first viewer of the list") << none << none << QStringList{} << QList<int>{last, 0}
                                                           << false << ViewerPath(0);
        QTest::newRow("neither: only the last viewer") << none << none << QStringList{} << QList<int>{last}
                                                       << false << ViewerPath(last);
        QTest::newRow("neither, no viewer") << none << none << QStringList{} << QList<int>{} << false << none;
        QTest::newRow("program will not start") << tool << none << QStringList{} << QList<int>{} << true << none;
    }

    void startsOrTells()
    {
        QFETCH(QString, programPath);
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QFETCH(QList<int>, viewers);
        QFETCH(bool, startFails);
        QFETCH(QString, started);

        FakeMachine machine;
        if (!programPath.isEmpty())
            machine.fakeRegistry.keys[ProgramKey][QStringLiteral("PATH")] = {reg::String, programPath.toLatin1() + '\0'};
        if (!folder.isEmpty())
            machine.fakeRegistry.keys[FolderKey][QStringLiteral("MSINFO")] = {reg::String, folder.toLatin1() + '\0'};
        machine.files = QSet<QString>(files.begin(), files.end());
        for (int viewer : viewers) machine.programsOnPath[Viewer(viewer)] = ViewerPath(viewer);
        machine.startFails = startFails;

        frmAbout about(nullptr, &machine);
        QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);

        QCOMPARE(machine.started, started.isEmpty() ? QStringList{} : QStringList{started});
        QCOMPARE(machine.messages, started.isEmpty() ? QStringList{Unavailable} : QStringList{});
        QCOMPARE(machine.captions, started.isEmpty() ? QStringList{QStringLiteral("Tarnwell")} : QStringList{});
        QCOMPARE(machine.fakeRegistry.closed, machine.fakeRegistry.accessMasks.size());
    }

    void failingQueryTellsTheUser()
    {
        FakeMachine machine;
        machine.fakeRegistry.keys[ProgramKey][QStringLiteral("PATH")] = {reg::String, QByteArray("C:\\x.exe")};
        machine.fakeRegistry.keys[FolderKey][QStringLiteral("MSINFO")] = {reg::String, QByteArray("C:\\Shared")};
        machine.fakeRegistry.failQuery = true;
        machine.programsOnPath[Viewer(0)] = ViewerPath(0);
        frmAbout about(nullptr, &machine);
        about.StartSysInfo();
        // Both locations failed to read, so the desktop's viewer is the one.
        QCOMPARE(machine.started, QStringList{ViewerPath(0)});
        QCOMPARE(machine.fakeRegistry.opened, 2);
        QCOMPARE(machine.fakeRegistry.closed, 2);
    }
};

QTEST_MAIN(SysInfoTest)
#include "test_sysinfo.moc"
