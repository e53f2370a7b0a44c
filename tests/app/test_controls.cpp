// Every control of the main window, found by its name as start-up leaves it: kind, caption (for a
// value label the figure of the fresh design), tool tip, spinner range, which boxes are ticked,
// the menu items' shortcuts; the rows of the General frame and the Armor page in their order, at
// the default size and enlarged. Handlers run when, and only when, a control's value really
// changes; the mouse steps spinners; the focused spinner's label is yellow and white after it;
// Exit ends at once.
#include "support/testsupport.h"

namespace {

// Kinds: V a value label (one fixed border), S a spinner (lowest, highest, start value), the rest
// their classes; a button or box chosen at start has 1 as its last figure.
constexpr const char *V = "Value", *S = "QScrollBar", *A = "QAction", *F = "QGroupBox", *O = "QRadioButton",
                     *C = "QCheckBox", *B = "QPushButton", *T = "QLineEdit";
constexpr const char *MotiveTip = "Select Movement Type", *EngineTip = "Select Engine Type";
struct Row {
    const char *name, *kind, *caption = nullptr, *tip = nullptr;
    int lowest = 0, highest = 0, start = 0;
    const char* keys = "";  // a menu item's shortcut where the desktop names none
};

const Row Controls[] = {
    {"mnuFile", "QMenu", "&File"}, {.name = "mnuFileNew", .kind = A, .caption = "&New", .keys = "Ctrl+N"},
    {.name = "mnuFileOpen", .kind = A, .caption = "&Open", .keys = "Ctrl+O"},
    {.name = "mnuFileSave", .kind = A, .caption = "&Save", .keys = "Ctrl+S"},
    {.name = "mnuFileSaveAs", .kind = A, .caption = "Save &As...", .keys = "Ctrl+Shift+S"}, {"mnuFileBreak1", A, ""},
    {"mnuFileExportHTML", A, "Export to &HTML"}, {"mnuFileExportHVN", A, "Export to &HVN HTML"},
    {"mnuFileExportSheet", A, "Export Record Sheet (PDF)..."}, {"mnuFilePrintSheet", A, "Print Record Sheet..."},
    {"mnuFileBreak2", A, ""}, {.name = "mnuFileExit", .kind = A, .caption = "E&xit", .keys = "Ctrl+Q"},
    {"mnuHelp", "QMenu", "&Help"}, {"mnuHelpAbout", A, "&About"}, {"Frame4", F, "General"},
    {"txtVehicleName", T, "Insert Name and Designation", "Insert Name and Designation"}, {"Frame1", F, "Movement Type"},
    {"optMotiveType_0", O, "Hover", MotiveTip, 0, 0, 1}, {"optMotiveType_1", O, "Tracked", MotiveTip},
    {"optMotiveType_2", O, "Wheeled", MotiveTip}, {"optMotiveType_3", O, "VTOL", MotiveTip}, {"Frame2", F, "Engine Type"},
    {"optEngineType_0", O, "I.C.E.", EngineTip, 0, 0, 1}, {"optEngineType_1", O, "Fusion", EngineTip},
    {"optEngineType_2", O, "Fusion XL", EngineTip}, {"lblMass", V, "1", "Select Mass"}, {"vsbMass", S, {}, {}, 1, 50, 1},
    {"lblTonnageRemaining", V, "-1.5"}, {"lblLiftEquipment", V, "0.5"}, {"lblItemLimit", V, "5"},
    {"lblControlTonnage", V, "0.5"}, {"lblItemsFree", V, "5"}, {"lblCruise", V, "1", "Select Cruise Speed"},
    {"vsbCruise", S, {}, {}, 1, 100, 1}, {"lblFlank", V, "2"}, {"lblEngineSize", V, "10"},
    {"lblEngineWeight", V, "1.0"}, {"lblInternalStructure", V, "0.5"}, {"chkTurret", C, "Turret"},
    {"lblTurretTonnage", V, "0.0"}, {"lblHeatSinks", V, "0", "Add/Remove Heat Sinks"},
    {"vsbHeatSinks", S, {}, {}, 0, 100, 0}, {"lblHeatSinkTonnage", V, "0"}, {"lblPowerAmplifiers", V, "0.0"},
    {"lblCost", V, "20,570"}, {"SSTab1", "QTabWidget"},
    {"Frame3", F, "Armor"}, {"lblArmorTonnage", V, "0.0"}, {"vsbArmorTonnage", S, {}, {}, 0, 200, 0},
    {"chkFerroFibrous", C, "Ferro Fibrous"}, {"lblTotalArmorPoints", V, "0"}, {"lblArmorPointsUsed", V, "0"},
    {"lblArmorPointsRemaining", V, "0"}, {"lblFrontArmor", V, "0"}, {"vsbFrontArmor", S, {}, {}, 0, 2000, 0},
    {"lblLeftArmor", V, "0"}, {"vsbLeftArmor", S, {}, {}, 0, 2000, 0}, {"lblTurret", "QLabel", "Turret:"},
    {"lblTurretArmor", V, "0"}, {"vsbTurretArmor", S, {}, {}, 0, 2000, 0}, {"lblRightArmor", V, "0"},
    {"vsbRightArmor", S, {}, {}, 0, 2000, 0}, {"lblRearArmor", V, "0"}, {"vsbRearArmor", S, {}, {}, 0, 2000, 0},
    {"cmdAllocateArmor", B, "Auto-Allocate"}, {"Frame6", F, "Special"}, {"chkCASE", C, "CASE"},
    {"cmdAddEquipment", B, "Add Weapons"}, {"cmdAddAmmo", B, "Add Ammo"}, {"fraAddWeapons", F, "Add Weapons"},
    {"lblClass", V}, {"lblName", V}, {"lblWeight", V}, {"lblHeat", V}, {"lblWeaponCost", V},
    {"optLocation_0", O, "Front", {}, 0, 0, 1}, {"optLocation_1", O, "Rear"}, {"optLocation_2", O, "Right"},
    {"optLocation_3", O, "Left"}, {"optLocation_4", O, "Turret"}, {"cmdPreviousWeapon", B, "&<- Previous"},
    {"cmdNextWeapon", B, "Next -&>"}, {"cmdAdd", B, "&Add"}, {"fraAddAmmo", F, "Add Ammunition and Cargo"},
    {"lblAmmoClass", V}, {"lblAmmoType", V}, {"lblAmmoShotsPerTon", V}, {"lblAmmoCost", V}, {"lblAddTonnage", V, "1"},
    {"vsbAddTonnage", S, {}, {}, 1, 100, 1}, {"cmdAmmoPrevious", B, "&<- Previous"}, {"cmdAmmoNext", B, "Next -&>"},
    {"cmdAmmoAdd", B, "&Add"}, {"Frame5", F, "Artemis IV"}, {"chkArtemisSRM", C, "SRM"}, {"chkArtemisLRM", C, "LRM"},
    {"lblPayloadTonnage", V, "0.0"}, {"txtManufacturer", T, ""}, {"txtTargetingSystem", T, ""},
    {"txtCommSystem", T, ""}, {"txtOverview", "QPlainTextEdit", ""}, {"lstPayload", "QListWidget"},
    {"cmdRemove", B, "Remove"}, {"cmdClearAll", B, "Clear All"}, {"datWeapons", "RowSet"}, {"datAmmo", "RowSet"},
    {"dlgCommon", "CommonDialog"},
};

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

QString Caption(const QObject* control)  // a frame's or menu's title, a text box's contents, any other control's text
{
    QString caption;
    for (const char* property : {"title", "text", "plainText"})
        if (control->property(property).isValid()) caption = control->property(property).toString();
    return caption;
}

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void everyControlByName_data() { AddCases(Controls); }

    void everyControlByName()
    {
        const Row& r = CaseOf(Controls);
        const frmMain window;
        const QObject* control = window.findChild<QObject*>(r.name);
        QVERIFY(control);
        QVERIFY(control->inherits(r.kind == V ? "QLabel" : r.kind));
        if (r.caption) QCOMPARE(Caption(control), QString::fromUtf8(r.caption));
        if (r.tip) QCOMPARE(control->property("toolTip").toString(), QString::fromUtf8(r.tip));
        if (auto* label = qobject_cast<const QLabel*>(control); label && r.kind == V)
            QCOMPARE(QString("%1 %2 %3").arg(label->frameShape()).arg(label->frameShadow()).arg(label->lineWidth()),
                     QString("%1 %2 1").arg(QFrame::Box).arg(QFrame::Plain));
        if (auto* action = qobject_cast<const QAction*>(control)) {
            QCOMPARE(action->isSeparator(), !*r.caption);
            QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(r.keys)));
        }
        if (auto* box = qobject_cast<const QAbstractButton*>(control); box && box->isCheckable())
            QCOMPARE(box->isChecked(), r.start == 1);
        if (auto* spinner = qobject_cast<const QScrollBar*>(control))  // vertical, stepping by 1 and 10
            QCOMPARE(QString("%1 %2..%3 at %4 by %5/%6").arg(spinner->orientation()).arg(spinner->minimum()).arg(spinner->maximum())
                         .arg(spinner->value()).arg(spinner->singleStep()).arg(spinner->pageStep()),
                     QString("%1 %2..%3 at %4 by 1/10").arg(Qt::Vertical).arg(r.lowest).arg(r.highest).arg(r.start));
    }

    // The title, the menus' items in the table's order, the pages, the list's font.
    void window()
    {
        frmMain window;
        QCOMPARE(window.windowTitle(), QStringLiteral("HVN Tarnwell - Main Page"));
        QStringList menuItems, tableItems;
        for (QAction* menu : window.menuBar()->actions())
            for (QAction* item : menu->menu()->actions()) menuItems << item->objectName();
        for (const Row& row : Controls)
            if (row.kind == A) tableItems << row.name;
        QCOMPARE(menuItems, tableItems);
        auto* tabs = Control<QTabWidget>(window, "SSTab1");
        QStringList pages;
        for (int page = 0; page < tabs->count(); ++page) pages << tabs->tabText(page);
        QCOMPARE(pages, (QStringList{"Armor", "Add Ammo && Equipment", "Specifications", "Display Equipment"}));
        QVERIFY(Control<QWidget>(window, "fraAddAmmo")->isHidden());
        const QFont font = Control<QListWidget>(window, "lstPayload")->font();  // fixed pitch
        QCOMPARE(font.pointSizeF(), 8.25);
        if (QFontInfo(QFont("Courier New")).family() == "Courier New")
            QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(QFontMetricsF(font).horizontalAdvance(u'i'), QFontMetricsF(font).horizontalAdvance(u'W'));
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
        QCOMPARE(int(window.MotiveType), 1);
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
        window.findChild<QAction*>("mnuFileExit")->trigger();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
