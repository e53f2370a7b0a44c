// Armor tonnage in half tons, the points it buys, and Ferro-Fibrous armor.
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "armor/ferrofibrous.h"

namespace {
constexpr int FerroFibrousSlots = 2;
}

void frmMain::vsbArmorTonnage_Change()
{
    ArmorTonnage = Currency::fromUnits(std::int64_t(vsbArmorTonnage->value()) * Currency::Scale / 2);
    SetLabelText(lblArmorTonnage, FixedText(ArmorTonnage, 1));
    if (chkFerroFibrous->isChecked())
        TotalArmorPoints = FerroFibrousPoints(ArmorTonnage);
    else
        TotalArmorPoints = StandardArmorPoints(ArmorTonnage);
    SetLabelText(lblTotalArmorPoints, FixedText(int(TotalArmorPoints.toInt16()), 0));
    UpdateDesign();
}

void frmMain::chkFerroFibrous_Click()
{
    vsbArmorTonnage_Change();
    if (chkFerroFibrous->isChecked()) {
        ItemsUsed += FerroFibrousSlots;
        ArmorTypeName = QStringLiteral("Ferro Fibrous");
    } else {
        ItemsUsed -= FerroFibrousSlots;
        ArmorTypeName = QStringLiteral("Standard");
    }
    UpdateDesign();
}
