// Handlers run when, and only when, a control's value really changes; spinners behave as
// spinners; the focused spinner's label is highlighted.
#include <QSignalSpy>
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
