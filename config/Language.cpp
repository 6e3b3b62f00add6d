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
    {"SmoothEdges1", "&Kanten glätten", "&Smooth edges"},
    {"FullScreen1", "&Vollbild", "F&ull screen"},
    {"SavePicture1", "Bild s&peichern...", "Sa&ve picture..."},
    {"CopyPicture1", "Bild k&opieren", "C&opy picture"},
    {"Stage1", "&Bühne", "S&tage"},
    {"BlackScreen1", "Schwar&zes Bild", "&Black screen"},
    {"PartLabels1", "Teile&beschriftung", "Part &labels"},

    {"Anzeige1", "&Anzeige", "&Indication"},
    {"Defaul1", "&Default", "&Default"},
    {"ResetView1", "Ansicht &zurücksetzen", "&Reset view"},
    {"FitModel1", "Modell &einpassen", "&Fit model"},

    {"Scenes1", "&Szenen", "&Scenes"},
    {"SaveScene1", "Szene &speichern...", "&Save scene..."},
    {"ImportScene1", "Szene &importieren...", "&Import scene..."},
    {"ExportScene1", "Szene &exportieren...", "&Export scene..."},
    {"CopySceneLink1", "Szenen-&Link kopieren", "Copy scene &link"}, // the web page's own
    {"NextScene1", "&Nächste Szene", "&Next scene"},
    {"PreviousScene1", "&Vorige Szene", "&Previous scene"},

    {"TBSubmenuItem1", "Ab&lauf", "&Drain"},
    {"TBItem2", "&Demo", "&Demo"},
    {"LevelFollowsPointer1", "Füllstand folgt dem &Zeiger", "Level follows the &pointer"},
    {"Level0", "Füllstand &0 %", "Level &0 %"},
    {"Level20", "Füllstand &20 %", "Level &20 %"},
    {"Level50", "Füllstand &50 %", "Level &50 %"},
    {"Level80", "Füllstand &80 %", "Level &80 %"},
    {"Level100", "Füllstand &100 %", "Level &100 %"},
    {"LevelUp1", "Füllstand +1 %", "Level +1 %"},
    {"LevelDown1", "Füllstand -1 %", "Level -1 %"},
    {"LevelUp10", "Füllstand +10 %", "Level +10 %"},
    {"LevelDown10", "Füllstand -10 %", "Level -10 %"},

    {"Hilfe1", "&Hilfe", "&Help"},
    {"Hilfe2", "Hilfe...", "Help..."},
    {"KontaktAdresse1", "Kontakt Adresse...", "Contact Address..."},
    {"Info1", "Info Prorammierer...", "Info Developer..."},
};

// Items whose designed caption stands in both languages: the views, the polygon modes, the frame
// rate, the options, the step toolbar and the speed callouts.
constexpr CaptionRow fixedRows[] = {
    {"N4", "Ansichten", "Ansichten"},
    {"Flgeli2", "Flügeli", "Flügeli"},
    {"Anschlussunten1", "Abschluss unten", "Abschluss unten"},
    {"Seitenanschluss1", "Seitenanschluss", "Seitenanschluss"},
    {"PolygonModus1", "&Polygon Modus", "&Polygon Modus"},
    {"GLFILL1", "GL_FILL", "GL_FILL"},
    {"GLLINE1", "GL_LINE", "GL_LINE"},
    {"GLPOINTS1", "GL_POINTS", "GL_POINTS"},
    {"FrameperSecond1", "Frame per Second", "Frame per Second"},
    {"TBItem1", "&Erweitert...", "&Erweitert..."},
    {"TBItemA+", "A+", "A+"},
    {"TBItemB+", "B+", "B+"},
    {"TBItemC+", "C+", "C+"},
    {"TBItemA-", "A-", "A-"},
    {"TBItemB-", "B-", "B-"},
    {"TBItemC-", "C-", "C-"},
    {"TBItemX+", "X+", "X+"},
    {"TBItemY+", "Y+", "Y+"},
    {"TBItemZ+", "Z+", "Z+"},
    {"TBItemX-", "X-", "X-"},
    {"TBItemY-", "Y-", "Y-"},
    {"TBItemZ-", "Z-", "Z-"},
    {"Label6", "+", "+"},
    {"Label7", "-", "-"},
};

// Callout labels; each text starts with a blank.
constexpr CaptionRow labelRows[] = {
    {"Label1", " Armaflex Isolation", " Armaflex isolation"},
    {"Label2", " Messskala", " Measuring scale"},
    {"Label3", " Dämpfungsfeder", " Damping spring"},
    {"Label4", " Schalter", " Switches"},
    {"Label5", " Messwertgeber", " Transmitter"},
};

// Tooltips of the controls over the view, by control name, and the texts of the main window's
// own messages, by a key of their own.
constexpr CaptionRow textRows[] = {
    {"Label4", "Grenzschalter ein- und ausblenden", "Show or hide the limit switches"},
    {"Label5", "Messwertgeber ein- und ausblenden", "Show or hide the transmitter"},
    {"Label2", "Messskala ein- und ausblenden", "Show or hide the measuring scale"},
    {"Label1", "Isolation ein- und ausblenden", "Show or hide the insulation"},
    {"Label3", "Dämpfungsfedern ein- und ausblenden", "Show or hide the damping springs"},
    {"Label6", "Demos schneller", "Faster demos"},
    {"Label7", "Demos langsamer", "Slower demos"},
    {"Start_Stop_Image", "Schwenk-Demo starten oder anhalten", "Start or stop the swing demo"},
    {"Start_Stop_Image_UpDown", "Füllstand-Demo starten oder anhalten",
     "Start or stop the level demo"},
    {"ZoomIn_Image", "Vergrössern (gedrückt halten)", "Zoom in (hold)"},
    {"ZoomOut_Image", "Verkleinern (gedrückt halten)", "Zoom out (hold)"},
    {"Image1", "Doppelklick: Menü", "double-click: menu"},
    {"savePictureTitle", "Bild speichern", "Save picture"},
    {"pictureWindowSize", "PNG-Bild in Fenstergrösse (*.png)", "PNG picture, window size (*.png)"},
    {"picture1920", "PNG-Bild 1920 x 1080 (*.png)", "PNG picture, 1920 x 1080 (*.png)"},
    {"picture3840", "PNG-Bild 3840 x 2160 (*.png)", "PNG picture, 3840 x 2160 (*.png)"},
    {"pictureFileName", "niveau.png", "niveau.png"},
    {"pictureNotSaved",
     "Das Bild konnte nicht gespeichert werden:", "The picture could not be saved:"},
    {"copyPictureTitle", "Bild kopieren", "Copy picture"},
    {"pictureNotRendered", "Ein so grosses Bild kann hier nicht gezeichnet werden.",
     "A picture this large cannot be drawn here."},
    // The part labels beside the model.
    {"partChamber", "Bypasskammer", "Bypass chamber"},
    {"partFloat", "Schwimmer mit Magnet", "Float with magnet"},
    {"partFlaps", "Flügeli", "Flaps"},
    {"partRail", "Anzeigeschiene", "Indicator rail"},
    {"partSwitches", "Grenzschalter", "Limit switches"},
    {"partTransmitter", "Messwertgeber", "Transmitter"},
    {"partConnections", "Prozessanschlüsse", "Process connections"},
    {"partTank", "Tank", "Tank"},
    {"helpTitle", "Hilfe", "Help"},
    {"helpMissing", "Die Hilfedatei MONTAGE.HLP wurde nicht gefunden:",
     "The help file MONTAGE.HLP was not found:"},
    {"fpsCaption", "Frame", "Frame"},
    {"contactHeading", "Kontakt Adresse", "Contact Address"},
    {"contactTelephone", "Telefon:", "Telefon:"},
    {"contactFax", "Fax:", "Fax:"},
    {"contactMail", "E-Mail:", "E-Mail:"},
    {"contactWeb", "Webseite:", "Webseite:"},
    // Saved scenes: the commands' dialogs and messages; %1 and %2 stand for a name, a key or a
    // value.
    {"scenesTitle", "Szenen", "Scenes"},
    {"saveSceneTitle", "Szene speichern", "Save scene"},
    {"sceneNameLabel", "Name der Szene (ein vorhandener Name ersetzt diese Szene):",
     "Name of the scene (an existing name replaces that scene):"},
    {"importSceneTitle", "Szene importieren", "Import scene"},
    {"exportSceneTitle", "Szene exportieren", "Export scene"},
    {"sceneFiles", "Szenen (*.scene)", "Scenes (*.scene)"},
    {"allFiles", "Alle Dateien (*)", "All files (*)"},
    {"sceneFileName", "Szene", "Scene"},
    {"sceneNameUnusable",
     "\"%1\" kann keine Szene benennen: ein Name hat 1 bis 80 Bytes und keine Steuerzeichen.",
     "\"%1\" cannot name a scene: a name has 1 to 80 bytes and no control characters."},
    {"sceneNotSaved", "Die Szene \"%1\" konnte nicht gespeichert werden.",
     "The scene \"%1\" could not be saved."},
    {"sceneNotExported",
     "Die Szene konnte nicht exportiert werden:", "The scene could not be exported:"},
    {"sceneNotRecalled", "Die Szene \"%1\" wurde nicht geladen, nichts wurde geändert:",
     "The scene \"%1\" was not recalled, nothing was changed:"},
    {"sceneNotImported", "\"%1\" wurde nicht importiert, nichts wurde geändert:",
     "\"%1\" was not imported, nothing was changed:"},
    {"sceneUnreadable", "Die Datei lässt sich nicht lesen.", "The file cannot be read."},
    // The web page's own texts: scene links, the clipboard and its dialogs' buttons.
    {"sceneLinkDamaged", "Der Szenen-Link ist beschädigt, die Startszene wird gezeigt.",
     "The scene link is damaged, the start scene is shown."},
    {"sceneLinkNotCopied", "Der Szenen-Link konnte nicht in die Zwischenablage kopiert werden.",
     "The scene link could not be copied to the clipboard."},
    {"pictureNotCopied", "Das Bild konnte nicht in die Zwischenablage kopiert werden.",
     "The picture could not be copied to the clipboard."},
    {"dialogOk", "OK", "OK"},
    {"dialogCancel", "Abbrechen", "Cancel"},
    {"sceneTooLarge", "Die Datei ist grösser, als eine Szene sein kann (64 KB).",
     "The file is larger than a scene can be (64 KB)."},
    {"sceneNotText", "Die Datei ist keine Textdatei in UTF-8.",
     "The file is not a text file in UTF-8."},
    {"sceneNoScene", "Die Datei ist keine Szene: ihr fehlt der Abschnitt [scene] mit name=.",
     "The file is not a scene: it has no [scene] section with name=."},
    {"sceneUnknown", "%1: \"%2\" ist kein bekannter Eintrag.", "%1: \"%2\" is not a known entry."},
    {"sceneNotForType", "%1: \"%2\" gibt es beim Typ dieser Szene nicht.",
     "%1: \"%2\" is not offered for the type of this scene."},
    {"sceneNotANumber", "%1: \"%2\" ist keine Zahl.", "%1: \"%2\" is not a number."},
    {"sceneTooLong", "%1: der Wert ist zu lang.", "%1: the value is too long."},
    {"sceneBadName", "%1: \"%2\" kann keine Szene benennen (1 bis 80 Bytes, keine Steuerzeichen).",
     "%1: \"%2\" cannot name a scene (1 to 80 bytes, no control characters)."},
    // The background colour dialog.
    {"colourCaption", "Hintergrund Farbe", "Background Color"},
    {"colourRed", "rot", "red"},
    {"colourGreen", "grün", "green"},
    {"colourBlue", "blau", "blue"},
    {"colourOk", "&Ok", "&Ok"},
    {"colourClose", "&Abbruch", "&Close"},
    {"colourDefault", "&Default", "&Default"},
    {"colourApply", "Übernehmen", "&Apply"},
    // The system menu of the windows' own caption bar.
    {"systemRestore", "&Wiederherstellen", "&Restore"},
    {"systemMove", "&Verschieben", "&Move"},
    {"systemSize", "&Grösse ändern", "&Size"},
    {"systemMaximize", "Ma&ximieren", "Ma&ximize"},
    {"systemMinimize", "Mi&nimieren", "Mi&nimize"},
    {"systemClose", "&Schliessen  Alt+F4", "&Close      Alt+F4"},
    // The options dialog, designed in German only.
    {"optionsCaption", "Niveauanzeiger - Optionen", "Niveauanzeiger - Optionen"},
    {"optionsType", "Typ:", "Typ:"},
    {"optionsPageDefault", "default", "default"},
    {"optionsPageAccessories", "Zubehör", "Zubehör"},
    {"optionsPageElectric", "Zubehör elek.", "Zubehör elek."},
    {"optionsHeight", "Anzeigehöhe:", "Anzeigehöhe:"},
    {"optionsConnection", "Anschluss:", "Anschluss:"},
    {"optionsFloat", "Schwimmer:", "Schwimmer:"},
    {"optionsRail", "Anzeigeschiene::", "Anzeigeschiene::"},
    {"optionsPlastic", "Kunststoff", "Kunststoff"},
    {"optionsAluminium", "alu", "alu"},
    {"optionsFlaps", "Fluegeli:", "Fluegeli:"},
    {"optionsFull", "voll:", "voll:"},
    {"optionsEmpty", "leer:", "leer:"},
    {"optionsScale", "Messskala", "Messskala"},
    {"optionsInsulation", "Armaflex", "Armaflex"},
    {"optionsSpringTop", "Dämpfungsfeder oben", "Dämpfungsfeder oben"},
    {"optionsSpringBottom", "Dämpfungsfeder unten", "Dämpfungsfeder unten"},
    {"optionsSwitch", "Schalter", "Schalter"},
    {"optionsTransmitter", "Messwertgweber", "Messwertgweber"},
    {"optionsOk", "OK", "OK"},
    {"optionsCancel", "Cancel", "Cancel"},
    {"optionsHelp", "Help", "Help"},
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
        .fixedCaptions = column(fixedRows, true),
        .texts = column(textRows, true),
    };
}

CaptionSet makeEnglish() {
    return {
        .languageCode = "gb",
        .windowCaptionPrefix = "MZA Dazivuva Vovorirov  ",
        .menuCaptions = column(menuRows, false),
        .labelCaptions = column(labelRows, false),
        .fixedCaptions = column(fixedRows, false),
        .texts = column(textRows, false),
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

std::string_view CaptionSet::shownCaptionOf(std::string_view name) const {
    if (const std::string_view own = captionOf(name); !own.empty()) return own;
    for (const auto& [item, caption] : fixedCaptions) {
        if (item == name) return caption;
    }
    return {};
}

std::string_view CaptionSet::textOf(std::string_view key) const {
    for (const auto& [name, text] : texts) {
        if (name == key) return text;
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
