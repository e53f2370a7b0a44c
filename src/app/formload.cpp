// Start-up, the program folder, the spinner focus highlight and Exit.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "files/commondialog.h"
#include "payload/rowset.h"

void frmMain::Form_Load()
{
    datWeapons->setDatabaseName(GetAppPath() + QStringLiteral("ISWeapons.mdb"));
    datAmmo->setDatabaseName(GetAppPath() + QStringLiteral("ISWeapons.mdb"));
    OpenCatalogue();
    dlgCommon->setInitDir(GetAppPath());
    optMotiveType_Click(0);
    DesignFileName.clear();
    vsbMass_Change();
    vsbCruise_Change();
    vsbArmorTonnage_Change();
    chkTurret_Click();
    vsbFrontArmor_Change();
    vsbLeftArmor_Change();
    vsbRightArmor_Change();
    vsbTurretArmor_Change();
    vsbRearArmor_Change();
    vsbHeatSinks->setValue(0);
    vsbAddTonnage_Change();
    chkFerroFibrous->setChecked(true);
    chkFerroFibrous->setChecked(false);
    cmdClearAll_Click();
    UpdateDesign();
}

QString WithTrailingSeparator(const QString& folder)
{
    QString path = QDir::toNativeSeparators(folder);
    if (!path.endsWith(QDir::separator())) path += QDir::separator();
    return path;
}

QString frmMain::GetAppPath()
{
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

void frmMain::mnuFileExit_Click()
{
    close();
}

namespace {

struct HighlightPair {
    QScrollBar* frmMain::*spinner;
    QLabel* frmMain::*label;
};

constexpr HighlightPair HighlightPairs[] = {
    {&frmMain::vsbMass, &frmMain::lblMass},
    {&frmMain::vsbCruise, &frmMain::lblCruise},
    {&frmMain::vsbHeatSinks, &frmMain::lblHeatSinks},
    {&frmMain::vsbArmorTonnage, &frmMain::lblArmorTonnage},
    {&frmMain::vsbFrontArmor, &frmMain::lblFrontArmor},
    {&frmMain::vsbLeftArmor, &frmMain::lblLeftArmor},
    {&frmMain::vsbRightArmor, &frmMain::lblRightArmor},
    {&frmMain::vsbRearArmor, &frmMain::lblRearArmor},
    {&frmMain::vsbTurretArmor, &frmMain::lblTurretArmor},
    {&frmMain::vsbAddTonnage, &frmMain::lblAddTonnage},
};

// Focus that stays on the spinner while a menu is open or another program is in front does
// not count as lost.
bool FocusMovedAway(QEvent* event)
{
    if (event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

// A spinner's label turns yellow while the spinner has the focus and a fixed white after.
bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    const bool gotFocus = event->type() == QEvent::FocusIn;
    if (gotFocus || FocusMovedAway(event)) {
        for (const HighlightPair& pair : HighlightPairs) {
            if (watched != this->*pair.spinner) continue;
            if (gotFocus)
                SetBackground(this->*pair.label, 255, 255, 0);
            else
                SetBackground(this->*pair.label, 255, 255, 255);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
