// A new design, and how an input takes a value: as its control takes it.
#include "core/design/design.h"

#include <algorithm>

#include "core/payload/rowset.h"
#include "core/rules/ruletables.h"

Design::Design()
{
    s_.vsbMass.changed = &Design::vsbMass_Change;
    s_.vsbCruise.changed = &Design::vsbCruise_Change;
    s_.vsbHeatSinks = {0, rules::UsualHeatSinkTop, 1, true, &Design::vsbHeatSinks_Change};
    s_.vsbArmorTonnage.changed = &Design::vsbArmorTonnage_Change;
    s_.vsbFrontArmor.changed = &Design::vsbFrontArmor_Change;
    s_.vsbLeftArmor.changed = &Design::vsbLeftArmor_Change;
    s_.vsbRightArmor.changed = &Design::vsbRightArmor_Change;
    s_.vsbRearArmor.changed = &Design::vsbRearArmor_Change;
    s_.vsbTurretArmor.changed = &Design::vsbTurretArmor_Change;
    s_.chkTurret.clicked = &Design::chkTurret_Click;
    s_.chkFerroFibrous.clicked = &Design::chkFerroFibrous_Click;
    s_.chkCASE.clicked = &Design::chkCASE_Click;
    s_.chkArtemisSRM.clicked = &Design::chkArtemisSRM_Click;
    s_.chkArtemisLRM.clicked = &Design::chkArtemisLRM_Click;

    // Every input's step once, in the order the window has always started in.
    optMotiveType_Click(int(Motive::Hover));
    s_.DesignFileName.clear();
    vsbMass_Change();
    vsbCruise_Change();
    vsbArmorTonnage_Change();
    chkTurret_Click();
    vsbFrontArmor_Change();
    vsbLeftArmor_Change();
    vsbRightArmor_Change();
    vsbTurretArmor_Change();
    vsbRearArmor_Change();
    Move(s_.vsbHeatSinks, 0);
    Tick(s_.chkFerroFibrous, true);
    Tick(s_.chkFerroFibrous, false);
    cmdClearAll_Click();
    UpdateDesign();
}

void Design::UseCatalogue(RowSet* weapons, RowSet* ammo)
{
    datWeapons = weapons;
    datAmmo = ammo;
    battleValues_ = weapons && ammo ? BattleValueTable(*weapons, *ammo) : BattleValueTable();
    CalcBattleValue();
}

void Design::Move(Spinner& spinner, int value)
{
    value = std::clamp(value, spinner.minimum, spinner.maximum);
    if (value == spinner.value) return;
    spinner.value = value;
    if (spinnerWatcher_) spinnerWatcher_(spinner);
    if (spinner.changed) (this->*spinner.changed)();
}

// New bounds, the top never below the bottom; a value outside them moves inside, which counts
// as a change.
void Design::Bound(Spinner& spinner, int minimum, int maximum)
{
    spinner.minimum = minimum;
    spinner.maximum = std::max(minimum, maximum);
    Move(spinner, spinner.value);
}

void Design::Tick(Box& box, bool checked)
{
    if (box.checked == checked) return;
    box.checked = checked;
    if (box.clicked) (this->*box.clicked)();
}

void Design::SetMotiveType(int index)
{
    if (index == s_.optMotiveType || !MotiveOptionAt(index)) return;
    s_.optMotiveType = index;
    optMotiveType_Click(index);
}

void Design::SetEngineType(int index)
{
    if (index == s_.optEngineType || !EngineOptionAt(index)) return;
    s_.optEngineType = index;
    optEngineType_Click(index);
}

void Design::SetLocation(int index)
{
    if (index >= 0 && index < MountingButtonCount()) s_.optLocation = index;
}

QStringList Design::TakeNotices()
{
    return std::exchange(notices_, {});
}
