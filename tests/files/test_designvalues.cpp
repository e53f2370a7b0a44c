// The forms of a design file's values and the splitting of a file into values.
#include <QTest>

#include "files/designrecord.h"
#include "files/valueforms.h"
#include "files/valuetokens.h"

namespace {

Currency Units(qint64 units)
{
    return Currency::fromUnits(units);
}

}  // namespace

class DesignValuesTest : public QObject {
    Q_OBJECT
private slots:
    void currencyText_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("text");
        const struct {
            qint64 units;
            const char* text;
        } rows[] = {
            {0, "0"},
            {5000, ".5"},
            {-5000, "-.5"},
            {10000, "1"},
            {125000, "12.5"},
            {1000000000, "100000"},
            {135375000, "13537.5"},
            {1, ".0001"},
            {-12345, "-1.2345"},
            {120000, "12"},
            {std::numeric_limits<qint64>::max(), "922337203685477.5807"},
            {std::numeric_limits<qint64>::min(), "-922337203685477.5808"},
        };
        for (const auto& row : rows) QTest::newRow(row.text) << row.units << QString::fromLatin1(row.text);
    }

    void currencyText()
    {
        QFETCH(qint64, units);
        QFETCH(QString, text);
        QCOMPARE(CurrencyFileText(Units(units)), text);
        QCOMPARE(ParseFileCurrency(text), std::optional(Units(units)));
    }

    void currencyParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("units");
        const struct {
            const char* text;
            bool valid;
            qint64 units;
        } rows[] = {
            {".5", true, 5000},
            {"0.5", true, 5000},
            {"00.50", true, 5000},
            {"+.5", true, 5000},
            {"5.", true, 50000},
            {"-0", true, 0},
            {"1.00005", true, 10000},    // a half to even: down
            {"1.00015", true, 10002},    // a half to even: up
            {"1.000051", true, 10001},   // more than a half
            {"-1.00015", true, -10002},
            {"922337203685477.5808", false, 0},
            {"922337203685477.58075", false, 0},
            {"-922337203685477.5808", true, std::numeric_limits<qint64>::min()},
            {"99999999999999999999", false, 0},
            {"", false, 0},
            {".", false, 0},
            {"-", false, 0},
            {"1,5", false, 0},
            {"1.5.0", false, 0},
            {"1e3", false, 0},
            {" 1", false, 0},
            {"--1", false, 0},
            {"\xd9\xa3", false, 0},  // a digit of another script
        };
        for (const auto& row : rows)
            QTest::newRow(row.text) << QString::fromUtf8(row.text) << row.valid << row.units;
    }

    void currencyParse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, units);
        const std::optional<Currency> parsed = ParseFileCurrency(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid) QCOMPARE(parsed->units(), units);
    }

    void integerParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        const struct {
            const char* text;
            bool valid;
            int value;
        } rows[] = {
            {"0", true, 0},      {"20", true, 20},        {"-3", true, -3},       {"+7", true, 7},
            {"007", true, 7},    {"32767", true, 32767},  {"-32768", true, -32768}, {"32768", false, 0},
            {"-32769", false, 0}, {"99999999999999999999", false, 0}, {"", false, 0}, {"-", false, 0},
            {"1.5", true, 2},    {"2.5", true, 2},       {"-.5", true, 0},      {"60.51", true, 61},
            {"32767.4", true, 32767}, {"32767.5", false, 0}, {"1.0", true, 1},       {"12a", false, 0},     {"1 2", false, 0},
        };
        for (const auto& row : rows) QTest::newRow(row.text) << QString::fromLatin1(row.text) << row.valid << row.value;
    }

    void integerParse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const std::optional<Int16> parsed = ParseFileInteger(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid) QCOMPARE(int(*parsed), value);
    }

    void integerText()
    {
        QCOMPARE(IntegerFileText(20), QStringLiteral("20"));
        QCOMPARE(IntegerFileText(-32768), QStringLiteral("-32768"));
    }

    void quotedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "Patrol Car 3" << "\"Patrol Car 3\"";
        QTest::newRow("empty") << "" << "\"\"";
        QTest::newRow("comma") << "a, b" << "\"a, b\"";
        QTest::newRow("line breaks") << "one\ntwo\r\nthree\rfour" << "\"one\r\ntwo\r\nthree\r\nfour\"";
        QTest::newRow("quotes") << "Say \"Hi\" (\"x\")" << QString::fromUtf8("\"Say \u201CHi\u201D (\u201Cx\u201D)\"");
        QTest::newRow("a quote alone") << "\"" << QString::fromUtf8("\"\u201C\"");
    }

    void quotedText()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QCOMPARE(QuotedFileText(text), written);
    }

    void textFromFile()
    {
        QCOMPARE(TextFromFile(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"));
        QCOMPARE(TextFromFile(QStringLiteral("\r\n\r\n")), QStringLiteral("\n\n"));
    }

    void tokens_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("one per line") << "1\r\n2\r\n" << QStringList{"1", "2"};
        QTest::newRow("line feeds alone") << "1\n2\n3" << QStringList{"1", "2", "3"};
        QTest::newRow("carriage returns alone") << "1\r2" << QStringList{"1", "2"};
        QTest::newRow("record") << "\"Energy\",\"Large Laser\",8,5,\"Turret\",100000,0\r\n"
                                << QStringList{"Energy", "Large Laser", "8", "5", "Turret", "100000", "0"};
        QTest::newRow("empty record") << "\"\",\"\",0,0,\"\",0,0\r\n" << QStringList{"", "", "0", "0", "", "0", "0"};
        QTest::newRow("blanks skipped") << "  \t 12  ,\t\"a b\" \r\n" << QStringList{"12", "a b"};
        QTest::newRow("text over lines") << "\"one\r\ntwo, three\r\n\"\r\n4" << QStringList{"one\r\ntwo, three\r\n", "4"};
        QTest::newRow("unquoted text") << "Patrol Car 3\r\nx" << QStringList{"Patrol Car 3", "x"};
        QTest::newRow("after the closing quote") << "\"ab\"cd,5" << QStringList{"ab", "5"};
        QTest::newRow("quote inside unquoted") << "ab\"c,5" << QStringList{"ab\"c", "5"};
        QTest::newRow("empty values") << ",,\r\n\r\n" << QStringList{"", "", "", ""};
        QTest::newRow("no line end at the end") << "7" << QStringList{"7"};
        QTest::newRow("unclosed quote") << "1,\"abc\r\n2" << QStringList{"1"};
        QTest::newRow("blanks at the end") << "1\r\n   " << QStringList{"1"};
        QTest::newRow("nothing") << "" << QStringList{};
    }

    void tokens()
    {
        QFETCH(QString, input);
        QFETCH(QStringList, values);
        FileValues file(input);
        QStringList read;
        while (std::optional<QString> value = file.Next()) read << *value;
        QCOMPARE(read, values);
    }

    void record()
    {
        PayloadItem item;
        item.Class = QStringLiteral("Electronics");
        item.Name = QStringLiteral("Artemis IV - LRM");
        item.Heat = 0;
        item.Tons = 1;
        item.Location = QStringLiteral("Front");
        item.Cost = 100000;
        item.Reserved = 0;
        const QString line = PayloadRecordText(item);
        QCOMPARE(line, QStringLiteral("\"Electronics\",\"Artemis IV - LRM\",0,1,\"Front\",100000,0"));
        FileValues values(line + QStringLiteral("\r\n"));
        QCOMPARE(ReadPayloadRecord(values), std::optional(item));
        QCOMPARE(PayloadRecordText(PayloadItem()), QStringLiteral("\"\",\"\",0,0,\"\",0,0"));
    }

    void brokenRecord_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("heat not a number") << "\"A\",\"B\",x,1,\"Front\",1,0";
        QTest::newRow("tons with a comma") << "\"A\",\"B\",0,1,5,\"Front\",1,0";
        QTest::newRow("heat past 16 bits") << "\"A\",\"B\",40000,1,\"Front\",1,0";
        QTest::newRow("reserved missing") << "\"A\",\"B\",0,1,\"Front\",1";
        QTest::newRow("cut in a text") << "\"A\",\"B";
    }

    void brokenRecord()
    {
        QFETCH(QString, line);
        FileValues values(line);
        QCOMPARE(ReadPayloadRecord(values), std::nullopt);
    }
};

QTEST_MAIN(DesignValuesTest)
#include "test_designvalues.moc"
