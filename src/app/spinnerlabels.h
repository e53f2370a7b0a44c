#pragma once
// Each spinner with the label that shows its value, and how many of its steps one shown unit
// holds (the armor tonnage counts half tons; the ammunition tonnage does while its top is 200).
#include <QScrollBar>

#include "app/frmMain.h"
#include "payload/addtonnage.h"

struct SpinnerLabel {
    QScrollBar* frmMain::*spinner;
    QLabel* frmMain::*label;
    int (*stepsPerShownUnit)(const QScrollBar& spinner);
};

namespace spinnerunits {
inline int Whole(const QScrollBar&)
{
    return 1;
}
inline int HalfTons(const QScrollBar&)
{
    return 2;
}
inline int AddedTons(const QScrollBar& spinner)
{
    return spinner.maximum() == HalfTonTop ? 2 : 1;
}
}  // namespace spinnerunits

inline constexpr SpinnerLabel SpinnerLabels[] = {
    {&frmMain::vsbMass, &frmMain::lblMass, spinnerunits::Whole},
    {&frmMain::vsbCruise, &frmMain::lblCruise, spinnerunits::Whole},
    {&frmMain::vsbHeatSinks, &frmMain::lblHeatSinks, spinnerunits::Whole},
    {&frmMain::vsbArmorTonnage, &frmMain::lblArmorTonnage, spinnerunits::HalfTons},
    {&frmMain::vsbFrontArmor, &frmMain::lblFrontArmor, spinnerunits::Whole},
    {&frmMain::vsbLeftArmor, &frmMain::lblLeftArmor, spinnerunits::Whole},
    {&frmMain::vsbRightArmor, &frmMain::lblRightArmor, spinnerunits::Whole},
    {&frmMain::vsbRearArmor, &frmMain::lblRearArmor, spinnerunits::Whole},
    {&frmMain::vsbTurretArmor, &frmMain::lblTurretArmor, spinnerunits::Whole},
    {&frmMain::vsbAddTonnage, &frmMain::lblAddTonnage, spinnerunits::AddedTons},
};
