// Text files: one Windows-1252 byte per character ("?" for one the code page lacks), CR LF line
// ends, and writes skipped once one has failed.
#include "support/testsupport.h"

#include "app/textfile.h"

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void codePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ASCII") << "<B>a & b</B>" << QByteArray("<B>a & b</B>");
        QTest::newRow("Latin-1") << "Aérospatiale Ölwerk ß" << QByteArray("A\xe9rospatiale \xd6lwerk \xdf");
        QTest::newRow("Windows-1252 only") << "€ – “x” …" << QByteArray("\x80 \x96 \x93x\x94 \x85");
        QTest::newRow("outside the code page") << "Ω→日" << QByteArray("???");
        QTest::newRow("beyond 16 bits") << "a😀b" << QByteArray("a?b");
        QTest::newRow("a control character") << "a\x1a" "b" << QByteArray("a\x1a" "b");
        QTest::newRow("a lone surrogate") << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b") << QByteArray("a?b");
    }

    void codePage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EightBitText(text), bytes);
    }

    // Create empties an older file; Write continues the line; ReadCodePageFile takes at most the
    // size it is given.
    void writeAndReadBack()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("out.txt");
        LineFileWriter file;
        QVERIFY(file.Create(path));
        QVERIFY(file.WriteLine("an older and much longer content"));
        QVERIFY(file.Create(path));
        QVERIFY(file.WriteLines({"Aéro", ""}));
        QVERIFY(file.Write("€ "));
        QVERIFY(file.Write("Ω"));
        QVERIFY(file.WriteLine());
        file.Close();
        QCOMPARE(ReadCodePageFile(path, 13), std::optional<QString>("Aéro\r\n\r\n€ ?\r\n"));
        QCOMPARE(ReadCodePageFile(path, 12), std::nullopt);
        QCOMPARE(ReadCodePageFile(folder.filePath("none"), 100), std::nullopt);
    }

    // Writes after a failure write nothing and report it.
    void failures()
    {
        QTemporaryDir folder;
        LineFileWriter file;
        QVERIFY(!file.Create(folder.filePath("missing/out.txt")));
        QVERIFY(!file.WriteLine("nothing"));
        QVERIFY(!file.ok());
        QVERIFY(file.Create("/dev/full"));
        QVERIFY(!file.WriteLines({"a"}));
        QVERIFY(!file.ok());
    }
};

QTEST_MAIN(TextFileTest)
#include "test_textfile.moc"
