#pragma once
// The 21 values that open a design file, in file order, each with the control or variable it
// comes from when writing and goes to when reading. The payload records follow them.
#include <span>
#include <variant>

#include "app/frmMain.h"

namespace designfile {

// A one-line text box.
struct LineText {
    QLineEdit* frmMain::*box;
};
// The multi-line overview box.
struct PageText {
    QPlainTextEdit* frmMain::*box;
};
// The chosen option of an option group, kept in a variable as well: its file value, which is
// its button's index.
struct Choice {
    Int16 frmMain::*variable;
    std::span<QRadioButton* const> (*buttons)(const frmMain&);
    bool (*known)(int fileValue);
};
// A spinner's value, kept in a variable as well where the design has one.
struct Spinner {
    QScrollBar* frmMain::*spinner;
    Int16 frmMain::*variable = nullptr;
};
// A check box: 1 ticked, 0 clear.
struct Box {
    QCheckBox* frmMain::*box;
};

using InputValue = std::variant<LineText, PageText, Choice, Spinner, Box>;

inline constexpr InputValue InputValues[] = {
    LineText{&frmMain::txtVehicleName},
    Choice{&frmMain::MotiveType, [](const frmMain& w) { return std::span<QRadioButton* const>(w.optMotiveType); },
           [](int fileValue) { return MotiveOptionAt(fileValue) != nullptr; }},
    Choice{&frmMain::EngineType, [](const frmMain& w) { return std::span<QRadioButton* const>(w.optEngineType); },
           [](int fileValue) { return EngineOptionAt(fileValue) != nullptr; }},
    Spinner{&frmMain::vsbMass, &frmMain::Mass},
    Spinner{&frmMain::vsbCruise, &frmMain::CruiseMP},
    Spinner{&frmMain::vsbHeatSinks, &frmMain::HeatSinks},
    Box{&frmMain::chkCASE},
    Box{&frmMain::chkFerroFibrous},
    Box{&frmMain::chkArtemisSRM},
    Box{&frmMain::chkArtemisLRM},
    Box{&frmMain::chkTurret},
    Spinner{&frmMain::vsbArmorTonnage},
    Spinner{&frmMain::vsbFrontArmor},
    Spinner{&frmMain::vsbRightArmor},
    Spinner{&frmMain::vsbLeftArmor},
    Spinner{&frmMain::vsbRearArmor},
    Spinner{&frmMain::vsbTurretArmor},
    LineText{&frmMain::txtManufacturer},
    LineText{&frmMain::txtCommSystem},
    LineText{&frmMain::txtTargetingSystem},
    PageText{&frmMain::txtOverview},
};

}  // namespace designfile

// One handler per kind of input value, for std::visit.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;
