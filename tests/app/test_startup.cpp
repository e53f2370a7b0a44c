// A fresh window shows the figures of the empty design.
#include <QTest>

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
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
