// A catalogue that is missing, empty or not what it should be: the window still works, says
// once which file it looked for and where, and the browsers do nothing.
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include "payload/rowset.h"
#include "support/testcatalogue.h"
#include "support/testsupport.h"

namespace {

enum class Fault { NoFile, Folder, EmptyFile, NotADatabase, NoTables, MissingField };

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write %s", qPrintable(path));
}

void RunStatements(const QString& path, const QStringList& statements)
{
    const QString connection = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) qFatal("cannot create %s", qPrintable(path));
        QSqlQuery query(db);
        for (const QString& statement : statements)
            if (!query.exec(statement)) qFatal("cannot run %s", qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(connection);
}

// Makes the faulty catalogue at `path`.
void MakeFaulty(Fault fault, const QString& path)
{
    switch (fault) {
    case Fault::NoFile: break;
    case Fault::Folder:
        if (!QDir().mkpath(path)) qFatal("cannot make %s", qPrintable(path));
        break;
    case Fault::EmptyFile: WriteBytes(path, {}); break;
    case Fault::NotADatabase: WriteBytes(path, "Type,Class,Tons\nMedium Laser,Energy,1\n"); break;
    case Fault::NoTables: RunStatements(path, {"CREATE TABLE Parts (Name TEXT)", "INSERT INTO Parts VALUES ('Medium Laser')"}); break;
    case Fault::MissingField:
        RunStatements(path, {"CREATE TABLE ISWeapons (Type TEXT, Class TEXT, Tons REAL, Heat INTEGER)",
                             "INSERT INTO ISWeapons VALUES ('Medium Laser', 'Energy', 1, 3)",
                             "CREATE TABLE ISAmmo (Type TEXT, Class TEXT, ShotsPerTon INTEGER, Cost REAL)",
                             "INSERT INTO ISAmmo VALUES ('Cargo', 'Cargo', 0, 0)"});
        break;
    }
}

void PointAt(frmMain& window, const QString& path)
{
    window.datWeapons->setDatabaseName(path);
    window.datAmmo->setDatabaseName(path);
    window.OpenCatalogue();
}

QLabel* Notice(const frmMain& window)
{
    return window.statusBar()->findChild<QLabel*>(QStringLiteral("lblCatalogueNotice"));
}

QMessageBox* NoticeBox(const frmMain& window)
{
    return window.findChild<QMessageBox*>(QStringLiteral("msgCatalogue"));
}

const char* const BrowserButtons[] = {"cmdNextWeapon", "cmdPreviousWeapon", "cmdAdd", "cmdAmmoNext", "cmdAmmoPrevious", "cmdAmmoAdd"};

}  // namespace

Q_DECLARE_METATYPE(Fault)

class CatalogueMissingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void faultyCatalogue_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::newRow("no file") << Fault::NoFile;
        QTest::newRow("a folder") << Fault::Folder;
        QTest::newRow("empty file") << Fault::EmptyFile;
        QTest::newRow("not a database") << Fault::NotADatabase;
        QTest::newRow("no catalogue tables") << Fault::NoTables;
        QTest::newRow("a field missing") << Fault::MissingField;
    }

    void faultyCatalogue()
    {
        QFETCH(Fault, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ISWeapons.mdb"));
        MakeFaulty(fault, path);
        frmMain window;
        PointAt(window, path);

        // Told in the status bar, by the full path, and in a message box that names the file
        // and its folder and does not hold up the program.
        QVERIFY(Notice(window) && !Notice(window)->isHidden());
        QVERIFY2(Notice(window)->text().contains(QDir::toNativeSeparators(path)), qPrintable(Notice(window)->text()));
        QTRY_VERIFY(NoticeBox(window) && NoticeBox(window)->isVisible());
        QVERIFY(!NoticeBox(window)->isModal());
        const QString message = NoticeBox(window)->text();
        QVERIFY2(message.contains(QStringLiteral("ISWeapons.mdb")), qPrintable(message));
        QVERIFY2(message.contains(QDir::toNativeSeparators(dir.path())), qPrintable(message));
        QCOMPARE(window.findChildren<QMessageBox*>().size(), 1);

        // Nothing to browse or add.
        for (const char* button : BrowserButtons) QVERIFY2(!Control<QPushButton>(window, button)->isEnabled(), button);
        window.cmdNextWeapon_Click();
        window.cmdPreviousWeapon_Click();
        window.cmdAmmoNext_Click();
        window.cmdAmmoPrevious_Click();
        window.cmdAdd_Click();
        window.cmdAmmoAdd_Click();
        QCOMPARE(window.findChildren<QMessageBox*>().size(), 1);
        for (const char* label : {"lblName", "lblClass", "lblWeight", "lblHeat", "lblWeaponCost", "lblAmmoType", "lblAmmoCost"})
            QVERIFY2(Text(window, label).isEmpty(), label);
        QVERIFY(window.datWeapons->isEmpty());
        QVERIFY(window.datAmmo->isEmpty());

        // The design can still be edited.
        SetValue(window, "vsbMass", 20);
        QCOMPARE(Text(window, "lblMass"), QStringLiteral("20"));
        QCOMPARE(int(window.PayloadCount), 0);
    }

    // Each reason is told in plain words.
    void reasonsInPlainWords_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no file") << Fault::NoFile << "The file does not exist.";
        QTest::newRow("a folder") << Fault::Folder << "There is a folder of that name instead of a file.";
        QTest::newRow("empty file") << Fault::EmptyFile << "The file is empty.";
        QTest::newRow("not a database") << Fault::NotADatabase << "The file is not a database.";
        QTest::newRow("no catalogue tables") << Fault::NoTables << "The file holds no table \"ISWeapons\".";
        QTest::newRow("a field missing") << Fault::MissingField << "The table \"ISWeapons\" has no field \"Cost\".";
    }

    void reasonsInPlainWords()
    {
        QFETCH(Fault, fault);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ISWeapons.mdb"));
        MakeFaulty(fault, path);
        frmMain window;
        PointAt(window, path);
        QCOMPARE(window.datWeapons->errorText(), reason);
        QTRY_VERIFY(NoticeBox(window) && NoticeBox(window)->isVisible());
        // The file, its folder and the reason, each said once.
        const QString message = NoticeBox(window)->text();
        QVERIFY2(message.count(reason) == 1, qPrintable(message));
        QVERIFY2(message.count(QStringLiteral("It looked for the file \"ISWeapons.mdb\" in the folder \"%1\".")
                                   .arg(QDir::toNativeSeparators(dir.path()))) == 1,
                 qPrintable(message));
    }

    // The window started beside a good catalogue says nothing.
    void goodCatalogueSaysNothing()
    {
        frmMain window;
        QVERIFY(!window.datWeapons->isEmpty());
        QVERIFY(!window.datAmmo->isEmpty());
        QTest::qWait(20);
        QVERIFY(!NoticeBox(window));
        QVERIFY(!Notice(window) || Notice(window)->isHidden());
    }

    // A catalogue that reads well after a faulty one takes the notice away and turns the
    // browsers back on, before the message box has even come up.
    void goodCatalogueAfterAFaultyOne()
    {
        QTemporaryDir dir;
        frmMain window;
        PointAt(window, dir.filePath(QStringLiteral("ISWeapons.mdb")));
        TestCatalogue catalogue;
        PointAt(window, catalogue.path());
        QTest::qWait(20);
        QVERIFY(!NoticeBox(window) || !NoticeBox(window)->isVisible());
        QVERIFY(Notice(window)->isHidden());
        for (const char* button : BrowserButtons) QVERIFY2(Control<QPushButton>(window, button)->isEnabled(), button);
        QCOMPARE(Text(window, "lblName"), QStringLiteral("Medium Laser"));
    }

    // Opening a faulty catalogue again keeps to one message box.
    void toldOnce()
    {
        QTemporaryDir dir;
        frmMain window;
        PointAt(window, dir.filePath(QStringLiteral("ISWeapons.mdb")));
        PointAt(window, dir.filePath(QStringLiteral("ISWeapons.mdb")));
        QTRY_VERIFY(NoticeBox(window) && NoticeBox(window)->isVisible());
        QTest::qWait(20);
        QCOMPARE(window.findChildren<QMessageBox*>().size(), 1);
    }
};

QTEST_MAIN(CatalogueMissingTest)
#include "test_cataloguemissing.moc"
