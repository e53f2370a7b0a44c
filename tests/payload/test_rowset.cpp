// The catalogue row set on its own: moves and their end and start flags, empty fields, and
// labels bound again.
#include <QLabel>
#include <QTest>

#include "payload/rowset.h"
#include "support/testcatalogue.h"

namespace {

enum Move { Next, Previous, First, Last };

QList<CatalogueWeapon> ThreeWeapons()
{
    return {{"SRM 2", "Missile", 1, std::nullopt, 10000},
            {"PPC", "Energy", 7, 10, 200000},
            {"TAG", "Electronics", 1, std::nullopt, 50000}};
}

}  // namespace

Q_DECLARE_METATYPE(QList<int>)

class RowSetTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void movesAndFlags_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("atEnd");
        QTest::addColumn<bool>("atStart");
        QTest::newRow("opened") << 3 << QList<int>{} << 0 << false << false;
        QTest::newRow("next") << 3 << QList<int>{Next} << 1 << false << false;
        QTest::newRow("onto the last") << 3 << QList<int>{Next, Next} << 2 << false << false;
        QTest::newRow("past the last") << 3 << QList<int>{Next, Next, Next} << 3 << true << false;
        QTest::newRow("past stays past") << 3 << QList<int>{Last, Next, Next} << 3 << true << false;
        QTest::newRow("back from past the last") << 3 << QList<int>{Last, Next, Previous} << 2 << false << false;
        QTest::newRow("before the first") << 3 << QList<int>{Previous} << -1 << false << true;
        QTest::newRow("on from before the first") << 3 << QList<int>{Previous, Next} << 0 << false << false;
        QTest::newRow("last") << 3 << QList<int>{Last} << 2 << false << false;
        QTest::newRow("first") << 3 << QList<int>{Last, First} << 0 << false << false;
        QTest::newRow("empty") << 0 << QList<int>{} << 0 << true << true;
        QTest::newRow("empty after moves") << 0 << QList<int>{Next, Previous, Last, First} << 0 << true << true;
    }

    void movesAndFlags()
    {
        QFETCH(int, rows);
        QFETCH(QList<int>, moves);
        QFETCH(int, index);
        QFETCH(bool, atEnd);
        QFETCH(bool, atStart);
        TestCatalogue catalogue(ThreeWeapons().mid(0, rows), {});
        RowSet set(QStringLiteral("ISWeapons"), nullptr);
        set.setDatabaseName(catalogue.path());
        QVERIFY(set.Refresh());
        for (int move : moves) {
            switch (move) {
            case Next: set.MoveNext(); break;
            case Previous: set.MovePrevious(); break;
            case First: set.MoveFirst(); break;
            case Last: set.MoveLast(); break;
            }
        }
        QCOMPARE(set.currentIndex(), index);
        QCOMPARE(set.AtEnd(), atEnd);
        QCOMPARE(set.AtStart(), atStart);
        if (atEnd || atStart) QVERIFY(set.Field(QStringLiteral("Type")).isNull());
    }

    void boundLabelShowsTheCurrentRow()
    {
        TestCatalogue catalogue(ThreeWeapons(), {});
        RowSet set(QStringLiteral("ISWeapons"), nullptr);
        set.setDatabaseName(catalogue.path());
        QVERIFY(set.Refresh());
        QLabel label;
        set.Bind(&label, QStringLiteral("Heat"));
        QCOMPARE(label.text(), QString());  // an empty field shows as nothing
        set.MoveNext();
        QCOMPARE(label.text(), QStringLiteral("10"));
        set.Bind(&label, QStringLiteral("type"));  // bound again: the new field only
        QCOMPARE(label.text(), QStringLiteral("PPC"));
        set.MoveNext();
        QCOMPARE(label.text(), QStringLiteral("TAG"));
        set.MoveNext();
        QCOMPARE(label.text(), QString());  // past the last row
    }

    void labelGoneBeforeTheRowSet()
    {
        TestCatalogue catalogue(ThreeWeapons(), {});
        RowSet set(QStringLiteral("ISWeapons"), nullptr);
        set.setDatabaseName(catalogue.path());
        QVERIFY(set.Refresh());
        {
            QLabel label;
            set.Bind(&label, QStringLiteral("Type"));
        }
        set.MoveNext();
        QCOMPARE(set.FieldText(QStringLiteral("Type")), QStringLiteral("PPC"));
    }

    void requiredFields_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<bool>("kept");
        QTest::newRow("all there") << QStringList{"Type", "class", "TONS", "Heat", "Cost"} << true;
        QTest::newRow("one missing") << QStringList{"Type", "ShotsPerTon"} << false;
    }

    void requiredFields()
    {
        QFETCH(QStringList, fields);
        QFETCH(bool, kept);
        TestCatalogue catalogue(ThreeWeapons(), {});
        RowSet set(QStringLiteral("ISWeapons"), nullptr);
        set.setDatabaseName(catalogue.path());
        QVERIFY(set.Refresh());
        QCOMPARE(set.RequireFields(fields), kept);
        QCOMPARE(set.rowCount(), kept ? 3 : 0);
        QCOMPARE(set.errorText().isEmpty(), kept);
    }
};

QTEST_MAIN(RowSetTest)
#include "test_rowset.moc"
