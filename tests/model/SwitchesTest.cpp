#include "geometry/Switches.h"
#include "RecordingGL.h"
#include "SceneFixture.h"
#include "scene/SceneState.h"

#include <gtest/gtest.h>

#include <cmath>

using gldouble::gl;

TEST(Switches, SwitchPointsFollowTheDisplayHeightAboveAndStayFixedBelow) {
    SceneState s;
    InitialiseSceneState(s);
    gldouble::reset();
    DrawUpperSwitch(s, s.switch1, true);
    DrawLowerSwitch(s, s.switch2, true);
    EXPECT_FLOAT_EQ(s.switch1.switchPoint, 320);
    EXPECT_FLOAT_EQ(s.switch2.switchPoint, 90);
    EXPECT_FALSE(IsUpperSwitchTripped(s)); // level 200
    EXPECT_FALSE(IsLowerSwitchTripped(s));
    expectGLLeftAsFound();

    // Tripping is strict: a level exactly at the switch point trips neither.
    s.level = 320;
    EXPECT_FALSE(IsUpperSwitchTripped(s));
    s.level = 320.01f;
    EXPECT_TRUE(IsUpperSwitchTripped(s));
    s.level = 90;
    EXPECT_FALSE(IsLowerSwitchTripped(s));
    s.level = 89.99f;
    EXPECT_TRUE(IsLowerSwitchTripped(s));

    // The smallest display height puts the upper point below the lower one: both trip.
    s.displayHeight = 150;
    PlaceSwitchPoints(s); // where the display height changes
    DrawUpperSwitch(s, s.switch1, true);
    DrawLowerSwitch(s, s.switch2, true);
    EXPECT_FLOAT_EQ(s.switch1.switchPoint, 80);
    s.level = 85;
    EXPECT_TRUE(IsUpperSwitchTripped(s));
    EXPECT_TRUE(IsLowerSwitchTripped(s));
}

TEST(Switches, BodyHangsFromItsSwitchPointBesideThePipeWithAClosedGlandDome) {
    SceneState s;
    InitialiseSceneState(s);
    gldouble::reset();
    DrawUpperSwitch(s, s.switch1, false); // the cut-away form halves only the nut

    // Housing 270..370, nut down to 257, dome to 253, cable to 240; the nut is the widest piece.
    const float axisZ = -(16.85f + 10);
    const auto b = gldouble::allBounds();
    EXPECT_FLOAT_EQ(b.min.y, 240);
    EXPECT_FLOAT_EQ(b.max.y, 370);
    EXPECT_NEAR(b.min.x, -8.6f, 1e-4); // housing and dome stay whole
    EXPECT_NEAR(b.max.x, 10 * std::sqrt(3.0f) / 2, 1e-4);
    EXPECT_NEAR(b.min.z, axisZ - 10, 1e-4);
    EXPECT_NEAR(b.max.z, axisZ + 10, 1e-4);

    int domeStrips = 0, halfHexagons = 0;
    for (const auto& p : gl().primitives) {
        if (p.vertices.size() == 8) ++halfHexagons;
        if (p.vertices.size() != 20) continue;
        ++domeStrips;
        EXPECT_EQ(p.vertices.front().colour, (std::array<float, 4>{0.8f, 0.8f, 0.3f, 1}));
        EXPECT_NEAR(p.vertices.front().position.y, 257, 1e-4);
        const auto& apex = p.vertices.back().position;
        EXPECT_NEAR(apex.y, 253, 1e-4);
        EXPECT_NEAR(std::hypot(apex.x, apex.z - axisZ), 0, 1e-4);
    }
    EXPECT_EQ(domeStrips, 36);
    EXPECT_EQ(halfHexagons, 3);
}
