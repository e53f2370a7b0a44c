// The turret box: without a turret the turret location and its items go.
#include "core/design/design.h"

void Design::chkTurret_Click()
{
    if (!s_.chkTurret.checked) {
        Move(s_.vsbTurretArmor, 0);
        s_.vsbTurretArmor.enabled = false;
        s_.turretLocationEnabled = false;
        s_.optLocation = int(Mounting::Front);
        int index = 1;
        while (index <= s_.PayloadCount) {
            if (s_.PayloadItems[index].Location == LocationWord(Mounting::Turret)) {
                const int before = s_.PayloadCount;
                SelectLine(index);
                cmdRemove_Click();
                if (s_.PayloadCount == before) ++index;  // never spin on a line that stays
            } else {
                ++index;
            }
        }
    } else {
        s_.vsbTurretArmor.enabled = true;
        s_.turretLocationEnabled = true;
    }
    UpdateDesign();
}
