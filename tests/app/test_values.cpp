// The value types and number texts every figure goes through, and the program folder.
#include <QTest>
#include <stdexcept>

#include "app/int16.h"
#include "app/numbertext.h"
#include "support/testsupport.h"

class ValuesTest : public QObject {
    Q_OBJECT
private slots:
    // To ten-thousandths and to whole numbers halves go to the even neighbour; sums are exact;
    // overflow is an error.
    void currencyAndInt16()
    {
        const struct { double value; qint64 units; } fromDouble[] = {
            {12.5, 125000}, {20166.666666666668, 201666667}, {0.1 * 7, 7000}, {0.00005, 0}, {0.00025, 2},
            {0.00035, 4}, {-0.00025, -2}, {2.00015, 20002}};
        for (const auto& row : fromDouble)
            QVERIFY2(Currency::fromDouble(row.value).units() == row.units, qPrintable(QString::number(row.value)));
        const struct { qint64 units; int whole; } toInt16[] = {
            {5000, 0}, {15000, 2}, {25000, 2}, {25001, 3}, {-5000, 0}, {-15000, -2}, {-14000, -1}, {327670000, 32767}};
        for (const auto& row : toInt16)
            QVERIFY2(Currency::fromUnits(row.units).toInt16() == row.whole, qPrintable(QString::number(row.units)));
        QCOMPARE(Currency::fromDouble(0.1) + Currency::fromDouble(0.2), Currency::fromDouble(0.3));
        QCOMPARE(Currency(5) - Currency::fromDouble(5.5), Currency::fromUnits(-5000));
        const Currency largest = Currency::fromUnits(std::numeric_limits<std::int64_t>::max());
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, largest + Currency::fromUnits(1));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, largest * 2);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Currency::fromDouble(1e300));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Currency(40000).toInt16());
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Int16(32767) + 1);
    }

    // Decimals in the regional format, halves away from zero; plain digits without grouping.
    void displayRulesInEnglishAndGerman()
    {
        const struct { double value; int decimals; const char *english, *german; } rows[] = {
            {0, 1, "0.0", "0,0"}, {12, 1, "12.0", "12,0"}, {0.05, 1, "0.1", "0,1"}, {1.15, 1, "1.2", "1,2"},
            {-0.25, 1, "-0.3", "-0,3"}, {-0.04, 1, "0.0", "0,0"}, {2.5, 0, "3", "3"}, {84.8, 0, "85", "85"},
            {1234567, 0, "1,234,567", "1.234.567"}, {-1234.5, 1, "-1,234.5", "-1.234,5"}};
        for (const bool german : {false, true}) {
            const LocaleScope scope(german ? QLocale::German : QLocale::English,
                                    german ? QLocale::Germany : QLocale::UnitedStates);
            for (const auto& row : rows)
                for (const QString& text : {FixedText(row.value, row.decimals), FixedText(Currency::fromDouble(row.value), row.decimals)})
                    QVERIFY2(text == (german ? row.german : row.english), row.english);
            QCOMPARE(PlainDigits(-1600), QStringLiteral("-1600"));
        }
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
