// Text files: one Windows-1252 byte per character ("?" for one the code page lacks), CR LF line
// ends, and writes skipped once one has failed.
#include <QTemporaryDir>
#include <QTest>

#include "app/textfile.h"

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void codePage()
    {
        const struct { const char *text, *bytes; } rows[] = {
            {"<B>a & b</B>", "<B>a & b</B>"}, {"Aérospatiale Ölwerk ß", "A\xe9rospatiale \xd6lwerk \xdf"},
            {"€ – “x” …", "\x80 \x96 \x93x\x94 \x85"}, {"Ω→日", "???"}, {"a😀b", "a?b"}, {"a\x1a" "b", "a\x1a" "b"}};
        for (const auto& row : rows) QVERIFY2(EightBitText(QString::fromUtf8(row.text)) == row.bytes, row.text);
        QCOMPARE(EightBitText(QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b")), QByteArray("a?b"));
    }

    // Create empties an older file; Write continues the line; ReadCodePageFile takes at most the
    // size it is given.
    void writeAndReadBack()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("out.txt");
        LineFileWriter file;
        QVERIFY(file.Create(path) && file.WriteLine("an older and much longer content"));
        QVERIFY(file.Create(path) && file.WriteLines({"Aéro", ""}) && file.Write("€ ") && file.Write("Ω") && file.WriteLine());
        file.Close();
        QCOMPARE(ReadCodePageFile(path, 13), std::optional<QString>("Aéro\r\n\r\n€ ?\r\n"));
        QVERIFY(!ReadCodePageFile(path, 12) && !ReadCodePageFile(folder.filePath("none"), 100));
        QVERIFY(!file.Create(folder.filePath("missing/out.txt")) && !file.WriteLine("nothing") && !file.ok());
        QVERIFY(file.Create("/dev/full") && !file.WriteLines({"a"}) && !file.ok());
    }
};

QTEST_MAIN(TextFileTest)
#include "test_textfile.moc"
