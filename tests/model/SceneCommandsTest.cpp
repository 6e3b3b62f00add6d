// The scene commands of the core: saving the configuration under a name, the Scenes menu, recalling
// a scene (everything at once, and the options dialog showing it), importing and exporting, and
// damaged scenes that are said in a message and change nothing.
#include "FakePlatform.h"
#include "scene/Catalogues.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {
enum TypeEntry { R410, R520, R530, R640, R650, R760 };

std::vector<MenuItem> scenesMenu(const Viewer& viewer) {
    const std::vector<MenuItem> menus = viewer.menuBar();
    return findMenuItem(menus, "Scenes1")->items;
}

// The stored scenes' entries: their item names and captions.
std::vector<std::string> listed(const Viewer& viewer) {
    std::vector<std::string> entries;
    for (const MenuItem& item : scenesMenu(viewer))
        if (!item.separator && item.name.starts_with("scene:"))
            entries.push_back(item.name + "|" + item.caption);
    return entries;
}

// The options dialog's choices as the user sees them (the height text apart).
struct DialogFields {
    int type;
    OptionFrame frame;
    int midiConnection, midiFloat, full, empty;
    bool operator==(const DialogFields&) const = default;
};
DialogFields fieldsOf(Options& o) {
    return {o.typeEntry,      o.frame,           o.midiConnectionEntry,
            o.midiFloatEntry, o.fullColourEntry, o.emptyColourEntry};
}

class Scenes : public testing::Test, public CoreFixture {
  protected:
    // A configuration far from the start: chosen through the dialog, the menus, the callouts
    // and the view as a user would.
    void configure() {
        Options& options = viewer.options();
        options.ComboBox4Change(R410);
        options.MidiConnectionChange(5);
        options.MidiFloatChange(1);
        options.Edit6Change("777.25");
        options.ComboBox1Change(14);
        options.ComboBox2Change(1);
        options.RadioButton1Click();
        viewer.Label1Click("Label1"); // insulation on
        viewer.Label1Click("Label5"); // transmitter off
        viewer.Label1Click("Label6"); // faster
        viewer.trigger("ganz2");
        viewer.trigger("aus5");
        viewer.trigger("GLLINE1");
        viewer.trigger("Seitenanschluss1");
        viewer.Start_Stop_ImageClick();
        viewer.Start_Stop_Image_UpDownClick();
        state.level = 123.5f;
        state.backgroundRed = 0.25f;
    }
    void store(const std::string& name, const std::string& text) {
        platform.scenes.push_back({name, {ReadOutcome::Complete, text}});
    }
};
} // namespace

TEST_F(Scenes, RecallBringsBackEverySettingAndTheDialogShowsIt) {
    configure();
    const Scene saved = captureScene(state, "Fair");
    const DialogFields dialog = fieldsOf(viewer.options());
    viewer.SaveScene("  Fair ");
    ASSERT_EQ(platform.scenes.size(), 1u);
    EXPECT_EQ(platform.scenes[0].name, "Fair");
    EXPECT_EQ(platform.scenes[0].file.text, formatScene(saved));

    viewer.Defaul1Click();
    viewer.trigger("ein1");
    ASSERT_NE(captureScene(state, "Fair"), saved);
    platform.refreshed = 0;
    const int redraws = viewer.redrawRequests();
    EXPECT_TRUE(viewer.trigger("scene:Fair"));
    EXPECT_EQ(captureScene(state, "Fair"), saved);
    EXPECT_EQ(fieldsOf(viewer.options()), dialog);
    EXPECT_EQ(viewer.options().frame, OptionFrame::Midi);
    EXPECT_EQ(viewer.options().displayHeightText, "  777.25");
    // The values that follow from the recalled ones are in step with them.
    EXPECT_EQ(state.flapCount, 78 + 9);
    EXPECT_FLOAT_EQ(state.switch1.switchPoint, 777.25f - 70);
    EXPECT_FLOAT_EQ(state.pipeInnerRadius, 14.85f);
    EXPECT_EQ(state.connection.name, connectionCatalogue[7].name);
    EXPECT_FLOAT_EQ(state.fullColour.green, 1);
    for (Change change : {MenusChanged, CalloutsChanged, ButtonsChanged, OptionsChanged,
                          BackgroundChanged, ColourChanged})
        EXPECT_TRUE(platform.refreshed & change) << change;
    EXPECT_GT(viewer.redrawRequests(), redraws);
    EXPECT_EQ(viewer.colourChoice().sliders()[0], 64) << "the colour dialog follows";
}

TEST_F(Scenes, AStandardTypeShowsItsFrameAndFloat) {
    viewer.options().ComboBox4Change(R530);
    viewer.options().StandardChange(3, 12);
    viewer.SaveScene("Standard");
    viewer.options().ComboBox4Change(R760);
    viewer.trigger("scene:Standard");
    EXPECT_EQ(state.typeCode, "R-530");
    EXPECT_EQ(state.connection.name, "FNull");
    EXPECT_EQ(state.selectedFloat.name, standardFloatCatalogue[12].name);
    EXPECT_EQ(viewer.options().frame, OptionFrame::Standard);
    EXPECT_EQ(viewer.options().typeEntry, R530);
    EXPECT_EQ(viewer.options().standardFloatEntry, 12);
}

TEST_F(Scenes, TheSettingsPartKeepsTheViewAndTheLevelDemoGoesOnFromTheLevel) {
    stopDemos();
    Scene scene = captureScene(state, "x");
    scene.displayHeight = 1000;
    scene.camera.zoom = 500;
    scene.level = 900;
    state.level = 300;
    viewer.applySceneSettings(scene);
    EXPECT_FLOAT_EQ(state.displayHeight, 1000);
    EXPECT_FLOAT_EQ(state.zoom, 35) << "the camera glides on its own";
    EXPECT_FLOAT_EQ(state.level, 300) << "the height would set half of it";
    viewer.applySceneView(scene.camera, scene.level);
    EXPECT_FLOAT_EQ(state.zoom, 500);
    EXPECT_FLOAT_EQ(state.level, 900);
    viewer.applySceneView(scene.camera, 5000);
    EXPECT_FLOAT_EQ(state.level, 1007) << "within the range the pointer sets";

    state.levelDemoRunning = true;
    state.levelRising = true;
    viewer.applySceneView(scene.camera, 500);
    viewer.DemoStep();
    EXPECT_FLOAT_EQ(state.level, 500 + state.animationSpeed);
}

TEST_F(Scenes, TheMenuListsTheStoredScenesAlphabeticallyAndSavingAddsOrReplaces) {
    store("beta", "[scene]\nname=beta\n[camera]\nzoom=99\n");
    store("Alpha & Omega", "[scene]\nname=x\n");
    store("gamma", "junk");
    store(" padded", "[scene]\nname=x\n"); // no name the store could have been given
    store("beta", "[scene]\nname=second\n");
    viewer.FormCreate();
    EXPECT_TRUE(platform.refreshed & MenuEntriesChanged);
    EXPECT_EQ(listed(viewer), (std::vector<std::string>{"scene:Alpha & Omega|Alpha && Omega",
                                                        "scene:beta|beta", "scene:gamma|gamma"}));
    const std::vector<MenuItem> menu = scenesMenu(viewer);
    EXPECT_EQ(menu[0].name, "SaveScene1");
    EXPECT_EQ(menu[0].caption, "&Save scene...");
    EXPECT_TRUE(menu[3].separator && menu[3].visible);

    platform.refreshed = 0;
    viewer.SaveScene("Delta");
    viewer.SaveScene("beta");
    EXPECT_TRUE(platform.refreshed & MenuEntriesChanged);
    EXPECT_EQ(listed(viewer).size(), 4u);
    EXPECT_EQ(listed(viewer)[2], "scene:Delta|Delta");
    EXPECT_EQ(platform.scenes.size(), 5u) << "the store replaced its own entries";
    EXPECT_FLOAT_EQ(viewer.storedScene("beta").scene.camera.zoom, 35)
        << "the saved scene replaced the listed one";

    state.languageCode = "d";
    EXPECT_EQ(scenesMenu(viewer)[2].caption, "Szene &exportieren...");
}

TEST_F(Scenes, AnEmptyStoreShowsTheCommandsOnly) {
    const std::vector<MenuItem> menu = scenesMenu(viewer);
    ASSERT_EQ(menu.size(), 7u);
    EXPECT_FALSE(menu[4].enabled) << "no scene to step to";
    EXPECT_FALSE(menu[5].enabled);
    EXPECT_FALSE(menu[6].visible) << "no separator before an empty list";
}

TEST_F(Scenes, ADamagedSceneIsSaidAndChangesNothing) {
    store("Broken", "[scene]\nname=Broken\n[camera]\nzoom=far\n");
    store("Huge", "");
    platform.scenes.back().file.outcome = ReadOutcome::Truncated;
    viewer.FormCreate();
    configure();
    const Scene before = captureScene(state, "");
    const DialogFields dialog = fieldsOf(viewer.options());
    EXPECT_FALSE(viewer.RecallScene("Broken"));
    EXPECT_FALSE(viewer.RecallScene("Huge"));
    EXPECT_EQ(captureScene(state, ""), before);
    EXPECT_EQ(fieldsOf(viewer.options()), dialog);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0], "Scenes: The scene \"Broken\" was not recalled, nothing was "
                                    "changed:\n[camera] zoom: \"far\" is not a number.");
    EXPECT_EQ(platform.messages[1], "Scenes: The scene \"Huge\" was not recalled, nothing was "
                                    "changed:\nThe file is larger than a scene can be (64 KB).");
}

TEST_F(Scenes, UnusableNamesAndAFailedStoreAreSaid) {
    viewer.SaveScene(std::string(81, 'n'));
    viewer.SaveScene(" \t ");
    platform.sceneStoreFails = true;
    viewer.SaveScene("Fair");
    EXPECT_TRUE(platform.scenes.empty());
    EXPECT_TRUE(listed(viewer).empty());
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[1], "Scenes: \"\" cannot name a scene: a name has 1 to 80 bytes "
                                    "and no control characters.");
    EXPECT_EQ(platform.messages[2], "Scenes: The scene \"Fair\" could not be saved.");
}

TEST_F(Scenes, TheCommandsAskTheUserProposingTheLastScene) {
    viewer.trigger("SaveScene1");
    viewer.trigger("ExportScene1");
    viewer.trigger("ImportScene1");
    viewer.SaveScene("Fair");
    viewer.trigger("SaveScene1");
    viewer.trigger("ExportScene1");
    EXPECT_EQ(platform.questions, (std::vector<std::string>{"name:", "export:Scene", "import",
                                                            "name:Fair", "export:Fair"}));
    EXPECT_TRUE(viewer.sceneFileText("Booth 7").find("name=\"Booth 7\"") != std::string::npos);
    EXPECT_TRUE(viewer.sceneFileText("").find("name=\"Fair\"") != std::string::npos)
        << "a file name that cannot name a scene gives the last one's";
}

TEST_F(Scenes, ImportKeepsTheFileUnderItsNameAndShowsIt) {
    const std::string text = "; from a colleague\n[scene]\nname=Booth\n[camera]\nzoom=300\n";
    viewer.ImportScene("mail-attachment.scene", {ReadOutcome::Complete, text});
    ASSERT_EQ(platform.scenes.size(), 1u);
    EXPECT_EQ(platform.scenes[0].name, "Booth");
    EXPECT_EQ(platform.scenes[0].file.text, text) << "kept as it came";
    EXPECT_EQ(listed(viewer), std::vector<std::string>{"scene:Booth|Booth"});
    EXPECT_FLOAT_EQ(state.zoom, 300) << "shown at once";

    viewer.ImportScene("/home/me/Messe 2025.scene", {ReadOutcome::Complete, "[scene]\nname=\n"});
    EXPECT_EQ(platform.scenes.back().name, "Messe 2025") << "a file without a name gives its own";
}

TEST_F(Scenes, ADamagedImportIsSaidAndChangesNothing) {
    configure();
    const Scene before = captureScene(state, "");
    viewer.ImportScene("picture.png",
                       {ReadOutcome::Complete, std::string("\x89PNG\r\n\x1A\n\0", 9)});
    viewer.ImportScene("a.scene", {ReadOutcome::Unusable, ""});
    viewer.ImportScene("  .scene", {ReadOutcome::Complete, "[scene]\nname=\n"});
    EXPECT_TRUE(platform.scenes.empty());
    EXPECT_EQ(captureScene(state, ""), before);
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0], "Scenes: \"picture.png\" was not imported, nothing was "
                                    "changed:\nThe file is not a text file in UTF-8.");
    EXPECT_EQ(platform.messages[1], "Scenes: \"a.scene\" was not imported, nothing was changed:\n"
                                    "The file cannot be read.");
    EXPECT_NE(platform.messages[2].find("cannot name a scene"), std::string::npos);
}

TEST_F(Scenes, NoShortcutIsTakenTwice) {
    std::set<std::string> taken;
    const auto take = [&](const std::string& keys) {
        if (!keys.empty()) {
            EXPECT_TRUE(taken.insert(keys).second) << keys;
        }
    };
    const std::function<void(const std::vector<MenuItem>&)> walk = [&](const auto& items) {
        for (const MenuItem& item : items) {
            take(item.shortcut);
            walk(item.items);
        }
    };
    walk(viewer.menuBar());
    for (const KeyCommand& key : viewer.keys()) take(key.keys);
    EXPECT_TRUE(taken.contains("Ctrl+Shift+S"));
}
