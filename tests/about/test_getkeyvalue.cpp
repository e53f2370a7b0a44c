// Reading one registry value as text, through a made-up registry.
#include <QTest>

#include "about/getkeyvalue.h"
#include "about/fakesysinfo.h"

Q_DECLARE_METATYPE(FakeValue)

namespace {
const QString Key = QStringLiteral("SOFTWARE\\Tools");
const QString Name = QStringLiteral("PATH");

QByteArray Dword(quint32 number)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = char((number >> (8 * i)) & 0xFF);
    return bytes;
}
}  // namespace

class GetKeyValueTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void readsValue_data()
    {
        QTest::addColumn<FakeValue>("value");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        const QString none;
        QTest::newRow("string with its zero") << FakeValue{reg::String, QByteArray("C:\\Tools\\info.exe", 18)}
                                              << none << QStringLiteral("C:\\Tools\\info.exe");
        QTest::newRow("string without a zero") << FakeValue{reg::String, QByteArray("C:\\Tools")} << none
                                               << QStringLiteral("C:\\Tools");
        QTest::newRow("empty string, only its zero") << FakeValue{reg::String, QByteArray(1, '\0')}
                                                     << QStringLiteral("old") << QString();
        QTest::newRow("string replaces the text") << FakeValue{reg::String, QByteArray("new")}
                                                  << QStringLiteral("old") << QStringLiteral("new");
        QTest::newRow("longest string that fits") << FakeValue{reg::String, QByteArray(1024, 'x')} << none
                                                  << QString(1024, QLatin1Char('x'));
        // Number values: bytes last to first, each in hexadecimal without a leading zero.
        QTest::newRow("number, all bytes set") << FakeValue{reg::Dword, Dword(0x12345678)} << none
                                               << QStringLiteral("305419896");
        QTest::newRow("number, high byte zero is cut") << FakeValue{reg::Dword, Dword(5)} << none
                                                       << QStringLiteral("5");
        QTest::newRow("number, single-digit bytes") << FakeValue{reg::Dword, Dword(0x0A0B0C0D)} << none
                                                    << QString::number(0xABCD);
        QTest::newRow("number after earlier digits") << FakeValue{reg::Dword, Dword(0x11223344)}
                                                     << QStringLiteral("F") << QString::number(0xF11223344ULL);
        QTest::newRow("number after a word") << FakeValue{reg::Dword, Dword(0x11223344)}
                                             << QStringLiteral("x") << QStringLiteral("&hx11223344");
        QTest::newRow("other type keeps the text") << FakeValue{3, QByteArray("\x01\x02")}
                                                   << QStringLiteral("old") << QStringLiteral("old");
    }

    void readsValue()
    {
        QFETCH(FakeValue, value);
        QFETCH(QString, before);
        QFETCH(QString, text);
        FakeRegistry registry;
        registry.keys[Key][Name] = value;
        QString keyValue = before;
        QVERIFY(GetKeyValue(registry, reg::LocalMachine, Key, Name, keyValue));
        QCOMPARE(keyValue, text);
        QCOMPARE(registry.accessMasks, QList<std::uint32_t>{0x2003F});
        QCOMPARE(registry.buffersOffered, QList<QByteArray>{QByteArray(1024, '\0')});
        QCOMPARE(registry.sizesOffered, QList<std::uint32_t>{1024});
        QCOMPARE(registry.closed, 1);
    }

    void failsAndEmptiesText_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("queryFails");
        QTest::addColumn<int>("opened");
        QTest::newRow("no such key") << QStringLiteral("SOFTWARE\\Other") << Name << false << 0;
        QTest::newRow("no such value") << Key << QStringLiteral("FOLDER") << false << 1;
        QTest::newRow("query fails") << Key << Name << true << 1;
        QTest::newRow("value too long") << Key << QStringLiteral("LONG") << false << 1;
    }

    void failsAndEmptiesText()
    {
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(bool, queryFails);
        QFETCH(int, opened);
        FakeRegistry registry;
        registry.keys[Key][Name] = FakeValue{reg::String, QByteArray("C:\\Tools")};
        registry.keys[Key][QStringLiteral("LONG")] = FakeValue{reg::String, QByteArray(1025, 'x')};
        registry.failQuery = queryFails;
        QString keyValue = QStringLiteral("old");
        QVERIFY(!GetKeyValue(registry, reg::LocalMachine, key, name, keyValue));
        QCOMPARE(keyValue, QString());
        QCOMPARE(registry.opened, opened);
        QCOMPARE(registry.closed, 1);
    }

    void desktopHasNoKeys()
    {
        NoRegistry registry;
        QString keyValue = QStringLiteral("old");
        QVERIFY(!GetKeyValue(registry, reg::LocalMachine, Key, Name, keyValue));
        QCOMPARE(keyValue, QString());
    }
};

QTEST_MAIN(GetKeyValueTest)
#include "test_getkeyvalue.moc"
