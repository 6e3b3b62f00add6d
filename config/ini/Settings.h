// Reading and writing the program's settings in "kelo.ini": the version text at program start,
// the language and background colour when the main window is created, and the background colour
// when it closes. Nothing here reports a failure: missing values fall back to the defaults and a
// failed write leaves the old file as it was.
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

// Main window creation: sets `settingsDir` by mainWindowSettingsPlace, then reads, from its file
// and, for the keys that file lacks, from the system-wide defaults of an installed program, the
// language ("englisch" -> "gb", "deutsch" -> "d", anything else leaves `languageCode`), the
// background colour (a missing or malformed component gives 0.643, 0.745 or 1.000) and
// "optionen" / "smoothedges" ("ein" or "aus" sets `smoothEdges` as chosen; anything else leaves
// the choice to the renderer).
void ReadSettings(SceneState& state, const std::string& programFolder = executableFolder(),
                  const std::string& userFolder = userSettingsFolder());

// Main window closing: writes "red", "green" and "blue" of "backgroundcolor", and "smoothedges"
// of "optionen" once smoothing was chosen, into `settingsDir` + "kelo.ini", keeping the rest of
// the file (a new file holds these keys only; the system-wide defaults are never written); the
// user's own folder is created first where it is missing. The caller stops both demos first.
// Returns false when nothing was written (no `settingsDir` yet, read-only, missing folder...).
bool WriteSettings(const SceneState& state);

// A colour component as written: a point as decimal separator whatever the locale; nothing when
// the text is not a finite number.
std::optional<float> parseColourComponent(std::string_view text);

// At least five characters, exactly three decimals, padded on the left with blanks: "0.643".
std::string formatColourComponent(float value);
