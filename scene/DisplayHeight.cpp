#include "scene/DisplayHeight.h"

#include "scene/IndicatorTypes.h"

#include "scene/FixedFormat.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

double parseDisplayHeight(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    const std::size_t start = i;
    bool anyDigit = false;
    bool nonZeroInteger = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        anyDigit = true;
        nonZeroInteger = nonZeroInteger || text[i] != '0';
    }
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && isDigit(text[i]); ++i) anyDigit = true;
    if (!anyDigit) return 0;

    // from_chars reads the plain digits exactly and ignores the locale. Without an exponent a
    // number is out of range only when it is huge (integer digits) or tiny (all zeros before
    // the first significant fraction digit).
    double value = 0;
    const char* first = text.data() + start;
    const auto result = std::from_chars(first, text.data() + i, value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range)
        value = nonZeroInteger ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

std::string formatDisplayHeight(float value) {
    return formatFixed(value, 8, 2);
}

void ApplyDisplayHeight(SceneState& state, double value) {
    if (!(value >= minimumDisplayHeight)) value = minimumDisplayHeight;
    if (value > maximumDisplayHeight) value = maximumDisplayHeight;
    state.displayHeight = float(value);
    state.level = state.displayHeight / 2;
    // nearbyint rounds halves to even in the default rounding mode.
    const auto tens = std::int32_t(std::nearbyint(state.displayHeight / 10.0f));
    state.flapCount = tens + flapAddendOf(state.typeCode);
    PlaceSwitchPoints(state);
}
