#include "app/frame/TypePictureRender.h"

#include "geometry/ChamberPipe.h"

#include <GL/gl.h>

#include <algorithm>

namespace {
// Seen slightly from above and turned like the main window's start view, so that the process
// connections (towards -Z) stand out to the left.
constexpr float tilt = 10;
constexpr float turn = 60;
// Horizontal reach of the turned chamber: connections of up to 110 plus flange to the left,
// the pipe flanges to the right.
constexpr float leftReach = 150;
constexpr float rightReach = 80;
// Room for the closures and bolts that stand out beyond the chamber's ends.
constexpr float endAllowance = 40;
constexpr float margin = 1.05f;

// An orthographic box around the chamber from bottom to top, widened to the picture's shape.
void applyFittedProjection(float bottom, float top, int width, int height) {
    const float aspect = float(std::max(width, 1)) / float(std::max(height, 1));
    float halfHeight = (std::max(top - bottom, 0.0f) / 2 + endAllowance) * margin;
    float halfWidth = (leftReach + rightReach) / 2 * margin;
    if (halfWidth / halfHeight > aspect)
        halfHeight = halfWidth / aspect;
    else
        halfWidth = halfHeight * aspect;
    const float centreX = (rightReach - leftReach) / 2;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(centreX - halfWidth, centreX + halfWidth, -halfHeight, halfHeight, -10000, 10000);
    glMatrixMode(GL_MODELVIEW);
}
} // namespace

void RenderTypePicture(const SceneState& state, int pixelWidth, int pixelHeight) {
    // A copy: the chamber itself, not the insulation, and no tint left from a frame.
    SceneState scene = state;
    scene.insulationVisible = false;
    scene.greenTint = scene.darkTint = false;

    glEnable(GL_DEPTH_TEST);
    glViewport(0, 0, pixelWidth, pixelHeight);
    glClearColor(scene.backgroundRed, scene.backgroundGreen, scene.backgroundBlue, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    const ChamberHeights heights = chamberHeights(scene);
    applyFittedProjection(heights.bottom, heights.top, pixelWidth, pixelHeight);
    glLoadIdentity();
    glRotatef(tilt, 1, 0, 0);
    glRotatef(turn, 0, 1, 0);
    glTranslatef(0, -(heights.bottom + heights.top) / 2, 0);
    DrawChamberWhole(scene, scene.pipe);
    glFlush();
}
