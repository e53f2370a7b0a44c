// Handlers run when, and only when, a control's value really changes; spinners behave as
// spinners; the focused spinner's label is highlighted.
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "support/testsupport.h"

namespace {
const char* const SpinnerLabels[][2] = {
    {"vsbMass", "lblMass"},
    {"vsbCruise", "lblCruise"},
    {"vsbHeatSinks", "lblHeatSinks"},
    {"vsbArmorTonnage", "lblArmorTonnage"},
    {"vsbFrontArmor", "lblFrontArmor"},
    {"vsbLeftArmor", "lblLeftArmor"},
    {"vsbRightArmor", "lblRightArmor"},
    {"vsbRearArmor", "lblRearArmor"},
    {"vsbTurretArmor", "lblTurretArmor"},
    {"vsbAddTonnage", "lblAddTonnage"},
};
}  // namespace

class NotificationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void upArrowRaisesByOneTroughMovesByTen()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Choose(window, QStringLiteral("optMotiveType_1"));
        auto* mass = Control<QScrollBar>(window, QStringLiteral("vsbMass"));
        SetValue(window, QStringLiteral("vsbMass"), 50);
        QTest::mouseClick(mass, Qt::LeftButton, {}, QPoint(mass->width() / 2, 2));
        QCOMPARE(mass->value(), 51);
        QCOMPARE(Text(window, QStringLiteral("lblMass")), QStringLiteral("51"));
        QTest::mouseClick(mass, Qt::LeftButton, {}, QPoint(mass->width() / 2, mass->height() - 2));
        QCOMPARE(mass->value(), 50);
        mass->setFixedSize(17, 160);  // tall enough to have a trough above and below the handle
        QTest::mouseClick(mass, Qt::LeftButton, {}, QPoint(mass->width() / 2, 24));
        QCOMPARE(mass->value(), 60);
        QTest::mouseClick(mass, Qt::LeftButton, {}, QPoint(mass->width() / 2, mass->height() - 24));
        QCOMPARE(mass->value(), 50);
        mass->setValue(60);
        QTest::keyClick(mass, Qt::Key_Up);
        QCOMPARE(mass->value(), 61);
    }

    void loweringTheTopBelowTheValueRunsTheHandlerOnce()
    {
        frmMain window;
        Choose(window, QStringLiteral("optMotiveType_1"));
        SetValue(window, QStringLiteral("vsbMass"), 60);
        QSignalSpy changes(Control<QScrollBar>(window, QStringLiteral("vsbMass")), &QScrollBar::valueChanged);
        Choose(window, QStringLiteral("optMotiveType_3"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(int(window.Mass), 30);
        QCOMPARE(Text(window, QStringLiteral("lblMass")), QStringLiteral("30"));
        Choose(window, QStringLiteral("optMotiveType_0"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(int(window.Mass), 30);
    }

    void settingTheSameValueRunsNothing()
    {
        frmMain window;
        QSignalSpy changes(Control<QScrollBar>(window, QStringLiteral("vsbArmorTonnage")), &QScrollBar::valueChanged);
        QSignalSpy ticks(Control<QCheckBox>(window, QStringLiteral("chkTurret")), &QCheckBox::toggled);
        const int itemsUsed = window.ItemsUsed;
        SetValue(window, QStringLiteral("vsbArmorTonnage"), 0);
        Tick(window, QStringLiteral("chkTurret"), false);
        Tick(window, QStringLiteral("chkFerroFibrous"), false);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(ticks.count(), 0);
        QCOMPARE(int(window.ItemsUsed), itemsUsed);
    }

    void choosingAChosenOptionRunsNothing()
    {
        frmMain window;
        SetValue(window, QStringLiteral("vsbMass"), 10);
        QSignalSpy chosen(Control<QRadioButton>(window, QStringLiteral("optMotiveType_0")), &QRadioButton::toggled);
        Control<QRadioButton>(window, QStringLiteral("optMotiveType_0"))->setChecked(true);
        QCOMPARE(chosen.count(), 0);
        Control<QRadioButton>(window, QStringLiteral("optMotiveType_1"))->setChecked(true);
        QCOMPARE(int(window.MotiveType), 1);
        QCOMPARE(Text(window, QStringLiteral("lblLiftEquipment")), QStringLiteral("0.0"));
    }

    void focusedSpinnerLabelIsYellowThenWhite()
    {
        frmMain window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Tick(window, QStringLiteral("chkTurret"), true);  // the turret spinner takes the focus only when enabled
        const QColor yellow(255, 255, 0), white(255, 255, 255);
        for (const auto& [spinnerName, labelName] : SpinnerLabels) {
            auto* spinner = Control<QScrollBar>(window, QString::fromLatin1(spinnerName));
            auto* label = Control<QLabel>(window, QString::fromLatin1(labelName));
            spinner->window()->activateWindow();
            if (!spinner->isVisible()) continue;  // on a hidden page or browser
            spinner->setFocus(Qt::TabFocusReason);
            QVERIFY2(label->palette().color(QPalette::Window) == yellow, spinnerName);
            QVERIFY2(label->autoFillBackground(), spinnerName);
            Control<QWidget>(window, QStringLiteral("txtVehicleName"))->setFocus(Qt::TabFocusReason);
            QVERIFY2(label->palette().color(QPalette::Window) == white, spinnerName);
        }
    }

    // Tab through every page, the ammunition browser included: each spinner passed leaves its
    // label white, whether its value ever changed or not.
    void tabbingLeavesEveryVisitedLabelWhite()
    {
        frmMain window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Tick(window, QStringLiteral("chkTurret"), true);
        auto* tabs = Control<QTabWidget>(window, QStringLiteral("SSTab1"));
        QSet<QString> visited;
        const auto tabAround = [&] {
            QWidget* start = Control<QWidget>(window, QStringLiteral("txtVehicleName"));
            start->setFocus(Qt::TabFocusReason);
            for (int press = 0; press < 200; ++press) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget* focused = QApplication::focusWidget();
                if (qobject_cast<QScrollBar*>(focused)) visited.insert(focused->objectName());
                if (focused == start) break;
            }
        };
        tabs->setCurrentIndex(0);
        tabAround();
        tabs->setCurrentIndex(1);
        Press(window, QStringLiteral("cmdAddAmmo"));
        tabAround();
        QCOMPARE(visited.size(), int(std::size(SpinnerLabels)));
        for (const auto& [spinnerName, labelName] : SpinnerLabels) {
            QVERIFY2(visited.contains(QString::fromLatin1(spinnerName)), spinnerName);
            const QLabel* label = Control<QLabel>(window, QString::fromLatin1(labelName));
            QVERIFY2(label->palette().color(QPalette::Window) == QColor(255, 255, 255), labelName);
            QVERIFY2(label->autoFillBackground(), labelName);
        }
        QCOMPARE(Text(window, QStringLiteral("lblFrontArmor")), QStringLiteral("0"));
    }

    // A spinner on a page the user has not opened yet is highlighted the same way.
    void ammunitionSpinnerIsHighlighted()
    {
        frmMain window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Control<QTabWidget>(window, QStringLiteral("SSTab1"))->setCurrentIndex(1);
        Press(window, QStringLiteral("cmdAddAmmo"));
        auto* spinner = Control<QScrollBar>(window, QStringLiteral("vsbAddTonnage"));
        const QLabel* label = Control<QLabel>(window, QStringLiteral("lblAddTonnage"));
        QTest::mouseClick(spinner, Qt::LeftButton, {}, QPoint(spinner->width() / 2, 2));
        QVERIFY(spinner->hasFocus());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 0));
        QTest::keyClick(spinner, Qt::Key_Tab);
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 255));
    }

    // A menu opened over the window or another window in front leaves the focus where it was,
    // and the label yellow.
    void labelStaysYellowWhileTheWindowIsInactive()
    {
        frmMain window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* mass = Control<QScrollBar>(window, QStringLiteral("vsbMass"));
        const QLabel* label = Control<QLabel>(window, QStringLiteral("lblMass"));
        mass->setFocus(Qt::TabFocusReason);
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!mass->hasFocus());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 0));
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(mass->hasFocus());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 0));
        Control<QWidget>(window, QStringLiteral("txtVehicleName"))->setFocus(Qt::TabFocusReason);
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 255));
    }

    void exitClosesAtOnce()
    {
        frmMain window;
        window.show();
        SetValue(window, QStringLiteral("vsbMass"), 20);
        window.findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(NotificationsTest)
#include "test_notifications.moc"
