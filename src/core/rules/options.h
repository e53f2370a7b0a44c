#pragma once
// The option sets of a design, each defined once: movement type, engine type and mounting
// location. A row holds everything about its option: the caption on its button, which is also
// the word the readouts and payload records use; the value that stands for it in a design file,
// which is its button's index; and its figures in the construction rules.
#include <cstddef>
#include <iterator>
#include <optional>

enum class Motive { Hover, Tracked, Wheeled, VTOL };

struct MotiveOption {
    Motive motive;
    int fileValue;
    const char* caption;
    int highestMass;
    bool liftEquipment;         // hovercraft and VTOLs carry lift equipment
    int costDivisor;            // cost factor 1 + mass / divisor
    int liftPricePerTon;
    bool turret;                // can carry a turret; a VTOL's turret location is its rotor
    int highestTurretArmor;     // on the turret location
    const char* turretCaption;  // the caption of that location
};

inline constexpr MotiveOption MotiveOptions[] = {
    {Motive::Hover, 0, "Hover", 50, true, 50, 20000, true, 2000, "Turret:"},
    {Motive::Tracked, 1, "Tracked", 100, false, 100, 20000, true, 2000, "Turret:"},
    {Motive::Wheeled, 2, "Wheeled", 80, false, 200, 20000, true, 2000, "Turret:"},
    {Motive::VTOL, 3, "VTOL", 30, true, 30, 40000, false, 2, "Rotor:"},
};

enum class Engine { ICE, Fusion, FusionXL };

struct EngineOption {
    Engine engine;
    int fileValue;
    const char* caption;
    const char* readoutCellEnd;  // ends the plain and site readouts' engine cell after the rating
    int itemSlots;
    int freeHeatSinks;
    int pricePerRating;          // engine price: rating x this x mass / 75
    // Weight: the base tonnage of the rating times `baseMultiple`, plus, where `roundedShare`
    // is not 0, that share of the base rounded as a component tonnage.
    int baseMultiple;
    double roundedShare;
    bool powerAmplifiers;        // energy weapons need power amplifiers
};

inline constexpr EngineOption EngineOptions[] = {
    {Engine::ICE, 0, "I.C.E.", " I.C.E. </TD>", 0, 0, 1250, 2, 0.0, true},
    {Engine::Fusion, 1, "Fusion", " Fusion</TD>", 0, 10, 5000, 1, 0.5, false},
    {Engine::FusionXL, 2, "Fusion XL", " Fusion XL</TD>", 2, 10, 20000, 0, 0.75, false},
};

enum class Mounting { Front, Rear, Right, Left, Turret, Body };

struct MountingOption {
    Mounting mounting;
    const char* word;  // the button's caption and the record's location
    bool button;       // chosen with a location button; the body takes what goes nowhere else
};

inline constexpr MountingOption MountingOptions[] = {
    {Mounting::Front, "Front", true},   {Mounting::Rear, "Rear", true},   {Mounting::Right, "Right", true},
    {Mounting::Left, "Left", true},     {Mounting::Turret, "Turret", true}, {Mounting::Body, "Body", false},
};

enum class Armor { Standard, FerroFibrous };

struct ArmorOption {
    Armor armor;
    int fileValue;       // the Ferro-Fibrous box: 1 ticked
    const char* word;    // in the readouts and on the record sheet
    int pointsPerTon;    // standard points a ton buys
    double pointsFactor; // the share of those points this armor gives
    int itemSlots;
    int pricePerTon;
};

inline constexpr ArmorOption ArmorOptions[] = {
    {Armor::Standard, 0, "Standard", 16, 1.0, 0, 10000},
    {Armor::FerroFibrous, 1, "Ferro Fibrous", 16, 1.12, 2, 20000},
};

// Rows stand in the order of their enumerators and file values.
template <class Row, std::size_t N>
constexpr bool InOptionOrder(const Row (&rows)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (std::size_t(rows[i].fileValue) != i) return false;
    return true;
}
static_assert(InOptionOrder(MotiveOptions) && int(MotiveOptions[3].motive) == 3);
static_assert(InOptionOrder(EngineOptions) && int(EngineOptions[2].engine) == 2);
static_assert(int(MountingOptions[5].mounting) == 5);
static_assert(InOptionOrder(ArmorOptions) && int(ArmorOptions[1].armor) == 1);

constexpr const MotiveOption& OptionOf(Motive motive) { return MotiveOptions[int(motive)]; }
constexpr const EngineOption& OptionOf(Engine engine) { return EngineOptions[int(engine)]; }
constexpr const MountingOption& OptionOf(Mounting mounting) { return MountingOptions[int(mounting)]; }
constexpr const ArmorOption& OptionOf(Armor armor) { return ArmorOptions[int(armor)]; }
constexpr Armor ArmorOf(bool ferroFibrous) { return ferroFibrous ? Armor::FerroFibrous : Armor::Standard; }

// The option of a design file value (a button's index); null for a value with no option.
constexpr const MotiveOption* MotiveOptionAt(int fileValue)
{
    return fileValue >= 0 && fileValue < int(std::size(MotiveOptions)) ? &MotiveOptions[fileValue] : nullptr;
}
constexpr const EngineOption* EngineOptionAt(int fileValue)
{
    return fileValue >= 0 && fileValue < int(std::size(EngineOptions)) ? &EngineOptions[fileValue] : nullptr;
}

// The option of a design file value; none for a value with no option.
constexpr std::optional<Motive> MotiveOf(int fileValue)
{
    if (const MotiveOption* option = MotiveOptionAt(fileValue)) return option->motive;
    return std::nullopt;
}
constexpr std::optional<Engine> EngineOf(int fileValue)
{
    if (const EngineOption* option = EngineOptionAt(fileValue)) return option->engine;
    return std::nullopt;
}

// The mounting locations chosen with a button.
constexpr int MountingButtonCount()
{
    int count = 0;
    for (const MountingOption& option : MountingOptions) count += option.button ? 1 : 0;
    return count;
}
