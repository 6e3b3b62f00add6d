// The tour through the stored scenes: the glide of camera and level between two views, the steps
// in the menu's order with their ends, the keys that work only on the stage, the title, and the
// paint loop that runs while the view moves on its own.
#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(GlideTest, EasesFromOneViewToTheOtherTheShortWayRound) {
    SceneView from, to;
    from.camera = {170, 10, -90, 0, 30, 10};
    to.camera = {-170, 50, 90, 40, -10, 1000};
    from.level = 100;
    to.level = 300;
    Glide glide;
    glide.start(from, to, 5);
    EXPECT_TRUE(glide.running());
    EXPECT_EQ(glide.at(5).camera, from.camera);

    const SceneView half = glide.at(5.5);
    EXPECT_FLOAT_EQ(std::abs(half.camera.rotX), 180) << "across 180, not through 0";
    EXPECT_FLOAT_EQ(half.camera.rotY, 30);
    EXPECT_FLOAT_EQ(half.camera.panX, 20);
    EXPECT_FLOAT_EQ(half.camera.zoom, 100) << "the zoom by equal factors";
    EXPECT_FLOAT_EQ(half.level, 200);
    const SceneView early = glide.at(5.1);
    EXPECT_LT(early.camera.rotY - 10, 40 * 0.1f) << "slow at the start";
    EXPECT_GT(early.camera.rotY, 10);
    EXPECT_TRUE(glide.running());

    EXPECT_EQ(glide.at(6).camera, to.camera);
    EXPECT_FLOAT_EQ(glide.at(6).level, 300);
    EXPECT_FALSE(glide.running());
    EXPECT_EQ(glide.at(5.5).camera, to.camera) << "an ended glide stays at its end";
}

namespace {
class Tour : public testing::Test, public CoreFixture {
  protected:
    Tour() {
        stopDemos();
        store("A customer", 80, "R-410", 150);
        store("B fair", 20, "R-760", 250);
        viewer.FormCreate(); // lists the stored scenes
        stopDemos();
        platform.messages.clear();
    }
    void store(const std::string& name, float zoom, const char* type, float level) {
        Scene scene = captureScene(state, name);
        scene.typeCode = type;
        scene.camera.zoom = zoom;
        scene.camera.rotY = -120;
        scene.level = level;
        scene.levelDemoRunning = scene.swingDemoRunning = false;
        platform.scenes.push_back({name, {ReadOutcome::Complete, formatScene(scene)}});
    }
    // Passes of the paint loop until `seconds` have gone by on the platform's clock; false when
    // the loop ended before.
    bool passFor(double seconds) {
        const double end = platform.now + seconds;
        while (platform.now < end) {
            platform.now += 0.02;
            viewer.DemoStep();
            if (!viewer.PassDone()) return false;
        }
        return true;
    }
    bool enabled(const char* name) {
        const std::vector<MenuItem> menus = viewer.menuBar();
        return findMenuItem(menus, name)->enabled;
    }
};
} // namespace

TEST_F(Tour, OnTheStageTheRemotesKeysStepThroughTheScenesInTheMenusOrder) {
    EXPECT_TRUE(viewer.trigger("StageNext"));
    EXPECT_EQ(state.typeCode, "R-760") << "the keys of the remote step only on the stage";
    EXPECT_TRUE(enabled("NextScene1"));
    EXPECT_TRUE(enabled("PreviousScene1")) << "with no scene shown yet, back goes to the last";

    viewer.setStage(true);
    viewer.trigger("StageNext");
    EXPECT_EQ(state.typeCode, "R-410") << "the type switches at once";
    EXPECT_FLOAT_EQ(state.zoom, 35) << "the camera glides";
    EXPECT_TRUE(viewer.painting());
    EXPECT_TRUE(viewer.touring());
    EXPECT_TRUE(passFor(0.5));
    EXPECT_GT(state.zoom, 35);
    EXPECT_LT(state.zoom, 80);
    EXPECT_GT(state.level, 150) << "the level glides with the demo stopped";
    EXPECT_TRUE(passFor(0.6));
    EXPECT_FLOAT_EQ(state.zoom, 80);
    EXPECT_FLOAT_EQ(state.cameraRotY, -120);
    EXPECT_FLOAT_EQ(state.level, 150);
    EXPECT_TRUE(viewer.touring()) << "the title still stands";
    EXPECT_FALSE(passFor(3)) << "the loop ends once the title is gone";
    EXPECT_FALSE(viewer.touring());
    EXPECT_FALSE(enabled("PreviousScene1"));

    viewer.trigger("StageNext");
    passFor(1.1);
    EXPECT_EQ(state.typeCode, "R-760");
    EXPECT_FLOAT_EQ(state.zoom, 20);
    EXPECT_FALSE(enabled("NextScene1"));
    const int redraws = viewer.redrawRequests();
    viewer.trigger("StageNext");
    EXPECT_EQ(viewer.redrawRequests(), redraws) << "the last scene stays";

    viewer.trigger("StagePrevious");
    passFor(1.1);
    EXPECT_EQ(state.typeCode, "R-410");
    EXPECT_FLOAT_EQ(state.zoom, 80);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Tour, TheMenuEntriesStepAnywhereAndAMoveOfTheUsersEndsTheGlide) {
    viewer.trigger("PreviousScene1"); // from no scene back to the last, B
    passFor(0.3);
    EXPECT_LT(state.zoom, 35);
    viewer.trigger("ResetView1");
    const SceneCamera reset = cameraOf(state);
    passFor(1);
    EXPECT_EQ(cameraOf(state), reset);

    // A recall during a glide shows the recalled scene's camera.
    viewer.trigger("PreviousScene1");
    passFor(0.3);
    viewer.trigger("scene:B fair");
    passFor(1);
    EXPECT_FLOAT_EQ(state.zoom, 20);
}

TEST_F(Tour, ARunningLevelDemoMovesTheLevelAndADamagedSceneIsSaid) {
    Scene demo = captureScene(state, "C demo");
    demo.levelDemoRunning = true;
    demo.level = 900;
    platform.scenes.push_back({"C demo", {ReadOutcome::Complete, formatScene(demo)}});
    platform.scenes.push_back(
        {"D damaged", {ReadOutcome::Complete, "[scene]\nname=D\n[camera]\nzoom=far\n"}});
    viewer.FormCreate();
    stopDemos();

    viewer.trigger("scene:B fair");
    state.level = 100;
    viewer.NextScene();
    EXPECT_TRUE(state.levelDemoRunning);
    EXPECT_TRUE(passFor(0.5));
    EXPECT_LT(std::abs(state.level - 100), 20) << "the demo moves the level, not the glide";

    passFor(1);
    const SceneCamera camera = cameraOf(state);
    viewer.NextScene();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("D damaged"), std::string::npos);
    EXPECT_EQ(cameraOf(state), camera);
    EXPECT_TRUE(state.levelDemoRunning) << "nothing changed";
}
