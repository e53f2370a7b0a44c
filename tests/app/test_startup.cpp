// A fresh window shows the figures of the empty design.
#include <QTest>

#include "files/commondialog.h"
#include "payload/rowset.h"
#include "support/testsupport.h"

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void freshDesignFigures_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("red");
        const struct {
            const char* label;
            const char* text;
            bool red;
        } rows[] = {
            {"lblMass", "1", false},
            {"lblCruise", "1", false},
            {"lblFlank", "2", false},
            {"lblEngineSize", "10", false},
            {"lblEngineWeight", "1.0", false},
            {"lblLiftEquipment", "0.5", false},
            {"lblControlTonnage", "0.5", false},
            {"lblInternalStructure", "0.5", false},
            {"lblTurretTonnage", "0.0", false},
            {"lblItemLimit", "5", false},
            {"lblItemsFree", "5", false},
            {"lblHeatSinks", "0", false},
            {"lblHeatSinkTonnage", "0", false},
            {"lblPowerAmplifiers", "0.0", false},
            {"lblPayloadTonnage", "0.0", false},
            {"lblTonnageRemaining", "-1.5", true},
            {"lblCost", "20,570", false},
            {"lblArmorTonnage", "0.0", false},
            {"lblTotalArmorPoints", "0", false},
            {"lblArmorPointsUsed", "0", false},
            {"lblArmorPointsRemaining", "0", false},
        };
        for (const auto& row : rows)
            QTest::newRow(row.label) << QString::fromLatin1(row.label) << QString::fromLatin1(row.text) << row.red;
    }

    void freshDesignFigures()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(bool, red);
        frmMain window;
        QCOMPARE(Text(window, label), text);
        QCOMPARE(IsRed(window, label), red);
    }

    // What start-up leaves besides the figures: the catalogue and the file dialog point at the
    // program's folder, the design is untitled, Standard armor, nothing mounted.
    void freshDesignState()
    {
        frmMain window;
        const QString folder = frmMain::GetAppPath();
        QCOMPARE(window.datWeapons->databaseName(), folder + QStringLiteral("ISWeapons.mdb"));
        QCOMPARE(window.datAmmo->databaseName(), folder + QStringLiteral("ISWeapons.mdb"));
        QCOMPARE(window.dlgCommon->initDir(), folder);
        QVERIFY(window.DesignFileName.isEmpty());
        QCOMPARE(window.ArmorTypeName, QStringLiteral("Standard"));
        QCOMPARE(int(window.ItemsUsed), 0);
        QCOMPARE(int(window.PayloadCount), 0);
        QCOMPARE(window.PayloadTonnage, Currency(0));
        QCOMPARE(int(window.MotiveType), 0);
        QCOMPARE(int(window.EngineType), 0);
        QCOMPARE(int(window.EngineSlots), 0);
        QCOMPARE(int(window.FreeHeatSinks), 0);
        QCOMPARE(int(window.HeatSinks), 0);
        QCOMPARE(int(window.Mass), 1);
        QCOMPARE(int(window.CruiseMP), 1);
        QVERIFY(!Control<QCheckBox>(window, QStringLiteral("chkFerroFibrous"))->isChecked());
        QVERIFY(!Control<QCheckBox>(window, QStringLiteral("chkTurret"))->isChecked());
        QVERIFY(!Control<QWidget>(window, QStringLiteral("vsbTurretArmor"))->isEnabled());
    }

    // The three warning labels turn exactly red past their limit and exactly black at it.
    void warningColoursAtTheLimit_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("armorSpinner");
        QTest::addColumn<int>("frontArmor");
        QTest::addColumn<int>("itemsUsed");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("red");
        const struct {
            const char* name;
            int armorSpinner, frontArmor, itemsUsed;
            const char* label;
            const char* english;
            const char* german;
            bool red;
        } rows[] = {
            {"tonnage used up", 15, 0, 0, "lblTonnageRemaining", "0.0", "0,0", false},
            {"half a ton over", 16, 0, 0, "lblTonnageRemaining", "-0.5", "-0,5", true},
            {"every slot taken", 0, 0, 7, "lblItemsFree", "0", "0", false},
            {"one slot over", 0, 0, 8, "lblItemsFree", "-1", "-1", true},
            {"every point placed", 2, 16, 0, "lblArmorPointsRemaining", "0", "0", false},
            {"one point over", 2, 17, 0, "lblArmorPointsRemaining", "-1", "-1", true},
        };
        for (const auto& row : rows) {
            QTest::addRow("en %s", row.name) << "en_US" << row.armorSpinner << row.frontArmor << row.itemsUsed
                                             << row.label << row.english << row.red;
            QTest::addRow("de %s", row.name) << "de_DE" << row.armorSpinner << row.frontArmor << row.itemsUsed
                                             << row.label << row.german << row.red;
        }
    }
    void warningColoursAtTheLimit()
    {
        QFETCH(QString, locale);
        QFETCH(int, armorSpinner);
        QFETCH(int, frontArmor);
        QFETCH(int, itemsUsed);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(bool, red);
        QLocale::setDefault(QLocale(locale));
        frmMain window;
        Choose(window, QStringLiteral("optMotiveType_1"));
        SetValue(window, QStringLiteral("vsbMass"), 10);
        SetValue(window, QStringLiteral("vsbArmorTonnage"), armorSpinner);
        SetValue(window, QStringLiteral("vsbFrontArmor"), frontArmor);
        window.ItemsUsed = itemsUsed;  // as the payload operations keep it
        window.UpdateDesign();
        QCOMPARE(Text(window, label), text);
        const QColor colour = Control<QLabel>(window, label)->palette().color(QPalette::WindowText);
        QCOMPARE(colour, red ? QColor(255, 0, 0) : QColor(0, 0, 0));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
