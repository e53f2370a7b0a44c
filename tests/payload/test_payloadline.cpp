// The fixed columns of a payload line and of the header, in English and German settings.
#include <QTest>

#include "payload/payloadline.h"
#include "support/testsupport.h"

namespace {

PayloadItem Item(const QString& name, int heat, Currency tons, const QString& location)
{
    PayloadItem item;
    item.Class = QStringLiteral("Missile");
    item.Name = name;
    item.Heat = heat;
    item.Tons = tons;
    item.Location = location;
    item.Cost = 1000;
    return item;
}

Currency Tenths(int tenths)
{
    return Currency::fromUnits(tenths * 1000);
}

QString Blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

}  // namespace

Q_DECLARE_METATYPE(PayloadItem)

class PayloadLineTest : public QObject {
    Q_OBJECT
private slots:
    void line_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<PayloadItem>("item");
        QTest::addColumn<QString>("line");
        const QString name28 = QStringLiteral("Extended Range Large Laser X");
        QCOMPARE(name28.size(), 28);
        QTest::newRow("artemis line, front") << "en" << Item("Artemis IV - LRM", 0, 1, "Front")
                                             << "Artemis IV - LRM" + Blanks(12) + "0" + Blanks(5) + "1.0" + Blanks(3) + "Front";
        QTest::newRow("half a ton") << "en" << Item("Machine Gun", 0, Tenths(5), "Rear")
                                    << "Machine Gun" + Blanks(17) + "0     0.5   Rear";
        QTest::newRow("twelve and a half tons") << "en" << Item("Gauss Rifle", 1, Tenths(125), "Turret")
                                                << "Gauss Rifle" + Blanks(17) + "1     12.5  Turret";
        QTest::newRow("28-character name touches the heat") << "en" << Item(name28, 12, 7, "Left")
                                                            << name28 + "12    7.0   Left";
        QTest::newRow("empty name") << "en" << Item("", 0, 0, "") << Blanks(28) + "0     0.0   ";
        QTest::newRow("six-character heat touches the tons") << "en" << Item("Plasma Vent", 10000, 1, "Body")
                                                             << "Plasma Vent" + Blanks(17) + "10,0001.0   Body";
        QTest::newRow("too wide a tonnage pushes the location") << "en" << Item("Cargo", 0, 1000, "Body")
                                                                << "Cargo" + Blanks(23) + "0     1,000.0Body";
        QTest::newRow("negative heat") << "en" << Item("Coolant Pod", -2, 1, "Body")
                                       << "Coolant Pod" + Blanks(17) + "-2    1.0   Body";
        QTest::newRow("too long a name is kept whole") << "en" << Item(name28 + "YZ", 0, 1, "Front")
                                                       << name28 + "YZ0     1.0   Front";
        QTest::newRow("german half a ton") << "de" << Item("Machine Gun", 0, Tenths(5), "Rear")
                                           << "Machine Gun" + Blanks(17) + "0     0,5   Rear";
        QTest::newRow("german grouping") << "de" << Item("Cargo", 0, Tenths(10005), "Body")
                                         << "Cargo" + Blanks(23) + "0     1.000,5Body";
    }

    void line()
    {
        QFETCH(QString, language);
        QFETCH(PayloadItem, item);
        QFETCH(QString, line);
        LocaleScope locale(language == QLatin1String("de") ? QLocale::German : QLocale::English,
                           language == QLatin1String("de") ? QLocale::Germany : QLocale::UnitedStates);
        QCOMPARE(FormatPayloadLine(item), line);
    }

    void header()
    {
        const QString header = PayloadHeaderLine();
        QCOMPARE(header, "Type:" + Blanks(23) + "Heat: Tons: Loc.:");
        QCOMPARE(header.size(), 45);
        QCOMPARE(header.indexOf(QLatin1String("Heat:")), 28);
        QCOMPARE(header.indexOf(QLatin1String("Tons:")), 34);
        QCOMPARE(header.indexOf(QLatin1String("Loc.:")), 40);
    }
};

QTEST_MAIN(PayloadLineTest)
#include "test_payloadline.moc"
