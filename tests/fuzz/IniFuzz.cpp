// Feeds arbitrary bytes to the INI reader and editor. Beyond "no crash, no sanitizer report" it
// checks what a settings file must never do: a value written is the value read back, values of
// other keys do not change, and colour components survive a write and a read.
#include "config/ini/IniFile.h"
#include "config/ini/Settings.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(24);
    const std::string key = input.ConsumeRandomLengthString(24);
    const std::string otherSection = input.ConsumeRandomLengthString(24);
    const std::string otherKey = input.ConsumeRandomLengthString(24);
    const std::string value = input.ConsumeRandomLengthString(24);
    IniFile file(input.ConsumeRemainingBytesAsString());

    const std::string before = file.value(otherSection, otherKey, "\x01missing");
    if (!file.setValue(section, key, value)) return 0;

    // Reading trims blanks and one pair of quotes; compare with a value that has neither.
    const bool plainValue = !value.empty() && value.find_first_of(" \t\r'\"") == std::string::npos;
    if (plainValue) check(file.value(section, key, "") == value);

    const bool sameKey =
        IniFile("[" + section + "]\n" + key + "=1\n").value(otherSection, otherKey, "0") == "1";
    if (!sameKey) check(file.value(otherSection, otherKey, "\x01missing") == before);

    if (const auto colour = parseColourComponent(value)) {
        const auto again = parseColourComponent(formatColourComponent(*colour));
        check(again.has_value());
        check(std::fabs(*again - *colour) <= 0.00051f * std::fmax(1.0f, std::fabs(*colour)));
    }
    return 0;
}
