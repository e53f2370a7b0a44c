// The program started beside a missing, empty or table-less catalogue: it comes up, says once
// which file it looked for and where and what is wrong, offers nothing to browse or add, and
// the design can still be edited. The test program copies itself into a folder of its own
// with the faulty catalogue beside it and starts that copy, so the window opens the catalogue
// exactly as start-up does.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include "support/testsupport.h"

namespace {

const char* const StartFlag = "--start-beside-the-catalogue";

const char* const BrowserButtons[] = {"cmdNextWeapon", "cmdPreviousWeapon", "cmdAdd", "cmdAmmoNext", "cmdAmmoPrevious", "cmdAmmoAdd"};

// The copy: starts the window, waits for its notice to come up, uses the window as a user
// would and writes down what it saw, one "key: value" line each.
int RunStartedCopy(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    frmMain window;
    window.show();
    const auto noticeBoxes = [&] { return window.findChildren<QMessageBox*>(); };
    for (int round = 0; round < 1000 && noticeBoxes().isEmpty(); ++round) QApplication::processEvents();
    QTextStream out(stdout);
    for (const QMessageBox* box : noticeBoxes())
        out << "notice: " << QString(box->text()).replace(u'\n', u' ') << " visible=" << box->isVisible() << '\n';
    int enabled = 0;
    for (const char* button : BrowserButtons) enabled += Control<QPushButton>(window, button)->isEnabled();
    out << "enabled buttons: " << enabled << '\n';
    for (const char* button : BrowserButtons) Press(window, button);
    out << "items: " << int(window.PayloadCount) << '\n';
    SetValue(window, QStringLiteral("vsbMass"), 20);
    out << "mass: " << Text(window, QStringLiteral("lblMass")) << '\n';
    QApplication::processEvents();
    out << "boxes: " << noticeBoxes().size() << '\n';
    return 0;
}

enum class Fault { NoFile, EmptyFile, NoTables };

void MakeFaulty(Fault fault, const QString& path)
{
    if (fault == Fault::EmptyFile) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    }
    if (fault == Fault::NoTables) {
        const QString connection = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(path);
            if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Parts (Name TEXT)")))
                qFatal("cannot create %s", qPrintable(path));
        }
        QSqlDatabase::removeDatabase(connection);
    }
}

}  // namespace

Q_DECLARE_METATYPE(Fault)

class CatalogueStartupTest : public QObject {
    Q_OBJECT
private slots:
    void startsBesideAFaultyCatalogue_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no file") << Fault::NoFile << "The file does not exist.";
        QTest::newRow("empty file") << Fault::EmptyFile << "The file is empty.";
        QTest::newRow("no catalogue tables") << Fault::NoTables
                                             << "The file holds no table \"ISWeapons\". The file holds no table \"ISAmmo\".";
    }

    void startsBesideAFaultyCatalogue()
    {
        QFETCH(Fault, fault);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("tarnwell-copy"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        MakeFaulty(fault, dir.filePath(QStringLiteral("ISWeapons.mdb")));

        QProcess copy;
        copy.setProgram(program);
        copy.setArguments({QString::fromLatin1(StartFlag)});
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        copy.setProcessEnvironment(environment);
        copy.start();
        QVERIFY(copy.waitForFinished(120000));
        QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy.exitCode(), 0);
        const QStringList seen = QString::fromUtf8(copy.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);

        const QString where = QStringLiteral("It looked for the file \"ISWeapons.mdb\" in the folder \"%1\".")
                                  .arg(QDir::toNativeSeparators(QFileInfo(dir.path()).canonicalFilePath()));
        const QString notice = QStringLiteral("notice: The equipment catalogue could not be read, so no weapons, "
                                              "equipment, ammunition or cargo can be added. The rest of the design "
                                              "can still be edited.  %1 %2 visible=1")
                                   .arg(where, reason);
        QCOMPARE(seen, (QStringList{notice, "enabled buttons: 0", "items: 0", "mass: 20", "boxes: 1"}));
    }
};

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], StartFlag) == 0) return RunStartedCopy(argc, argv);
    QApplication application(argc, argv);
    CatalogueStartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_cataloguestartup.moc"
