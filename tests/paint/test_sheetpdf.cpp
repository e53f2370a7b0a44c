// Record sheet PDFs as a reader sees them: pdftotext and pdfinfo read back the text, the title
// and the paper of pages written by the program's own PDF pages, or by the toolkit's writer
// when a text needs a character that the sheet's fonts lack.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "paint/pdfsyntax.h"
#include "paint/sheetfile.h"

namespace {

struct Output {
    QString out, err;
};

Output Run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000)) return {{}, tool + QStringLiteral(" did not finish")};
    return {QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

SheetModel Page(SheetPaper paper, const QList<SheetText>& texts)
{
    SheetModel model;
    model.paper = paper;
    model.page = paper == SheetPaper::A4 ? QSizeF(210, 297) : QSizeF(215.9, 279.4);
    model.title = QStringLiteral("Müller Tank");
    model.frames << SheetFrame{QRectF(10, 10, 120, 40), QStringLiteral("Vehicle Data")};
    model.texts = texts;
    model.boxes << SheetBoxes{{QRectF(20, 60, 3, 3), QRectF(25, 60, 3, 3)}, BoxShape::Circle};
    return model;
}

SheetText Text(const QString& text, double points, double top = 20)
{
    return {QRectF(12, top, 150, 8), text, points, false, Qt::AlignLeft | Qt::AlignVCenter};
}

}  // namespace

class TestSheetPdf : public QObject {
    Q_OBJECT

private slots:
    void numbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("trailing zero left out") << 0.5 << 2 << QByteArray("0.5");
        QTest::newRow("leading zero of the fraction kept") << 3.05 << 2 << QByteArray("3.05");
        QTest::newRow("rounded at the last decimal") << 0.1254 << 2 << QByteArray("0.13");
        QTest::newRow("one decimal") << 1048.8189 << 1 << QByteArray("1048.8");
        QTest::newRow("rounds up into the whole") << 9.96 << 1 << QByteArray("10");
        QTest::newRow("negative") << -54.72 << 1 << QByteArray("-54.7");
        QTest::newRow("too small to be negative") << -0.004 << 2 << QByteArray("0");
    }
    void numbers()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QByteArray, text);
        QCOMPARE(PdfNumber(value, decimals), text);
    }

    // What is drawn is read back as it was written, in the order drawn, and the file has no
    // fault a reader complains of.
    void readBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ownWriter");
        QTest::newRow("the sheet's own fonts") << QStringLiteral("Cost: 3,105,660 C-bills – Größe ½") << true;
        QTest::newRow("a character only other fonts have") << QStringLiteral("Танк Cost: 12") << false;
    }
    void readBack()
    {
        QFETCH(QString, text);
        QFETCH(bool, ownWriter);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        QVERIFY(WriteSheetPdf(Page(SheetPaper::A4, {Text(text, 9)}), path));
        const Output read = Run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QCOMPARE(read.err, QString());
        QVERIFY2(read.out.contains(QStringLiteral("Vehicle Data")), qPrintable(read.out));
        QVERIFY2(read.out.contains(text), qPrintable(read.out));
        const Output info = Run(QStringLiteral("pdfinfo"), {path});
        QCOMPARE(info.err, QString());
        QVERIFY2(info.out.contains(QStringLiteral("Title:           Müller Tank")), qPrintable(info.out));
        QVERIFY2(info.out.contains(QStringLiteral("(A4)")), qPrintable(info.out));
        QCOMPARE(info.out.contains(QStringLiteral("Producer:        Tarnwell\n")), ownWriter);
    }

    // The same word in two sizes keeps both: the shapes kept between texts know the size.
    void sizes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sizes.pdf"));
        QVERIFY(WriteSheetPdf(Page(SheetPaper::Letter, {Text(QStringLiteral("Front"), 8), Text(QStringLiteral("Front"), 14, 40)}), path));
        const QString boxes = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}).out;
        QList<int> heights;
        static const QRegularExpression word(QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">Front<"));
        for (const QRegularExpressionMatch& m : word.globalMatch(boxes))
            heights << qRound(m.captured(2).toDouble() - m.captured(1).toDouble());
        std::sort(heights.begin(), heights.end());
        QCOMPARE(heights.size(), 2);
        QVERIFY2(heights[1] > heights[0] * 3 / 2, qPrintable(boxes));
    }

    // Each page on its own paper, in order.
    void papers()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pages.pdf"));
        QVERIFY(WritePagesPdf({Page(SheetPaper::A4, {Text(QStringLiteral("One"), 9)}), Page(SheetPaper::Letter, {Text(QStringLiteral("Two"), 9)})},
                              path, QStringLiteral("Force")));
        const QString info = Run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("2"), path}).out;
        QVERIFY2(info.contains(QStringLiteral("Pages:           2")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page +1 size: +595 x 842 pts \\(A4\\)"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page +2 size: +612 x 792 pts \\(letter\\)"))), qPrintable(info));
        QCOMPARE(Run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"), path, QStringLiteral("-")}).out.trimmed().split(QLatin1Char('\n')).last(),
                 QStringLiteral("Two"));
    }

    // Nowhere to write it: false, and no file.
    void refused()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("no folder/sheet.pdf"));
        QVERIFY(!WriteSheetPdf(Page(SheetPaper::A4, {}), missing));
        QVERIFY(!QFile::exists(missing));
    }
};

QTEST_MAIN(TestSheetPdf)
#include "test_sheetpdf.moc"
