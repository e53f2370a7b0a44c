// Armor tonnage in half tons, the points it buys, and Ferro-Fibrous armor.
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "armor/ferrofibrous.h"
#include "rules/ruletables.h"

void frmMain::vsbArmorTonnage_Change()
{
    ArmorTonnage = ArmorTonnageOf(vsbArmorTonnage->value());
    SetLabelText(lblArmorTonnage, FixedText(ArmorTonnage, 1));
    TotalArmorPoints = ArmorPoints(ArmorTonnage, chkFerroFibrous->isChecked());
    SetLabelText(lblTotalArmorPoints, FixedText(int(TotalArmorPoints.toInt16()), 0));
    UpdateDesign();
}

void frmMain::chkFerroFibrous_Click()
{
    vsbArmorTonnage_Change();
    if (chkFerroFibrous->isChecked()) {
        ItemsUsed += rules::FerroFibrousSlots;
        ArmorTypeName = QStringLiteral("Ferro Fibrous");
    } else {
        ItemsUsed -= rules::FerroFibrousSlots;
        ArmorTypeName = QStringLiteral("Standard");
    }
    UpdateDesign();
}
