// Whole readout pages written to a file and compared byte for byte with pages written by hand.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/textfile.h"
#include "export/readoutfixtures.h"
#include "support/testsupport.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The first line where two pages part, for a readable failure.
QString FirstDifference(const QByteArray& got, const QByteArray& expected)
{
    const QList<QByteArray> a = got.split('\n');
    const QList<QByteArray> b = expected.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QByteArray x = i < a.size() ? a[i] : QByteArray("<none>");
        const QByteArray y = i < b.size() ? b[i] : QByteArray("<none>");
        if (x != y) return QStringLiteral("line %1: got [%2] expected [%3]").arg(i + 1).arg(QString::fromLatin1(x), QString::fromLatin1(y));
    }
    return QStringLiteral("same lines");
}

}  // namespace

class ReadoutPagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Every design in both styles.
    void pages_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("golden");
        for (int design = 0; design < int(std::size(GoldenDesigns)); ++design) {
            for (const ReadoutStyle style : {ReadoutStyle::Plain, ReadoutStyle::Site}) {
                const QString file = QStringLiteral("%1_%2.html")
                                         .arg(QLatin1String(GoldenDesigns[design].key),
                                              style == ReadoutStyle::Site ? QStringLiteral("site") : QStringLiteral("plain"));
                QTest::newRow(qPrintable(file)) << design << int(style) << file;
            }
        }
    }

    void pages()
    {
        QFETCH(int, design);
        QFETCH(int, style);
        QFETCH(QString, golden);
        const QString goldenPath = QFINDTESTDATA(QStringLiteral("golden/") + golden);
        QVERIFY2(!goldenPath.isEmpty(), qPrintable(golden));
        const QByteArray expected = ReadAll(goldenPath);
        QVERIFY(!expected.isEmpty());

        QTemporaryDir folder;
        const QString path = folder.filePath(golden);
        LineFileWriter file;
        QVERIFY(file.Create(path));
        QVERIFY(file.WriteLines(ReadoutLines(GoldenDesigns[design].make(), ReadoutStyle(style), GoldenMoment)));
        file.Close();

        const QByteArray got = ReadAll(path);
        QVERIFY2(got == expected, qPrintable(FirstDifference(got, expected)));
    }
};

QTEST_MAIN(ReadoutPagesTest)
#include "test_readoutpages.moc"
