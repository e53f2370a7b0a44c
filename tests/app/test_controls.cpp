// Every control of the main window, found by its name: kind, caption, tool tip and range.
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "support/testsupport.h"

namespace {

struct ControlRow {
    const char* name;
    const char* kind;
    const char* caption;  // nullptr: no caption to check
    const char* toolTip;  // nullptr: no tool tip to check
};

const ControlRow Controls[] = {
    {"mnuFile", "QMenu", "&File", nullptr},
    {"mnuHelp", "QMenu", "&Help", nullptr},
    {"Frame4", "QGroupBox", "General", nullptr},
    {"txtVehicleName", "QLineEdit", "Insert Name and Designation", "Insert Name and Designation"},
    {"Frame1", "QGroupBox", "Movement Type", nullptr},
    {"optMotiveType_0", "QRadioButton", "Hover", "Select Movement Type"},
    {"optMotiveType_1", "QRadioButton", "Tracked", "Select Movement Type"},
    {"optMotiveType_2", "QRadioButton", "Wheeled", "Select Movement Type"},
    {"optMotiveType_3", "QRadioButton", "VTOL", "Select Movement Type"},
    {"Frame2", "QGroupBox", "Engine Type", nullptr},
    {"optEngineType_0", "QRadioButton", "I.C.E.", "Select Engine Type"},
    {"optEngineType_1", "QRadioButton", "Fusion", "Select Engine Type"},
    {"optEngineType_2", "QRadioButton", "Fusion XL", "Select Engine Type"},
    {"lblMass", "QLabel", nullptr, "Select Mass"},
    {"lblCruise", "QLabel", nullptr, "Select Cruise Speed"},
    {"lblHeatSinks", "QLabel", nullptr, "Add/Remove Heat Sinks"},
    {"chkTurret", "QCheckBox", "Turret", nullptr},
    {"SSTab1", "QTabWidget", nullptr, nullptr},
    {"Frame3", "QGroupBox", "Armor", nullptr},
    {"chkFerroFibrous", "QCheckBox", "Ferro Fibrous", nullptr},
    {"lblTurret", "QLabel", "Turret:", nullptr},
    {"cmdAllocateArmor", "QPushButton", "Auto-Allocate", nullptr},
    {"Frame6", "QGroupBox", "Special", nullptr},
    {"chkCASE", "QCheckBox", "CASE", nullptr},
    {"cmdAddEquipment", "QPushButton", "Add Weapons", nullptr},
    {"cmdAddAmmo", "QPushButton", "Add Ammo", nullptr},
    {"fraAddWeapons", "QGroupBox", "Add Weapons", nullptr},
    {"optLocation_0", "QRadioButton", "Front", nullptr},
    {"optLocation_1", "QRadioButton", "Rear", nullptr},
    {"optLocation_2", "QRadioButton", "Right", nullptr},
    {"optLocation_3", "QRadioButton", "Left", nullptr},
    {"optLocation_4", "QRadioButton", "Turret", nullptr},
    {"cmdPreviousWeapon", "QPushButton", "&<- Previous", nullptr},
    {"cmdNextWeapon", "QPushButton", "Next -&>", nullptr},
    {"cmdAdd", "QPushButton", "&Add", nullptr},
    {"fraAddAmmo", "QGroupBox", "Add Ammunition and Cargo", nullptr},
    {"cmdAmmoPrevious", "QPushButton", "&<- Previous", nullptr},
    {"cmdAmmoNext", "QPushButton", "Next -&>", nullptr},
    {"cmdAmmoAdd", "QPushButton", "&Add", nullptr},
    {"Frame5", "QGroupBox", "Artemis IV", nullptr},
    {"chkArtemisSRM", "QCheckBox", "SRM", nullptr},
    {"chkArtemisLRM", "QCheckBox", "LRM", nullptr},
    {"txtManufacturer", "QLineEdit", "", nullptr},
    {"txtTargetingSystem", "QLineEdit", "", nullptr},
    {"txtCommSystem", "QLineEdit", "", nullptr},
    {"txtOverview", "QPlainTextEdit", "", nullptr},
    {"lstPayload", "QListWidget", nullptr, nullptr},
    {"cmdRemove", "QPushButton", "Remove", nullptr},
    {"cmdClearAll", "QPushButton", "Clear All", nullptr},
    {"datWeapons", "RowSet", nullptr, nullptr},
    {"datAmmo", "RowSet", nullptr, nullptr},
    {"dlgCommon", "CommonDialog", nullptr, nullptr},
};

struct MenuRow {
    const char* name;
    const char* caption;
};
const MenuRow MenuItems[] = {
    {"mnuFileNew", "&New"},
    {"mnuFileOpen", "&Open"},
    {"mnuFileSave", "&Save"},
    {"mnuFileSaveAs", "Save &As..."},
    {"mnuFileBreak1", ""},
    {"mnuFileExportHTML", "Export to &HTML"},
    {"mnuFileExportHVN", "Export to &HVN HTML"},
    {"mnuFileBreak2", ""},
    {"mnuFileExit", "E&xit"},
};

struct SpinnerRow {
    const char* name;
    int lowest;
    int highest;
    int value;  // after start-up
    const char* label;
};
const SpinnerRow Spinners[] = {
    {"vsbMass", 1, 50, 1, "lblMass"},
    {"vsbCruise", 1, 100, 1, "lblCruise"},
    {"vsbHeatSinks", 0, 100, 0, "lblHeatSinks"},
    {"vsbArmorTonnage", 0, 200, 0, "lblArmorTonnage"},
    {"vsbFrontArmor", 0, 2000, 0, "lblFrontArmor"},
    {"vsbLeftArmor", 0, 2000, 0, "lblLeftArmor"},
    {"vsbTurretArmor", 0, 2000, 0, "lblTurretArmor"},
    {"vsbRightArmor", 0, 2000, 0, "lblRightArmor"},
    {"vsbRearArmor", 0, 2000, 0, "lblRearArmor"},
    {"vsbAddTonnage", 1, 100, 1, "lblAddTonnage"},
};

const char* const ValueLabels[] = {
    "lblMass", "lblTonnageRemaining", "lblLiftEquipment", "lblItemLimit", "lblControlTonnage",
    "lblItemsFree", "lblCruise", "lblFlank", "lblEngineSize", "lblEngineWeight", "lblInternalStructure",
    "lblTurretTonnage", "lblHeatSinks", "lblHeatSinkTonnage", "lblPowerAmplifiers", "lblCost",
    "lblArmorTonnage", "lblTotalArmorPoints", "lblArmorPointsUsed", "lblArmorPointsRemaining",
    "lblFrontArmor", "lblLeftArmor", "lblTurretArmor", "lblRightArmor", "lblRearArmor", "lblClass",
    "lblName", "lblWeight", "lblHeat", "lblWeaponCost", "lblAmmoClass", "lblAmmoType",
    "lblAmmoShotsPerTon", "lblAmmoCost", "lblAddTonnage", "lblPayloadTonnage",
};

QString CaptionOf(QObject* control)
{
    if (auto* box = qobject_cast<QAbstractButton*>(control)) return box->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* line = qobject_cast<QLineEdit*>(control)) return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(control)) return text->toPlainText();
    if (auto* menu = qobject_cast<QMenu*>(control)) return menu->title();
    return {};
}

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void windowCaption()
    {
        frmMain window;
        QCOMPARE(window.objectName(), QStringLiteral("frmMain"));
        QCOMPARE(window.windowTitle(), QStringLiteral("HVN Tarnwell - Main Page"));
    }

    void everyControlByName()
    {
        frmMain window;
        for (const ControlRow& row : Controls) {
            QObject* control = window.findChild<QObject*>(QString::fromLatin1(row.name));
            QVERIFY2(control, row.name);
            QVERIFY2(control->inherits(row.kind), row.name);
            if (row.caption) QCOMPARE(CaptionOf(control), QString::fromUtf8(row.caption));
            if (row.toolTip) QCOMPARE(qobject_cast<QWidget*>(control)->toolTip(), QString::fromLatin1(row.toolTip));
        }
    }

    void menuItemsInOrder()
    {
        frmMain window;
        const QList<QAction*> items = Control<QMenu>(window, QStringLiteral("mnuFile"))->actions();
        QCOMPARE(items.size(), int(std::size(MenuItems)));
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i]->objectName(), QString::fromLatin1(MenuItems[i].name));
            QCOMPARE(items[i]->isSeparator(), !*MenuItems[i].caption);
            if (*MenuItems[i].caption) QCOMPARE(items[i]->text(), QString::fromLatin1(MenuItems[i].caption));
        }
        const QList<QAction*> help = Control<QMenu>(window, QStringLiteral("mnuHelp"))->actions();
        QCOMPARE(help.size(), 1);
        QCOMPARE(help[0]->objectName(), QStringLiteral("mnuHelpAbout"));
        QCOMPARE(help[0]->text(), QStringLiteral("&About"));
    }

    void tabPagesInOrder()
    {
        frmMain window;
        auto* tabs = Control<QTabWidget>(window, QStringLiteral("SSTab1"));
        const QStringList captions = {QStringLiteral("Armor"), QStringLiteral("Add Ammo && Equipment"),
                                      QStringLiteral("Specifications"), QStringLiteral("Display Equipment")};
        QCOMPARE(tabs->count(), captions.size());
        for (int i = 0; i < captions.size(); ++i) QCOMPARE(tabs->tabText(i), captions[i]);
    }

    void spinnerRanges()
    {
        frmMain window;
        for (const SpinnerRow& row : Spinners) {
            auto* spinner = Control<QScrollBar>(window, QString::fromLatin1(row.name));
            QCOMPARE(spinner->orientation(), Qt::Vertical);
            QCOMPARE(spinner->minimum(), row.lowest);
            QCOMPARE(spinner->maximum(), row.highest);
            QCOMPARE(spinner->value(), row.value);
            QCOMPARE(spinner->singleStep(), 1);
            QCOMPARE(spinner->pageStep(), 10);
        }
    }

    void valueLabelsHaveOneFixedBorder()
    {
        frmMain window;
        for (const char* name : ValueLabels) {
            auto* label = Control<QLabel>(window, QString::fromLatin1(name));
            QVERIFY2(label->frameShape() == QFrame::Box && label->frameShadow() == QFrame::Plain, name);
            QVERIFY2(label->lineWidth() == 1, name);
        }
    }

    // Until their spinner first takes the focus, its labels show the window's own colours.
    void spinnerLabelsStartInWindowColours()
    {
        frmMain window;
        const QPalette system = QApplication::palette();
        for (const SpinnerRow& row : Spinners) {
            auto* label = Control<QLabel>(window, QString::fromLatin1(row.label));
            QVERIFY2(label->autoFillBackground(), row.label);
            QVERIFY2(label->backgroundRole() == QPalette::Window, row.label);
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                QVERIFY2(label->palette().color(group, QPalette::Window) == system.color(group, QPalette::Window), row.label);
                QVERIFY2(label->palette().color(group, QPalette::WindowText) == system.color(group, QPalette::WindowText),
                         row.label);
            }
        }
    }

    void startChoicesAndVisibility()
    {
        frmMain window;
        QVERIFY(Control<QRadioButton>(window, QStringLiteral("optMotiveType_0"))->isChecked());
        QVERIFY(Control<QRadioButton>(window, QStringLiteral("optEngineType_0"))->isChecked());
        QVERIFY(Control<QRadioButton>(window, QStringLiteral("optLocation_0"))->isChecked());
        QVERIFY(!Control<QRadioButton>(window, QStringLiteral("optLocation_4"))->isEnabled());
        QVERIFY(!Control<QWidget>(window, QStringLiteral("fraAddWeapons"))->isHidden());
        QVERIFY(Control<QWidget>(window, QStringLiteral("fraAddAmmo"))->isHidden());
    }

    void payloadListIsFixedPitch()
    {
        frmMain window;
        const QFont font = Control<QListWidget>(window, QStringLiteral("lstPayload"))->font();
        QCOMPARE(font.pointSizeF(), 8.25);
        if (QFontInfo(QFont(QStringLiteral("Courier New"))).family() == QStringLiteral("Courier New"))
            QCOMPARE(font.family(), QStringLiteral("Courier New"));
        const QFontMetricsF metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
    }
};

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
