// Which control sets which input of the design.
#include "core/payload/addtonnage.h"
#include "window/app/frmMain.h"

#include <QScrollBar>

int frmMain::SpinnerInput::stepsPerShownUnit(const QScrollBar& bar) const
{
    if (input == &DesignState::vsbArmorTonnage) return 2;
    if (input == &DesignState::vsbAddTonnage) return bar.maximum() == HalfTonTop ? 2 : 1;
    return 1;
}

std::span<const frmMain::SpinnerInput> frmMain::SpinnerInputs()
{
    static constexpr SpinnerInput inputs[] = {
        {&frmMain::vsbMass, &frmMain::lblMass, &DesignState::vsbMass},
        {&frmMain::vsbCruise, &frmMain::lblCruise, &DesignState::vsbCruise},
        {&frmMain::vsbHeatSinks, &frmMain::lblHeatSinks, &DesignState::vsbHeatSinks},
        {&frmMain::vsbArmorTonnage, &frmMain::lblArmorTonnage, &DesignState::vsbArmorTonnage},
        {&frmMain::vsbFrontArmor, &frmMain::lblFrontArmor, &DesignState::vsbFrontArmor},
        {&frmMain::vsbLeftArmor, &frmMain::lblLeftArmor, &DesignState::vsbLeftArmor},
        {&frmMain::vsbRightArmor, &frmMain::lblRightArmor, &DesignState::vsbRightArmor},
        {&frmMain::vsbRearArmor, &frmMain::lblRearArmor, &DesignState::vsbRearArmor},
        {&frmMain::vsbTurretArmor, &frmMain::lblTurretArmor, &DesignState::vsbTurretArmor},
        {&frmMain::vsbAddTonnage, &frmMain::lblAddTonnage, &DesignState::vsbAddTonnage},
        {&frmMain::vsbGunnery, &frmMain::lblGunnery, &DesignState::vsbGunnery},
        {&frmMain::vsbDriving, &frmMain::lblDriving, &DesignState::vsbDriving},
    };
    return inputs;
}

std::span<const frmMain::BoxInput> frmMain::BoxInputs()
{
    static constexpr BoxInput inputs[] = {
        {&frmMain::chkTurret, &DesignState::chkTurret},         {&frmMain::chkFerroFibrous, &DesignState::chkFerroFibrous},
        {&frmMain::chkCASE, &DesignState::chkCASE},             {&frmMain::chkArtemisSRM, &DesignState::chkArtemisSRM},
        {&frmMain::chkArtemisLRM, &DesignState::chkArtemisLRM},
    };
    return inputs;
}
