#include "config/Language.h"

namespace {

struct CaptionRow {
    const char* name;
    const char* german;
    const char* english;
};

// Main-window menu items, in menu-bar order; separators carry no caption.
constexpr CaptionRow menuRows[] = {
    {"Datei1", "&Datei", "&File"},
    {"Beenden1", "&Beenden", "&Close"},

    {"Darstellung1", "Dars&tellung", "&Picture"},
    {"Rohr1", "&Rohr", "&Tube"},
    {"aus1", "&aus", "&off"},
    {"Schnitt1", "&Schnitt", "&Cut"},
    {"ganz1", "&ganz", "&Whole"},
    {"Schwimmer1", "&Schwimmer", "&Float"},
    {"aus2", "&aus", "&off"},
    {"Schnitt2", "&Schnitt", "&Cut"},
    {"ganz2", "&ganz", "&Whole"},
    {"Schiene1", "&Anzeigeschiene", "&Indication Rail"},
    {"aus3", "&aus", "&off"},
    {"Schnitt3", "&Schnitt", "&Cut"},
    {"ganz3", "&ganz", "&Whole"},
    {"Flgeli1", "&Flügeli", "&Flag"},
    {"aus4", "&aus", "&off"},
    {"Schnitt4", "&Schnitt", "&Cut"},
    {"ganz4", "&ganz", "&Whole"},
    {"Tank1", "&Tank", "&Tank"},
    {"aus5", "&aus", "&off"},
    {"ein1", "&ein", "o&n"},
    {"N5", "&alles gechnitten", "all &Cut"},
    {"nichtsgeschnitten1", "&nichts gechnitten", "&no Cut"},
    {"HintergrundFarbe1", "&Hintergrund Farbe...", "&Background Color..."},

    {"Anzeige1", "&Anzeige", "&Indication"},
    {"Defaul1", "&Default", "&Default"},

    {"TBSubmenuItem1", "Ab&lauf", "&Drain"},
    {"TBItem2", "&Demo", "&Demo"},

    {"Hilfe1", "&Hilfe", "&Help"},
    {"Hilfe2", "Hilfe...", "Help..."},
    {"KontaktAdresse1", "Kontakt Adresse...", "Contact Address..."},
    {"Info1", "Info Prorammierer...", "Info Developer..."},
};

// Callout labels; each text starts with a blank.
constexpr CaptionRow labelRows[] = {
    {"Label1", " Armaflex Isolation", " Armaflex isolation"},
    {"Label2", " Messskala", " Measuring scale"},
    {"Label3", " Dämpfungsfeder", " Damping spring"},
    {"Label4", " Schalter", " Switches"},
    {"Label5", " Messwertgeber", " Transmitter"},
};

template <std::size_t N> NamedCaptions column(const CaptionRow (&rows)[N], bool german) {
    NamedCaptions captions;
    captions.reserve(N);
    for (const CaptionRow& row : rows)
        captions.emplace_back(row.name, german ? row.german : row.english);
    return captions;
}

CaptionSet makeGerman() {
    return {
        .languageCode = "d",
        .windowCaptionPrefix = "MZA Roveroruvezodozo  ",
        .menuCaptions = column(menuRows, true),
        .labelCaptions = column(labelRows, true),
    };
}

CaptionSet makeEnglish() {
    return {
        .languageCode = "gb",
        .windowCaptionPrefix = "MZA Dazivuva Vovorirov  ",
        .menuCaptions = column(menuRows, false),
        .labelCaptions = column(labelRows, false),
    };
}

} // namespace

std::string_view CaptionSet::captionOf(std::string_view name) const {
    for (const auto& [item, caption] : menuCaptions) {
        if (item == name) return caption;
    }
    for (const auto& [label, caption] : labelCaptions) {
        if (label == name) return caption;
    }
    return {};
}

const CaptionSet& germanCaptions() {
    static const CaptionSet set = makeGerman();
    return set;
}

const CaptionSet& englishCaptions() {
    static const CaptionSet set = makeEnglish();
    return set;
}

const CaptionSet& captionsFor(std::string_view languageCode) {
    return isGerman(languageCode) ? germanCaptions() : englishCaptions();
}

bool isGerman(std::string_view languageCode) {
    return languageCode == germanCaptions().languageCode;
}

std::string windowCaption(const CaptionSet& captions, const std::string& versionText) {
    return captions.windowCaptionPrefix + versionText;
}
