// The value types and number texts every figure goes through, the text files every page and
// design goes into (one Windows-1252 byte per character, "?" for one the code page lacks).
#include "support/designdriver.h"

#include "core/values/int16.h"
#include "core/values/numbertext.h"
#include "core/values/textfile.h"

namespace {

const struct { const char* name; double value; qint64 units; } FromDouble[] = {
    {"a third of 60500", 20166.666666666668, 201666667}, {"0.1 * 7", 0.1 * 7, 7000}, {"half a unit to 0", 0.00005, 0},
    {"3.5 units to 4", 0.00035, 4}, {"-2.5 units to -2", -0.00025, -2}, {"2.00015", 2.00015, 20002}};

const struct { const char* name; qint64 units; int whole; } ToInt16[] = {
    {"1.5 to 2", 15000, 2}, {"2.5 to 2", 25000, 2}, {"2.5001 to 3", 25001, 3}, {"-1.5 to -2", -15000, -2},
    {"-1.4 to -1", -14000, -1}, {"32767", 327670000, 32767}};

const struct { const char* name; bool german; double value; int decimals; const char* text; } Shown[] = {
    {"en 12.0", false, 12, 1, "12.0"}, {"de 0,05 up", true, 0.05, 1, "0,1"}, {"en 1.15 up", false, 1.15, 1, "1.2"},
    {"de -0,25 away from zero", true, -0.25, 1, "-0,3"}, {"en -0.04 without sign", false, -0.04, 1, "0.0"},
    {"2.5 up", false, 2.5, 0, "3"}, {"en grouping and decimals", false, -1234.5, 1, "-1,234.5"},
    {"de grouping and decimals", true, -1234.5, 1, "-1.234,5"}};

const struct { const char* name; QString text; QByteArray bytes; } CodePage[] = {
    {"Latin-1", "Aérospatiale Ölwerk ß", "A\xe9rospatiale \xd6lwerk \xdf"},
    {"Windows-1252 only", "€ – “x” …", "\x80 \x96 \x93x\x94 \x85"},
    {"outside the code page", "Ω→日", "???"},
    {"beyond 16 bits", "a😀b", "a?b"},
    {"a control character", "a\x1a" "b", "a\x1a" "b"},
    {"a lone surrogate", QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b"), "a?b"},
};

}  // namespace

class ValuesTest : public QObject {
    Q_OBJECT
private slots:
    // To ten-thousandths and to whole numbers halves go to the even neighbour.
    void currencyFromDouble_data() { AddCases(FromDouble); }

    void currencyFromDouble()
    {
        const auto& c = CaseOf(FromDouble);
        QCOMPARE(Currency::fromDouble(c.value).units(), c.units);
    }

    void currencyToInt16_data() { AddCases(ToInt16); }

    void currencyToInt16()
    {
        const auto& c = CaseOf(ToInt16);
        QCOMPARE(int(Currency::fromUnits(c.units).toInt16()), c.whole);
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
    void displayRules_data() { AddCases(Shown); }

    void displayRules()
    {
        const auto& c = CaseOf(Shown);
        const LocaleScope scope(c.german);
        QCOMPARE(FixedText(c.value, c.decimals), QString::fromUtf8(c.text));
        QCOMPARE(FixedText(Currency::fromDouble(c.value), c.decimals), QString::fromUtf8(c.text));
        QCOMPARE(PlainDigits(-1600), QStringLiteral("-1600"));
    }

    void codePage_data() { AddCases(CodePage); }
    void codePage()
    {
        const auto& [name, text, bytes] = CaseOf(CodePage);
        QCOMPARE(EightBitText(text), bytes);
    }
};

QTEST_GUILESS_MAIN(ValuesTest)
#include "test_values.moc"
