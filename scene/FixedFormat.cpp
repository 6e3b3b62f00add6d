#include "scene/FixedFormat.h"

#include <charconv>

std::string formatFixed(double value, int width, int decimals) {
    char digits[400]; // room for the largest double in fixed notation
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string text(digits, end);
    if (int(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}
