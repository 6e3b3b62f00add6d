// View changes from wheel, zoom buttons, step toolbar, preset views and panning.
#include "app/frame/Camera.h"

#include <gtest/gtest.h>

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
