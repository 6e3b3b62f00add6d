// View changes from wheel, zoom buttons, step toolbar, preset views and panning.
#include "app/frame/Camera.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Camera, WheelZoomTruncatesAndStopsAtTheLimits) {
    SceneState s;
    WheelZoom(s, 19);
    WheelZoom(s, -19);
    EXPECT_FLOAT_EQ(s.zoom, 35);
    WheelZoom(s, 120);
    EXPECT_FLOAT_EQ(s.zoom, 41);
    s.zoom = 5;
    WheelZoom(s, -120);
    EXPECT_FLOAT_EQ(s.zoom, 2);
    s.zoom = 1000;
    WheelZoom(s, 120);
    EXPECT_FLOAT_EQ(s.zoom, 1000);
}

TEST(Camera, ZoomButtonsAndToolbarStopAtTheLimits) {
    SceneState s;
    s.zoom = 1000;
    ZoomInTick(s);
    ApplyViewStep(s, ViewStep::Zplus);
    EXPECT_FLOAT_EQ(s.zoom, 1000);
    s.zoom = 2;
    ZoomOutTick(s);
    ApplyViewStep(s, ViewStep::Zminus);
    EXPECT_FLOAT_EQ(s.zoom, 2);
    s.zoom = 3;
    ZoomOutTick(s);
    EXPECT_FLOAT_EQ(s.zoom, 2);
}

TEST(Camera, RotationsWrapAndPansStop) {
    SceneState s;
    s.cameraRotX = 175;
    ApplyViewStep(s, ViewStep::Aplus);
    EXPECT_FLOAT_EQ(s.cameraRotX, -180);
    s.cameraRotX = -175;
    ApplyViewStep(s, ViewStep::Aminus);
    EXPECT_FLOAT_EQ(s.cameraRotX, 180);
    s.cameraRotZ = 0;
    ApplyViewStep(s, ViewStep::Cplus);
    EXPECT_FLOAT_EQ(s.cameraRotZ, 5);
    s.cameraPanX = 990;
    ApplyViewStep(s, ViewStep::Xplus);
    EXPECT_FLOAT_EQ(s.cameraPanX, 1000);
    s.cameraPanY = -990;
    ApplyViewStep(s, ViewStep::Yminus);
    EXPECT_FLOAT_EQ(s.cameraPanY, -1000);
}

TEST(Camera, PresetViewsSetAllSixValuesAndDragPansWithoutLimit) {
    SceneState s;
    ApplyPresetView(s, PresetView::SideConnection);
    EXPECT_FLOAT_EQ(s.cameraRotY, 125);
    EXPECT_FLOAT_EQ(s.cameraPanX, 232);
    EXPECT_FLOAT_EQ(s.cameraPanY, 721);
    EXPECT_FLOAT_EQ(s.zoom, 179);
    ApplyPresetView(s, PresetView::BottomEnd);
    EXPECT_FLOAT_EQ(s.cameraRotX, -55);
    Pan(s, 2000, 10);
    EXPECT_FLOAT_EQ(s.cameraPanX, 2014);
    EXPECT_FLOAT_EQ(s.cameraPanY, 551);
}

TEST(WheelAccumulator, SmallDeltasZoomAsOneEventOfTheirTotal) {
    SceneState touchpad, wheel;
    WheelAccumulator accumulator;
    for (int i = 0; i < 24; ++i) WheelZoom(touchpad, accumulator.take(5));
    WheelZoom(wheel, 120);
    EXPECT_FLOAT_EQ(touchpad.zoom, wheel.zoom);

    WheelAccumulator single;
    EXPECT_EQ(single.take(19), 0) << "one event below a step changes nothing";
    EXPECT_EQ(single.take(1), 20) << "but counts with the next one";
    EXPECT_EQ(single.take(-120), -120);
}

TEST(WheelAccumulator, TurningTheOtherWayDropsTheLeftOver) {
    WheelAccumulator accumulator;
    EXPECT_EQ(accumulator.take(15), 0);
    EXPECT_EQ(accumulator.take(-10), 0);
    EXPECT_EQ(accumulator.take(-10), -20) << "the 15 upwards no longer count";
    EXPECT_EQ(accumulator.take(2147483647), 1000000) << "huge deltas stay within int";
}

TEST(Camera, OrbitTurnsAboutBothAxesAndWrapsLikeTheToolbar) {
    SceneState s;
    Orbit(s, 10, -20);
    EXPECT_FLOAT_EQ(s.cameraRotY, 70);
    EXPECT_FLOAT_EQ(s.cameraRotX, -20);
    Orbit(s, 110, -160);
    EXPECT_FLOAT_EQ(s.cameraRotY, -180) << "+180 lands on -180";
    EXPECT_FLOAT_EQ(s.cameraRotX, 180 - 360 + 0.0f);
    Orbit(s, 3 * 360 + 5, 0);
    EXPECT_NEAR(s.cameraRotY, -175, 1e-3);
    EXPECT_FLOAT_EQ(s.cameraRotZ, 0) << "the third axis stays";
}

TEST(Camera, PinchZoomsByItsFactorWithinTheWheelsLimits) {
    SceneState s;
    PinchZoom(s, 2);
    EXPECT_FLOAT_EQ(s.zoom, 70);
    PinchZoom(s, 1000);
    EXPECT_FLOAT_EQ(s.zoom, 1000);
    PinchZoom(s, 0.0001f);
    EXPECT_FLOAT_EQ(s.zoom, 2);
    for (const float bad : {0.0f, -1.0f, 1.0f / 0.0f, std::nanf("")}) PinchZoom(s, bad);
    EXPECT_FLOAT_EQ(s.zoom, 2);
}

TEST(Camera, ResetViewRestoresOnlyTheStartCamera) {
    SceneState s;
    InitialiseSceneState(s);
    ApplyPresetView(s, PresetView::BottomEnd);
    s.pipeMode = DisplayMode::Whole;
    s.level = 123;
    ResetView(s);
    EXPECT_FLOAT_EQ(s.cameraRotX, 0);
    EXPECT_FLOAT_EQ(s.cameraRotY, 60);
    EXPECT_FLOAT_EQ(s.cameraPanY, 30);
    EXPECT_FLOAT_EQ(s.zoom, 35);
    EXPECT_EQ(s.pipeMode, DisplayMode::Whole) << "the model keeps its modes";
    EXPECT_FLOAT_EQ(s.level, 123);
}
