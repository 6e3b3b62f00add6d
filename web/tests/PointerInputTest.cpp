// The page's wheel and finger events as the core takes them: the conversions of the DOM's
// deltas, and fingers reported one pointer event at a time driving the core's touch handling to
// the same drags, pinches and turns as a desktop touch screen.
#include "web/PointerInput.h"

#include "tests/model/FakePlatform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
// The core with both demos stopped, as the fingers then find it, and the page's finger list.
class Fingers : public testing::Test, public CoreFixture {
  protected:
    Fingers() { stopDemos(); }
    void down(int id, double x, double y) { touch(fingers.down(id, x, y)); }
    void move(int id, double x, double y) {
        const std::vector<TouchPoint> points = fingers.move(id, x, y);
        if (!points.empty()) touch(points);
    }
    void up(int id) { touch(fingers.up(id)); }
    void touch(const std::vector<TouchPoint>& points) { viewer.FormTouch(points, fingers.none()); }
    TouchFingers fingers;
};
} // namespace

TEST(WheelDelta, ANotchInEveryUnitIsTheDesktopsNotchTheOtherWayRound) {
    EXPECT_EQ(desktopWheelDelta(100, WheelUnit::Pixel), -120);
    EXPECT_EQ(desktopWheelDelta(-3, WheelUnit::Line), 120);
    EXPECT_EQ(desktopWheelDelta(1, WheelUnit::Page), -1200);
    EXPECT_EQ(desktopWheelDelta(std::numeric_limits<double>::quiet_NaN(), WheelUnit::Pixel), 0);
    EXPECT_EQ(desktopWheelDelta(1e300, WheelUnit::Pixel), -1000000) << "kept well inside int";
}

TEST(WheelDelta, ATouchpadPinchIsAZoomGestureOfItsFactorLessOne) {
    EXPECT_NEAR(*touchpadPinch(-10), std::exp(0.1) - 1, 1e-6) << "fingers apart: zoom in";
    EXPECT_NEAR(*touchpadPinch(100), std::exp(-1) - 1, 1e-6);
    EXPECT_NEAR(*touchpadPinch(1e9), std::exp(-5) - 1, 1e-6) << "limited, never zero or less";
    EXPECT_FALSE(touchpadPinch(std::numeric_limits<double>::infinity()));
}

TEST_F(Fingers, OneFingerDragsTheModelFromWhereItCameDown) {
    const float panX = state.cameraPanX;
    down(7, 100, 100);
    move(7, 140, 100);
    EXPECT_FLOAT_EQ(state.cameraPanX, panX + 40);
    move(8, 10, 10); // no such finger
    EXPECT_FLOAT_EQ(state.cameraPanX, panX + 40);
}

TEST_F(Fingers, TwoFingersPinchTurnAndTilt) {
    state.zoom = 100;
    const float rotY = state.cameraRotY, rotX = state.cameraRotX;
    down(1, 100, 200);
    down(2, 200, 200);
    EXPECT_FLOAT_EQ(state.zoom, 100) << "a second finger coming down changes nothing";
    move(2, 300, 200);
    EXPECT_FLOAT_EQ(state.zoom, 200) << "twice the distance";
    EXPECT_FLOAT_EQ(state.cameraRotY, rotY);

    // The second finger goes round the first by a quarter turn, counter-clockwise on the screen.
    move(2, 100, 0);
    EXPECT_NEAR(state.cameraRotY, rotY + 90, 1e-3);
    EXPECT_NEAR(state.cameraRotX, rotX - 100 * orbitDegreesPerPixel, 1e-3)
        << "their centre rose by 100 pixels";
}

TEST_F(Fingers, TheFingerLeftAfterAPinchDragsFromWhereItIs) {
    down(1, 100, 200);
    down(2, 200, 200);
    move(1, 120, 220);
    up(2);
    const float panX = state.cameraPanX;
    move(1, 125, 220);
    EXPECT_FLOAT_EQ(state.cameraPanX, panX + 5);
}

TEST_F(Fingers, AThirdFingerIsIgnored) {
    down(1, 100, 200);
    down(2, 200, 200);
    down(3, 300, 300);
    const float zoom = state.zoom, panX = state.cameraPanX;
    move(3, 400, 400);
    EXPECT_EQ(state.zoom, zoom);
    EXPECT_EQ(state.cameraPanX, panX);
}

TEST_F(Fingers, TheLastFingerUpEndsTheTouch) {
    down(1, 100, 200);
    EXPECT_FALSE(fingers.none());
    EXPECT_TRUE(fingers.up(1).empty());
    EXPECT_TRUE(fingers.none());
    // A new finger starts a new drag instead of going on from the old one.
    touch({});
    const float panX = state.cameraPanX;
    down(4, 500, 200);
    move(4, 510, 200);
    EXPECT_FLOAT_EQ(state.cameraPanX, panX + 10);
}
