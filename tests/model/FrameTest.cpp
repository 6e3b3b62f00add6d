// The frame render, projection and paint loop against the recording GL.
#include "RecordingGL.h"
#include "SceneFixture.h"
#include "app/frame/FrameRender.h"
#include "app/frame/PaintLoop.h"
#include "app/frame/ViewReadout.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Frame, ClearsThenSetsTheNewBackgroundAndLeavesTheMatrixStackBalanced) {
    gldouble::reset();
    SceneState s = startScene();
    s.backgroundRed = 0.25f;
    RenderScene(s, 800, 400);
    const auto& gl = gldouble::gl();
    EXPECT_EQ(gl.clearCount, 1);
    EXPECT_EQ(gl.lastClearMask, GLbitfield(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
    EXPECT_FLOAT_EQ(gl.clearColour[0], 0.25f);
    EXPECT_FLOAT_EQ(gl.clearColour[1], 0.745f);
    EXPECT_EQ(gl.flushCount, 1);
    EXPECT_EQ(gl.modelview.size(), 1u);
    EXPECT_TRUE(gl.errors.empty());
    EXPECT_FLOAT_EQ(s.assembly.pose.posY, -200);
    EXPECT_FLOAT_EQ(s.tank.pose.posY, -200);
}

TEST(Frame, PolygonModeOfTheStateIsAppliedEveryFrame) {
    gldouble::reset();
    SceneState s = startScene();
    s.polygonMode = GL_LINE;
    RenderScene(s, 640, 480);
    EXPECT_EQ(gldouble::gl().polygonMode, GLenum(GL_LINE));
}

TEST(Frame, ReadoutAnchorFollowsTheWindowShape) {
    EXPECT_FLOAT_EQ(readoutAnchorX(800, 400), 360);
    EXPECT_FLOAT_EQ(readoutAnchorX(400, 400), 160);
    EXPECT_TRUE(std::isfinite(readoutAnchorX(800, 0)));
}

TEST(Frame, ZeroHeightClientAreaPassesNothingInfiniteToGL) {
    gldouble::reset();
    SceneState s = startScene();
    ApplyProjection(1024, 0);
    RenderScene(s, 1024, 0);
    const auto& gl = gldouble::gl();
    EXPECT_TRUE(gl.errors.empty()) << gl.errors.front();
    for (float v : gl.projection.back()) EXPECT_TRUE(std::isfinite(v));
    for (const auto& vertex : gldouble::allVertices()) {
        EXPECT_TRUE(std::isfinite(vertex.position.x));
        EXPECT_TRUE(std::isfinite(vertex.position.y));
    }
}

TEST(Frame, ProjectionIsAFifteenDegreePerspectiveWithTheWindowsAspect) {
    gldouble::reset();
    ApplyProjection(800, 400);
    const auto& gl = gldouble::gl();
    const float f = 1.0f / std::tan(7.5f * 3.14159265f / 180.0f);
    EXPECT_NEAR(gl.projection.back()[5], f, 1e-4);
    EXPECT_NEAR(gl.projection.back()[0], f / 2, 1e-4);
    EXPECT_EQ(gl.viewport, (std::array<int, 4>{0, 0, 800, 400}));
    EXPECT_EQ(gl.matrixMode, GLenum(GL_PROJECTION));
}

TEST(PaintLoop, ANestedRequestOnlyChangesStateAndTheLoopEndsWhenBothDemosStop) {
    SceneState s;
    PaintLoop loop;
    s.levelDemoRunning = s.swingDemoRunning = false;
    EXPECT_TRUE(loop.begin());
    EXPECT_TRUE(loop.running());
    EXPECT_FALSE(loop.begin()) << "a request while the loop runs starts no second loop";
    EXPECT_FALSE(loop.passDone(s)) << "without a demo the loop body runs once";
    EXPECT_FALSE(loop.running());

    s.swingDemoRunning = true;
    EXPECT_TRUE(loop.begin());
    EXPECT_TRUE(loop.passDone(s));
    EXPECT_TRUE(loop.passDone(s));
    s.swingDemoRunning = false;
    s.levelDemoRunning = true;
    EXPECT_TRUE(loop.passDone(s)) << "either demo keeps the loop going";
    s.levelDemoRunning = false;
    EXPECT_FALSE(loop.passDone(s));
    EXPECT_FALSE(loop.running());
}

TEST(FrameRateWindow, TextsShowFramesAndTheSixViewValues) {
    EXPECT_EQ(frameRateText(57), "57fps");
    SceneState s;
    s.cameraRotY = 60;
    s.cameraPanX = -509;
    s.zoom = 35;
    const auto lines = viewReadoutLines(s);
    EXPECT_EQ(lines[0], "A:   0.00000");
    EXPECT_EQ(lines[1], "B:  60.00000");
    EXPECT_EQ(lines[3], "X:-509.00000");
    EXPECT_EQ(lines[5], "Z:  35.00000");
}
