// The window as the user sees it: rows and columns in their order, frames in their place,
// nothing overlapping and every caption shown whole, at the default size and enlarged.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "support/testsupport.h"

namespace {

QRect Place(const frmMain& window, const QWidget* widget)
{
    return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
}

// A named control, or a caption label found by its text inside `inside`.
QWidget* Find(const frmMain& window, const char* key, const QWidget* inside)
{
    const QString text = QString::fromLatin1(key);
    if (QWidget* named = window.findChild<QWidget*>(text)) return named;
    const QList<QLabel*> labels = inside->findChildren<QLabel*>();
    for (QLabel* label : labels)
        if (label->text() == text && label->isVisible()) return label;
    qFatal("no control or caption %s", key);
}

// Controls of one row: left to right, sharing one line.
struct Row {
    std::vector<const char*> keys;
};

void CheckRows(const frmMain& window, const char* frame, const std::vector<Row>& rows)
{
    const QWidget* inside = Find(window, frame, &window);
    int previousBottom = -1;
    for (const Row& row : rows) {
        int previousRight = -1, top = INT_MAX, bottom = -1;
        const int line = Place(window, Find(window, row.keys.front(), inside)).center().y();
        for (const char* key : row.keys) {
            const QWidget* control = Find(window, key, inside);
            const QRect place = Place(window, control);
            QVERIFY2(inside->isAncestorOf(control), key);
            QVERIFY2(place.left() > previousRight, key);
            QVERIFY2(place.top() <= line && line <= place.bottom(), key);
            previousRight = place.right();
            top = std::min(top, place.top());
            bottom = std::max(bottom, place.bottom());
        }
        QVERIFY2(top > previousBottom, row.keys.front());
        previousBottom = bottom;
    }
}

void ShowPage(frmMain& window, int page)
{
    Control<QTabWidget>(window, QStringLiteral("SSTab1"))->setCurrentIndex(page);
    QApplication::processEvents();
}

// Every visible control of the window lies inside its frame, overlaps no other control and has
// room for its caption.
void CheckTidy(const frmMain& window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window.centralWidget()->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QScrollBar*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QListWidget*>(widget);
        if (control && widget->isVisible()) controls.append(widget);
    }
    const QRect window_ = Place(window, window.centralWidget());
    for (QWidget* control : controls) {
        const QRect place = Place(window, control);
        const QString name = control->objectName().isEmpty() ? control->property("text").toString() : control->objectName();
        QVERIFY2(window_.contains(place), qPrintable(name));
        for (QWidget* frame = control->parentWidget(); frame; frame = frame->parentWidget())
            if (auto* box = qobject_cast<QGroupBox*>(frame)) QVERIFY2(Place(window, box).contains(place), qPrintable(name));
        if (qobject_cast<QAbstractButton*>(control) || (qobject_cast<QLabel*>(control) && control->objectName().isEmpty()))
            QVERIFY2(control->width() >= control->sizeHint().width(), qPrintable(name));
        for (QWidget* other : controls) {
            if (other == control || other->isAncestorOf(control) || control->isAncestorOf(other)) continue;
            QVERIFY2(!place.intersects(Place(window, other)),
                     qPrintable(name + QStringLiteral(" overlaps ") + other->objectName() + other->property("text").toString()));
        }
    }
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void generalFrameRowsInOrder()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CheckRows(window, "Frame4",
                  {{{"Name/Designation:", "txtVehicleName"}},
                   {{"optMotiveType_0", "optMotiveType_1", "optMotiveType_2", "optMotiveType_3"}},
                   {{"optEngineType_0", "optEngineType_1", "optEngineType_2"}},
                   {{"Mass:", "lblMass", "vsbMass", "Remaining:", "lblTonnageRemaining"}},
                   {{"Lift Equipment:", "lblLiftEquipment", "Item Limit:", "lblItemLimit"}},
                   {{"Control Tonnage:", "lblControlTonnage", "Items Free:", "lblItemsFree"}},
                   {{"Cruise:", "lblCruise", "vsbCruise", "Flank:", "lblFlank"}},
                   {{"Power Plant:", "lblEngineSize", "lblEngineWeight"}},
                   {{"Internal Structure:", "lblInternalStructure", "chkTurret", "lblTurretTonnage"}},
                   {{"Heat Sinks:", "lblHeatSinks", "vsbHeatSinks", "lblHeatSinkTonnage"}},
                   {{"Power Amps:", "lblPowerAmplifiers"}},
                   {{"Cost:", "lblCost"}}});
        QVERIFY(Control<QGroupBox>(window, QStringLiteral("Frame1"))->isAncestorOf(
            Control<QWidget>(window, QStringLiteral("optMotiveType_3"))));
        QVERIFY(Control<QGroupBox>(window, QStringLiteral("Frame2"))->isAncestorOf(
            Control<QWidget>(window, QStringLiteral("optEngineType_2"))));
        // Value labels stand in two columns.
        const char* const firstColumn[] = {"lblMass", "lblLiftEquipment", "lblControlTonnage", "lblCruise",
                                           "lblEngineSize", "lblInternalStructure", "lblHeatSinks",
                                           "lblPowerAmplifiers", "lblCost"};
        const char* const secondColumn[] = {"lblTonnageRemaining", "lblItemLimit", "lblItemsFree", "lblFlank",
                                            "lblEngineWeight", "lblTurretTonnage", "lblHeatSinkTonnage"};
        for (const auto& column : {std::vector<const char*>(std::begin(firstColumn), std::end(firstColumn)),
                                   std::vector<const char*>(std::begin(secondColumn), std::end(secondColumn))})
            for (const char* name : column)
                QVERIFY2(Place(window, Find(window, name, &window)).left() ==
                             Place(window, Find(window, column.front(), &window)).left(),
                         name);
        // Every row of figures is as tall as a spinner.
        const int spinnerHeight = Find(window, "vsbMass", &window)->height();
        for (const char* name : firstColumn) QVERIFY2(Find(window, name, &window)->height() == spinnerHeight, name);
        for (const char* name : secondColumn) QVERIFY2(Find(window, name, &window)->height() == spinnerHeight, name);
        QVERIFY(Place(window, Find(window, "lblCost", &window)).width() >
                Place(window, Find(window, "lblMass", &window)).width());
    }

    void armorPageAsACross()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ShowPage(window, 0);
        CheckRows(window, "Frame3",
                  {{{"Armor Tonnage:", "lblArmorTonnage", "vsbArmorTonnage", "chkFerroFibrous"}},
                   {{"Total Points:", "lblTotalArmorPoints"}},
                   {{"Points Used:", "lblArmorPointsUsed", "Remaining:", "lblArmorPointsRemaining"}},
                   {{"Front:"}},
                   {{"lblFrontArmor", "vsbFrontArmor"}},
                   {{"Left:", "lblTurret", "Right:"}},
                   {{"lblLeftArmor", "vsbLeftArmor", "lblTurretArmor", "vsbTurretArmor", "lblRightArmor",
                     "vsbRightArmor"}},
                   {{"Rear:"}},
                   {{"lblRearArmor", "vsbRearArmor", "cmdAllocateArmor"}}});
        const auto centreX = [&](const char* name) { return Place(window, Find(window, name, &window)).center().x(); };
        QCOMPARE(centreX("lblFrontArmor"), centreX("lblTurretArmor"));
        QCOMPARE(centreX("lblRearArmor"), centreX("lblTurretArmor"));
        QVERIFY(Place(window, Find(window, "Frame6", &window)).top() > Place(window, Find(window, "Frame3", &window)).bottom());
        QVERIFY(Control<QGroupBox>(window, QStringLiteral("Frame6"))->isAncestorOf(
            Control<QWidget>(window, QStringLiteral("chkCASE"))));
    }

    void equipmentPageBrowsersShareOnePlace()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ShowPage(window, 1);
        CheckRows(window, "fraAddWeapons",
                  {{{"Class:", "lblClass"}},
                   {{"Name:", "lblName"}},
                   {{"Weight:", "lblWeight"}},
                   {{"Heat:", "lblHeat"}},
                   {{"Cost:", "lblWeaponCost"}},
                   {{"optLocation_0", "optLocation_1", "optLocation_2", "optLocation_3", "optLocation_4"}},
                   {{"cmdPreviousWeapon", "cmdNextWeapon", "cmdAdd"}}});
        const QRect weapons = Place(window, Find(window, "fraAddWeapons", &window));
        const auto below = [&](const char* upper, const char* lower) {
            return Place(window, Find(window, lower, &window)).top() > Place(window, Find(window, upper, &window)).bottom();
        };
        QVERIFY(below("cmdAddEquipment", "fraAddWeapons"));
        QVERIFY(Place(window, Find(window, "cmdAddAmmo", &window)).left() >
                Place(window, Find(window, "cmdAddEquipment", &window)).right());
        QVERIFY(below("fraAddWeapons", "Frame5"));
        QVERIFY(below("Frame5", "lblPayloadTonnage"));
        CheckRows(window, "Frame5", {{{"chkArtemisSRM", "chkArtemisLRM"}}});

        Press(window, QStringLiteral("cmdAddAmmo"));
        QApplication::processEvents();
        QCOMPARE(Place(window, Find(window, "fraAddAmmo", &window)), weapons);
        CheckRows(window, "fraAddAmmo",
                  {{{"Class:", "lblAmmoClass"}},
                   {{"Name:", "lblAmmoType"}},
                   {{"Shots/Ton:", "lblAmmoShotsPerTon"}},
                   {{"Cost:", "lblAmmoCost"}},
                   {{"Tons:", "lblAddTonnage", "vsbAddTonnage"}},
                   {{"cmdAmmoPrevious", "cmdAmmoNext", "cmdAmmoAdd"}}});
    }

    void textAndListPagesInOrder()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ShowPage(window, 2);
        const QWidget* page = Control<QTabWidget>(window, QStringLiteral("SSTab1"))->widget(2);
        const char* const column[] = {"Manufacturer:",       "txtManufacturer",
                                      "Targeting & Tracking System:", "txtTargetingSystem",
                                      "Comm System:",        "txtCommSystem",
                                      "Overview and Specifications:", "txtOverview"};
        int previousBottom = -1;
        for (const char* key : column) {
            const QRect place = Place(window, Find(window, key, page));
            QVERIFY2(place.top() > previousBottom, key);
            previousBottom = place.bottom();
        }
        ShowPage(window, 3);
        const QRect list = Place(window, Find(window, "lstPayload", &window));
        QVERIFY(Place(window, Find(window, "cmdRemove", &window)).top() > list.bottom());
        QVERIFY(Place(window, Find(window, "cmdClearAll", &window)).left() >
                Place(window, Find(window, "cmdRemove", &window)).right());
    }

    void tidyAtDefaultSizeAndEnlarged_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("default") << QSize();
        QTest::newRow("enlarged") << QSize(1600, 1100);
    }
    void tidyAtDefaultSizeAndEnlarged()
    {
        QFETCH(QSize, size);
        frmMain window;
        if (size.isValid()) window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Tick(window, QStringLiteral("chkTurret"), true);
        for (int page = 0; page < 4; ++page) {
            ShowPage(window, page);
            CheckTidy(window);
            if (page == 1) {
                Press(window, QStringLiteral("cmdAddAmmo"));
                QApplication::processEvents();
                CheckTidy(window);
            }
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
