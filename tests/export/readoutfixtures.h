#pragma once
// Designs for the readout tests, as the values the readout shows. Their pages are kept in
// golden/<key>_plain.html and golden/<key>_site.html, written by hand from the page layout.
#include <QString>

#include "export/readout.h"

inline Currency Tons(double tons)
{
    return Currency::fromDouble(tons);
}

// The moment every golden page was generated.
inline const QString GoldenMoment = QStringLiteral("12/5/2026 9:03:07 PM");

// A 20-ton hovercraft with an I.C.E. engine, empty texts and no payload.
inline ReadoutDesign HoverIce()
{
    ReadoutDesign d;
    d.name = QStringLiteral("Skimmer");
    d.mass = 20;
    d.motive = HoverMotive;
    d.engine = ICEEngine;
    d.engineRating = 145;
    d.engineTonnage = Tons(9);
    d.cruiseMP = 10;
    d.flankMP = 15;
    d.structureTonnage = Tons(2);
    d.controlTonnage = Tons(1);
    d.liftTonnage = Tons(2);
    d.armorFactor = Tons(32);
    d.armorTonnage = Tons(2);
    d.armorTypeName = QStringLiteral("Standard");
    d.frontArmor = 10;
    d.rightArmor = 7;
    d.leftArmor = 7;
    d.rearArmor = 8;
    d.cost = Tons(123456.5);
    return d;
}

// A 50-ton tracked fusion tank with a turret, Ferro-Fibrous armor, CASE, a launcher with
// Artemis IV and its ammunition, cargo, texts with "&" and "<", and a two-line overview.
inline ReadoutDesign HeavyTank()
{
    ReadoutDesign d;
    d.name = QStringLiteral("Heavy Tank Mk 2");
    d.mass = 50;
    d.motive = TrackedMotive;
    d.engine = FusionEngine;
    d.engineRating = 200;
    d.engineTonnage = Tons(8.5);
    d.cruiseMP = 4;
    d.flankMP = 6;
    d.structureTonnage = Tons(5);
    d.heatSinks = 12;
    d.heatSinkTonnage = 2;
    d.turretTonnage = Tons(1);
    d.controlTonnage = Tons(2.5);
    d.powerAmpTonnage = Tons(0.5);
    d.armorFactor = Tons(143.36);
    d.armorTonnage = Tons(8);
    d.armorTypeName = QStringLiteral("Ferro Fibrous");
    d.caseFitted = true;
    d.turretFitted = true;
    d.frontArmor = 40;
    d.rightArmor = 30;
    d.leftArmor = 30;
    d.rearArmor = 23;
    d.turretArmor = 20;
    d.manufacturer = QStringLiteral("Orrin & Vale Works");
    d.commSystem = QStringLiteral("Talkline 5 <Mk II>");
    d.targetingSystem = QStringLiteral("Sightmaster 3");
    d.overview = QStringLiteral("ab\r\ncd");
    d.payload = {
        {QStringLiteral("LRM 10"), 4, Tons(5), QStringLiteral("Turret")},
        {QStringLiteral("Artemis IV - LRM"), 0, Tons(1), QStringLiteral("Turret")},
        {QStringLiteral("Ammo-LRM 10"), 0, Tons(1), QStringLiteral("Body")},
        {QStringLiteral("Medium Laser"), 3, Tons(1), QStringLiteral("Front")},
        {QStringLiteral("Cargo"), 0, Tons(2.5), QStringLiteral("Body")},
    };
    d.cost = Tons(1234567.4);
    return d;
}

// A 35-ton tracked vehicle with a Fusion XL engine and no turret; the overview ends in a line feed.
inline ReadoutDesign RidgebackXL()
{
    ReadoutDesign d;
    d.name = QStringLiteral("Ridgeback");
    d.mass = 35;
    d.motive = TrackedMotive;
    d.engine = FusionXLEngine;
    d.engineRating = 175;
    d.engineTonnage = Tons(3.5);
    d.cruiseMP = 5;
    d.flankMP = 8;
    d.structureTonnage = Tons(3.5);
    d.heatSinks = 10;
    d.controlTonnage = Tons(2);
    d.armorFactor = Tons(96);
    d.armorTonnage = Tons(6);
    d.armorTypeName = QStringLiteral("Standard");
    d.frontArmor = 30;
    d.rightArmor = 20;
    d.leftArmor = 20;
    d.rearArmor = 26;
    d.manufacturer = QStringLiteral("Kessel Motors");
    d.commSystem = QStringLiteral("Rook-7");
    d.targetingSystem = QStringLiteral("Eyeline");
    d.overview = QStringLiteral("One line ending\n");
    d.payload = {
        {QStringLiteral("SRM 6"), 4, Tons(3), QStringLiteral("Front")},
        {QStringLiteral("Ammo-SRM 6"), 0, Tons(1), QStringLiteral("Body")},
    };
    d.cost = Tons(987654);
    return d;
}

// A 25-ton wheeled car with an I.C.E. engine and an overview of four lines, one of them empty.
inline ReadoutDesign ScoutCar()
{
    ReadoutDesign d;
    d.name = QStringLiteral("Scout Car");
    d.mass = 25;
    d.motive = WheeledMotive;
    d.engine = ICEEngine;
    d.engineRating = 100;
    d.engineTonnage = Tons(5);
    d.cruiseMP = 4;
    d.flankMP = 6;
    d.structureTonnage = Tons(2.5);
    d.heatSinks = 1;
    d.heatSinkTonnage = 1;
    d.controlTonnage = Tons(1.5);
    d.armorFactor = Tons(48);
    d.armorTonnage = Tons(3);
    d.armorTypeName = QStringLiteral("Standard");
    d.frontArmor = 14;
    d.rightArmor = 10;
    d.leftArmor = 10;
    d.rearArmor = 14;
    d.overview = QStringLiteral("Line one\r\nLine two\r\n\r\nLine four");
    d.payload = {
        {QStringLiteral("Machine Gun"), 0, Tons(0.5), QStringLiteral("Front")},
        {QStringLiteral("Ammo-Machine Gun"), 0, Tons(0.5), QStringLiteral("Body")},
    };
    d.cost = Tons(45210.25);
    return d;
}

// A 30-ton fusion VTOL: the rotor row; a manufacturer outside ASCII.
inline ReadoutDesign KestrelVtol()
{
    ReadoutDesign d;
    d.name = QStringLiteral("Kestrel");
    d.mass = 30;
    d.motive = VTOLMotive;
    d.engine = FusionEngine;
    d.engineRating = 240;
    d.engineTonnage = Tons(11.5);
    d.cruiseMP = 8;
    d.flankMP = 12;
    d.structureTonnage = Tons(3);
    d.heatSinks = 10;
    d.controlTonnage = Tons(1.5);
    d.liftTonnage = Tons(3);
    d.armorFactor = Tons(64);
    d.armorTonnage = Tons(4);
    d.armorTypeName = QStringLiteral("Standard");
    d.frontArmor = 20;
    d.rightArmor = 15;
    d.leftArmor = 15;
    d.rearArmor = 10;
    d.turretArmor = 4;
    d.manufacturer = QString::fromUtf8("A\u00e9rospatiale Lune");
    d.commSystem = QStringLiteral("Skyvox");
    d.targetingSystem = QStringLiteral("Hawkeye 2");
    d.overview = QStringLiteral("Fast.\r\nLight.\r\n");
    d.payload = {
        {QStringLiteral("Small Laser"), 1, Tons(0.5), QStringLiteral("Front")},
        {QStringLiteral("Cargo"), 0, Tons(1), QStringLiteral("Body")},
    };
    d.cost = Tons(654321);
    return d;
}

struct GoldenDesign {
    const char* key;
    ReadoutDesign (*make)();
};

inline const GoldenDesign GoldenDesigns[] = {
    {"hover_ice", HoverIce},     {"heavy_tank", HeavyTank},       {"ridgeback_xl", RidgebackXL},
    {"scout_car", ScoutCar},     {"kestrel_vtol", KestrelVtol},
};
