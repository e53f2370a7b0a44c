// The time of export as the platform writes a date and time by default.
#include <QTest>

#include "export/datetimetext.h"
#include "support/testsupport.h"

class DateTimeTextTest : public QObject {
    Q_OBJECT
private slots:
    void text_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("territory");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("text");
        const int english = QLocale::English, us = QLocale::UnitedStates;
        const int german = QLocale::German, germany = QLocale::Germany;
        const QDate day(2026, 12, 5);
        QTest::newRow("US evening") << english << us << QDateTime(day, QTime(21, 3, 7)) << "12/5/2026 9:03:07 PM";
        QTest::newRow("US morning") << english << us << QDateTime(day, QTime(9, 30, 0)) << "12/5/2026 9:30:00 AM";
        QTest::newRow("US midnight") << english << us << QDateTime(QDate(2027, 1, 31), QTime(0, 0, 5)) << "1/31/2027 12:00:05 AM";
        QTest::newRow("US noon") << english << us << QDateTime(day, QTime(12, 59, 59)) << "12/5/2026 12:59:59 PM";
        QTest::newRow("German evening") << german << germany << QDateTime(day, QTime(21, 3, 7)) << "05.12.2026 21:03:07";
        QTest::newRow("German morning") << german << germany << QDateTime(QDate(2027, 1, 2), QTime(7, 4, 9)) << "02.01.2027 07:04:09";
    }

    void text()
    {
        QFETCH(int, language);
        QFETCH(int, territory);
        QFETCH(QDateTime, moment);
        QFETCH(QString, text);
        LocaleScope scope{QLocale::Language(language), QLocale::Territory(territory)};
        QCOMPARE(DateTimeText(moment), text);
    }
};

QTEST_MAIN(DateTimeTextTest)
#include "test_datetimetext.moc"
