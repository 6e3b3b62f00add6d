// The German and English captions as data, the one place of every text the program shows: menu
// items, toolbar and callout labels by name, the window caption prefix, tooltips, messages and
// the texts of the dialogs by key. Plain C++ without Qt.
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
    NamedCaptions fixedCaptions;     // items whose designed caption stands in both languages
    NamedCaptions texts;             // tooltips by control name, the main window's messages by key

    // The caption for a menu item or label name; empty when the set does not touch it.
    std::string_view captionOf(std::string_view name) const;
    // The caption an item shows: the set's own, or else its designed one, which stands in both
    // languages.
    std::string_view shownCaptionOf(std::string_view name) const;
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
