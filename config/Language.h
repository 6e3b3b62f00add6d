// The German and English captions of the main window as data: menu items and callout labels by
// name, and the window caption prefix. The main window applies them when it is shown; the
// dialogs keep their own few texts. Plain C++ without Qt.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

using NamedCaptions = std::vector<std::pair<std::string, std::string>>; // item name, caption

struct CaptionSet {
    std::string languageCode;        // the set re-asserts this code when it is applied
    std::string windowCaptionPrefix; // followed by the version text
    NamedCaptions menuCaptions;      // keyed by menu item name ("Datei1", "Beenden1", ...)
    NamedCaptions labelCaptions;     // keyed by callout label name ("Label1" ... "Label5")
    NamedCaptions texts;             // tooltips by control name, the main window's messages by key

    // The caption for a menu item or label name; empty when the set does not touch it.
    std::string_view captionOf(std::string_view name) const;
    // A tooltip or message text; empty when the set has none of that name.
    std::string_view textOf(std::string_view key) const;
};

const CaptionSet& germanCaptions();
const CaptionSet& englishCaptions();

// "d" gives the German set; any other code the English one ("gb" is the only other code the
// program sets). Every window decides its language this way.
const CaptionSet& captionsFor(std::string_view languageCode);
// Whether captionsFor gives the German set for this code.
bool isGerman(std::string_view languageCode);

std::string windowCaption(const CaptionSet& captions, const std::string& versionText);
