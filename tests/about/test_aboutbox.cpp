// Help > About: the box opens modally with its texts and picture, closes with OK, and opens
// afresh the next time.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "about/frmAbout.h"
#include "support/testsupport.h"

namespace {
struct Seen {
    QPointer<frmAbout> box;
    QString caption, title, version, description, ok, sysInfo;
    QSize picture;
    bool pictureHasAlpha = true;
    bool modal = false;
    bool mainBlocked = false;
};

// Opens the box from the menu; while it is up, notes what it shows and presses OK.
Seen OpenAndClose(frmMain& window)
{
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.box = box;
        seen.modal = box->isModal();
        seen.mainBlocked = QApplication::activeModalWidget() != &window;
        seen.caption = box->windowTitle();
        seen.title = box->findChild<QLabel*>(QStringLiteral("lblTitle"))->text();
        seen.version = box->findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
        seen.description = box->findChild<QLabel*>(QStringLiteral("lblDescription"))->text();
        const QImage picture = box->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().toImage();
        seen.picture = picture.size();
        seen.pictureHasAlpha = picture.hasAlphaChannel();
        seen.ok = box->findChild<QPushButton*>(QStringLiteral("cmdOK"))->text();
        seen.sysInfo = box->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text();
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    window.mnuHelpAbout->trigger();
    return seen;
}
}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void opensClosesAndOpensAgain()
    {
        frmMain window;
        window.show();
        for (int opening = 1; opening <= 2; ++opening) {
            const Seen seen = OpenAndClose(window);
            QVERIFY2(seen.modal, "the box was not shown modally");
            QVERIFY(seen.mainBlocked);
            QCOMPARE(seen.caption, QStringLiteral("About Tarnwell"));
            QCOMPARE(seen.title, QStringLiteral("Tarnwell"));
            QCOMPARE(seen.version, QStringLiteral("Version 1.1.0"));
            QCOMPARE(seen.version.count(QLatin1Char('.')), 2);
            QCOMPARE(seen.ok, QStringLiteral("OK"));
            QCOMPARE(seen.sysInfo, QStringLiteral("&System Info..."));
            QCOMPARE(seen.picture, QSize(213, 251));
            QVERIFY(!seen.pictureHasAlpha);

            const QStringList lines = seen.description.split(QStringLiteral("\r\n"));
            QCOMPARE(lines.size(), 11);
            for (int blank : {2, 5, 8}) QVERIFY2(lines[blank].isEmpty(), qPrintable(lines[blank]));
            for (int filled : {0, 1, 3, 4, 6, 7, 9, 10}) QVERIFY(!lines[filled].isEmpty());
            QVERIFY(!seen.description.endsWith(QLatin1Char('\n')));
            QVERIFY(lines[4].contains(QStringLiteral("2026")));
            QVERIFY(lines[7].contains(QStringLiteral("2026")));

            // Closed means gone: the next opening builds and loads a new box.
            QVERIFY(seen.box.isNull());
            QVERIFY(window.findChildren<frmAbout*>().isEmpty());
        }
    }

    // The box has a fixed size: every line of every label must show whole in the font it has.
    void textsFitTheirLabels()
    {
        frmAbout box;
        for (QLabel* label : {box.lblTitle, box.lblVersion, box.lblDescription}) {
            const QFontMetrics metrics(label->font());
            const QStringList lines = label->text().split(QStringLiteral("\r\n"));
            for (const QString& line : lines)
                QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
            QVERIFY2(metrics.lineSpacing() * lines.size() <= label->height(), qPrintable(label->objectName()));
        }
    }

    void loadingRefillsTheTexts()
    {
        frmAbout box;
        box.lblTitle->clear();
        box.lblVersion->clear();
        box.lblDescription->clear();
        box.setWindowTitle(QString());
        box.Form_Load();
        QCOMPARE(box.windowTitle(), QStringLiteral("About Tarnwell"));
        QCOMPARE(box.lblTitle->text(), QStringLiteral("Tarnwell"));
        QCOMPARE(box.lblVersion->text(), QStringLiteral("Version 1.1.0"));
        QCOMPARE(box.lblDescription->text().count(QStringLiteral("\r\n")), 10);
    }

    void fixedLayout()
    {
        frmAbout box;
        QCOMPARE(box.size(), QSize(469, 265));
        QCOMPARE(box.Image1->geometry(), QRect(8, 8, 213, 251));
        QCOMPARE(box.cmdOK->geometry(), QRect(232, 232, 84, 23));
        QCOMPARE(box.cmdSysInfo->geometry(), QRect(344, 232, 83, 23));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "test_aboutbox.moc"
