// The main window as a view of its design: each control's change reaches the design, and a
// design changed under the controls (a file opened) shows in every control: value, range,
// enabled state, text and warning colour. The menus and their shortcuts, the pages, the rows of
// the General frame and the Armor page in their order at the default size and enlarged;
// handlers run when, and only when, a control's value really changes; the mouse steps
// spinners; the focused spinner's label is yellow and white after it; Exit ends at once.
#include "support/testsupport.h"

namespace {

// Each frame's rows from the top; in a row, left to right on one line, a control's name or a
// caption's text, "|" between them.
const std::pair<const char*, const char*> Frames[] = {
    {"frmMain", "Frame4|SSTab1"},
    {"Frame4", "Name/Designation:|txtVehicleName\nFrame1\nFrame2\nMass:|lblMass|vsbMass|Remaining:|lblTonnageRemaining\n"
               "Lift Equipment:|lblLiftEquipment|Item Limit:|lblItemLimit\n"
               "Control Tonnage:|lblControlTonnage|Items Free:|lblItemsFree\nCruise:|lblCruise|vsbCruise|Flank:|lblFlank\n"
               "Power Plant:|lblEngineSize|lblEngineWeight\nInternal Structure:|lblInternalStructure|chkTurret|lblTurretTonnage\n"
               "Heat Sinks:|lblHeatSinks|vsbHeatSinks|lblHeatSinkTonnage\nPower Amps:|lblPowerAmplifiers\nCost:|lblCost"},
    {"Frame1", "optMotiveType_0|optMotiveType_1|optMotiveType_2|optMotiveType_3"},
    {"Frame2", "optEngineType_0|optEngineType_1|optEngineType_2"},
    {"SSTab1", "Frame3\nFrame6"},
    {"Frame3", "Armor Tonnage:|lblArmorTonnage|vsbArmorTonnage|chkFerroFibrous\nTotal Points:|lblTotalArmorPoints\n"
               "Points Used:|lblArmorPointsUsed|Remaining:|lblArmorPointsRemaining\nFront:\nlblFrontArmor|vsbFrontArmor\n"
               "Left:|lblTurret|Right:\nlblLeftArmor|vsbLeftArmor|lblTurretArmor|vsbTurretArmor|lblRightArmor|vsbRightArmor\n"
               "Rear:\nlblRearArmor|vsbRearArmor|cmdAllocateArmor"},
};

QRect Place(const QWidget* widget) { return QRect(widget->mapTo(widget->window(), QPoint()), widget->size()); }

// Each control inside its frame, its caption whole, to the right of the one before it on the
// same line; each row below the one before it.
void CheckRows(const frmMain& window, const QWidget* frame, const QString& rows)
{
    int above = -1;
    for (const QString& row : rows.split(u'\n')) {
        QRect previous, line;
        for (const QString& key : row.split(u'|')) {
            const QWidget* control = window.findChild<QWidget*>(key);
            for (QLabel* label : frame->findChildren<QLabel*>())
                if (!control && label->text() == key && label->isVisible()) control = label;
            QVERIFY2(control, qPrintable(key));
            QVERIFY2(frame->isAncestorOf(control), qPrintable(key + " outside its frame"));
            const QRect place = Place(control);
            QVERIFY2(Place(frame).contains(place), qPrintable(key + " beyond its frame's edge"));
            QVERIFY2(place.top() > above, qPrintable(key + " not below the row above"));
            if (previous.isValid()) {
                QVERIFY2(place.left() > previous.right(), qPrintable(key + " not right of the one before"));
                QVERIFY2(place.top() < previous.bottom(), qPrintable(key + " below the one before"));
                QVERIFY2(previous.top() < place.bottom(), qPrintable(key + " above the one before"));
            }
            if (control->property("text").isValid())
                QVERIFY2(control->width() >= control->sizeHint().width(), qPrintable(key + " is cut short"));
            previous = place;
            line |= place;
        }
        above = line.bottom();
    }
}

// The tracked design of the file tests opened over a window that showed another design: every
// control of the design as it must then show. Each control of the design has its row. The test
// catalogue rates no weapon, so the battle value is that of the armor, the structure and the
// tonnage alone; a design opened gets the usual crew back.
const char* const TrackedShown[] = {
    "txtVehicleName=Müller-Panzer Ä", "txtManufacturer=Hallberg Werke", "txtCommSystem=Skylink 9",
    "txtTargetingSystem=Falke TT-2", "txtOverview=Line one\nLine two, with a comma\n\nLast line: Größe",
    "optMotiveType_0=0", "optMotiveType_1=1", "optMotiveType_2=0", "optMotiveType_3=0",
    "optEngineType_0=0", "optEngineType_1=1", "optEngineType_2=0",
    "vsbMass=60", "vsbMass.max=100", "lblMass=60", "lblTonnageRemaining=-2.0", "lblTonnageRemaining:red",
    "lblLiftEquipment=0.0", "lblItemLimit=17", "lblControlTonnage=3.0", "lblItemsFree=7", "lblItemsFree:black",
    "vsbCruise=4", "lblCruise=4", "lblFlank=6", "lblEngineSize=240", "lblEngineWeight=17.5", "lblInternalStructure=6.0",
    "chkTurret=1", "chkTurret.enabled=1", "lblTurretTonnage=1.0",
    "vsbHeatSinks=16", "vsbHeatSinks.min=14", "lblHeatSinks=16", "lblHeatSinkTonnage=6", "lblPowerAmplifiers=0.0",
    "lblCost=3,105,660",
    "vsbArmorTonnage=20", "lblArmorTonnage=10.0", "chkFerroFibrous=1", "lblTotalArmorPoints=179",
    "lblArmorPointsUsed=145", "lblArmorPointsRemaining=34", "lblArmorPointsRemaining:black",
    "vsbFrontArmor=40", "lblFrontArmor=40", "vsbLeftArmor=30", "lblLeftArmor=30", "vsbRightArmor=30", "lblRightArmor=30",
    "vsbRearArmor=20", "lblRearArmor=20", "lblTurret=Turret:", "lblTurret.enabled=1",
    "vsbTurretArmor=25", "vsbTurretArmor.max=2000", "vsbTurretArmor.enabled=1", "lblTurretArmor=25", "lblTurretArmor.enabled=1",
    "chkCASE=1", "chkArtemisSRM=1", "chkArtemisLRM=1", "lblPayloadTonnage=18.0",
    "optLocation_0=1", "optLocation_1=0", "optLocation_2=0", "optLocation_3=0", "optLocation_4=0", "optLocation_4.enabled=1",
    "vsbAddTonnage=1", "vsbAddTonnage.max=100", "lblAddTonnage=1",
    "lblBattleValue=474", "vsbGunnery=4", "lblGunnery=4", "vsbDriving=5", "lblDriving=5", "lblCrewBattleValue=474",
    "lstBattleValue.count=8",
};

// The browsers' figures of the catalogue's current rows, and the status bar's notice.
const QStringList NotOfTheDesign = {"lblClass", "lblName", "lblWeight", "lblHeat", "lblWeaponCost", "lblAmmoClass",
                                    "lblAmmoType", "lblAmmoShotsPerTon", "lblAmmoCost", "lblCatalogueNotice"};

// A control's change and what the design holds after it, by the design's names; and what the
// window shows then, where the change is more than the control's own value.
const struct {
    const char* name;
    QStringList steps, design, shown{};
} Changes[] = {
    {"spinner", {"vsbMass=40"}, {"vsbMass=40", "Mass=40"}},
    {"spinner whose top the design lowers", {"vsbMass=45", "optMotiveType_3"}, {"vsbMass=30", "vsbMass.max=30", "Mass=30"},
     {"vsbMass=30", "vsbMass.max=30", "lblMass=30"}},
    {"a VTOL", {"chkTurret=1", "optMotiveType_3"}, {"chkTurret=0", "chkTurret.enabled=0", "vsbTurretArmor.max=2"},
     {"chkTurret=0", "chkTurret.enabled=0", "lblTurret=Rotor:", "vsbTurretArmor.max=2", "vsbTurretArmor.enabled=1",
      "optLocation_4.enabled=0"}},
    {"box", {"chkCASE=1"}, {"chkCASE=1", "CASETonnage=0.5"}},
    {"box cleared", {"chkCASE=1", "chkCASE=0"}, {"chkCASE=0", "CASETonnage=0"}},
    {"movement option", {"optMotiveType_2"}, {"optMotiveType=2", "MotiveType=2"}},
    {"engine option", {"optEngineType_2"}, {"optEngineType=2", "EngineSlots=2"}},
    {"location option", {"chkTurret=1", "optLocation_4"}, {"optLocation=4"}},
    {"name", {"txtVehicleName=Kestrel"}, {"txtVehicleName=Kestrel"}},
    {"manufacturer", {"txtManufacturer=Orrin & Vale"}, {"txtManufacturer=Orrin & Vale"}},
    {"communications", {"txtCommSystem=Rook-7"}, {"txtCommSystem=Rook-7"}},
    {"targeting", {"txtTargetingSystem=Eyeline"}, {"txtTargetingSystem=Eyeline"}},
    {"overview", {"txtOverview=One\n\nTwo"}, {"txtOverview=One\n\nTwo"}},
    {"ammunition tonnage", {"vsbAddTonnage=7"}, {"vsbAddTonnage=7"}},
    {"add", OnTracked50({"weapon=LRM 5", "cmdAdd"}), {"PayloadCount=1", "PayloadTonnage=2"}},
    {"line chosen, kept through a change", OnTracked50({"weapon=LRM 5", "cmdAdd", "weapon=SRM 2", "cmdAdd", "line=2", "chkCASE=1"}),
     {"SelectedLine=2", "PayloadCount=2"}, {"lstPayload.currentRow=2"}},
    {"items free at 0", QStringList(5, "cmdAdd"), {"ItemsFree=0"}, {"lblItemsFree=0", "lblItemsFree:black"}},
    {"items free below 0", QStringList(6, "cmdAdd"), {"ItemsFree=-1"}, {"lblItemsFree=-1", "lblItemsFree:red"}},
    {"armor points all placed", OnTracked50({"vsbArmorTonnage=2", "vsbFrontArmor=16"}), {"ArmorPointsRemaining=0"},
     {"lblArmorPointsRemaining=0", "lblArmorPointsRemaining:black"}},
    {"armor points over", OnTracked50({"vsbArmorTonnage=2", "vsbFrontArmor=17"}), {"ArmorPointsRemaining=-1"},
     {"lblArmorPointsRemaining=-1", "lblArmorPointsRemaining:red"}},
    {"remove", OnTracked50({"weapon=LRM 5", "cmdAdd", "weapon=SRM 2", "cmdAdd", "line=1", "cmdRemove"}),
     {"PayloadCount=1", "PayloadTonnage=1"}},
    {"clear all", OnTracked50({"weapon=LRM 5", "cmdAdd", "cmdAdd", "cmdClearAll"}), {"PayloadCount=0"}},
    {"allocate", OnTracked50({"vsbArmorTonnage=2", "cmdAllocateArmor"}), {"ArmorPointsRemaining=0", "ArmorPointsUsed=16"}},
};

// A menu command's shortcut, pressed on the window: the file dialog it opens (save or open),
// or none.
const struct {
    const char* name;
    QKeySequence keys;
    const char* dialog;
} Shortcuts[] = {
    {"open", QKeySequence(Qt::CTRL | Qt::Key_O), "open"},
    {"save, untitled", QKeySequence(Qt::CTRL | Qt::Key_S), "save"},
    {"save as", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "save"},
    {"new", QKeySequence(Qt::CTRL | Qt::Key_N), ""},
    {"exit", QKeySequence(Qt::CTRL | Qt::Key_Q), ""},
};

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The title, the menus' items in their order, the pages, the list's font.
    void window()
    {
        frmMain window;
        QCOMPARE(window.windowTitle(), QStringLiteral("HVN Tarnwell - Main Page"));
        QStringList menuItems;
        for (QAction* menu : window.menuBar()->actions())
            for (QAction* item : menu->menu()->actions()) menuItems << item->objectName();
        QCOMPARE(menuItems, (QStringList{"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFileBreak1",
                                         "mnuFileExportHTML", "mnuFileExportHVN", "mnuFileCopyText", "mnuFileExportSheet",
                                         "mnuFileExportForce", "mnuFilePrintSheet", "mnuFileBreak2", "mnuFileExit",
                                         "mnuHelpAbout"}));
        auto* tabs = Control<QTabWidget>(window, "SSTab1");
        QStringList pages;
        for (int page = 0; page < tabs->count(); ++page) pages << tabs->tabText(page);
        QCOMPARE(pages, (QStringList{"Armor", "Add Ammo && Equipment", "Specifications", "Display Equipment", "Battle Value"}));
        QVERIFY(Control<QWidget>(window, "fraAddAmmo")->isHidden());
        const QFont font = Control<QListWidget>(window, "lstPayload")->font();  // fixed pitch
        QCOMPARE(font.pointSizeF(), 8.25);
        if (QFontInfo(QFont("Courier New")).family() == "Courier New")
            QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(QFontMetricsF(font).horizontalAdvance(u'i'), QFontMetricsF(font).horizontalAdvance(u'W'));
    }

    // The keys, pressed on the window over a design with a payload: each gives its command.
    void shortcuts_data() { AddCases(Shortcuts); }
    void shortcuts()
    {
        const auto& [name, keys, dialog] = CaseOf(Shortcuts);
        CatalogueWindow session;
        frmMain& w = session.window;
        Drive(w, OnTracked50({"weapon=LRM 5", "cmdAdd"}));
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Chooser(w).Cancel();
        QTest::keySequence(&w, keys);
        QStringList asked;
        for (const FileRequest& request : Chooser(w).asked) asked << (request.save ? "save" : "open");
        QCOMPARE(asked.join(u','), QString::fromLatin1(dialog));
        QCOMPARE(int(w.design().State().PayloadCount), QByteArray(name) == "new" ? 0 : 1);
        QCOMPARE(w.isVisible(), QByteArray(name) != "exit");
    }

    void rowsInOrder_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("rows");
        for (const QSize size : {QSize(), QSize(1600, 1100)})
            for (const auto& [frame, rows] : Frames)
                QTest::addRow("%s, %s", frame, size.isValid() ? "enlarged" : "default size") << size << frame << rows;
    }

    void rowsInOrder()
    {
        QFETCH(QSize, size);
        QFETCH(QString, frame);
        QFETCH(QString, rows);
        frmMain window;
        if (size.isValid()) window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Drive(window, {"chkTurret=1"});
        CheckRows(window, window.objectName() == frame ? &window : Control<QWidget>(window, frame), rows);
    }

    // A design changed under the controls, as a file opened from the command line changes it.
    // The design before: a VTOL (no turret box, a rotor), or a tracked vehicle without a turret
    // (turret armor off).
    void showsTheDesign_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<bool>("fromVTOL");
        for (const bool fromVTOL : {true, false})
            for (const char* check : TrackedShown)
                QTest::addRow("%s, from %s", check, fromVTOL ? "a VTOL" : "no turret") << QString::fromUtf8(check) << fromVTOL;
    }
    void showsTheDesign()
    {
        QFETCH(QString, check);
        QFETCH(bool, fromVTOL);
        CatalogueWindow session;
        if (fromVTOL)
            BuildVTOLDesign(session.window);
        else
            Drive(session.window, OnTracked50({"vsbArmorTonnage=4", "vsbFrontArmor=8"}));
        Drive(session.window, {"vsbGunnery=2", "vsbDriving=3"});
        session.window.OpenDesignFile(QFINDTESTDATA("core/files/designs/tracked.edt"));
        QCOMPARE(FirstFailure(session.window, {check}), QString());
    }

    // Every spinner, box, option, text box and figure label of the design has its row above.
    void everyControlShown()
    {
        const frmMain window;
        QSet<QString> checked;
        for (const char* check : TrackedShown)
            checked << QString::fromUtf8(check).section(u'=', 0, 0).section(u':', 0, 0).section(u'.', 0, 0);
        QStringList missing;
        const QRegularExpression design("^(vsb|chk|opt|txt|lbl)");
        for (const QWidget* control : window.findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (design.match(name).hasMatch() && !NotOfTheDesign.contains(name) && !checked.contains(name)) missing << name;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
    }

    void changesReachTheDesign_data() { AddCases(Changes); }
    void changesReachTheDesign()
    {
        const auto& [name, steps, design, shown] = CaseOf(Changes);
        CatalogueWindow session;
        Drive(session.window, steps);
        QCOMPARE(FirstFailure(session.window.design(), design), QString());
        QCOMPARE(FirstFailure(session.window, shown), QString());
    }

    // A line unselected with Ctrl and a click keeps the focus frame but is no line chosen: Remove
    // then removes nothing.
    void removeNeedsASelectedLine()
    {
        CatalogueWindow session;
        frmMain& w = session.window;
        Control<QTabWidget>(w, "SSTab1")->setCurrentIndex(3);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Drive(w, OnTracked50({"weapon=LRM 5", "cmdAdd", "weapon=SRM 2", "cmdAdd", "line=1"}));
        auto* list = Control<QListWidget>(w, "lstPayload");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualItemRect(list->item(1)).center());
        QCOMPARE(list->currentRow(), 1);
        QVERIFY(!list->item(1)->isSelected());
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
        QSignalSpy hover(Control<QRadioButton>(window, "optMotiveType_0"), &QRadioButton::toggled);
        Drive(window, {"vsbMass=1", "chkFerroFibrous=0"});
        Control<QRadioButton>(window, "optMotiveType_0")->setChecked(true);
        QCOMPARE(mass.count(), 0);
        QCOMPARE(ferro.count(), 0);
        QCOMPARE(hover.count(), 0);
        Control<QRadioButton>(window, "optMotiveType_1")->setChecked(true);  // a new choice runs its handler
        QCOMPARE(int(window.design().State().MotiveType), 1);
        Drive(window, {"vsbMass=60", "optMotiveType_3"});  // the VTOL lowers the top to 30: one change
        QCOMPARE(mass.count(), 2);
        QCOMPARE(Text(window, "lblMass"), "30");
        Drive(window, {"optMotiveType_0"});  // raising the top moves nothing
        QCOMPARE(mass.count(), 2);
        // The mouse: the up arrow raises by 1, the trough above the handle by 10, and back down.
        auto* spinner = Control<QScrollBar>(window, "vsbMass");
        spinner->setFixedSize(17, 160);  // tall enough to have a trough above and below the handle
        for (const auto& [y, value] : {std::pair{2, 31}, {24, 41}, {160 - 24, 31}, {160 - 2, 30}}) {
            QTest::mouseClick(spinner, Qt::LeftButton, {}, QPoint(8, y));
            QCOMPARE(Text(window, "lblMass"), QString::number(value));
            QCOMPARE(int(window.design().State().Mass), value);
        }
    }

    // Tab through every page, the ammunition browser included: each of the ten spinners' labels is
    // yellow while its spinner has the focus and white after, whether its value changed or not.
    void tabbingHighlightsEverySpinnerLabelThenExit()
    {
        frmMain window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto colour = [&](const QString& spinner) {  // of its label: vsbMass, lblMass
            return Control<QLabel>(window, "lbl" + spinner.mid(3))->palette().color(QPalette::Window);
        };
        QCOMPARE(colour("vsbFrontArmor"), QApplication::palette().color(QPalette::Window));
        Drive(window, {"chkTurret=1"});  // the turret spinner takes the focus only when enabled
        QSet<QString> visited;
        for (const int page : {0, 1}) {
            Control<QTabWidget>(window, "SSTab1")->setCurrentIndex(page);
            if (page == 1) Drive(window, {"cmdAddAmmo"});
            QWidget* start = Control<QWidget>(window, "txtVehicleName");
            start->setFocus(Qt::TabFocusReason);
            for (int press = 0; press < 200 && (press == 0 || QApplication::focusWidget() != start); ++press) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                if (!qobject_cast<QScrollBar*>(QApplication::focusWidget())) continue;
                const QString& spinner = *visited.insert(QApplication::focusWidget()->objectName());
                QVERIFY2(colour(spinner) == QColor(255, 255, 0), qPrintable(spinner));
            }
        }
        QCOMPARE(visited.size(), 10);
        for (const QString& spinner : visited) QVERIFY2(colour(spinner) == QColor(255, 255, 255), qPrintable(spinner));
        Drive(window, {"vsbMass=20"});  // unsaved, yet no question
        Trigger(window, "mnuFileExit");
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
