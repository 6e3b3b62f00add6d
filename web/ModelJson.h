// The core's models as JSON texts for the page's script, which builds its menus, toolbar,
// callouts, buttons and dialogs from them and decides nothing itself. Plain C++.
#pragma once

#include "core/ColourChoice.h"
#include "core/Controls.h"
#include "core/Menus.h"
#include "core/Options.h"

#include <string>
#include <string_view>
#include <vector>

// A JSON string literal of UTF-8 text, quotes included.
std::string jsonString(std::string_view text);

// [{name, caption, shortcut, separator, submenu, checkable, checked, enabled, visible, items}]
std::string menuBarJson(const std::vector<MenuItem>& menus);
// [{name, caption, separatorBefore}]
std::string toolbarJson(const std::vector<ToolbarItem>& items);
// [{keys, command, popup}]
std::string keysJson(const std::vector<KeyCommand>& keys);
// [{name, caption, tooltip, left, top, width, height, inButtonRow, active, hovered}]
std::string calloutsJson(const std::vector<CalloutModel>& callouts);
// [{name, tooltip, left, picture, highlighted}]; picture "start", "stop", "startUpDown",
// "stopUpDown", "zoomIn" or "zoomOut".
std::string buttonsJson(const std::vector<ButtonModel>& buttons);
// The options dialog: its texts, every list and what it shows, the frame of the type ("none",
// "midi", "standard"), the height text, the rail and the four boxes.
std::string optionsJson(const Options& options);
// The colour dialog of the interface language: its texts and the three slider positions.
std::string colourJson(const ColourChoice& colour, std::string_view languageCode);
// The about and contact windows: the contact details with their captions, the two links and the
// about text.
std::string windowTextsJson(std::string_view languageCode);
