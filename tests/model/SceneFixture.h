// What the model tests share: the state they start from, a test fixture on a fresh state and a
// cleared recording GL, and the checks that a drawing routine left GL and the tints as it found
// them.
#pragma once

#include "RecordingGL.h"
#include "app/frame/StartScene.h"
#include "geometry/Tank.h"
#include "scene/Assembly.h"
#include "scene/SceneState.h"

#include <gtest/gtest.h>

// After the module initialisation, with every component constructed: the state the drawing
// routines see before the main window shows its accessories (R-760, level 200, height 390).
inline SceneState startState() {
    SceneState s;
    InitialiseSceneState(s);
    BuildAssembly(s);
    ConstructTank(s.tank);
    return s;
}

// The scene exactly as the main window starts it, accessories shown.
inline SceneState startScene() {
    SceneState s;
    InitialiseSceneState(s);
    BuildStartScene(s);
    return s;
}

// No GL call was misused and the model-view stack is back at one identity matrix.
inline void expectStackBalancedAndNoErrors() {
    const auto& errors = gldouble::gl().errors;
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_TRUE(gldouble::modelviewAtIdentity());
}

// The same, and blending is off again.
inline void expectGLLeftAsFound() {
    expectStackBalancedAndNoErrors();
    EXPECT_FALSE(gldouble::gl().isEnabled(GL_BLEND));
}

// Neither tint flag is left set.
inline void expectTintsOff(const SceneState& state) {
    EXPECT_FALSE(state.darkTint);
    EXPECT_FALSE(state.greenTint);
}

// A test on the start state and a cleared recording GL.
class SceneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        state = startState();
        gldouble::reset();
    }
    SceneState state;
};
