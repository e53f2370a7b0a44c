// The main window as a view of its design: each control's change reaches the design, and a
// design changed under the controls (a file opened) shows in every control: value, range,
// enabled state, text and warning colour. The menus and their shortcuts (Exit ends at once; Copy
// Readout as Text fills the clipboard without a dialog);
// handlers run when, and only when, a control's value really changes; the mouse steps spinners;
// the focused spinner's label is yellow and white after it. What a desktop program does besides
// the design: the wheel steps spinners like their arrows; a value can be typed over a spinner's
// label, never over a disabled one; the status bar keeps a design check, and its window of notes
// follows the design while it stays open.
#include "support/testsupport.h"

namespace {

// A control's change and what the design holds after it, by the design's names; and what the
// window shows then, where the change is more than the control's own value.
const struct { const char* name; QStringList steps, design, shown{}; } Changes[] = {
    {"spinner whose top the design lowers", {"vsbMass=45", "optMotiveType_3"}, {"vsbMass=30", "vsbMass.max=30", "Mass=30"}, {"lblMass=30"}},
    {"a VTOL", {"chkTurret=1", "optMotiveType_3"}, {"chkTurret=0", "chkTurret.enabled=0", "vsbTurretArmor.max=2"},
     {"lblTurret=Rotor:", "vsbTurretArmor.enabled=1", "optLocation_4.enabled=0"}},
    {"box cleared", {"chkCASE=1", "chkCASE=0"}, {"chkCASE=0", "CASETonnage=0"}},
    {"turret taken off", {"chkTurret=1", "chkTurret=0"}, {"vsbTurretArmor.enabled=0"}, {"lblTurretArmor.enabled=0", "lblTurret.enabled=0"}},
    {"options", {"optMotiveType_2", "optEngineType_2"}, {"optMotiveType=2", "optEngineType=2", "EngineSlots=2"}},
    {"location option", {"chkTurret=1", "optLocation_4"}, {"optLocation=4"}},
    {"texts", {"txtVehicleName=Kestrel", "txtManufacturer=Orrin & Vale", "txtCommSystem=Rook-7", "txtTargetingSystem=Eyeline",
               "txtOverview=One\n\nTwo"},
     {"txtVehicleName=Kestrel", "txtManufacturer=Orrin & Vale", "txtCommSystem=Rook-7", "txtTargetingSystem=Eyeline",
      "txtOverview=One\n\nTwo"}},
    {"ammunition tonnage", {"vsbAddTonnage=7"}, {"vsbAddTonnage=7"}},
    {"line chosen, kept through a change", OnTracked50({"weapon=LRM 5", "cmdAdd", "weapon=SRM 2", "cmdAdd", "line=2", "chkCASE=1"}),
     {"SelectedLine=2", "PayloadCount=2"}, {"lstPayload.currentRow=2"}},
    {"items free at 0", QStringList(5, "cmdAdd"), {"ItemsFree=0"}, {"lblItemsFree=0", "lblItemsFree:black"}},
    {"items free below 0", QStringList(6, "cmdAdd"), {"ItemsFree=-1"}, {"lblItemsFree=-1", "lblItemsFree:red"}},
    {"armor points over", OnTracked50({"vsbArmorTonnage=2", "vsbFrontArmor=17"}), {"ArmorPointsRemaining=-1"},
     {"lblArmorPointsRemaining=-1", "lblArmorPointsRemaining:red"}},
    {"remove", OnTracked50({"weapon=LRM 5", "cmdAdd", "weapon=SRM 2", "cmdAdd", "line=1", "cmdRemove"}),
     {"PayloadCount=1", "PayloadTonnage=1"}},
    {"clear all", OnTracked50({"weapon=LRM 5", "cmdAdd", "cmdAdd", "cmdClearAll"}), {"PayloadCount=0"}},
    {"allocate", OnTracked50({"vsbArmorTonnage=2", "cmdAllocateArmor"}), {"ArmorPointsRemaining=0", "ArmorPointsUsed=16"}},
};

// A menu command's shortcut, pressed on the window: the file dialog it opens (save or open),
// or none.
const struct { const char* name; QKeySequence keys; const char* dialog; } Shortcuts[] = {
    {"open", QKeySequence(Qt::CTRL | Qt::Key_O), "open"},
    {"save, untitled", QKeySequence(Qt::CTRL | Qt::Key_S), "save"},
    {"save as", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "save"},
    {"new", QKeySequence(Qt::CTRL | Qt::Key_N), ""},
    {"exit", QKeySequence(Qt::CTRL | Qt::Key_Q), ""},
    {"copy readout", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), ""},
};

// The focus taken from a spinner, and its label's colour then.
const struct { const char* name; const char* spinner; Qt::FocusReason away; const char* after; } FocusChanges[] = {
    {"tabbed away", "vsbMass", Qt::TabFocusReason, "#ffffff"},
    {"clicked away, ammunition tonnage", "vsbAddTonnage", Qt::MouseFocusReason, "#ffffff"},
    {"another window in front", "vsbFrontArmor", Qt::ActiveWindowFocusReason, "#ffff00"},
    {"a menu open", "vsbHeatSinks", Qt::PopupFocusReason, "#ffff00"},
};

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

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The keys, pressed on the window over a design with a payload: each gives its command.
    void shortcuts_data() { AddCases(Shortcuts); }
    void shortcuts()
    {
        const auto& [name, keys, dialog] = CaseOf(Shortcuts);
        CatalogueWindow w;
        Drive(w, OnTracked50({"weapon=LRM 5", "cmdAdd"}));
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Chooser(w).Cancel();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keySequence(&w, keys);
        QStringList asked;
        for (const FileRequest& request : Chooser(w).asked) asked << (request.save ? "save" : "open");
        QCOMPARE(asked.join(u','), QString::fromLatin1(dialog));
        QCOMPARE(int(w.design().State().PayloadCount), QByteArray(name) == "new" ? 0 : 1);
        QCOMPARE(w.isVisible(), QByteArray(name) != "exit");
        QCOMPARE(QGuiApplication::clipboard()->text().contains("\nType: "), QByteArray(name) == "copy readout");
    }

    // A design changed under the controls, as a file opened from the command line changes it.
    // The design before: a VTOL (no turret box, a rotor), or a tracked vehicle without a turret
    // (turret armor off).
    void showsTheDesign_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::newRow("from a VTOL") << VTOLDesign;
        QTest::newRow("from no turret") << OnTracked50({"vsbArmorTonnage=4", "vsbFrontArmor=8"});
    }
    void showsTheDesign()
    {
        QFETCH(QStringList, before);
        CatalogueWindow w;
        Drive(w, before + QStringList{"vsbGunnery=2", "vsbDriving=3"});
        w.OpenDesignFile(QFINDTESTDATA("core/files/designs/tracked.edt"));
        QCOMPARE(ControlsDisagree(w), QString());
        // What its figure labels then show, one check a line. The test catalogue rates no weapon,
        // so the battle value is that of the armor, the structure and the tonnage alone; a design
        // opened gets the usual crew back.
        const QString shown = QString::fromUtf8(BytesOf(QFINDTESTDATA("tracked_shown.txt")));
        QCOMPARE(FirstFailure(w, shown.split(u'\n', Qt::SkipEmptyParts)), QString());
    }

    void changesReachTheDesign_data() { AddCases(Changes); }
    void changesReachTheDesign()
    {
        const auto& [name, steps, design, shown] = CaseOf(Changes);
        CatalogueWindow w;
        Drive(w, steps);
        QCOMPARE(FirstFailure(w.design(), design), QString());
        QCOMPARE(ControlsDisagree(w), QString());
        QCOMPARE(FirstFailure(w, shown), QString());
    }

    // A line unselected with Ctrl and a click keeps the focus frame but is no line chosen: Remove
    // then removes nothing.
    void removeNeedsASelectedLine()
    {
        CatalogueWindow w;
        Control<QTabWidget>(w, "SSTab1")->setCurrentIndex(3);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Drive(w, OnTracked50({"weapon=LRM 5", "cmdAdd", "weapon=SRM 2", "cmdAdd", "line=1"}));
        auto* list = Control<QListWidget>(w, "lstPayload");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualItemRect(list->item(1)).center());
        QCOMPARE(w.design().State().SelectedLine, -1);
        Drive(w, {"cmdRemove"});
        QCOMPARE(PayloadLines(w).size(), 3);
    }

    // A handler runs when, and only when, its control's value really changes, from code as well;
    // the mouse steps a spinner by 1 on its arrows and by 10 in its trough.
    void handlersRunOnARealChangeOnly()
    {
        frmMain window;
        QSignalSpy mass(Control<QScrollBar>(window, "vsbMass"), &QScrollBar::valueChanged);
        QSignalSpy ferro(Control<QCheckBox>(window, "chkFerroFibrous"), &QCheckBox::toggled);
        Drive(window, {"vsbMass=1", "chkFerroFibrous=0", "optMotiveType_0"});
        QCOMPARE(mass.count(), 0);
        QCOMPARE(ferro.count(), 0);
        Drive(window, {"vsbMass=60", "optMotiveType_3"});  // the VTOL lowers the top to 30: one change
        QCOMPARE(mass.count(), 2);
        Drive(window, {"optMotiveType_0"});  // raising the top moves nothing
        QCOMPARE(mass.count(), 2);
        // The mouse: the up arrow raises by 1, the trough above the handle by 10, and back down.
        auto* spinner = Control<QScrollBar>(window, "vsbMass");
        spinner->setFixedSize(17, 160);  // tall enough to have a trough above and below the handle
        for (const auto& [y, value] : {std::pair{2, 31}, {24, 41}, {160 - 24, 31}, {160 - 2, 30}}) {
            QTest::mouseClick(spinner, Qt::LeftButton, {}, QPoint(8, y));
            QCOMPARE(int(window.design().State().Mass), value);
        }
    }

    // A spinner's label is yellow while the spinner has the focus and white after, unless a menu
    // or another window took the focus only for a while.
    void focusColour_data() { AddCases(FocusChanges); }
    void focusColour()
    {
        const auto& [name, spinner, away, after] = CaseOf(FocusChanges);
        frmMain w;
        auto* bar = Control<QScrollBar>(w, spinner);
        const auto colour = [&] { return Control<QLabel>(w, "lbl" + QString(spinner + 3))->palette().color(QPalette::Window).name(); };
        QCOMPARE(colour(), QApplication::palette().color(QPalette::Window).name());
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason), out(QEvent::FocusOut, away);
        QApplication::sendEvent(bar, &in);
        QCOMPARE(colour(), "#ffff00");
        QApplication::sendEvent(bar, &out);
        QCOMPARE(colour(), after);
    }

    // Each notch up raises the value by one step, as the up arrow does; each notch down lowers it.
    void wheel()
    {
        frmMain w;
        auto* bar = Control<QScrollBar>(w, "vsbMass");
        bar->setValue(5);
        QSignalSpy changes(bar, &QScrollBar::valueChanged);
        for (const auto& [notches, value, handled] : {std::tuple{1, 6, 1}, {-3, 3, 4}}) {
            QWheelEvent roll(QPointF(8, 8), QPointF(8, 8), {}, QPoint(0, 120 * notches), {}, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &roll);
            QCOMPARE(bar->value(), value);
            QCOMPARE(changes.count(), handled);
        }
    }

    // The editor opens over the label with its text; Enter sets the spinner once, Escape and a
    // text that is no number change nothing; the editor goes away either way.
    void typingAValue_data() { AddCases(Typed); }
    void typingAValue()
    {
        const auto& c = CaseOf(Typed);
        const LocaleScope locale(c.german);
        CatalogueWindow w;
        Drive(w, {"cmdAddAmmo", "ammo=Cargo"});
        auto* bar = Control<QScrollBar>(w, c.spinner);
        QLabel* label = Control<QLabel>(w, QStringLiteral("lbl") + (c.spinner + 3));
        QSignalSpy changes(bar, &QScrollBar::valueChanged);
        c.opens != Click ? QTest::keyClick(bar, c.opens) : QTest::mouseDClick(label, Qt::LeftButton);
        auto* editor = Control<QLineEdit>(w, "txtSpinnerValue");
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
        CatalogueWindow w;
        Drive(w, OnTracked50({"vsbArmorTonnage=20"}));
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
        CatalogueWindow w;
        auto* summary = Control<QPushButton>(w, "sbrDesignCheck");
        summary->click();
        auto* notesWindow = Control<QDialog>(w, "frmDesignCheck");
        const QString tracked = QFINDTESTDATA("core/files/designs/tracked.edt");
        for (const QString& step : steps)
            step == "open" ? w.OpenDesignFile(tracked) : step.startsWith("mnu") ? Trigger(w, step) : Drive(w, {step});
        QVERIFY(notesWindow->isVisible());
        QCOMPARE(summary->text(), summaryText);
        QCOMPARE(summary->toolTip(), notes);
        QCOMPARE(Control<QLabel>(w, "lblDesignNotes")->text(), notes);
    }
};

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
