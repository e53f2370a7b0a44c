// What a desktop program does besides the design: the wheel steps spinners like their arrows; a
// value can be typed over a spinner's label, never over a disabled one; the status bar keeps a
// design check, and its window of notes follows the design while it stays open.
#include "support/testsupport.h"

namespace {

// A value typed over a spinner, opened by a key on the spinner (Return or the keypad's Enter) or,
// without one, a double click on its label, and finished with `finish`: the label afterwards and
// the changes the spinner reported.
constexpr Qt::Key Click = Qt::Key_unknown;
const struct { const char* name; bool german; const char* spinner; Qt::Key opens;
               const char* typed; Qt::Key finish; const char* label; int changes; } Typed[] = {
    {"mass", false, "vsbMass", Click, "50", Qt::Key_Return, "50", 1},
    {"armor tons, German", true, "vsbArmorTonnage", Click, "12,5", Qt::Key_Return, "12,5", 1},
    {"above the top", false, "vsbCruise", Qt::Key_Return, "250", Qt::Key_Return, "100", 1},
    {"cargo half tons", false, "vsbAddTonnage", Qt::Key_Return, "2.5", Qt::Key_Return, "2.5", 1},
    {"escape", false, "vsbFrontArmor", Click, "40", Qt::Key_Escape, "0", 0},
    {"no number", false, "vsbFrontArmor", Qt::Key_Return, "forty", Qt::Key_Return, "0", 0},
    {"grouped, German", true, "vsbRearArmor", Qt::Key_Enter, "1.600", Qt::Key_Enter, "1600", 1},
    {"below the bottom", false, "vsbMass", Qt::Key_Return, "-4", Qt::Key_Return, "1", 0},
};

// The status bar's summary and the notes after the steps, taken with the window of notes open
// from the start: by controls, a menu command ("mnuFileNew") or a file opened from outside
// ("open").
const QStringList Armored = OnTracked50({"vsbArmorTonnage=20", "cmdAllocateArmor"});
const struct { const char* name; QStringList steps; QString summary, notes; } Checks[] = {
    {"fresh", {}, "Design check: 2 notes", "No armor\nTonnage over by 1.5 tons"},
    {"armored", Armored, "Design check: no notes", "No notes."},
    {"armor taken off", Armored + QStringList{"vsbArmorTonnage=0"}, "Design check: 1 note", "No armor"},
    {"new design", Armored + QStringList{"mnuFileNew"}, "Design check: 2 notes", "No armor\nTonnage over by 1.5 tons"},
    {"file opened", Armored + QStringList{"open"}, "Design check: 3 notes",
     "Ammo-Autocannon/5: no mounted weapon fires it\n34 armor points bought and not allocated\nTonnage over by 2.0 tons"},
};

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each notch up raises the value by one step, as the up arrow does; each notch down lowers it.
    void wheel()
    {
        frmMain w;
        Drive(w, {"optMotiveType_1", "vsbMass=50", "chkTurret=1"});
        for (const QString spinner : {"vsbTurretArmor", "vsbAddTonnage"}) {
            auto* bar = Control<QScrollBar>(w, spinner);
            bar->setValue(5);
            QSignalSpy changes(bar, &QScrollBar::valueChanged);
            for (const auto& [notches, value, handled] : {std::tuple{1, 6, 1}, {-3, 3, 4}}) {
                QWheelEvent roll(QPointF(8, 8), QPointF(8, 8), {}, QPoint(0, 120 * notches), {}, {}, Qt::NoScrollPhase, false);
                QApplication::sendEvent(bar, &roll);
                QCOMPARE(bar->value(), value);
                QCOMPARE(changes.count(), handled);
            }
        }
    }

    // The editor opens over the label with its text; Enter sets the spinner once, Escape and a
    // text that is no number change nothing; the editor goes away either way.
    void typingAValue_data() { AddCases(Typed); }
    void typingAValue()
    {
        const auto& c = CaseOf(Typed);
        const LocaleScope locale(c.german);
        CatalogueWindow session;
        Drive(session.window, {"cmdAddAmmo", "ammo=Cargo"});
        auto* bar = Control<QScrollBar>(session.window, c.spinner);
        QLabel* label = Control<QLabel>(session.window, QStringLiteral("lbl") + (c.spinner + 3));
        QSignalSpy changes(bar, &QScrollBar::valueChanged);
        if (c.opens != Click)
            QTest::keyClick(bar, c.opens);
        else
            QTest::mouseDClick(label, Qt::LeftButton);
        auto* editor = Control<QLineEdit>(session.window, "txtSpinnerValue");
        QCOMPARE(editor->text(), label->text());
        QTest::keyClicks(editor, c.typed);
        QTest::keyClick(editor, c.finish);
        QCOMPARE(label->text(), QString::fromLatin1(c.label));
        QCOMPARE(int(changes.count()), c.changes);
        QVERIFY(editor->isHidden());
    }

    // Turret armor on a vehicle without a turret: neither a double click on its label nor Enter
    // on its spinner takes a value, and the armor stays at 0.
    void noValueTypedOverADisabledSpinner()
    {
        CatalogueWindow session;
        frmMain& w = session.window;
        Drive(w, OnTracked50({"vsbArmorTonnage=20"}));
        QCOMPARE(FirstFailure(w, {"vsbTurretArmor.enabled=0", "lblTurretArmor.enabled=0", "optLocation_4.enabled=0"}), QString());
        QTest::keyClick(Control<QScrollBar>(w, "vsbTurretArmor"), Qt::Key_Return);
        QTest::mouseDClick(Control<QLabel>(w, "lblTurretArmor"), Qt::LeftButton);
        if (auto* editor = w.findChild<QLineEdit*>("txtSpinnerValue"); editor && !editor->isHidden()) {
            QTest::keyClicks(editor, "40");
            QTest::keyClick(editor, Qt::Key_Return);
        }
        QCOMPARE(FirstFailure(w, {"lblTurretArmor=0", "vsbTurretArmor=0", "lblArmorPointsUsed=0"}), QString());
    }

    // The window of notes, opened by a click on the summary and left open, shows the notes of the
    // design as it changes; so does the summary's tool tip.
    void designCheck_data() { AddCases(Checks); }
    void designCheck()
    {
        const auto& [name, steps, summaryText, notes] = CaseOf(Checks);
        CatalogueWindow session;
        frmMain& w = session.window;
        auto* summary = Control<QPushButton>(w, "sbrDesignCheck");
        summary->click();
        auto* notesWindow = Control<QDialog>(w, "frmDesignCheck");
        QCOMPARE(Control<QLabel>(w, "lblDesignNotes")->text(), summary->toolTip());
        const QString tracked = QFINDTESTDATA("core/files/designs/tracked.edt");
        for (const QString& step : steps)
            step == "open" ? w.OpenDesignFile(tracked) : step.startsWith("mnu") ? Trigger(w, step) : Drive(w, {step});
        QVERIFY(notesWindow->isVisible());
        QCOMPARE(summary->text(), summaryText);
        QCOMPARE(summary->toolTip(), notes);
        QCOMPARE(Control<QLabel>(w, "lblDesignNotes")->text(), notes);
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
