// The value types and number texts every figure goes through.
#include <QTest>
#include <stdexcept>

#include "app/currency.h"
#include "app/frmMain.h"
#include "app/int16.h"
#include "app/numbertext.h"

Q_DECLARE_METATYPE(Currency)

class ValuesTest : public QObject {
    Q_OBJECT
private slots:
    void fromDoubleRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("units");
        QTest::newRow("exact") << 12.5 << qint64(125000);
        QTest::newRow("third") << 20166.666666666668 << qint64(201666667);
        QTest::newRow("negative") << -0.25 << qint64(-2500);
        QTest::newRow("binary noise") << 0.1 * 7 << qint64(7000);
        // Exact halves of a ten-thousandth go to the even neighbour.
        QTest::newRow("half to zero") << 0.00005 << qint64(0);
        QTest::newRow("half down to 2") << 0.00025 << qint64(2);
        QTest::newRow("half up to 4") << 0.00035 << qint64(4);
        QTest::newRow("negative half") << -0.00025 << qint64(-2);
        QTest::newRow("half above two tons") << 2.00015 << qint64(20002);
    }
    void fromDoubleRoundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(qint64, units);
        QCOMPARE(qint64(Currency::fromDouble(value).units()), units);
    }

    void roundHalfEvenOnHalves()
    {
        const double halves[][2] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
                                    {2.4999, 2}, {2.5001, 3}};
        for (const auto& [value, rounded] : halves) QCOMPARE(roundHalfEven(value), rounded);
    }

    void toInt16RoundsHalvesToEven_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<int>("whole");
        QTest::newRow("0.5") << qint64(5000) << 0;
        QTest::newRow("1.5") << qint64(15000) << 2;
        QTest::newRow("2.5") << qint64(25000) << 2;
        QTest::newRow("2.5001") << qint64(25001) << 3;
        QTest::newRow("-0.5") << qint64(-5000) << 0;
        QTest::newRow("-1.5") << qint64(-15000) << -2;
        QTest::newRow("-1.4") << qint64(-14000) << -1;
        QTest::newRow("32767") << qint64(327670000) << 32767;
    }
    void toInt16RoundsHalvesToEven()
    {
        QFETCH(qint64, units);
        QFETCH(int, whole);
        QCOMPARE(int(Currency::fromUnits(units).toInt16()), whole);
    }

    void sumsAreExact()
    {
        Currency sum;
        for (int i = 0; i < 1000; ++i) sum += Currency::fromUnits(1);  // a thousand ten-thousandths
        QCOMPARE(sum, Currency::fromUnits(1000));
        QCOMPARE(Currency::fromDouble(0.1) + Currency::fromDouble(0.2), Currency::fromDouble(0.3));
        QCOMPARE(Currency(5) - Currency::fromDouble(5.5), Currency::fromDouble(-0.5));
    }

    void overflowIsAnError()
    {
        const Currency largest = Currency::fromUnits(std::numeric_limits<std::int64_t>::max());
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, largest + Currency::fromUnits(1));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, -largest - Currency(1));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, largest * 2);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Currency::fromDouble(1e300));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Currency(40000).toInt16());
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Int16(32767) + 1);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Int16(-32768) - 1);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Int16(200) * Int16(200));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, Int16(70000));
        QCOMPARE(int(Int16(32000) + 767), 32767);
    }

    void fixedText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        const struct {
            const char* name;
            double value;
            int decimals;
            const char* english;
            const char* german;
        } rows[] = {
            {"zero", 0, 1, "0.0", "0,0"},
            {"half", 0.5, 1, "0.5", "0,5"},
            {"whole with a decimal", 12, 1, "12.0", "12,0"},
            {"half away from zero", 0.05, 1, "0.1", "0,1"},
            {"binary 1.15", 1.15, 1, "1.2", "1,2"},
            {"negative half", -0.25, 1, "-0.3", "-0,3"},
            {"negative to zero", -0.04, 1, "0.0", "0,0"},
            {"grouping", 1234567, 0, "1,234,567", "1.234.567"},
            {"grouping with decimals", 1234.5, 1, "1,234.5", "1.234,5"},
            {"round up whole", 84.8, 0, "85", "85"},
            {"half whole", 2.5, 0, "3", "3"},
            {"negative", -1.5, 1, "-1.5", "-1,5"},
        };
        for (const auto& row : rows) {
            QTest::addRow("en %s", row.name) << "en_US" << row.value << row.decimals << row.english;
            QTest::addRow("de %s", row.name) << "de_DE" << row.value << row.decimals << row.german;
        }
    }
    void fixedText()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(FixedText(value, decimals), text);
        QCOMPARE(FixedText(Currency::fromDouble(value), decimals), text);
        QLocale::setDefault(QLocale::c());
    }

    void regionalNumbersReadBack_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        for (const char* locale : {"en_US", "de_DE"})
            for (double value : {0.0, 0.7, 1.3, 12.5, 1234.5, -0.5})
                QTest::addRow("%s %g", locale, value) << locale << value;
    }
    void regionalNumbersReadBack()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(ReadRegionalNumber(FixedText(value, 1)).value_or(-999), value);
        QVERIFY(!ReadRegionalNumber(QStringLiteral("N/A")).has_value());
        QLocale::setDefault(QLocale::c());
    }

    void plainDigitsHaveNoGrouping()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(PlainDigits(1600), QStringLiteral("1600"));
        QCOMPARE(PlainDigits(-19), QStringLiteral("-19"));
    }

    void appPathEndsInOneSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("folder") << "/opt/tarnwell" << "/opt/tarnwell/";
        QTest::newRow("root") << "/" << "/";
        QTest::newRow("already ends") << "/opt/tarnwell/" << "/opt/tarnwell/";
    }
    void appPathEndsInOneSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(WithTrailingSeparator(folder), path);
        QVERIFY(frmMain::GetAppPath().endsWith(QLatin1Char('/')));
    }
};

QTEST_MAIN(ValuesTest)
#include "test_values.moc"
