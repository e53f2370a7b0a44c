#pragma once
// A value typed over a spinner's label, turned into the spinner's own steps.
#include <QString>
#include <optional>

// `text` read in the user's regional number format, in the label's units, times
// `stepsPerUnit`, rounded to the nearest step (halves away from zero) and held within
// `lowest`..`highest`. Empty when the text is no number.
std::optional<int> TypedSpinnerValue(const QString& text, int stepsPerUnit, int lowest, int highest);
