#include "web/PointerInput.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

// The start state with both demos stopped, as the pointer then finds it.
class PointerInputTest : public ::testing::Test {
  protected:
    PointerInputTest() : owned(std::make_unique<SceneState>()), state(*owned), input(state) {
        InitialiseSceneState(state);
        state.levelDemoRunning = state.swingDemoRunning = false;
    }
    std::unique_ptr<SceneState> owned;
    SceneState& state;
    PointerInput input;
};

constexpr int mouse = 1;
constexpr bool finger = true, noFinger = false;

} // namespace

TEST(WheelDelta, ANotchInEveryUnitIsTheDesktopsNotchTheOtherWayRound) {
    EXPECT_EQ(desktopWheelDelta(100, WheelUnit::Pixel), -120);
    EXPECT_EQ(desktopWheelDelta(-3, WheelUnit::Line), 120);
    EXPECT_EQ(desktopWheelDelta(1, WheelUnit::Page), -1200);
    EXPECT_EQ(desktopWheelDelta(std::numeric_limits<double>::quiet_NaN(), WheelUnit::Pixel), 0);
    EXPECT_EQ(desktopWheelDelta(1e300, WheelUnit::Pixel), -1000000) << "kept well inside int";
}

TEST_F(PointerInputTest, TheWheelZoomsByTheDesktopsStepsAndSmallDeltasAddUp) {
    const float start = state.zoom;
    EXPECT_TRUE(input.wheel(-100, WheelUnit::Pixel, false));
    EXPECT_FLOAT_EQ(state.zoom, start + 6) << "a notch towards the screen zooms in by 6";
    for (int i = 0; i < 3; ++i) input.wheel(-5, WheelUnit::Pixel, false); // 6 units each
    EXPECT_FLOAT_EQ(state.zoom, start + 6) << "18 units make no step yet";
    input.wheel(-5, WheelUnit::Pixel, false);
    EXPECT_FLOAT_EQ(state.zoom, start + 7);
}

TEST_F(PointerInputTest, ATouchpadPinchZoomsByItsFactorWithinTheLimits) {
    state.zoom = 100;
    input.wheel(-10, WheelUnit::Pixel, true);
    EXPECT_NEAR(state.zoom, 100 * std::exp(0.1), 1e-3);
    input.wheel(1e9, WheelUnit::Pixel, true);
    EXPECT_FLOAT_EQ(state.zoom, 2) << "the smallest zoom";
    EXPECT_FALSE(input.wheel(std::numeric_limits<double>::infinity(), WheelUnit::Pixel, true));
}

TEST_F(PointerInputTest, AMovingPointerWithoutButtonsSetsTheLevelOutsideTheLeftStrip) {
    const float d = state.connection.innerDiameter;
    EXPECT_TRUE(input.move(mouse, noFinger, 300, 400, 0, false, 400));
    EXPECT_FLOAT_EQ(state.level, -d / 2) << "the bottom edge";
    EXPECT_TRUE(input.move(mouse, noFinger, 300, 0, 0, false, 400));
    EXPECT_FLOAT_EQ(state.level, state.displayHeight + d / 2) << "the top edge";
    EXPECT_FALSE(input.move(mouse, noFinger, 99.4, 200, 0, false, 400)) << "the callouts' strip";
    state.levelDemoRunning = true;
    EXPECT_FALSE(input.move(mouse, noFinger, 300, 200, 0, false, 400));
    EXPECT_FLOAT_EQ(state.level, state.displayHeight + d / 2);
}

TEST_F(PointerInputTest, ALeftDragPansAndWithShiftTurnsByHalfADegreeAPixel) {
    const float panX = state.cameraPanX, panY = state.cameraPanY;
    const float level = state.level;
    input.down(mouse, noFinger, 200, 200);
    EXPECT_TRUE(input.move(mouse, noFinger, 230, 190, primaryHeld, false, 400));
    EXPECT_FLOAT_EQ(state.cameraPanX, panX + 30);
    EXPECT_FLOAT_EQ(state.cameraPanY, panY + 10) << "screen y grows downwards";
    EXPECT_FLOAT_EQ(state.level, level) << "a drag does not set the level";

    const float rotX = state.cameraRotX, rotY = state.cameraRotY;
    input.move(mouse, noFinger, 250, 200, primaryHeld, true, 400);
    EXPECT_FLOAT_EQ(state.cameraRotY, rotY + 10) << "from the last position, not the press";
    EXPECT_FLOAT_EQ(state.cameraRotX, rotX + 5);
}

TEST_F(PointerInputTest, OneFingerDragsTheModel) {
    const float panX = state.cameraPanX;
    input.down(7, finger, 100, 100);
    EXPECT_TRUE(input.move(7, finger, 140, 100, primaryHeld, false, 400));
    EXPECT_FLOAT_EQ(state.cameraPanX, panX + 40);
    EXPECT_FALSE(input.move(8, finger, 10, 10, primaryHeld, false, 400)) << "no such finger";
}

TEST_F(PointerInputTest, TwoFingersPinchTurnAndTilt) {
    state.zoom = 100;
    const float rotY = state.cameraRotY, rotX = state.cameraRotX;
    input.down(1, finger, 100, 200);
    input.down(2, finger, 200, 200);
    input.move(2, finger, 300, 200, primaryHeld, false, 400);
    EXPECT_FLOAT_EQ(state.zoom, 200) << "twice the distance";
    EXPECT_FLOAT_EQ(state.cameraRotY, rotY);

    // The second finger goes round the first by a quarter turn, counter-clockwise on the screen.
    input.move(2, finger, 100, 0, primaryHeld, false, 400);
    EXPECT_NEAR(state.cameraRotY, rotY + 90, 1e-3);
    EXPECT_NEAR(state.cameraRotX, rotX - 100 * orbitDegreesPerPixel, 1e-3)
        << "their centre rose by 100 pixels";
}

TEST_F(PointerInputTest, TheFingerLeftAfterAPinchDragsFromWhereItIs) {
    input.down(1, finger, 100, 200);
    input.down(2, finger, 200, 200);
    input.move(1, finger, 120, 220, primaryHeld, false, 400);
    input.up(2);
    const float panX = state.cameraPanX;
    input.move(1, finger, 125, 220, primaryHeld, false, 400);
    EXPECT_FLOAT_EQ(state.cameraPanX, panX + 5);
}

TEST_F(PointerInputTest, AThirdFingerIsIgnored) {
    input.down(1, finger, 100, 200);
    input.down(2, finger, 200, 200);
    input.down(3, finger, 300, 300);
    const float zoom = state.zoom, panX = state.cameraPanX;
    EXPECT_FALSE(input.move(3, finger, 400, 400, primaryHeld, false, 400));
    EXPECT_EQ(state.zoom, zoom);
    EXPECT_EQ(state.cameraPanX, panX);
}
