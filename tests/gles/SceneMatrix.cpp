#include "SceneMatrix.h"

#include "app/frame/FrameRender.h"
#include "app/frame/StartScene.h"
#include "geometry/ChamberPipe.h"
#include "scene/Assembly.h"
#include "scene/Catalogues.h"
#include "scene/DisplayHeight.h"

#include <GL/gl.h>

#include <memory>

namespace {

constexpr int width = 480, height = 360;

void allModes(SceneState& s, DisplayMode mode) {
    s.tankMode = s.pipeMode = s.floatMode = s.railMode = s.flapMode = mode;
}

// The larger pipes of types, as the options dialog sets them up.
void standardFamily(SceneState& s, const char* type, int connectionRow) {
    s.typeCode = type;
    s.pipeInnerRadius = 25, s.pipeOuterRadius = 26.5f;
    s.flangeOuterRadius = 45, s.boltCircleRadius = 39;
    s.boltHoleRadiusA = 3.5f, s.boltHoleRadiusB = 3.0f;
    s.flapStartIndex = -4;
    s.connection = connectionCatalogue[connectionRow];
    s.selectedFloat = standardFloatCatalogue[4];
    ApplyDisplayHeight(s, 600);
    BuildAssembly(s);
}

void turned(SceneState& s, float rotX, float rotY) {
    s.cameraRotX = rotX;
    s.cameraRotY = rotY;
}

// The options dialog's picture: the whole chamber, orthographic, seen slightly from above.
void renderTypePicture(SceneState& s, int w, int h) {
    glViewport(0, 0, w, h);
    glClearColor(s.backgroundRed, s.backgroundGreen, s.backgroundBlue, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    const ChamberHeights heights = chamberHeights(s);
    const float halfHeight = (heights.top - heights.bottom) / 2 + 60;
    const float halfWidth = halfHeight * float(w) / float(h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-35 - halfWidth, -35 + halfWidth, -halfHeight, halfHeight, -10000, 10000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(10, 1, 0, 0);
    glRotatef(60, 0, 1, 0);
    glTranslatef(0, -(heights.bottom + heights.top) / 2, 0);
    DrawChamberWhole(s, s.pipe);
    glFlush();
}

} // namespace

const std::vector<MatrixScene>& sceneMatrix() {
    static const std::vector<MatrixScene> scenes = {
        {"start", width, height, [](SceneState&) {}},
        {"all-whole", width, height, [](SceneState& s) { allModes(s, DisplayMode::Whole); }},
        {"all-cut", width, height, [](SceneState& s) { allModes(s, DisplayMode::Cut); }},
        {"all-off", width, height, [](SceneState& s) { allModes(s, DisplayMode::Off); }},
        {"standard-whole", width, height,
         [](SceneState& s) {
             standardFamily(s, "R-650", connectionRowDefault);
             allModes(s, DisplayMode::Whole);
             turned(s, 20, 130);
         }},
        {"standard-cut", width, height,
         [](SceneState& s) {
             standardFamily(s, "R-520", connectionRowNull);
             allModes(s, DisplayMode::Cut);
             turned(s, -15, 40);
         }},
        {"wire-frame", width, height, [](SceneState& s) { s.polygonMode = GL_LINE; }},
        {"wire-frame-standard", width, height,
         [](SceneState& s) {
             standardFamily(s, "R-640", connectionRowDefault);
             s.polygonMode = GL_LINE;
             turned(s, 25, -50);
         }},
        {"points", width, height, [](SceneState& s) { s.polygonMode = GL_POINT; }},
        {"points-whole", width, height,
         [](SceneState& s) {
             allModes(s, DisplayMode::Whole);
             s.polygonMode = GL_POINT;
         }},
        {"translucent-rail-and-accessories", width, height,
         [](SceneState& s) {
             s.railAluminium = false;
             s.insulationVisible = s.springTopVisible = s.springBottomVisible = true;
             s.pipeMode = DisplayMode::Cut;
             s.railMode = DisplayMode::Whole;
             s.zoom = 60;
             s.cameraPanY = 0;
             turned(s, 10, 20);
         }},
        {"read-outs-tripped", width, height,
         [](SceneState& s) {
             s.level = 380;
             s.zoom = 20;
         }},
        {"read-outs-over-range", width, height,
         [](SceneState& s) {
             s.level = 1000;
             s.backgroundRed = 0.1f, s.backgroundGreen = 0.1f, s.backgroundBlue = 0.15f;
         }},
        {"close-up", width, height,
         [](SceneState& s) {
             s.zoom = 300;
             s.cameraPanY = -100;
             turned(s, -30, 75);
         }},
        {"wide", 640, 240,
         [](SceneState& s) {
             s.level = 55;
             turned(s, 0, 0);
         }},
        {"type-picture", 240, 400, [](SceneState&) {}, true},
        {"type-picture-standard", 240, 400,
         [](SceneState& s) { standardFamily(s, "R-640", connectionRowDefault); }, true},
    };
    return scenes;
}

void RenderMatrixScene(const MatrixScene& scene) {
    auto state = std::make_unique<SceneState>();
    InitialiseSceneState(*state);
    BuildStartScene(*state);
    scene.setUp(*state);
    if (scene.typePicture) {
        renderTypePicture(*state, scene.width, scene.height);
        return;
    }
    ApplyProjection(scene.width, scene.height);
    // Twice, as the paint loop's frames follow one another: a frame sets the background colour
    // after its clear, for the frame after it.
    RenderScene(*state, scene.width, scene.height);
    RenderScene(*state, scene.width, scene.height);
}
