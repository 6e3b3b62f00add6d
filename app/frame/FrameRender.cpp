#include "app/frame/FrameRender.h"

#include "geometry/Primitives.h"
#include "geometry/Switches.h"
#include "geometry/Tank.h"
#include "overlay/gl/Readouts.h"
#include "scene/Assembly.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace {
float aspectRatio(int clientWidth, int clientHeight) {
    return float(std::max(clientWidth, 0)) / float(std::max(clientHeight, 1));
}
} // namespace

float readoutAnchorX(int clientWidth, int clientHeight) {
    return aspectRatio(clientWidth, clientHeight) * 200 - 40;
}

void RenderScene(const SceneState& state, int clientWidth, int clientHeight) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPolygonMode(GL_FRONT_AND_BACK, GLenum(state.polygonMode));
    // Set after the clear, so a new background colour shows from the next frame on.
    glClearColor(state.backgroundRed, state.backgroundGreen, state.backgroundBlue, 0);

    {
        MatrixScope camera;
        ApplyCamera(state);
        // The tank is shown only while the chamber pipe is shown.
        if (state.pipeMode != DisplayMode::Off) DrawTank(state, state.tank);
        DrawAssembly(state, state.assembly);
    }

    const float anchorX = readoutAnchorX(clientWidth, clientHeight);
    if (state.transmitterVisible) DrawTransmitterReadout(state, anchorX);
    if (state.switch1Visible) DrawSwitchReadout(IsUpperSwitchTripped(state), 0, anchorX);
    if (state.switch2Visible) DrawSwitchReadout(IsLowerSwitchTripped(state), -1, anchorX);
    glFlush();
}

void RenderBlackFrame() {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
}

void ApplyCamera(const SceneState& state) {
    glTranslatef(state.cameraPanX, state.cameraPanY, -2000);
    const float scale = state.zoom * 0.02f;
    glScalef(scale, scale, scale);
    glRotatef(state.cameraRotX, 1, 0, 0);
    glRotatef(state.cameraRotY, 0, 1, 0);
    glRotatef(state.cameraRotZ, 0, 0, 1);
}

void ApplyProjection(int clientWidth, int clientHeight) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(15, aspectRatio(clientWidth, clientHeight), 1000, 10000);
    glViewport(0, 0, std::max(clientWidth, 0), std::max(clientHeight, 0));
}
