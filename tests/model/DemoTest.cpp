// The level and swing demos and the mouse control of the level.
#include "app/frame/Demo.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
SceneState demoState() {
    SceneState s;
    InitialiseSceneState(s);
    return s;
}
} // namespace

TEST(Demo, FirstStepMovesTheLevelToTheBottomOfTheLowerBore) {
    SceneState s = demoState();
    DemoStep(s);
    EXPECT_FLOAT_EQ(s.level, 0.2f - 7);
    EXPECT_FLOAT_EQ(s.cameraRotY, 60 + 0.2f / 6);
}

TEST(Demo, SwingTurnsAfterPassingItsEndsByOneStep) {
    SceneState s = demoState();
    s.levelDemoRunning = false;
    s.cameraRotY = 90.01f;
    DemoStep(s);
    EXPECT_FLOAT_EQ(s.cameraRotY, 90.01f + 0.2f / 6);
    EXPECT_FALSE(s.swingForward);
    DemoStep(s);
    EXPECT_LT(s.cameraRotY, 90.01f + 0.2f / 6);

    s.cameraRotY = 0.01f;
    DemoStep(s);
    EXPECT_LT(s.cameraRotY, 0);
    EXPECT_TRUE(s.swingForward);
}

TEST(Demo, LevelRunsBetweenTheBoreEdgesAndWithoutABoreBetweenTheConnections) {
    for (float bore : {14.0f, 0.0f}) {
        SceneState s = demoState();
        s.swingDemoRunning = false;
        s.connection.innerDiameter = bore;
        s.animationSpeed = 1;
        float lowest = 1e9f, highest = -1e9f;
        for (int i = 0; i < 2000; ++i) {
            DemoStep(s);
            lowest = std::min(lowest, s.level);
            highest = std::max(highest, s.level);
        }
        EXPECT_NEAR(lowest, -bore / 2, 1.01f) << "bore " << bore;
        EXPECT_NEAR(highest, 390 + bore / 2, 1.01f) << "bore " << bore;
    }
}

TEST(Demo, StoppedLevelStaysAndRestartContinuesFromTheDemoPosition) {
    SceneState s = demoState();
    for (int i = 0; i < 10; ++i) DemoStep(s);
    s.levelDemoRunning = false;
    s.level = 300;
    DemoStep(s);
    EXPECT_FLOAT_EQ(s.level, 300);
    s.levelDemoRunning = true;
    DemoStep(s);
    EXPECT_NEAR(s.level, 11 * 0.2f - 7, 1e-4);
}

TEST(Demo, SpeedChangesByHalfAgainAndBack) {
    SceneState s = demoState();
    for (int i = 0; i < 3; ++i) SpeedUp(s);
    EXPECT_NEAR(s.animationSpeed, 0.675f, 1e-6);
    for (int i = 0; i < 3; ++i) SlowDown(s);
    EXPECT_NEAR(s.animationSpeed, 0.2f, 1e-6);
}

TEST(Demo, SpeedStaysWhereTheDemosVisiblyMoveAndEveryValueFinite) {
    SceneState s = demoState();
    for (int i = 0; i < 12; ++i) SlowDown(s);
    EXPECT_NEAR(s.animationSpeed, slowestSpeed, 1e-7) << "four steps down, no further";
    const float level = s.level, turn = s.cameraRotY;
    for (int i = 0; i < 60; ++i) DemoStep(s); // one second at 60 frames per second
    EXPECT_GT(std::abs(s.level - level), 2) << "the level still visibly moves";
    EXPECT_GT(std::abs(s.cameraRotY - turn), 0.3f) << "and so does the swing";

    for (int i = 0; i < 300; ++i) SpeedUp(s);
    EXPECT_NEAR(s.animationSpeed, fastestSpeed, 1e-5) << "eight steps up from the start";
    for (int i = 0; i < 100000; ++i) DemoStep(s);
    for (const float value : {s.animationSpeed, s.level, s.demoPosition, s.cameraRotY})
        EXPECT_TRUE(std::isfinite(value));
    EXPECT_GT(s.cameraRotY, -fastestSpeed);
    EXPECT_LT(s.cameraRotY, 90 + fastestSpeed);
    for (int i = 0; i < 8; ++i) SlowDown(s);
    EXPECT_NEAR(s.animationSpeed, 0.2f, 1e-6) << "the steps lead back to the start speed";
}

TEST(Demo, PointerSetsTheLevelOutsideTheCalloutStripWhileTheDemoIsStopped) {
    SceneState s = demoState();
    EXPECT_FALSE(SetLevelFromPointer(s, 500, 10, 600)) << "the running demo owns the level";
    s.levelDemoRunning = false;
    EXPECT_FALSE(SetLevelFromPointer(s, 99, 10, 600));
    EXPECT_FLOAT_EQ(s.level, 200);
    EXPECT_TRUE(SetLevelFromPointer(s, 100, 0, 600));
    EXPECT_FLOAT_EQ(s.level, 390 + 7);
    EXPECT_TRUE(SetLevelFromPointer(s, 100, 600, 600));
    EXPECT_FLOAT_EQ(s.level, -7);
    EXPECT_FALSE(SetLevelFromPointer(s, 100, 0, 0)) << "no rows to map in a zero-height view";
}
