// The system information button on this desktop, which keeps no registry: the first viewer of
// the list found on the PATH is started as it is, without a shell and without arguments; with
// none on the PATH the message comes up with the application's title as its caption.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "about/frmAbout.h"
#include "about/sysinfoviewers.h"

namespace {

// A viewer that notes how many arguments it was given in `<its folder>/<its name>.ran`.
void PlaceViewer(const QDir& folder, const char* name)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    script.write("#!/bin/sh\necho $# > \"$0.ran\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

bool Ran(const QDir& folder, const char* name)
{
    return QFile::exists(folder.filePath(QString::fromLatin1(name) + QStringLiteral(".ran")));
}

class PathScope {
public:
    explicit PathScope(const QString& path) : previous_(qgetenv("PATH")) { qputenv("PATH", path.toLocal8Bit()); }
    ~PathScope() { qputenv("PATH", previous_); }

private:
    QByteArray previous_;
};

struct MessageSeen {
    QString text, caption;
};

// Notes the next message box and presses its OK.
std::shared_ptr<MessageSeen> AnswerMessage()
{
    auto seen = std::make_shared<MessageSeen>();
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll->deleteLater();
        poll->stop();
        seen->text = box->text();
        seen->caption = box->windowTitle();
        QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
    });
    poll->start(10);
    return seen;
}

}  // namespace

class DesktopSysInfoTest : public QObject {
    Q_OBJECT
private slots:
    void startsTheFirstViewerOnThePath()
    {
        QTemporaryDir temporary;
        // A folder name a shell would split and run: the viewer must be started by its path.
        const QDir folder(temporary.filePath(QStringLiteral("viewers; touch split")));
        QVERIFY(QDir().mkpath(folder.path()));
        const char* first = SystemInfoViewers[1];
        const char* later = SystemInfoViewers.back();
        PlaceViewer(folder, later);
        PlaceViewer(folder, first);
        const PathScope path(folder.path());

        frmAbout about;
        QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);

        QTRY_VERIFY_WITH_TIMEOUT(Ran(folder, first), 10000);
        QFile ran(folder.filePath(QString::fromLatin1(first) + QStringLiteral(".ran")));
        QVERIFY(ran.open(QIODevice::ReadOnly));
        QCOMPARE(ran.readAll().trimmed(), QByteArray("0"));
        QVERIFY(!Ran(folder, later));
        QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("split"))));
    }

    void noViewerTellsTheUser()
    {
        QTemporaryDir empty;
        const PathScope path(empty.path());
        const auto seen = AnswerMessage();

        frmAbout about;
        QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);

        QCOMPARE(seen->text, QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(seen->caption, QStringLiteral("Tarnwell"));
    }
};

QTEST_MAIN(DesktopSysInfoTest)
#include "test_desktopsysinfo.moc"
