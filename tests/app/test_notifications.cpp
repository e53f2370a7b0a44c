// Handlers run when, and only when, a control's value really changes; spinners step by 1 and
// 10; the focused spinner's label is yellow and white after it; Exit ends at once.
#include "support/testsupport.h"

class NotificationsTest : public QObject {
    Q_OBJECT
private slots:
    // A handler runs when, and only when, its control's value really changes, from code as well;
    // the mouse steps a spinner by 1 on its arrows and by 10 in its trough.
    void handlersRunOnARealChangeOnly()
    {
        frmMain window;
        QSignalSpy mass(Control<QScrollBar>(window, "vsbMass"), &QScrollBar::valueChanged);
        QSignalSpy ferro(Control<QCheckBox>(window, "chkFerroFibrous"), &QCheckBox::toggled);
        QSignalSpy hover(Control<QRadioButton>(window, "optMotiveType_0"), &QRadioButton::toggled);
        SetValue(window, "vsbMass", 1);
        Tick(window, "chkFerroFibrous", false);
        Control<QRadioButton>(window, "optMotiveType_0")->setChecked(true);
        QCOMPARE(mass.count(), 0);
        QCOMPARE(ferro.count(), 0);
        QCOMPARE(hover.count(), 0);
        Control<QRadioButton>(window, "optMotiveType_1")->setChecked(true);  // a new choice runs its handler
        QCOMPARE(int(window.MotiveType), 1);
        SetValue(window, "vsbMass", 60);
        Choose(window, "optMotiveType_3");  // lowers the top to 30: one change
        QCOMPARE(mass.count(), 2);
        QCOMPARE(Text(window, "lblMass"), "30");
        Choose(window, "optMotiveType_0");  // raising the top moves nothing
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
        Tick(window, "chkTurret", true);  // the turret spinner takes the focus only when enabled
        QSet<QString> visited;
        for (const int page : {0, 1}) {
            Control<QTabWidget>(window, "SSTab1")->setCurrentIndex(page);
            if (page == 1) Press(window, "cmdAddAmmo");
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
        SetValue(window, "vsbMass", 20);  // unsaved, yet no question
        window.findChild<QAction*>("mnuFileExit")->trigger();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(NotificationsTest)
#include "test_notifications.moc"
