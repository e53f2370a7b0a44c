#pragma once
// The construction rules' tables.
#include <cstdint>

#include "core/values/currency.h"
#include "core/rules/options.h"

namespace rules {

constexpr int LowestEngineRating = 10;
constexpr int HighestEngineRating = 400;
constexpr double HoverEngineShare = 0.2;
constexpr double FlankFactor = 1.5;
constexpr int UsualHeatSinkTop = 100;

constexpr Currency Tons(int tenths) { return Currency::fromUnits(std::int64_t(tenths) * (Currency::Scale / 10)); }

// Engine base tonnage by rating; ratings in no row weigh 0.
struct EngineWeightRow {
    int lowest;
    int highest;
    Currency base;
};
constexpr EngineWeightRow EngineWeights[] = {
    {10, 25, Tons(5)},     {30, 45, Tons(10)},    {50, 60, Tons(15)},    {65, 75, Tons(20)},
    {80, 85, Tons(25)},    {90, 100, Tons(30)},   {105, 110, Tons(35)},  {115, 125, Tons(40)},
    {130, 135, Tons(45)},  {140, 145, Tons(50)},  {150, 155, Tons(55)},  {160, 170, Tons(60)},
    {175, 180, Tons(70)},  {185, 190, Tons(75)},  {195, 195, Tons(80)},  {200, 205, Tons(85)},
    {210, 210, Tons(90)},  {215, 215, Tons(95)},  {220, 225, Tons(100)}, {230, 230, Tons(105)},
    {235, 235, Tons(110)}, {240, 240, Tons(115)}, {245, 245, Tons(120)}, {250, 250, Tons(125)},
    {255, 255, Tons(130)}, {260, 260, Tons(135)}, {265, 265, Tons(140)}, {270, 270, Tons(145)},
    {275, 275, Tons(155)}, {280, 280, Tons(160)}, {285, 285, Tons(165)}, {290, 290, Tons(175)},
    {295, 295, Tons(180)}, {300, 300, Tons(190)}, {305, 305, Tons(195)}, {310, 310, Tons(205)},
    {315, 315, Tons(215)}, {320, 320, Tons(225)}, {325, 325, Tons(235)}, {330, 330, Tons(245)},
    {335, 335, Tons(255)}, {340, 340, Tons(270)}, {345, 345, Tons(285)}, {350, 350, Tons(295)},
    {355, 355, Tons(315)}, {360, 360, Tons(330)}, {365, 365, Tons(345)}, {370, 370, Tons(365)},
    {375, 375, Tons(385)}, {380, 380, Tons(410)}, {385, 385, Tons(435)}, {390, 390, Tons(460)},
    {395, 395, Tons(490)}, {400, 400, Tons(525)},
};

// Suspension factor by movement type and mass, ends included.
struct SuspensionRow {
    Motive motive;
    int lowestMass;
    int highestMass;
    int factor;
};
constexpr SuspensionRow SuspensionFactors[] = {
    {Motive::Hover, 1, 10, 40},     {Motive::Hover, 11, 20, 85},      {Motive::Hover, 21, 30, 130},
    {Motive::Hover, 31, 40, 175},   {Motive::Hover, 41, 50, 235},     {Motive::Tracked, 1, 32767, 0},
    {Motive::Wheeled, 1, 32767, 20}, {Motive::VTOL, 1, 10, 50},        {Motive::VTOL, 11, 20, 95},
    {Motive::VTOL, 21, 30, 140},
};

// Component tonnages as shares of the mass or of the weapons they serve, each rounded as a
// component tonnage; power amplifiers to a tenth of a ton instead.
constexpr double LiftShare = 0.1;         // of the mass
constexpr double ControlShare = 0.05;     // of the mass
constexpr double StructureShare = 0.1;    // of the mass
constexpr double TurretShare = 0.1;       // of the weapons in the turret
constexpr double PowerAmpShare = 0.1;     // of the energy weapons

// Artemis IV fire control: one line per launcher of its family.
constexpr Currency ArtemisTons = 1;
constexpr int ArtemisPrice = 100000;
// CASE: half a ton for the whole vehicle, with no payload line of its own.
constexpr Currency CASETons = Tons(5);
constexpr int CASEPrice = 50000;

// Prices of the fixed equipment, per ton or per piece.
constexpr int ControlPricePerTon = 10000;
constexpr int StructurePricePerTon = 10000;
constexpr int HeatSinkPrice = 2000;
constexpr int PowerAmpPricePerTon = 20000;
constexpr int TurretPricePerTon = 5000;
constexpr double EnginePriceDivisor = 75.0;

}  // namespace rules
