// One frame of the 3D view and the projection that goes with the window size. GL calls only,
// so that tests can run them against a recording GL.
#pragma once

#include "scene/SceneState.h"

// Where the read-outs stand: their right edge near the window's right border at depth 1500.
// A zero-height client area is treated as one pixel high, so no infinity reaches GL.
float readoutAnchorX(int clientWidth, int clientHeight);

// Clear, polygon mode, camera transform, tank and assembly, then the read-outs; flushes but does
// not present (the window system swaps the buffers). Drawing only reads the state.
void RenderScene(const SceneState& state, int clientWidth, int clientHeight);

// A frame of black, nothing drawn: the presenter's black screen.
void RenderBlackFrame();

// The camera transform on the model-view matrix: translate by the pan and -2000, scale by
// zoom x 0.02, rotate about X, then Y, then Z.
void ApplyCamera(const SceneState& state);

// Perspective of 15 degrees vertical field of view, near 1000, far 10000, and the viewport. The
// matrix mode stays at projection; RenderScene switches back to model-view.
void ApplyProjection(int clientWidth, int clientHeight);
