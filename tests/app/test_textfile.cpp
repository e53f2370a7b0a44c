// Text files: the 8-bit code page, CR LF line ends, and a write failure that keeps what came
// before it.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

#include "app/textfile.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Files larger than `bytes` cannot be written while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    rlimit previous_{};
};

}  // namespace

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void codePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ASCII") << QStringLiteral("<B>a & b</B>") << QByteArray("<B>a & b</B>");
        QTest::newRow("Latin letters") << QString::fromUtf8("Aérospatiale Ölwerk ß") << QByteArray("A\xe9rospatiale \xd6lwerk \xdf");
        QTest::newRow("the code page's own signs") << QString::fromUtf8("€ – “x” …") << QByteArray("\x80 \x96 \x93x\x94 \x85");
        QTest::newRow("missing characters become ?") << QString::fromUtf8("Ω→日") << QByteArray("???");
        QTest::newRow("one ? for a character outside 16 bits") << QString::fromUtf8("a😀b") << QByteArray("a?b");
        QTest::newRow("a broken surrogate") << (QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b")) << QByteArray("a?b");
        QTest::newRow("control code kept") << QStringLiteral("a\x1a" "b") << QByteArray("a\x1a" "b");
        QTest::newRow("empty") << QString() << QByteArray();
    }

    void codePage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EightBitText(text), bytes);
    }

    void linesAndPieces()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("out.txt"));
        LineFileWriter file;
        QVERIFY(file.Create(path));
        QVERIFY(file.WriteLine(QStringLiteral("first")));
        QVERIFY(file.Write(QStringLiteral("sec")));
        QVERIFY(file.Write(QStringLiteral("ond")));
        QVERIFY(file.WriteLine());
        QVERIFY(file.WriteLine());
        QVERIFY(file.WriteLines({QStringLiteral("a"), QStringLiteral("b")}));
        file.Close();
        QCOMPARE(ReadAll(path), QByteArray("first\r\nsecond\r\n\r\na\r\nb\r\n"));
    }

    void createEmptiesAnExistingFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("out.txt"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an older and much longer content\r\n");
        }
        LineFileWriter file;
        QVERIFY(file.Create(path));
        QVERIFY(file.WriteLine(QStringLiteral("new")));
        file.Close();
        QCOMPARE(ReadAll(path), QByteArray("new\r\n"));
    }

    void createFailsWithoutItsFolder()
    {
        QTemporaryDir folder;
        LineFileWriter file;
        QVERIFY(!file.Create(folder.filePath(QStringLiteral("missing/out.txt"))));
        QVERIFY(!file.ok());
        QVERIFY(!file.WriteLine(QStringLiteral("nothing")));
    }

    // The lines before the failing one stay in the file; nothing is written after it.
    void stopsAtTheFirstFailure()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("out.txt"));
        LineFileWriter file;
        QVERIFY(file.Create(path));
        {
            FileSizeLimit limit(12);
            QVERIFY(file.WriteLine(QStringLiteral("one")));
            QVERIFY(file.WriteLine(QStringLiteral("two")));
            QVERIFY(!file.WriteLine(QStringLiteral("three")));
            QVERIFY(!file.ok());
        }
        QVERIFY(!file.WriteLine(QStringLiteral("four")));
        QVERIFY(!file.WriteLines({QStringLiteral("five")}));
        file.Close();
        const QByteArray written = ReadAll(path);
        QVERIFY(written.startsWith("one\r\ntwo\r\n"));
        QVERIFY(QByteArray("one\r\ntwo\r\nthree\r\n").startsWith(written));
    }

    void failingDevice()
    {
        LineFileWriter file;
        QVERIFY(file.Create(QStringLiteral("/dev/full")));
        QVERIFY(!file.WriteLines({QStringLiteral("a"), QStringLiteral("b")}));
        QVERIFY(!file.ok());
    }

    void readBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("largest");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("text");
        QTest::newRow("8-bit text") << QByteArray("\"A\xe9ro\" \x80\r\n") << qint64(100) << true << QString::fromUtf8("\"Aéro\" €\r\n");
        QTest::newRow("empty file") << QByteArray() << qint64(100) << true << QString();
        QTest::newRow("exactly the largest size") << QByteArray("12345") << qint64(5) << true << QStringLiteral("12345");
        QTest::newRow("too large") << QByteArray("123456") << qint64(5) << false << QString();
    }

    void readBack()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, largest);
        QFETCH(bool, read);
        QFETCH(QString, text);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("in.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const std::optional<QString> content = ReadCodePageFile(path, largest);
        QCOMPARE(content.has_value(), read);
        if (read) QCOMPARE(*content, text);
    }

    void readMissingFile()
    {
        QTemporaryDir folder;
        QVERIFY(!ReadCodePageFile(folder.filePath(QStringLiteral("none.txt")), 100).has_value());
    }
};

QTEST_MAIN(TextFileTest)
#include "test_textfile.moc"
