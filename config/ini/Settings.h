// The program's settings "kelo.ini": the version text at program start, the language, background
// colour and smooth edges when the main window is created, the colour and smooth edges when it
// closes. The values are read from and written into the text of the file, wherever a shell keeps
// it; SettingsFile keeps it where the desktop does, by its folder rules. Nothing here reports a
// failure: missing values fall back to the defaults and a failed write leaves the old file.
#pragma once

#include "config/ini/SettingsFolders.h"
#include "scene/SceneState.h"

#include <optional>
#include <string>
#include <string_view>

// Program start, before any window exists: reads "optionen"/"version" into `versionText` from the
// file found by versionFolder; where that has none, from the installed data folder's file; where
// neither has one, the current value stays. An installed program reads the data folder's file
// only.
void ReadVersion(SceneState& state, const std::string& programFolder = executableFolder());

// The settings text and the system's defaults under it.
struct SettingsTexts {
    std::string own;         // empty when there is none yet
    std::string defaults;    // read where `own` lacks a key; never written
    bool ownComplete = true; // `own` was read whole: only then may it be replaced
};

// Main window creation: reads, from the own text and, for the keys it lacks, from the defaults,
// the language ("englisch" -> "gb", "deutsch" -> "d", anything else leaves `languageCode`), the
// background colour (a missing or malformed component gives 0.643, 0.745 or 1.000) and
// "optionen" / "smoothedges" ("ein" or "aus" sets `smoothEdges` as chosen; anything else leaves
// the choice to the renderer).
void ApplySettings(SceneState& state, const SettingsTexts& texts);

// Main window closing: the own text with "red", "green" and "blue" of "backgroundcolor", and
// "smoothedges" of "optionen" once smoothing was chosen, written in and every other line kept (a
// new text holds these keys only; the defaults are never written). Nothing when the own text
// must not be replaced (it was not read whole). The caller stops both demos first.
std::optional<std::string> SettingsToSave(const SceneState& state, const SettingsTexts& current);

// The main window's "kelo.ini" on the desktop, found by mainWindowSettingsPlace.
class SettingsFile {
  public:
    explicit SettingsFile(SettingsPlace place) : where(std::move(place)) {}
    SettingsFile(const std::string& programFolder, const std::string& userFolder);

    const SettingsPlace& place() const { return where; }
    // Never fails: a missing, unreadable or oversized file gives what could be read.
    SettingsTexts load() const;
    // Replaces the file as a whole; the user's own folder is created first where it is missing.
    // False when nothing was written (no folder known, read-only, missing folder...).
    bool save(const std::string& text) const;

  private:
    SettingsPlace where;
};

// The desktop's two steps in one call each: the file found and read into the state, and the
// state written into that file.
SettingsFile ReadSettings(SceneState& state, const std::string& programFolder = executableFolder(),
                          const std::string& userFolder = userSettingsFolder());
bool WriteSettings(const SceneState& state, const SettingsFile& file);

// A colour component as written: a point as decimal separator whatever the locale; nothing when
// the text is not a finite number.
std::optional<float> parseColourComponent(std::string_view text);

// At least five characters, exactly three decimals, padded on the left with blanks: "0.643".
std::string formatColourComponent(float value);
