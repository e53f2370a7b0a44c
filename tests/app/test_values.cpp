// The value types and number texts every figure goes through, and the program folder.
#include <QTest>
#include <stdexcept>

#include "app/int16.h"
#include "app/numbertext.h"
#include "support/testsupport.h"

class ValuesTest : public QObject {
    Q_OBJECT
private slots:
    // To ten-thousandths halves go to the even neighbour.
    void currencyFromDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("units");
        QTest::newRow("12.5") << 12.5 << Q_INT64_C(125000);
        QTest::newRow("a third of 60500") << 20166.666666666668 << Q_INT64_C(201666667);
        QTest::newRow("0.1 * 7") << 0.1 * 7 << Q_INT64_C(7000);
        QTest::newRow("half a unit to 0") << 0.00005 << Q_INT64_C(0);
        QTest::newRow("2.5 units to 2") << 0.00025 << Q_INT64_C(2);
        QTest::newRow("3.5 units to 4") << 0.00035 << Q_INT64_C(4);
        QTest::newRow("-2.5 units to -2") << -0.00025 << Q_INT64_C(-2);
        QTest::newRow("2.00015") << 2.00015 << Q_INT64_C(20002);
    }

    void currencyFromDouble()
    {
        QFETCH(double, value);
        QFETCH(qint64, units);
        QCOMPARE(Currency::fromDouble(value).units(), units);
    }

    // To whole numbers halves go to the even neighbour.
    void currencyToInt16_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<int>("whole");
        for (const auto& [units, whole] : std::initializer_list<std::pair<qint64, int>>{
                 {5000, 0}, {15000, 2}, {25000, 2}, {25001, 3}, {-5000, 0}, {-15000, -2}, {-14000, -1}, {327670000, 32767}})
            QTest::addRow("%lld", units) << units << whole;
    }

    void currencyToInt16()
    {
        QFETCH(qint64, units);
        QFETCH(int, whole);
        QCOMPARE(int(Currency::fromUnits(units).toInt16()), whole);
    }

    // Sums are exact; overflow is an error.
    void exactSumsAndOverflow()
    {
        QCOMPARE(Currency::fromDouble(0.1) + Currency::fromDouble(0.2), Currency::fromDouble(0.3));
        QCOMPARE(Currency(5) - Currency::fromDouble(5.5), Currency::fromUnits(-5000));
        const Currency largest = Currency::fromUnits(std::numeric_limits<std::int64_t>::max());
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, largest + Currency::fromUnits(1));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, largest * 2);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Currency::fromDouble(1e300));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Currency(40000).toInt16());
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Int16(32767) + 1);
    }

    // Decimals in the regional format, halves away from zero, from a double and from currency.
    void displayRules_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("text");
        const struct { double value; int decimals; const char *english, *german; } rows[] = {
            {0, 1, "0.0", "0,0"}, {12, 1, "12.0", "12,0"}, {0.05, 1, "0.1", "0,1"}, {1.15, 1, "1.2", "1,2"},
            {-0.25, 1, "-0.3", "-0,3"}, {-0.04, 1, "0.0", "0,0"}, {2.5, 0, "3", "3"}, {84.8, 0, "85", "85"},
            {1234567, 0, "1,234,567", "1.234.567"}, {-1234.5, 1, "-1,234.5", "-1.234,5"}};
        for (const auto& row : rows) {
            QTest::addRow("en %s", row.english) << row.value << row.decimals << false << row.english;
            QTest::addRow("de %s", row.german) << row.value << row.decimals << true << row.german;
        }
    }

    void displayRules()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(bool, german);
        QFETCH(QString, text);
        const LocaleScope scope(german ? QLocale::German : QLocale::English, german ? QLocale::Germany : QLocale::UnitedStates);
        QCOMPARE(FixedText(value, decimals), text);
        QCOMPARE(FixedText(Currency::fromDouble(value), decimals), text);
        QCOMPARE(PlainDigits(-1600), QStringLiteral("-1600"));
    }

    // The executable's folder with one separator at the end, also for the root folder.
    void appPathEndsInOneSeparator()
    {
        QCOMPARE(frmMain::GetAppPath(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
        QCOMPARE(WithTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
    }
};

QTEST_MAIN(ValuesTest)
#include "test_values.moc"
