#include "config/Language.h"

#include <gtest/gtest.h>

// The same names in the same order, each with a text.
void expectSameNames(const NamedCaptions& german, const NamedCaptions& english) {
    ASSERT_EQ(german.size(), english.size());
    for (std::size_t i = 0; i < german.size(); ++i) {
        EXPECT_EQ(german[i].first, english[i].first);
        EXPECT_FALSE(german[i].second.empty() && english[i].second.empty()) << german[i].first;
    }
}

TEST(Language, BothSetsCaptionTheSameItemsLabelsAndTipsInTheSameOrder) {
    const CaptionSet& german = germanCaptions();
    const CaptionSet& english = englishCaptions();
    expectSameNames(german.menuCaptions, english.menuCaptions);
    expectSameNames(german.texts, english.texts);
    ASSERT_EQ(german.labelCaptions.size(), 5u);
    ASSERT_EQ(english.labelCaptions.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(german.labelCaptions[i].first, english.labelCaptions[i].first);
        EXPECT_EQ(german.labelCaptions[i].second.front(), ' ');
        EXPECT_EQ(english.labelCaptions[i].second.front(), ' ');
    }
    // Four submenus with three mode items each, the tank's two, the rest of the designed table,
    // the five entries for presenting (smoothing, full screen, two for the picture, reset), the
    // scenes menu with its three commands, the presenter's thirteen (stage, black screen,
    // fit, the pointer's check, nine levels), the part labels' and the tour's two steps, and the
    // web page's scene link.
    EXPECT_EQ(german.menuCaptions.size(), 33u + 5u + 4u + 13u + 1u + 2u + 1u);
}

TEST(Language, TooltipsAndMessagesExistInBothLanguages) {
    const CaptionSet& german = germanCaptions();
    const CaptionSet& english = englishCaptions();
    for (const auto& [name, text] : german.texts) {
        EXPECT_FALSE(text.empty()) << name;
        EXPECT_FALSE(english.textOf(name).empty()) << name;
    }
    EXPECT_EQ(english.textOf("Image1"), "double-click: menu");
    EXPECT_EQ(german.textOf("Image1"), "Doppelklick: Menü");
    for (const char* control :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Start_Stop_Image",
          "Start_Stop_Image_UpDown", "ZoomIn_Image", "ZoomOut_Image"})
        EXPECT_NE(german.textOf(control), english.textOf(control)) << control;
    EXPECT_EQ(english.captionOf("FullScreen1"), "F&ull screen");
    EXPECT_EQ(german.captionOf("ResetView1"), "Ansicht &zurücksetzen");
    EXPECT_EQ(english.textOf("nothing of that name"), "");
}

TEST(Language, ItemsCarryTheirOwnCaptions) {
    const CaptionSet& german = captionsFor("d");
    const CaptionSet& english = captionsFor("gb");
    EXPECT_EQ(german.captionOf("Darstellung1"), "Dars&tellung");
    EXPECT_EQ(german.captionOf("Schiene1"), "&Anzeigeschiene");
    EXPECT_EQ(german.captionOf("N5"), "&alles gechnitten");
    EXPECT_EQ(german.captionOf("Info1"), "Info Prorammierer...");
    EXPECT_EQ(german.captionOf("Label3"), " Dämpfungsfeder");
    EXPECT_EQ(english.captionOf("TBSubmenuItem1"), "&Drain");
    EXPECT_EQ(english.captionOf("TBItem2"), "&Demo");
    EXPECT_EQ(english.captionOf("ein1"), "o&n");
    EXPECT_EQ(english.captionOf("Schnitt4"), "&Cut");
    EXPECT_EQ(english.captionOf("Hilfe2"), "Help...");
    EXPECT_EQ(english.captionOf("KontaktAdresse1"), "Contact Address...");
    EXPECT_EQ(english.captionOf("HintergrundFarbe1"), "&Background Color...");
    EXPECT_EQ(english.captionOf("Label1"), " Armaflex isolation");
    // Untouched items keep their design captions.
    EXPECT_EQ(english.captionOf("GLFILL1"), "");
    EXPECT_EQ(english.captionOf("TBItem1"), "");
}

TEST(Language, CaptionPrefixAndCodes) {
    EXPECT_EQ(windowCaption(captionsFor("gb"), "4.1"), "MZA Dazivuva Vovorirov  4.1");
    EXPECT_EQ(windowCaption(captionsFor("d"), "3.0.0"), "MZA Roveroruvezodozo  3.0.0");
    EXPECT_EQ(captionsFor("d").languageCode, "d");
    EXPECT_EQ(captionsFor("gb").languageCode, "gb");
}

TEST(Language, OnlyTheGermanCodeGivesGermanEverywhere) {
    for (const char* code : {"d", "gb", "", "D", "de"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(isGerman(code), &captionsFor(code) == &germanCaptions());
    }
    EXPECT_TRUE(isGerman("d"));
    EXPECT_FALSE(isGerman("gb"));
}
