// Feeds arbitrary documents to the INI reader and editor. Beyond "no crash, no sanitizer report" it
// checks what a settings file must never do: a value written is the value read back, values of
// other keys do not change, an edit touches one line only (or adds lines) and a refused edit
// changes nothing.
//
// The input is the document itself, so that the seeds are plain settings files; the last few
// bytes choose the section, key and value of the edit and the key looked at besides it: one of
// the names the program uses (and a few no INI line can hold), or a piece of the document.
#include "config/ini/IniFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <array>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 25> knownTexts = {"optionen",    "backgroundcolor",
                                                         "language",    "version",
                                                         "smoothedges", "red",
                                                         "green",       "blue",
                                                         "OPTIONEN",    "BackgroundColor",
                                                         "Red",         "englisch",
                                                         "deutsch",     "ein",
                                                         "0.643",       "\"1.000\"",
                                                         " red",        "red ",
                                                         "re d",        "a=b",
                                                         "[x",          "x]",
                                                         ";x",          "a\nb",
                                                         "a\rb"};

// A text chosen by the input's last bytes: a known text, or up to 32 bytes of the document.
struct Pick {
    std::size_t choice = 0;
    std::size_t offset = 0;
    std::size_t length = 0;
};

Pick consumePick(FuzzedDataProvider& input) {
    Pick pick;
    pick.choice = input.ConsumeIntegralInRange<std::size_t>(0, knownTexts.size());
    if (pick.choice == knownTexts.size()) {
        pick.offset = input.ConsumeIntegral<std::uint16_t>();
        pick.length = input.ConsumeIntegralInRange<std::size_t>(0, 32);
    }
    return pick;
}

std::string textOf(const Pick& pick, std::string_view document) {
    if (pick.choice < knownTexts.size()) return std::string(knownTexts[pick.choice]);
    if (document.empty()) return {};
    return std::string(document.substr(pick.offset % document.size(), pick.length));
}

bool isPlainName(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        const bool letterOrDigit =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit && c != '.' && c != '_') return false;
    }
    return true;
}

std::string asciiLowered(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// An edit replaces one line or inserts text: what `before` lost lies within one line.
bool touchesOneLineAtMost(std::string_view before, std::string_view after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string_view lost = before.substr(prefix, before.size() - prefix - suffix);
    return lost.find('\n') == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Pick sectionPick = consumePick(input);
    const Pick keyPick = consumePick(input);
    const Pick valuePick = consumePick(input);
    const Pick otherSectionPick = consumePick(input);
    const Pick otherKeyPick = consumePick(input);
    const std::string document = input.ConsumeRemainingBytesAsString();
    const std::string section = textOf(sectionPick, document);
    const std::string key = textOf(keyPick, document);
    const std::string value = textOf(valuePick, document);
    const std::string otherSection = textOf(otherSectionPick, document);
    const std::string otherKey = textOf(otherKeyPick, document);

    IniFile file(document);
    const std::string before = file.value(otherSection, otherKey, "\x01missing");
    if (!file.setValue(section, key, value)) {
        FUZZ_CHECK(file.text() == document);
        FUZZ_CHECK(!(isPlainName(section) && isPlainName(key) && isPlainName(value)));
        return 0;
    }
    FUZZ_CHECK(touchesOneLineAtMost(document, file.text()));
    // A replaced line keeps the spelling of its key.
    FUZZ_CHECK(asciiLowered(file.text()).find(asciiLowered(key + "=" + value)) !=
               std::string::npos);

    // Reading trims blanks and one pair of quotes; compare with a value that has neither.
    const bool plainValue = !value.empty() && value.find_first_of(" \t\r'\"") == std::string::npos;
    if (plainValue) FUZZ_CHECK(file.value(section, key, "") == value);

    const bool sameKey =
        IniFile("[" + section + "]\n" + key + "=1\n").value(otherSection, otherKey, "0") == "1";
    if (!sameKey) FUZZ_CHECK(file.value(otherSection, otherKey, "\x01missing") == before);
    return 0;
}
