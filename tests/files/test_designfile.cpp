// Saving designs and opening them again through the File menu: the bytes of the file, and the
// window after a round trip.
#include <QTemporaryDir>
#include <QTest>

#include "designfixtures.h"
#include "support/designchecks.h"
#include "support/testsupport.h"

using namespace fixtures;

namespace {

enum class Design { Empty, Tracked, VTOL };

void Build(frmMain& w, Design design, const TestCatalogue& catalogue)
{
    if (design == Design::Tracked) BuildTrackedDesign(w, catalogue);
    if (design == Design::VTOL) BuildVTOLDesign(w);
}

}  // namespace

class DesignFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void bytes_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QByteArray>("bytes");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("new design") << int(Design::Empty) << english << FileBytes(EmptyDesignLines());
        QTest::newRow("tracked") << int(Design::Tracked) << english << FileBytes(TrackedDesignLines());
        QTest::newRow("tracked, German settings") << int(Design::Tracked) << german << FileBytes(TrackedDesignLines());
    }

    void bytes()
    {
        QFETCH(int, design);
        QFETCH(QLocale, locale);
        QFETCH(QByteArray, bytes);
        QLocale::setDefault(locale);
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        Build(w, Design(design), catalogue);
        const QString path = dir.filePath(QStringLiteral("design.edt"));
        SaveAs(w, path);
        const QByteArray written = ReadBytes(path);
        QCOMPARE(written.split('\n').mid(0, 30), bytes.split('\n').mid(0, 30));
        QCOMPARE(written, bytes);
        QCOMPARE(w.DesignFileName, path);
    }

    void emptyDesignHas121Lines()
    {
        QTemporaryDir dir;
        frmMain w;
        const QString path = dir.filePath(QStringLiteral("new.edt"));
        SaveAs(w, path);
        const QList<QByteArray> lines = ReadBytes(path).split('\n');
        QCOMPARE(lines.size(), 122);  // the last line end leaves an empty piece
        QVERIFY(lines.last().isEmpty());
        for (int i = 21; i < 121; ++i) QCOMPARE(lines[i], QByteArray("\"\",\"\",0,0,\"\",0,0\r"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<QLocale>("locale");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("new design") << int(Design::Empty) << english;
        QTest::newRow("tracked") << int(Design::Tracked) << english;
        QTest::newRow("tracked, German settings") << int(Design::Tracked) << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("VTOL, rotor armor 2") << int(Design::VTOL) << english;
    }

    // Saved, then opened over a new design and in a window of its own: the same window.
    void roundTrip()
    {
        QFETCH(int, design);
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        Build(w, Design(design), catalogue);
        const QStringList saved = DesignSnapshot(w);
        const QString path = dir.filePath(QStringLiteral("design.edt"));
        SaveAs(w, path);

        w.mnuFileNew->trigger();
        Open(w, path);
        QCOMPARE(DesignSnapshot(w), saved);
        QCOMPARE(w.DesignFileName, path);
        QCOMPARE(DesignConsistencyFailure(w), QString());

        frmMain other;
        catalogue.Attach(other);
        Open(other, path);
        QCOMPARE(DesignSnapshot(other), saved);
    }

    void vtolRotorArmor()
    {
        QTemporaryDir dir;
        frmMain w;
        BuildVTOLDesign(w);
        const QString path = dir.filePath(QStringLiteral("vtol.edt"));
        SaveAs(w, path);
        frmMain other;
        Open(other, path);
        QCOMPARE(other.vsbTurretArmor->maximum(), 2);
        QCOMPARE(other.vsbTurretArmor->value(), 2);
        QCOMPARE(Text(other, QStringLiteral("lblTurret")), QStringLiteral("Rotor:"));
    }

    // CASE and Ferro-Fibrous already ticked run no handler again: their tonnage, price and
    // slots count once.
    void openOverTickedBoxes()
    {
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        const QString path = dir.filePath(QStringLiteral("tracked.edt"));
        SaveAs(w, path);
        const QStringList saved = DesignSnapshot(w);

        frmMain ticked;
        catalogue.Attach(ticked);
        Drive(ticked, {"chkCASE=1", "chkFerroFibrous=1", "chkArtemisLRM=1"});
        Open(ticked, path);
        QCOMPARE(DesignSnapshot(ticked), saved);
        QCOMPARE(ticked.ItemsUsed, Int16(8 + 2));
        QCOMPARE(ticked.CASETonnage, Currency::fromUnits(5000));
    }

    // Whatever a user's editor did to the file: line feeds alone, amounts with a leading zero,
    // blanks around values.
    void readsOtherForms()
    {
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        const QStringList saved = DesignSnapshot(w);
        QByteArray bytes = FileBytes(TrackedDesignLines());
        bytes.replace("\r\n", "\n").replace(",.5,", ", 0.5 ,").replace("\n60\n", "\n  060\t\n");
        const QString path = dir.filePath(QStringLiteral("edited.edt"));
        WriteBytes(path, bytes);
        frmMain other;
        catalogue.Attach(other);
        Open(other, path);
        QCOMPARE(DesignSnapshot(other), saved);
    }

    void textsOutsideTheFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("double quotes") << "Say \"Hi\"" << QByteArray("\"Say \x93Hi\x94\"") << QString::fromUtf8("Say “Hi”");
        QTest::newRow("not in the code page") << QString::fromUtf8("Snow ☃ 𝄞 Ł") << QByteArray("\"Snow ? ? ?\"")
                                              << QStringLiteral("Snow ? ? ?");
        QTest::newRow("euro sign") << QString::fromUtf8("€ 5") << QByteArray("\"\x80 5\"") << QString::fromUtf8("€ 5");
    }

    void textsOutsideTheFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, written);
        QFETCH(QString, readBack);
        QTemporaryDir dir;
        frmMain w;
        w.txtVehicleName->setText(name);
        const QString path = dir.filePath(QStringLiteral("texts.edt"));
        SaveAs(w, path);
        QCOMPARE(ReadBytes(path).split('\r').first(), written);
        frmMain other;
        Open(other, path);
        QCOMPARE(other.txtVehicleName->text(), readBack);
    }
};

QTEST_MAIN(DesignFileTest)
#include "test_designfile.moc"
