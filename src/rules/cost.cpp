// The vehicle's price: components and payload, times a factor of mass and movement type.
#include <QCheckBox>

#include "app/frmMain.h"
#include "rules/ruletables.h"

Currency frmMain::CalcCost() const
{
    using namespace rules;
    Currency engine;
    if (EngineType >= 0 && EngineType < int(std::size(EngineRules))) {
        const std::int32_t product = std::int32_t(EngineRating) * EngineRules[EngineType].pricePerRating * int(Mass);
        engine = Currency::fromDouble(product / EnginePriceDivisor);
    }
    const Currency control = ControlTonnage * ControlPricePerTon;
    const Currency structure = StructureTonnage * StructurePricePerTon;
    const Currency heatSinks = Currency(std::int32_t(HeatSinkTonnage) * HeatSinkPrice);
    const Currency armor =
        ArmorTonnage * (chkFerroFibrous->isChecked() ? FerroFibrousPricePerTon : StandardArmorPricePerTon);
    const Currency powerAmps = PowerAmpTonnage * PowerAmpPricePerTon;
    const Currency turret = TurretTonnage * TurretPricePerTon;
    const bool knownMotive = MotiveType >= 0 && MotiveType < int(std::size(MotiveRules));
    const Currency lift = LiftTonnage * (MotiveType == VTOL ? MotiveRules[VTOL].liftPricePerTon
                                                            : MotiveRules[Hover].liftPricePerTon);
    const Currency sum = engine + control + structure + heatSinks + armor + powerAmps + turret + lift + PayloadCost;
    if (!knownMotive) return sum;
    return Currency::fromDouble(sum.toDouble() * (double(Mass) / MotiveRules[MotiveType].costDivisor + 1));
}
