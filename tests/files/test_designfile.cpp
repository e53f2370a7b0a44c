// Saving designs and opening them again through the File menu: the bytes of the file, the
// window after a round trip, the forms a reader takes, and the value forms beyond the window.
#include <QTemporaryDir>
#include <QTest>

#include "designfixtures.h"
#include "files/valueforms.h"
#include "support/designchecks.h"
#include "support/testsupport.h"

using namespace fixtures;

class DesignFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Saved, then opened over a new design and in a window of its own: the same window, from
    // the bytes the design gives whatever the regional settings.
    void roundTrip()
    {
        enum Design { Empty, Tracked, VTOL };
        const struct {
            const char* label;
            Design design;
            QLocale::Language language;
        } cases[] = {{"new design", Empty, QLocale::English}, {"tracked", Tracked, QLocale::English},
                     {"tracked, German settings", Tracked, QLocale::German}, {"VTOL, rotor armor 2", VTOL, QLocale::English}};
        for (const auto& c : cases) {
            LocaleScope locale(c.language, c.language == QLocale::German ? QLocale::Germany : QLocale::UnitedStates);
            QTemporaryDir dir;
            TestCatalogue catalogue;
            frmMain w;
            if (c.design == Tracked) BuildTrackedDesign(w, catalogue);
            if (c.design == VTOL) BuildVTOLDesign(w);
            const QStringList saved = DesignSnapshot(w);
            const QString path = dir.filePath(QStringLiteral("design.edt"));
            SaveAs(w, path);
            const QByteArray bytes = ReadBytes(path);
            if (c.design != VTOL)
                QVERIFY2(bytes == FileBytes(c.design == Empty ? EmptyDesignLines() : TrackedDesignLines()), c.label);
            if (c.design == Empty) QCOMPARE(bytes.count("\r\n"), 121);

            w.mnuFileNew->trigger();
            Open(w, path);
            QVERIFY2(DesignSnapshot(w) == saved, c.label);
            QCOMPARE(w.DesignFileName, path);
            QCOMPARE(DesignConsistencyFailure(w), QString());
            frmMain other;
            catalogue.Attach(other);
            Open(other, path);
            QVERIFY2(DesignSnapshot(other) == saved, c.label);
            if (c.design == VTOL) {
                QCOMPARE(other.vsbTurretArmor->maximum(), 2);
                QCOMPARE(Value(other, QStringLiteral("vsbTurretArmor")), 2);
            }
        }
    }

    // CASE and Ferro-Fibrous already ticked run no handler again: their tonnage, price and
    // slots count once.
    void openOverTickedBoxes()
    {
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        const QString path = dir.filePath(QStringLiteral("tracked.edt"));
        SaveAs(w, path);
        frmMain ticked;
        catalogue.Attach(ticked);
        Drive(ticked, {"chkCASE=1", "chkFerroFibrous=1", "chkArtemisLRM=1"});
        Open(ticked, path);
        QCOMPARE(DesignSnapshot(ticked), DesignSnapshot(w));
        QCOMPARE(ticked.ItemsUsed, Int16(8 + 2));
    }

    // Whatever a user's editor did to the file: line feeds alone, blanks around values, texts
    // without quotes, amounts with a leading zero, whole numbers with decimals (halves to even).
    void readsOtherForms()
    {
        QTemporaryDir dir;
        TestCatalogue catalogue;
        frmMain w;
        BuildTrackedDesign(w, catalogue);
        QByteArray bytes = FileBytes(TrackedDesignLines());
        bytes.replace("\r\n", "\n").replace(",.5,", ", 0.5 ,").replace("\n60\n", "\n  60.5\t\n");
        bytes.replace("\n4\n", "\n3.5\n").replace("\"M\xfcller-Panzer \xc4\"", "M\xfcller-Panzer \xc4  ");
        const QString path = dir.filePath(QStringLiteral("edited.edt"));
        WriteBytes(path, bytes);
        frmMain other;
        catalogue.Attach(other);
        Open(other, path);
        QCOMPARE(DesignSnapshot(other), DesignSnapshot(w));
    }

    // Characters beyond the code page become "?"; a double quote, which the file cannot hold,
    // becomes a typographic one.
    void textsBeyondTheCodePage()
    {
        QTemporaryDir dir;
        frmMain w;
        w.txtVehicleName->setText(QString::fromUtf8("Say \"Hi\" € ☃ 𝄞 Ł"));
        const QString path = dir.filePath(QStringLiteral("texts.edt"));
        SaveAs(w, path);
        QCOMPARE(ReadBytes(path).split('\r').first(), QByteArray("\"Say \x93Hi\x94 \x80 ? ? ?\""));
        frmMain other;
        Open(other, path);
        QCOMPARE(other.txtVehicleName->text(), QString::fromUtf8("Say “Hi” € ? ? ?"));
    }

    // Amounts and whole numbers no design in the window reaches.
    void valueForms()
    {
        constexpr qint64 Max = std::numeric_limits<qint64>::max(), Min = std::numeric_limits<qint64>::min();
        const struct { const char* text; qint64 units; } written[] = {
            {"-.5", -5000}, {".0001", 1}, {"-1.2345", -12345}, {"922337203685477.5807", Max}, {"-922337203685477.5808", Min}};
        for (const auto& c : written) {
            QCOMPARE(CurrencyFileText(Currency::fromUnits(c.units)), QLatin1String(c.text));
            QCOMPARE(ParseFileCurrency(QString::fromLatin1(c.text)), std::optional(Currency::fromUnits(c.units)));
        }
        const struct { const char* text; std::optional<qint64> units; } amounts[] = {
            {"5.", 50000}, {"1.00005", 10000}, {"1.00015", 10002}, {"922337203685477.5808", {}}, {"", {}},
            {".", {}}, {"1,5", {}}, {"1e3", {}}, {"--1", {}}, {"1.5.0", {}}};
        for (const auto& c : amounts) {
            const std::optional<Currency> parsed = ParseFileCurrency(QString::fromLatin1(c.text));
            QVERIFY2(parsed.has_value() == c.units.has_value() && (!parsed || parsed->units() == *c.units), c.text);
        }
        const struct { const char* text; std::optional<int> value; } integers[] = {
            {"-32768", -32768}, {"32768", {}}, {"2.5", 2}, {"1.5", 2}, {"-.5", 0}, {"60.51", 61},
            {"32767.4", 32767}, {"32767.5", {}}, {"12a", {}}, {"1 2", {}}, {"", {}}};
        for (const auto& c : integers) {
            const std::optional<Int16> parsed = ParseFileInteger(QString::fromLatin1(c.text));
            QVERIFY2(parsed.has_value() == c.value.has_value() && (!parsed || int(*parsed) == *c.value), c.text);
        }
    }
};

QTEST_MAIN(DesignFileTest)
#include "test_designfile.moc"
