#include "config/ini/Settings.h"

#include "config/ini/FileAccess.h"
#include "config/ini/IniFile.h"
#include "scene/FixedFormat.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr const char* optionsSection = "optionen";
constexpr const char* colourSection = "backgroundcolor";
constexpr const char* smoothEdgesKey = "smoothedges"; // "ein" or "aus", as the user chose
constexpr const char* smoothOn = "ein";
constexpr const char* smoothOff = "aus";

// The main window's settings file and, under it, the system-wide defaults for the keys it lacks.
struct LayeredSettings {
    IniFile own;
    IniFile defaults;
    std::string value(std::string_view section, std::string_view key,
                      std::string_view fallback) const {
        return own.value(section, key, defaults.value(section, key, fallback));
    }
};

IniFile loadIfNamed(const std::string& path) {
    return path.empty() ? IniFile() : IniFile::load(path);
}

float colourOrDefault(const LayeredSettings& file, const char* key, float fallback) {
    return parseColourComponent(file.value(colourSection, key, "")).value_or(fallback);
}

// The language code a "language" value selects; the comparison is exact and case-sensitive.
std::optional<std::string> languageCodeFor(const std::string& value) {
    if (value == "englisch") return "gb";
    if (value == "deutsch") return "d";
    return std::nullopt;
}

} // namespace

std::optional<float> parseColourComponent(std::string_view text) {
    // from_chars takes a '-' but no '+'; a number has one sign at most.
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) return std::nullopt;
    }
    double parsed = 0;
    // from_chars ignores the locale, unlike strtod and atof.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    // Infinities, NaN and values beyond the 32-bit range are no colour.
    if (!std::isfinite(parsed) || std::fabs(parsed) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(parsed);
}

std::string formatColourComponent(float value) {
    return formatFixed(value, 5, 3);
}

void ReadVersion(SceneState& state, const std::string& programFolder) {
    const std::string dataFolder = installedDataFolder(programFolder);
    if (!dataFolder.empty()) {
        state.versionText = readIniValue(dataFolder + settingsFileName, optionsSection, "version",
                                         state.versionText);
    }
    // An installed program reads nothing beside or above its program folder.
    if (isInstalledLocation(programFolder)) return;
    const std::string path = versionFolder(programFolder) + settingsFileName;
    state.versionText = readIniValue(path, optionsSection, "version", state.versionText);
}

void ApplySettings(SceneState& state, const SettingsTexts& texts) {
    const LayeredSettings file{IniFile(texts.own), IniFile(texts.defaults)};
    if (auto code = languageCodeFor(file.value(optionsSection, "language", "Error"))) {
        state.languageCode = std::move(*code);
    }

    state.backgroundRed = colourOrDefault(file, "red", 0.643f);
    state.backgroundGreen = colourOrDefault(file, "green", 0.745f);
    state.backgroundBlue = colourOrDefault(file, "blue", 1.000f);

    const std::string smooth = file.value(optionsSection, smoothEdgesKey, "");
    state.smoothEdgesChosen = smooth == smoothOn || smooth == smoothOff;
    if (state.smoothEdgesChosen) state.smoothEdges = smooth == smoothOn;
}

std::optional<std::string> SettingsToSave(const SceneState& state, const SettingsTexts& current) {
    if (!current.ownComplete) return std::nullopt;
    try {
        IniFile file(current.own);
        // Smoothing is written once it was chosen, so a file without a choice stays as it was.
        const bool smoothWritten =
            !state.smoothEdgesChosen ||
            file.setValue(optionsSection, smoothEdgesKey, state.smoothEdges ? smoothOn : smoothOff);
        if (file.setValue(colourSection, "red", formatColourComponent(state.backgroundRed)) &&
            file.setValue(colourSection, "green", formatColourComponent(state.backgroundGreen)) &&
            file.setValue(colourSection, "blue", formatColourComponent(state.backgroundBlue)) &&
            smoothWritten)
            return file.text();
        return std::nullopt;
    } catch (...) {
        return std::nullopt; // out of memory: the old file stays as it was
    }
}

SettingsFile::SettingsFile(const std::string& programFolder, const std::string& userFolder)
    : where(mainWindowSettingsPlace(programFolder, userFolder)) {}

// Without a folder (no home folder known) there is no file: the defaults apply.
SettingsTexts SettingsFile::load() const {
    const IniFile own = loadIfNamed(where.folder.empty() ? "" : where.folder + settingsFileName);
    return {own.text(), loadIfNamed(where.defaults).text(), own.savable()};
}

bool SettingsFile::save(const std::string& text) const {
    if (where.folder.empty()) return false;
    try {
        if (where.personal && !createFolders(where.folder)) return false;
        return IniFile(text).save(where.folder + settingsFileName);
    } catch (...) {
        return false;
    }
}

SettingsFile ReadSettings(SceneState& state, const std::string& programFolder,
                          const std::string& userFolder) {
    SettingsFile file(programFolder, userFolder);
    ApplySettings(state, file.load());
    return file;
}

bool WriteSettings(const SceneState& state, const SettingsFile& file) {
    const auto text = SettingsToSave(state, file.load());
    return text && file.save(*text);
}
