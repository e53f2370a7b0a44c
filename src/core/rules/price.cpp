#include "core/rules/price.h"

#include <cstdint>

#include "core/rules/ruletables.h"

namespace rules {

Currency VehicleCost(const PricedDesign& d)
{
    Currency engine;
    if (d.engine) {
        const std::int32_t product = std::int32_t(d.engineRating) * OptionOf(*d.engine).pricePerRating * d.mass;
        engine = Currency::fromDouble(product / EnginePriceDivisor);
    }
    const Currency control = d.control * ControlPricePerTon;
    const Currency structure = d.structure * StructurePricePerTon;
    const Currency heatSinks = Currency(std::int32_t(d.heatSinkTonnage) * HeatSinkPrice);
    const Currency armor = d.armor * OptionOf(ArmorOf(d.ferroFibrous)).pricePerTon;
    const Currency powerAmps = d.powerAmps * PowerAmpPricePerTon;
    const Currency turret = d.turret * TurretPricePerTon;
    // Ground vehicles carry no lift equipment; the hovercraft's price stands for theirs.
    const Currency lift = d.lift * OptionOf(d.motive.value_or(Motive::Hover)).liftPricePerTon;
    const Currency sum = engine + control + structure + heatSinks + armor + powerAmps + turret + lift + d.payloadCost;
    if (!d.motive) return sum;
    return Currency::fromDouble(sum.toDouble() * (double(d.mass) / OptionOf(*d.motive).costDivisor + 1));
}

}  // namespace rules
