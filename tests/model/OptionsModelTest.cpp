// The options dialog's and the colour dialog's behaviour in the core, without any widget: what
// each choice writes into the state, what the dialog then shows, and when the view is redrawn.
#include "FakePlatform.h"
#include "scene/Catalogues.h"

#include <gtest/gtest.h>

namespace {
enum TypeEntry { R410, R520, R530, R640, R650, R760 };

struct OptionsTest : testing::Test {
    OptionsTest() {
        InitialiseSceneState(state);
        options.FormCreate();
    }
    SceneState state;
    unsigned changes = 0;
    int redraws = 0;
    Options options{state, [this](unsigned c) { changes |= c; }, [this] { ++redraws; }};
};
} // namespace

TEST_F(OptionsTest, CreationFillsTheListsInTheLanguageAndSelectsNoType) {
    EXPECT_EQ(options.typeEntry, -1);
    EXPECT_EQ(options.frame, OptionFrame::None);
    EXPECT_EQ(options.typeList().size(), 6u);
    EXPECT_EQ(options.midiConnectionList().front(), "C-201  DN10/PN 25/40");
    EXPECT_EQ(options.midiConnectionList().size(), 11u);
    EXPECT_EQ(options.standardConnectionList().back(), "DN32");
    EXPECT_EQ(options.standardFloatList().size(), 17u);
    EXPECT_EQ(options.colourList()[options.fullColourEntry], "Red");
    EXPECT_EQ(options.displayHeightText, "  390.00");
    EXPECT_EQ(redraws, 0);

    state.languageCode = "d";
    options.FormCreate();
    EXPECT_EQ(options.colourList()[2], "Grün");
}

TEST_F(OptionsTest, EveryTypeSetsUpItsFamilyFromTheTable) {
    state.displayHeight = 1234.5f;
    for (int entry = R410; entry <= R760; ++entry) {
        SCOPED_TRACE(typeCodes[entry]);
        const bool midi = entry == R410 || entry == R760;
        const int before = redraws;
        options.ComboBox4Change(entry);
        EXPECT_EQ(redraws, before + 4) << "both list changes, the height and the type";
        EXPECT_EQ(state.typeCode, typeCodes[entry]);
        EXPECT_EQ(options.frame, midi ? OptionFrame::Midi : OptionFrame::Standard);
        EXPECT_EQ(options.displayHeightText, " 1234.50");
        EXPECT_FLOAT_EQ(state.level, 1234.5f / 2);
        EXPECT_EQ(state.flapCount, 123 + (entry == R760 ? 5 : 9));
        EXPECT_FLOAT_EQ(state.switch1.switchPoint, 1234.5f - 70);
        EXPECT_FLOAT_EQ(state.pipeOuterRadius, midi ? 16.85f : 26.5f);
        EXPECT_EQ(state.flapStartIndex, midi ? -2 : -4);
        const char* connection = midi                             ? "C-201  DN10/PN 25/40"
                                 : entry == R520 || entry == R530 ? "FNull"
                                                                  : "FDefault";
        EXPECT_EQ(state.connection.name, connection);
        EXPECT_EQ(state.selectedFloat.name, midi ? "F-304/00 Dichte 1,00" : "F-306/00 Dichte 1,00");
        EXPECT_EQ(midi ? options.midiFloatEntry : options.standardFloatEntry, midi ? 3 : 4);
    }
    EXPECT_TRUE(changes & OptionsChanged);
    options.ComboBox4Change(6);
    EXPECT_EQ(state.typeCode, "R-760") << "no such entry: nothing changes";
}

TEST_F(OptionsTest, TheFramesListsChooseTheirRowsUntilTheNextTypeSelection) {
    options.ComboBox4Change(R410);
    options.MidiConnectionChange(6);
    EXPECT_EQ(state.connection.name, "C-206  ANSI 1\"   150RF");
    options.MidiFloatChange(0);
    EXPECT_EQ(state.selectedFloat.name, "F-301/00 Dichte 0,60");
    options.MidiConnectionChange(11);
    EXPECT_EQ(state.connection.name, "C-206  ANSI 1\"   150RF") << "no such row";
    options.ComboBox4Change(R410);
    EXPECT_EQ(options.midiConnectionEntry, 0);
    EXPECT_EQ(state.connection.name, "C-201  DN10/PN 25/40");

    options.ComboBox4Change(R640);
    options.StandardChange(0, 10);
    EXPECT_EQ(state.selectedFloat.name, "F-308/00 Dichte 0,60");
    options.StandardChange(2, 10);
    EXPECT_EQ(state.connection.name, "FDefault") << "the sizes have no connection rows";
    options.StandardChange(2, -1);
    EXPECT_EQ(state.selectedFloat.name, "F-308/00 Dichte 0,60") << "no float: it stays";
}

TEST_F(OptionsTest, TheTypedHeightIsAppliedWithEveryKeystrokeAndKeptAsTyped) {
    options.ComboBox4Change(R760);
    const int before = redraws;
    for (const char* typed : {"1", "10", "100", "1000"}) options.Edit6Change(typed);
    EXPECT_EQ(redraws, before + 4);
    EXPECT_FLOAT_EQ(state.displayHeight, 1000);
    EXPECT_EQ(options.displayHeightText, "1000");
    options.Edit6Change("abc");
    EXPECT_FLOAT_EQ(state.displayHeight, 150);
    EXPECT_FLOAT_EQ(state.switch1.switchPoint, 80);
}

TEST_F(OptionsTest, ColoursRailAndBoxesWriteTheStateAndTheBoxesShowItsFlags) {
    options.ComboBox1Change(2);
    EXPECT_EQ(state.fullColour.englishName, "Green");
    EXPECT_EQ(state.fullColourIndex, 4) << "the indices keep their values";
    options.ComboBox2Change(99);
    EXPECT_EQ(state.emptyColour.englishName, "White") << "no such colour";
    options.RadioButton1Click();
    EXPECT_FALSE(options.railAluminium());
    options.CheckBox3Click(true);
    EXPECT_TRUE(state.springTopVisible);
    EXPECT_TRUE(options.springTopChecked());
    EXPECT_TRUE(changes & CalloutsChanged);
    state.insulationVisible = true; // a callout switched it
    EXPECT_TRUE(options.insulationChecked());
}

TEST_F(OptionsTest, DefaultRestoresTheStartModelAsR650) {
    options.ComboBox4Change(R410);
    options.Edit6Change("2000");
    options.ComboBox1Change(0);
    options.RadioButton1Click();
    options.CheckBox4Click(true);
    state.zoom = 500;
    options.DefaultEinstellungen();
    EXPECT_EQ(state.typeCode, "R-650");
    EXPECT_EQ(options.typeEntry, R650);
    EXPECT_EQ(options.frame, OptionFrame::Standard);
    EXPECT_FLOAT_EQ(state.displayHeight, 390);
    EXPECT_FLOAT_EQ(state.level, 195);
    EXPECT_EQ(state.flapCount, 48);
    EXPECT_EQ(state.fullColour.englishName, "Red");
    EXPECT_TRUE(state.railAluminium);
    EXPECT_FALSE(options.springBottomChecked());
    EXPECT_FLOAT_EQ(state.zoom, 35);
    EXPECT_TRUE(changes & MenusChanged);
}

TEST(ColourChoice, SlidersPreviewUntilAppliedAndDefaultAppliesBlack) {
    SceneState state;
    InitialiseSceneState(state);
    unsigned changes = 0;
    int redraws = 0;
    ColourChoice colour(
        state, [&](unsigned c) { changes |= c; }, [&] { ++redraws; });
    colour.FormShow();
    EXPECT_EQ(colour.sliders(), (std::array<int, 3>{164, 190, 255}));
    colour.ScrollBarChange(0, 255);
    colour.ScrollBarChange(1, 300);
    EXPECT_EQ(colour.sliders()[1], 255) << "limited to a byte";
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.643f) << "nothing applied yet";
    EXPECT_EQ(redraws, 0);
    colour.Apply();
    EXPECT_FLOAT_EQ(state.backgroundRed, 1);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(changes & BackgroundChanged);
    colour.BitBtn3Click();
    EXPECT_FLOAT_EQ(state.backgroundGreen, 0);
    EXPECT_EQ(colour.sliders(), (std::array<int, 3>{0, 0, 0}));
    state.backgroundBlue = 1e30f;
    colour.FormShow();
    EXPECT_EQ(colour.sliders()[2], 255);
}
