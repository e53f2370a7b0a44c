// Armor tonnage in half tons, the points it buys, and Ferro-Fibrous armor.
#include "core/armor/ferrofibrous.h"
#include "core/design/design.h"

void Design::vsbArmorTonnage_Change()
{
    s_.ArmorTonnage = ArmorTonnageOf(s_.vsbArmorTonnage.value);
    s_.TotalArmorPoints = ArmorPoints(s_.ArmorTonnage, s_.chkFerroFibrous.checked);
    UpdateDesign();
}

void Design::chkFerroFibrous_Click()
{
    vsbArmorTonnage_Change();
    const ArmorOption& now = OptionOf(ArmorOf(s_.chkFerroFibrous.checked));
    const ArmorOption& before = OptionOf(ArmorOf(!s_.chkFerroFibrous.checked));
    s_.ItemsUsed += now.itemSlots - before.itemSlots;
    s_.ArmorTypeName = QLatin1StringView(now.word);
    UpdateDesign();
}
