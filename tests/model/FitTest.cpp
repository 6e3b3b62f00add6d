// "Fit model" against what the frame draws: for every type, a small and a tall display height,
// the display modes and several rotations, the drawn vertices of tank and assembly fill about
// 85 % of the view's height or width and none leaves the view.
#include "FakePlatform.h"
#include "RecordingGL.h"

#include "app/frame/Fit.h"
#include "app/frame/FrameRender.h"
#include "geometry/Primitives.h"
#include "geometry/Tank.h"
#include "scene/Assembly.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr int viewWidth = 800, viewHeight = 600;

// The largest share of the view's half height or half width a drawn vertex reaches from the
// view's centre, with the projection the frame uses, and the nearest vertex's depth.
double filledShare(const SceneState& state, double& nearest) {
    gldouble::reset();
    {
        MatrixScope camera;
        ApplyCamera(state);
        if (state.pipeMode != DisplayMode::Off) DrawTank(state, state.tank);
        DrawAssembly(state, state.assembly);
    }
    const double f = 1 / std::tan(7.5 * 3.14159265358979323846 / 180);
    const double aspect = double(viewWidth) / viewHeight;
    double share = 0;
    nearest = 1e30;
    for (const gldouble::Vertex& v : gldouble::allVertices()) {
        const double depth = -v.position.z;
        nearest = std::min(nearest, depth);
        share = std::max({share, std::fabs(f * v.position.y / depth),
                          std::fabs(f / aspect * v.position.x / depth)});
    }
    return share;
}

// The camera stays 2000 in front of the model's origin and only scales it, so a tall model seen
// along its length cannot come nearer than the near plane allows: then it fills less.
struct Fit : CoreFixture, testing::Test {
    void expectFitted(const char* what, bool nearPlaneLimits = false) {
        SCOPED_TRACE(what);
        FitModel(state, viewWidth, viewHeight);
        double nearest;
        const double share = filledShare(state, nearest);
        EXPECT_LE(share, fittedShare + 1e-3) << "nothing reaches past the fitted share";
        EXPECT_GT(nearest, 1000) << "nothing is cut by the near plane";
        if (!nearPlaneLimits) {
            EXPECT_GE(share, 0.7) << "the bounds are not much larger than the model";
        }
    }
};
} // namespace

TEST_F(Fit, EveryTypeAndHeightFillsAboutEightyFivePercentAtEveryRotation) {
    stopDemos();
    for (int type = 0; type < 6; ++type)
        for (const char* height : {"150", "390", "1000", "5000"}) {
            viewer.options().ComboBox4Change(type);
            viewer.options().Edit6Change(height);
            SCOPED_TRACE(state.typeCode + " " + height);
            state.cameraRotX = state.cameraRotZ = 0;
            state.cameraRotY = 60;
            expectFitted("start rotation");
            state.cameraRotX = 35, state.cameraRotY = -120, state.cameraRotZ = 10;
            expectFitted("turned about every axis");
            state.cameraRotX = 90, state.cameraRotY = 0, state.cameraRotZ = 0;
            expectFitted("seen from above", std::string_view(height) == "5000");
        }
}

TEST_F(Fit, DisplayModesAndAccessoriesChangeTheBounds) {
    stopDemos();
    viewer.options().Edit6Change("1000");
    expectFitted("all shown");
    viewer.trigger("aus5");
    expectFitted("tank off");
    viewer.trigger("aus1");
    expectFitted("pipe off");
    viewer.trigger("aus3");
    viewer.trigger("aus4");
    state.switch1Visible = state.switch2Visible = state.transmitterVisible = false;
    expectFitted("the float alone");
    viewer.trigger("aus2");
    const SceneState before = state;
    FitModel(state, viewWidth, viewHeight);
    EXPECT_EQ(state.zoom, before.zoom) << "nothing shown, nothing to fit";
    EXPECT_EQ(state.cameraPanX, before.cameraPanX);
}

TEST_F(Fit, KeepsTheRotationAndNeedsAViewWithArea) {
    state.cameraRotY = 33;
    const float zoom = state.zoom;
    FitModel(state, 0, 600);
    EXPECT_EQ(state.zoom, zoom);
    viewer.trigger("FitModel1");
    EXPECT_NE(state.zoom, zoom);
    EXPECT_EQ(state.cameraRotY, 33);
    EXPECT_TRUE(std::isfinite(state.cameraPanX) && std::isfinite(state.cameraPanY));
}
