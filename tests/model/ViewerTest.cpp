// The viewer's core without a display: every command's effect on the state and on the models of
// menus, callouts and buttons, what it asks the shell to refresh, the paint-loop pass, and the
// settings read at creation and written at closing.
#include "FakePlatform.h"
#include "RecordingGL.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
constexpr int glLine = 0x1B01;

const MenuItem& item(const Viewer& viewer, const std::string& name) {
    static std::vector<MenuItem> menus;
    menus = viewer.menuBar();
    const MenuItem* found = findMenuItem(menus, name);
    if (!found) throw std::runtime_error("no menu item " + name);
    return *found;
}

CalloutModel callout(const Viewer& viewer, const std::string& name) {
    for (const CalloutModel& model : viewer.callouts())
        if (model.name == name) return model;
    throw std::runtime_error("no callout " + name);
}

ButtonModel button(const Viewer& viewer, const std::string& name) {
    for (const ButtonModel& model : viewer.buttons())
        if (model.name == name) return model;
    throw std::runtime_error("no button " + name);
}

class Core : public testing::Test, public CoreFixture {};
} // namespace

TEST_F(Core, CreationBuildsTheStartSceneReadsTheSettingsAndShowsTheAccessories) {
    SceneState state;
    InitialiseSceneState(state);
    FakePlatform platform;
    platform.settings.own = "[optionen]\nlanguage=deutsch\n[backgroundcolor]\nred=0.5\n";
    Viewer viewer(state, platform);
    viewer.FormCreate();
    EXPECT_EQ(state.languageCode, "d");
    EXPECT_FLOAT_EQ(state.backgroundRed, 0.5f);
    EXPECT_FLOAT_EQ(state.assembly.pose.posY, -200);
    EXPECT_TRUE(callout(viewer, "Label4").active);
    EXPECT_FALSE(callout(viewer, "Label1").active);
    EXPECT_TRUE(platform.refreshed & BackgroundChanged);
    EXPECT_EQ(platform.passRequests, 0) << "the first redraw comes once the window is shown";

    viewer.FormShow();
    EXPECT_TRUE(platform.refreshed & CaptionsChanged);
    EXPECT_EQ(viewer.windowCaption(), "MZA Roveroruvezodozo  3.0.0");
    EXPECT_EQ(item(viewer, "Datei1").caption, "&Datei");
    EXPECT_EQ(callout(viewer, "Label4").caption, " Schalter");
}

TEST_F(Core, ClosingStopsTheDemosAndSavesTheColourKeepingTheRestOfTheFile) {
    platform.settings.own = "; mine\n[optionen]\nlanguage=englisch\n";
    state.backgroundGreen = 0.5f;
    viewer.FormClose();
    EXPECT_FALSE(state.levelDemoRunning || state.swingDemoRunning);
    ASSERT_EQ(platform.saved.size(), 1u);
    EXPECT_EQ(platform.saved[0], "; mine\n[optionen]\nlanguage=englisch\n\n[backgroundcolor]\n"
                                 "red=0.643\ngreen=0.500\nblue=1.000\n");

    platform.settings.ownComplete = false; // a file that could not be read whole stays
    viewer.FormClose();
    EXPECT_EQ(platform.saved.size(), 1u);
}

TEST_F(Core, OnePaintLoopRunsWhileADemoRunsAndCountsItsFrames) {
    gldouble::reset();
    viewer.FormPaint();
    viewer.FormPaint();
    EXPECT_EQ(platform.passRequests, 1) << "a request while the loop runs starts no second one";
    EXPECT_EQ(viewer.redrawRequests(), 2);
    viewer.DemoStep();
    EXPECT_FLOAT_EQ(state.cameraRotY, 60 + 0.2f / 6);
    viewer.RenderFrame(800, 600);
    viewer.RenderFrame(800, 600);
    EXPECT_EQ(gldouble::gl().clearCount, 2);
    EXPECT_TRUE(viewer.PassDone()) << "the demos run";
    EXPECT_EQ(viewer.takeFrameCount(), 2);
    EXPECT_EQ(viewer.takeFrameCount(), 0);
    stopDemos();
    EXPECT_FALSE(viewer.painting());
    viewer.FormPaint();
    EXPECT_EQ(platform.passRequests, 2);
    EXPECT_FALSE(viewer.PassDone()) << "without a demo one pass and the loop ends";
}

TEST_F(Core, DisplayModeEntriesSetTheModeAndTheChecksFollowTheState) {
    stopDemos();
    EXPECT_TRUE(item(viewer, "Schnitt1").checked);
    EXPECT_TRUE(item(viewer, "ein1").checked) << "tank mode 1 shows the tank";
    EXPECT_FALSE(item(viewer, "Schnitt4").enabled);
    EXPECT_FALSE(viewer.trigger("Schnitt4")) << "the disabled entry has no command";

    EXPECT_TRUE(viewer.trigger("ganz1"));
    EXPECT_EQ(state.pipeMode, DisplayMode::Whole);
    EXPECT_TRUE(item(viewer, "ganz1").checked);
    EXPECT_FALSE(item(viewer, "Schnitt1").checked);
    EXPECT_TRUE(platform.refreshed & MenusChanged);
    EXPECT_TRUE(viewer.painting()) << "the change shows at once";

    viewer.trigger("aus5");
    EXPECT_EQ(state.tankMode, DisplayMode::Off);
    EXPECT_TRUE(item(viewer, "aus5").checked);
    viewer.trigger("ein1");
    EXPECT_EQ(state.tankMode, DisplayMode::Whole);

    viewer.trigger("N5");
    EXPECT_EQ(state.pipeMode, DisplayMode::Cut);
    EXPECT_EQ(state.flapMode, DisplayMode::Whole);
    EXPECT_EQ(state.tankMode, DisplayMode::Whole) << "all cut leaves the tank";
    viewer.trigger("nichtsgeschnitten1");
    EXPECT_EQ(state.floatMode, DisplayMode::Whole);
    EXPECT_EQ(state.railMode, DisplayMode::Whole);

    viewer.trigger("GLLINE1");
    EXPECT_EQ(state.polygonMode, glLine);
    EXPECT_TRUE(item(viewer, "GLLINE1").checked);
    EXPECT_FALSE(item(viewer, "GLFILL1").checked);
    EXPECT_FALSE(viewer.trigger("TBItem2")) << "the demo entry has no command";
    EXPECT_FALSE(viewer.trigger("no such entry"));
}

TEST_F(Core, ViewsStepsAndResetMoveTheCameraOnly) {
    viewer.trigger("Seitenanschluss1");
    EXPECT_FLOAT_EQ(state.cameraRotY, 125);
    EXPECT_FLOAT_EQ(state.zoom, 179);
    EXPECT_EQ(state.tankMode, DisplayMode::Off) << "the side view hides the tank";
    viewer.trigger("TBItemA-");
    EXPECT_FLOAT_EQ(state.cameraRotX, -5);
    viewer.trigger("TBItemZ+");
    EXPECT_FLOAT_EQ(state.zoom, 180);
    viewer.trigger("ResetView1");
    EXPECT_FLOAT_EQ(state.cameraRotY, 60);
    EXPECT_FLOAT_EQ(state.zoom, 35);
    EXPECT_EQ(state.tankMode, DisplayMode::Off) << "the model stays as it is";

    const std::vector<ToolbarItem> steps = viewer.stepToolbar();
    ASSERT_EQ(steps.size(), 12u);
    EXPECT_EQ(steps[3].name, "TBItemA-");
    EXPECT_EQ(steps[3].caption, "A-");
    EXPECT_TRUE(steps[3].separatorBefore);
    EXPECT_FALSE(steps[4].separatorBefore);
}

TEST_F(Core, DefaultRestoresTheSnapshotTheChecksAndFillsPolygons) {
    viewer.trigger("aus2");
    viewer.trigger("GLLINE1");
    state.zoom = 500;
    viewer.Label1Click("Label1");
    viewer.trigger("Defaul1");
    EXPECT_EQ(state.typeCode, "R-650");
    EXPECT_FLOAT_EQ(state.zoom, 35);
    EXPECT_EQ(state.floatMode, DisplayMode::Cut);
    EXPECT_EQ(state.polygonMode, glFillMode);
    EXPECT_TRUE(item(viewer, "Schnitt2").checked);
    EXPECT_TRUE(item(viewer, "GLFILL1").checked);
    EXPECT_FALSE(callout(viewer, "Label4").active) << "the accessories of the snapshot are off";
    EXPECT_FALSE(callout(viewer, "Label1").active);
    EXPECT_TRUE(platform.refreshed & CalloutsChanged);
    EXPECT_TRUE(platform.refreshed & OptionsChanged);
}

TEST_F(Core, CalloutsSwitchTheirAccessoriesAndHoverIsClearedByThePointer) {
    viewer.Label1Click("Label4");
    EXPECT_FALSE(state.switch1Visible || state.switch2Visible);
    EXPECT_FALSE(callout(viewer, "Label4").active);
    viewer.Label1Click("Label3");
    EXPECT_TRUE(state.springTopVisible && state.springBottomVisible);
    EXPECT_TRUE(callout(viewer, "Label3").active);
    viewer.Label1Click("Label6");
    EXPECT_FLOAT_EQ(state.animationSpeed, 0.3f);
    viewer.Label1Click("Label7");
    EXPECT_FLOAT_EQ(state.animationSpeed, 0.2f);
    EXPECT_TRUE(platform.refreshed & CalloutsChanged);

    platform.refreshed = 0;
    viewer.Label1MouseMove("Label2");
    EXPECT_TRUE(callout(viewer, "Label2").hovered);
    EXPECT_TRUE(platform.refreshed & CalloutsChanged);
    viewer.FormMouseMove(50, 50, 0);
    EXPECT_FALSE(callout(viewer, "Label2").hovered);

    const CalloutModel plus = callout(viewer, "Label6");
    EXPECT_TRUE(plus.inButtonRow);
    EXPECT_EQ(plus.caption, "+");
    EXPECT_EQ(callout(viewer, "Label2").top, 100);
}

TEST_F(Core, ButtonsShowWhatAClickDoesAndTheirHoverPictureUntilThePointerMovesOn) {
    EXPECT_EQ(button(viewer, "Start_Stop_Image").picture, ButtonPicture::Stop);
    viewer.Start_Stop_Image_UpDownClick();
    EXPECT_FALSE(state.levelDemoRunning);
    EXPECT_TRUE(state.swingDemoRunning);
    EXPECT_EQ(button(viewer, "Start_Stop_Image_UpDown").picture, ButtonPicture::StartUpDown);

    viewer.ButtonHovered("ZoomIn_Image");
    EXPECT_TRUE(button(viewer, "ZoomIn_Image").highlighted);
    EXPECT_FALSE(button(viewer, "ZoomOut_Image").highlighted);
    viewer.FormMouseMove(300, 300, 0);
    EXPECT_FALSE(button(viewer, "ZoomIn_Image").highlighted);
    EXPECT_EQ(button(viewer, "ZoomIn_Image").left, 168);
    EXPECT_EQ(buttonRowTop(600), 552);
}

TEST_F(Core, AHeldZoomButtonStepsOnEveryTickUntilReleased) {
    viewer.ZoomButtonPressed("ZoomIn_Image");
    EXPECT_TRUE(viewer.zooming());
    viewer.ZoomTick();
    viewer.ZoomTick();
    EXPECT_FLOAT_EQ(state.zoom, 37);
    viewer.ZoomButtonReleased();
    viewer.ZoomTick();
    EXPECT_FLOAT_EQ(state.zoom, 37);
    viewer.ZoomButtonPressed("ZoomOut_Image");
    viewer.ZoomTick();
    EXPECT_FLOAT_EQ(state.zoom, 36);
}

TEST_F(Core, ThePointerPansTurnsSetsTheLevelAndOpensTheOptionsAtTheTopRightPixel) {
    viewer.FormMouseDown(100, 100);
    viewer.FormMouseMove(110, 90, LeftButton);
    EXPECT_FLOAT_EQ(state.cameraPanX, 10);
    EXPECT_FLOAT_EQ(state.cameraPanY, 40);
    viewer.FormMouseMove(120, 90, LeftButton, true);
    EXPECT_FLOAT_EQ(state.cameraRotY, 65) << "Shift turns by half a degree per pixel";

    viewer.FormMouseMove(798, 0, RightButton);
    EXPECT_TRUE(platform.windows.empty());
    viewer.FormMouseMove(799, 0, RightButton);
    EXPECT_EQ(platform.windows, std::vector<CoreWindow>{CoreWindow::Options});

    const float before = state.level;
    viewer.FormMouseMove(400, 0, 0);
    EXPECT_FLOAT_EQ(state.level, before) << "the level demo runs";
    stopDemos();
    viewer.FormMouseMove(400, 0, 0);
    EXPECT_FLOAT_EQ(state.level, 390 + 7);
    viewer.FormMouseMove(99, 600, 0);
    EXPECT_FLOAT_EQ(state.level, 397) << "the callouts' strip leaves the level";

    viewer.FormMouseWheel(120);
    EXPECT_FLOAT_EQ(state.zoom, 41);
    viewer.FormMouseWheel(10);
    viewer.FormMouseWheel(10);
    EXPECT_FLOAT_EQ(state.zoom, 42) << "small steps add up";
}

TEST_F(Core, TwoFingersPinchAndTurnAndOneFingerDrags) {
    viewer.FormTouch({{100, 100, 100, 100}}, false);
    viewer.FormTouch({{110, 100, 100, 100}}, false);
    EXPECT_FLOAT_EQ(state.cameraPanX, 10);
    viewer.FormTouch({{110, 100, 110, 100}, {210, 100, 210, 100}}, false);
    // Spread to twice the distance while the pair turns a quarter counter-clockwise.
    viewer.FormTouch({{110, 100, 110, 100}, {110, -100, 210, 100}}, false);
    EXPECT_FLOAT_EQ(state.zoom, 70);
    EXPECT_NEAR(state.cameraRotY, 60 + 90, 1e-3);
    viewer.FormTouch({}, true);
    viewer.FormGesture(Gesture::Zoom, 0.5f);
    EXPECT_FLOAT_EQ(state.zoom, 105);
    viewer.FormGesture(Gesture::Rotate, 10);
    EXPECT_NEAR(state.cameraRotY, 160, 1e-3);
}

TEST_F(Core, FullScreenHidesTheBarsWhichComeBackOnlyIfTheyWereShown) {
    EXPECT_FALSE(viewer.barsShown());
    viewer.Image1DblClick();
    EXPECT_TRUE(viewer.barsShown());
    EXPECT_TRUE(platform.refreshed & BarsChanged);
    viewer.trigger("FullScreen1");
    EXPECT_TRUE(viewer.fullScreen());
    EXPECT_TRUE(item(viewer, "FullScreen1").checked);
    EXPECT_FALSE(viewer.barsShown());
    viewer.trigger("Escape");
    EXPECT_FALSE(viewer.fullScreen());
    EXPECT_TRUE(viewer.barsShown());
    EXPECT_TRUE(platform.refreshed & FullScreenChanged);
}

TEST_F(Core, SmoothingFollowsTheRendererAndTheFrameSizeUntilChosenAndOnlyWhereItWorks) {
    const char* software = "llvmpipe (LLVM 15.0.6, 256 bits)";
    viewer.rendererKnown(software, SmoothingWay::EdgeFilter);
    EXPECT_TRUE(viewer.smoothFrame(1280, 1002));
    platform.refreshed = 0;
    EXPECT_FALSE(viewer.smoothFrame(3840, 2138)) << "beyond what the filter holds at 60 fps";
    EXPECT_FALSE(state.smoothEdges);
    EXPECT_TRUE(platform.refreshed & MenusChanged) << "the check mark follows";
    viewer.rendererKnown("AMD Radeon RX 6600", SmoothingWay::Multisampling);
    EXPECT_TRUE(viewer.smoothFrame(3840, 2138));

    viewer.trigger("SmoothEdges1");
    EXPECT_FALSE(state.smoothEdges);
    EXPECT_TRUE(state.smoothEdgesChosen);
    EXPECT_FALSE(viewer.smoothFrame(800, 600)) << "the choice stays";
    viewer.rendererKnown(software, SmoothingWay::EdgeFilter);
    EXPECT_FALSE(viewer.smoothFrame(800, 600));

    viewer.rendererKnown("AMD Radeon RX 6600", SmoothingWay::Off);
    EXPECT_FALSE(item(viewer, "SmoothEdges1").enabled);
    viewer.setSmoothEdges(true);
    EXPECT_FALSE(state.smoothEdges) << "this renderer cannot smooth";
    EXPECT_FALSE(viewer.smoothFrame(800, 600));
}

TEST_F(Core, WindowsLinksHelpAndClosingGoThroughThePlatform) {
    for (const char* name : {"HintergrundFarbe1", "FrameperSecond1", "TBItem1", "KontaktAdresse1",
                             "Info1", "Beenden1"})
        EXPECT_TRUE(viewer.trigger(name)) << name;
    EXPECT_EQ(platform.windows, (std::vector<CoreWindow>{CoreWindow::BackgroundColour,
                                                         CoreWindow::FrameRate, CoreWindow::Options,
                                                         CoreWindow::Contact, CoreWindow::About}));
    EXPECT_EQ(platform.closeRequests, 1);

    viewer.trigger("Hilfe2");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              "Help: The help file MONTAGE.HLP was not found:\n/program/MONTAGE.HLP");
    platform.helpThere = true;
    viewer.Hilfe2Click();
    EXPECT_EQ(platform.messages.size(), 1u);

    const std::vector<KeyCommand> keys = viewer.keys();
    EXPECT_TRUE(std::any_of(keys.begin(), keys.end(), [](const KeyCommand& k) {
        return k.keys == "Ctrl+D" && k.popup && k.command == "Anzeige1";
    }));
    EXPECT_FALSE(item(viewer, "Hilfe2").visible);
    EXPECT_EQ(item(viewer, "FullScreen1").shortcut, "F11");
}

TEST_F(Core, CaptionsFollowTheLanguageInEveryModel) {
    viewer.ApplyGermanCaptions();
    EXPECT_EQ(state.languageCode, "d");
    EXPECT_EQ(item(viewer, "Darstellung1").caption, "Dars&tellung");
    EXPECT_EQ(item(viewer, "N4").caption, "Ansichten") << "a designed caption";
    EXPECT_EQ(button(viewer, "ZoomIn_Image").tooltip, "Vergrössern (gedrückt halten)");
    EXPECT_EQ(viewer.text("helpTitle"), "Hilfe");
    viewer.ApplyEnglishCaptions();
    EXPECT_EQ(item(viewer, "Darstellung1").caption, "&Picture");
    EXPECT_EQ(item(viewer, "N4").caption, "Ansichten");
    EXPECT_EQ(callout(viewer, "Label5").caption, " Transmitter");
}

TEST_F(Core, TheStageShowsTheModelAloneAndEscUndoesOneThingAtATime) {
    viewer.Image1DblClick();
    platform.refreshed = 0;
    viewer.trigger("Stage1");
    EXPECT_TRUE(viewer.stage());
    EXPECT_TRUE(viewer.wantsFullScreen());
    EXPECT_FALSE(viewer.barsShown());
    EXPECT_FALSE(viewer.controlsShown());
    EXPECT_EQ(platform.refreshed & (StageChanged | FullScreenChanged | BarsChanged),
              StageChanged | FullScreenChanged | BarsChanged);
    viewer.trigger("BlackScreen1");
    EXPECT_TRUE(viewer.blackScreen());

    viewer.trigger("Escape");
    EXPECT_FALSE(viewer.blackScreen());
    EXPECT_TRUE(viewer.stage()) << "the first Esc only ends the black screen";
    viewer.trigger("Escape");
    EXPECT_FALSE(viewer.stage());
    EXPECT_FALSE(viewer.wantsFullScreen());
    EXPECT_TRUE(viewer.barsShown());
    EXPECT_TRUE(viewer.controlsShown());

    // Full screen chosen before the stage stays after it.
    viewer.trigger("FullScreen1");
    viewer.trigger("Stage1");
    viewer.trigger("Escape");
    EXPECT_FALSE(viewer.stage());
    EXPECT_TRUE(viewer.wantsFullScreen());
    EXPECT_FALSE(viewer.barsShown());
    EXPECT_TRUE(viewer.controlsShown());
}

TEST_F(Core, OnTheStageThePointerHidesTwoSecondsAfterItLastMoved) {
    platform.now = 10;
    viewer.FormMouseMove(300, 300, 0);
    platform.now = 13;
    EXPECT_FALSE(viewer.pointerHidden()) << "never off the stage";
    viewer.setStage(true);
    platform.now = 14.9;
    EXPECT_FALSE(viewer.pointerHidden());
    platform.now = 15;
    EXPECT_TRUE(viewer.pointerHidden());
    viewer.FormMouseMove(301, 300, 0);
    EXPECT_FALSE(viewer.pointerHidden());
}

TEST_F(Core, TheBlackScreenDrawsNothingButBlack) {
    stopDemos();
    viewer.setBlackScreen(true);
    gldouble::reset();
    viewer.RenderFrame(800, 600);
    const auto& gl = gldouble::gl();
    EXPECT_TRUE(gl.primitives.empty());
    EXPECT_EQ(gl.clearCount, 1);
    EXPECT_EQ(gl.clearColour, (std::array<float, 4>{0, 0, 0, 0}));
    EXPECT_FALSE(viewer.controlsShown());
    EXPECT_FALSE(viewer.barsShown());
}

TEST_F(Core, LevelKeysStopTheDemoAndStayWithinThePointersRange) {
    ASSERT_TRUE(state.levelDemoRunning);
    viewer.trigger("Level80");
    EXPECT_FALSE(state.levelDemoRunning);
    EXPECT_TRUE(platform.refreshed & ButtonsChanged) << "the demo button shows it stopped";
    EXPECT_FLOAT_EQ(state.level, 312);
    viewer.trigger("LevelUp1");
    EXPECT_FLOAT_EQ(state.level, 315.9f);
    viewer.trigger("LevelDown10");
    EXPECT_FLOAT_EQ(state.level, 276.9f);
    for (int i = 0; i < 5; ++i) viewer.trigger("LevelUp10");
    EXPECT_FLOAT_EQ(state.level, 390 + 7) << "a connection's half bore above the display";
    viewer.trigger("Level0");
    viewer.trigger("LevelDown1");
    EXPECT_FLOAT_EQ(state.level, -3.9f);
    viewer.trigger("LevelDown10");
    EXPECT_FLOAT_EQ(state.level, -7);

    EXPECT_TRUE(item(viewer, "LevelFollowsPointer1").checked);
    viewer.trigger("LevelFollowsPointer1");
    EXPECT_FALSE(item(viewer, "LevelFollowsPointer1").checked);
    viewer.FormMouseMove(400, 0, 0);
    EXPECT_FLOAT_EQ(state.level, -7);
}

TEST_F(Core, NoTwoCommandsShareAKey) {
    std::vector<std::string> shortcuts;
    const auto collect = [&](const std::vector<MenuItem>& items, auto& self) -> void {
        for (const MenuItem& entry : items) {
            if (!entry.shortcut.empty()) shortcuts.push_back(entry.shortcut);
            self(entry.items, self);
        }
    };
    collect(viewer.menuBar(), collect);
    for (const KeyCommand& key : viewer.keys()) shortcuts.push_back(key.keys);
    std::sort(shortcuts.begin(), shortcuts.end());
    EXPECT_EQ(std::adjacent_find(shortcuts.begin(), shortcuts.end()), shortcuts.end())
        << *std::adjacent_find(shortcuts.begin(), shortcuts.end());
}
