#include "benchdesigns.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "window/app/frmMain.h"

namespace {

// Presses `next` until `label` shows `name`, once round the table at most.
void BrowseTo(QPushButton* next, const QLabel* label, const QString& name)
{
    for (int press = 0; press < 200 && label->text() != name; ++press) next->click();
}

struct Mount {
    const char* name;
    Mounting location;
};

// Few enough energy weapons that the heat sinks stay within their spinner's top of 100, so
// that the design file reads back whole.
constexpr Mount Weapons[] = {
    {"Small Laser", Mounting::Front},     {"SRM 2", Mounting::Turret},
    {"Machine Gun", Mounting::Rear},      {"LRM 5", Mounting::Right},
    {"Medium Laser", Mounting::Left},     {"Anti-Missile System", Mounting::Turret},
};

// A small repeatable generator, so every run replays the same session.
unsigned Mix(unsigned step)
{
    step ^= step >> 16;
    step *= 0x7feb352dU;
    step ^= step >> 15;
    step *= 0x846ca68bU;
    return step ^ (step >> 16);
}

}  // namespace

void BrowseWeaponTo(frmMain& w, const QString& name)
{
    BrowseTo(w.cmdNextWeapon, w.lblName, name);
}

void BrowseAmmoTo(frmMain& w, const QString& name)
{
    BrowseTo(w.cmdAmmoNext, w.lblAmmoType, name);
}

void BuildFullDesign(frmMain& w)
{
    w.optMotiveType[int(Motive::Tracked)]->click();
    w.optEngineType[int(Engine::Fusion)]->click();
    w.vsbMass->setValue(100);
    w.vsbCruise->setValue(3);
    w.chkTurret->setChecked(true);
    w.chkCASE->setChecked(true);
    w.vsbArmorTonnage->setValue(30);
    w.cmdAllocateArmor->click();
    int items = 0;
    for (; items < 90; ++items) {
        const Mount& mount = Weapons[items % std::size(Weapons)];
        BrowseWeaponTo(w, QString::fromLatin1(mount.name));
        w.optLocation[int(mount.location)]->click();
        w.cmdAdd->click();
    }
    w.cmdAddAmmo->click();
    for (const char* ammo : {"Ammo-Machine Gun", "Ammo-SRM 2", "Ammo-LRM 5", "Cargo"}) {
        BrowseAmmoTo(w, QString::fromLatin1(ammo));
        for (int ton = 0; ton < 3 && items < 100; ++ton, ++items) w.cmdAmmoAdd->click();
    }
}

void PerformUserAction(frmMain& w, unsigned step)
{
    const unsigned r = Mix(step);
    const int amount = int(r >> 8);
    switch (r % 12) {
    case 0: w.optMotiveType[amount % int(Motive::VTOL)]->click(); break;  // no VTOL: it would drop the turret items
    case 1: w.optEngineType[amount % w.optEngineType.size()]->click(); break;
    case 2: w.vsbMass->setValue(20 + amount % 60); break;
    case 3: w.vsbCruise->setValue(1 + amount % 8); break;
    case 4: w.vsbArmorTonnage->setValue(amount % 60); break;
    case 5: w.vsbFrontArmor->setValue(amount % (w.vsbFrontArmor->maximum() + 1)); break;
    case 6: w.chkFerroFibrous->setChecked(!w.chkFerroFibrous->isChecked()); break;
    case 7: w.chkArtemisLRM->setChecked(!w.chkArtemisLRM->isChecked()); break;
    case 8: w.cmdAllocateArmor->click(); break;
    case 9:
        w.cmdNextWeapon->click();
        w.cmdAdd->click();
        break;
    case 10:
        if (w.lstPayload->count() > 1) w.lstPayload->setCurrentRow(1 + amount % (w.lstPayload->count() - 1));
        w.cmdRemove->click();
        break;
    case 11: w.vsbHeatSinks->setValue(w.vsbHeatSinks->value() + 1); break;
    }
}
