#pragma once
// The 21 values that open a design file, in file order, each with the input of the design it
// comes from when writing and goes to when reading. The payload records follow them.
#include <variant>

#include "core/design/design.h"

namespace designfile {

// A one-line text.
struct LineText {
    QString DesignState::*text;
    void (Design::*set)(const QString&);
};
// The multi-line overview.
struct PageText {
    QString DesignState::*text;
    void (Design::*set)(const QString&);
};
// The chosen option of an option group: its file value, which is its button's index.
struct Choice {
    int DesignState::*index;
    void (Design::*choose)(int);
    bool (*known)(int fileValue);
};
// A spinner's value.
struct Number {
    Spinner DesignState::*spinner;
};
// A check box: 1 ticked, 0 clear.
struct Tick {
    Box DesignState::*box;
};

using InputValue = std::variant<LineText, PageText, Choice, Number, Tick>;

inline constexpr InputValue InputValues[] = {
    LineText{&DesignState::txtVehicleName, &Design::SetVehicleName},
    Choice{&DesignState::optMotiveType, &Design::SetMotiveType,
           [](int fileValue) { return MotiveOptionAt(fileValue) != nullptr; }},
    Choice{&DesignState::optEngineType, &Design::SetEngineType,
           [](int fileValue) { return EngineOptionAt(fileValue) != nullptr; }},
    Number{&DesignState::vsbMass},
    Number{&DesignState::vsbCruise},
    Number{&DesignState::vsbHeatSinks},
    Tick{&DesignState::chkCASE},
    Tick{&DesignState::chkFerroFibrous},
    Tick{&DesignState::chkArtemisSRM},
    Tick{&DesignState::chkArtemisLRM},
    Tick{&DesignState::chkTurret},
    Number{&DesignState::vsbArmorTonnage},
    Number{&DesignState::vsbFrontArmor},
    Number{&DesignState::vsbRightArmor},
    Number{&DesignState::vsbLeftArmor},
    Number{&DesignState::vsbRearArmor},
    Number{&DesignState::vsbTurretArmor},
    LineText{&DesignState::txtManufacturer, &Design::SetManufacturer},
    LineText{&DesignState::txtCommSystem, &Design::SetCommSystem},
    LineText{&DesignState::txtTargetingSystem, &Design::SetTargetingSystem},
    PageText{&DesignState::txtOverview, &Design::SetOverview},
};

// The longest one-line text the name and the other text boxes hold.
constexpr int LongestLineText = 32767;

}  // namespace designfile

// One handler per kind of input value, for std::visit.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;
