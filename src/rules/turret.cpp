// The turret box: without a turret the turret location and its items go.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

#include "app/frmMain.h"

void frmMain::chkTurret_Click()
{
    if (!chkTurret->isChecked()) {
        vsbTurretArmor->setValue(0);
        vsbTurretArmor->setEnabled(false);
        lblTurretArmor->setEnabled(false);
        lblTurret->setEnabled(false);
        optLocation[int(Mounting::Turret)]->setEnabled(false);
        optLocation[int(Mounting::Front)]->setChecked(true);
        int index = 1;
        while (index <= PayloadCount) {
            if (PayloadItems[index].Location == LocationWord(Mounting::Turret)) {
                const int before = PayloadCount;
                lstPayload->setCurrentRow(index);
                cmdRemove_Click();
                if (PayloadCount == before) ++index;  // never spin on a line that stays
            } else {
                ++index;
            }
        }
    } else {
        vsbTurretArmor->setEnabled(true);
        lblTurretArmor->setEnabled(true);
        lblTurret->setEnabled(true);
        optLocation[int(Mounting::Turret)]->setEnabled(true);
    }
    UpdateDesign();
}
