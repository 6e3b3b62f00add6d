// Numbers as the program shows and stores them: fixed-point with a decimal point whatever the
// process locale, right-aligned in a field.
#pragma once

#include <string>

// At least `width` characters, padded on the left with blanks, exactly `decimals` decimals.
std::string formatFixed(double value, int width, int decimals);
