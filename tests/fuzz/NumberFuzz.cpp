// Feeds arbitrary texts to the two number readers of the program: the display height as typed into
// the options dialog and a colour component of kelo.ini. Beyond "no crash, no sanitizer report" it
// checks that both read what C's strtod reads from the same digits, that the display height the
// dialog stores is finite and within its limits, that a colour read is finite, and that showing or
// writing a value and reading it back gives the same value within the format's decimals.
#include "config/ini/Settings.h"
#include "scene/DisplayHeight.h"
#include "scene/SceneState.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

// Equal, or both too small for a normal double (where readers may round to 0 or to a subnormal).
bool sameReading(double a, double b) {
    return a == b || (std::fabs(a) < DBL_MIN && std::fabs(b) < DBL_MIN);
}

// The number the display-height field starts with, converted by strtod: blanks, a sign, digits
// with an optional fraction; 0 without any digit.
double heightByStrtod(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t integerEnd = digitsFrom(text, i);
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') end = digitsFrom(text, end + 1);
    if (end - i == 0 || (end - i == 1 && integerEnd == i)) return 0; // no digit at all
    const std::string number(text.substr(start, end - start));
    return std::strtod(number.c_str(), nullptr);
}

void checkDisplayHeight(std::string_view text, const std::string& typeCode) {
    const double typed = parseDisplayHeight(text);
    FUZZ_CHECK(!std::isnan(typed));
    FUZZ_CHECK(sameReading(typed, heightByStrtod(text)));
    // Whatever follows the number is ignored, such as a unit.
    FUZZ_CHECK(parseDisplayHeight(std::string(text) + " mm") == typed);

    SceneState state;
    state.typeCode = typeCode;
    ApplyDisplayHeight(state, typed);
    const float stored = state.displayHeight;
    FUZZ_CHECK(std::isfinite(stored));
    FUZZ_CHECK(stored >= minimumDisplayHeight && stored <= maximumDisplayHeight);
    if (typed >= minimumDisplayHeight && typed <= maximumDisplayHeight) {
        FUZZ_CHECK(stored == static_cast<float>(typed));
    }
    FUZZ_CHECK(state.level == stored / 2);
    const int added = typeCode == "R-760" ? 5 : 9;
    FUZZ_CHECK(state.flapCount >= 15 + added && state.flapCount <= 500 + added);

    // The field shows the stored value; reading that text gives it back within two decimals, and
    // the text shown then stays the same.
    const std::string shown = formatDisplayHeight(stored);
    FUZZ_CHECK(shown.size() == 8 && shown[5] == '.');
    const double reread = parseDisplayHeight(shown);
    FUZZ_CHECK(std::fabs(reread - stored) <= 0.005 + 0.001);
    FUZZ_CHECK(formatDisplayHeight(static_cast<float>(reread)) == shown);
}

// A decimal number as a colour component may be written: a sign, digits with an optional fraction
// (at least one digit), an optional exponent.
bool isDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t integerEnd = digitsFrom(text, i);
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') end = digitsFrom(text, end + 1);
    if (end - i == 0 || (end - i == 1 && integerEnd == i)) return false;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        end = digitsFrom(text, exponent);
        if (end == exponent) return false;
    }
    return end == text.size();
}

void checkColourComponent(std::string_view text) {
    const auto colour = parseColourComponent(text);
    const std::string copy(text); // strtod needs the terminating zero
    errno = 0;
    const double byStrtod = std::strtod(copy.c_str(), nullptr);
    const bool inFloatRange = errno != ERANGE && std::fabs(byStrtod) <= FLT_MAX;
    if (!colour) {
        // Only texts that are no decimal number, or one beyond the 32-bit range, are refused.
        FUZZ_CHECK(!isDecimalNumber(text) || !inFloatRange);
        return;
    }
    FUZZ_CHECK(isDecimalNumber(text));
    FUZZ_CHECK(std::isfinite(*colour));
    FUZZ_CHECK(*colour == static_cast<float>(byStrtod));

    // Written with three decimals, read back within them; the written text then stays the same.
    const std::string written = formatColourComponent(*colour);
    FUZZ_CHECK(written.size() >= 5 && written[written.size() - 4] == '.');
    const auto reread = parseColourComponent(written);
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(std::fabs(*reread - *colour) <= 0.0005f + std::fabs(*colour) * FLT_EPSILON);
    FUZZ_CHECK(formatColourComponent(*reread) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkDisplayHeight(text, "R-760");
    checkDisplayHeight(text, "R-410");
    checkColourComponent(text);
    return 0;
}
