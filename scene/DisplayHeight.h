// The display height as the options dialog's edit field handles it: reading the typed text,
// writing the stored value back into the field, and the model values that follow from it.
// Independent of the user's locale: the decimal point is always '.'.
#pragma once

#include "scene/SceneState.h"

#include <string>
#include <string_view>

constexpr float minimumDisplayHeight = 150;
constexpr float maximumDisplayHeight = 5000;

// The decimal number at the start of the text: leading blanks, an optional sign, digits with an
// optional fraction after '.'. Whatever follows the number is ignored; a text that does not start
// with a number (empty, a letter, a lone sign) gives 0. Too many digits give +-infinity.
double parseDisplayHeight(std::string_view text);

// The value with two decimals, right-aligned in eight characters: 390 gives "  390.00".
std::string formatDisplayHeight(float value);

// Stores the value limited to 150..5000 (NaN counts as too small) as displayHeight, sets level to
// half of it and flapCount to displayHeight/10 rounded half to even, plus 5 for "R-760" and plus 9
// for every other type.
void ApplyDisplayHeight(SceneState& state, double value);
