#include "benchdesigns.h"

#include <QCoreApplication>
#include <QDir>
#include <iterator>

namespace {

void BrowseTo(Design& design, const RowSet& rows, bool (Design::*next)(), const QString& name)
{
    for (int press = 0; press < 200 && rows.FieldText(QStringLiteral("Type")) != name; ++press) (design.*next)();
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

BenchCatalogue::BenchCatalogue()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ISWeapons.mdb"));
    for (RowSet* rows : {&weapons, &ammo}) {
        rows->setDatabaseName(path);
        rows->Refresh();
    }
}

BenchCatalogue& Catalogue()
{
    static BenchCatalogue catalogue;
    return catalogue;
}

std::unique_ptr<Design> NewDesign()
{
    auto design = std::make_unique<Design>();
    design->UseCatalogue(&Catalogue().weapons, &Catalogue().ammo);
    return design;
}

void BrowseWeaponTo(Design& design, const QString& name)
{
    BrowseTo(design, Catalogue().weapons, &Design::cmdNextWeapon_Click, name);
}

void BrowseAmmoTo(Design& design, const QString& name)
{
    BrowseTo(design, Catalogue().ammo, &Design::cmdAmmoNext_Click, name);
}

void BuildFullDesign(Design& d)
{
    d.SetMotiveType(int(Motive::Tracked));
    d.SetEngineType(int(Engine::Fusion));
    d.SetSpinner(&DesignState::vsbMass, 100);
    d.SetSpinner(&DesignState::vsbCruise, 3);
    d.SetBox(&DesignState::chkTurret, true);
    d.SetBox(&DesignState::chkCASE, true);
    d.SetSpinner(&DesignState::vsbArmorTonnage, 30);
    d.cmdAllocateArmor_Click();
    int items = 0;
    for (; items < 90; ++items) {
        const Mount& mount = Weapons[items % std::size(Weapons)];
        BrowseWeaponTo(d, QString::fromLatin1(mount.name));
        d.SetLocation(int(mount.location));
        d.cmdAdd_Click();
    }
    for (const char* ammo : {"Ammo-Machine Gun", "Ammo-SRM 2", "Ammo-LRM 5", "Cargo"}) {
        BrowseAmmoTo(d, QString::fromLatin1(ammo));
        for (int ton = 0; ton < 3 && items < 100; ++ton, ++items) d.cmdAmmoAdd_Click();
    }
}

void PerformUserAction(Design& d, unsigned step)
{
    const DesignState& s = d.State();
    const unsigned r = Mix(step);
    const int amount = int(r >> 8);
    switch (r % 12) {
    case 0: d.SetMotiveType(amount % int(Motive::VTOL)); break;  // no VTOL: it would drop the turret items
    case 1: d.SetEngineType(amount % int(std::size(EngineOptions))); break;
    case 2: d.SetSpinner(&DesignState::vsbMass, 20 + amount % 60); break;
    case 3: d.SetSpinner(&DesignState::vsbCruise, 1 + amount % 8); break;
    case 4: d.SetSpinner(&DesignState::vsbArmorTonnage, amount % 60); break;
    case 5: d.SetSpinner(&DesignState::vsbFrontArmor, amount % (s.vsbFrontArmor.maximum + 1)); break;
    case 6: d.SetBox(&DesignState::chkFerroFibrous, !s.chkFerroFibrous.checked); break;
    case 7: d.SetBox(&DesignState::chkArtemisLRM, !s.chkArtemisLRM.checked); break;
    case 8: d.cmdAllocateArmor_Click(); break;
    case 9:
        d.cmdNextWeapon_Click();
        d.cmdAdd_Click();
        break;
    case 10:
        if (!s.PayloadLines.isEmpty()) d.SelectLine(1 + amount % int(s.PayloadLines.size()));
        d.cmdRemove_Click();
        break;
    case 11: d.SetSpinner(&DesignState::vsbHeatSinks, s.vsbHeatSinks.value + 1); break;
    }
    d.TakeNotices();
}
