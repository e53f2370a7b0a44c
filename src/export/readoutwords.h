#pragma once
// The words the readout writes for the chosen movement and engine type.
#include <iterator>

namespace readout {

constexpr const char* MotiveNames[] = {"Hover", "Tracked", "Wheeled", "VTOL"};
constexpr const char* EngineNames[] = {"I.C.E.", "Fusion", "Fusion XL"};
// The end of the engine cell that follows the rating.
constexpr const char* EngineCellEnds[] = {" I.C.E. </TD>", " Fusion</TD>", " Fusion XL</TD>"};

// The entry of the chosen option, or null when none is chosen.
template <std::size_t N>
constexpr const char* Chosen(const char* const (&words)[N], int index)
{
    return index >= 0 && index < int(N) ? words[index] : nullptr;
}

}  // namespace readout
