// The tour through the stored scenes, one step at a time as a presentation remote gives them:
// everything but the view switches at once, the camera and the level glide to the scene's, and
// the scene's name stands at the bottom of the view for a few seconds.
#include "core/Viewer.h"

#include "overlay/gl/GlyphPatterns.h"

#include <algorithm>

namespace {
constexpr double titleSeconds = 3.0;
} // namespace

void Viewer::NextScene() {
    tourStep(+1);
}

void Viewer::PreviousScene() {
    tourStep(-1);
}

// The scene next to the last recalled or saved one in the menu's order; without one, the first
// (forward) or the last (back). At either end the tour stays where it is.
std::string Viewer::tourNeighbour(int direction) const {
    const std::vector<std::string> names = sceneNames();
    if (names.empty()) return {};
    const auto current = std::find(names.begin(), names.end(), currentScene);
    if (current == names.end()) return direction > 0 ? names.front() : names.back();
    const auto index = (current - names.begin()) + direction;
    if (index < 0 || index >= std::ptrdiff_t(names.size())) return {};
    return names[std::size_t(index)];
}

void Viewer::tourStep(int direction) {
    const std::string name = tourNeighbour(direction);
    if (name.empty()) return;
    const SceneReading reading = storedScene(name);
    if (!reading.ok()) {
        sceneMessage(withArguments(text("sceneNotRecalled"), {name}), reading);
        return;
    }
    const SceneView from{cameraOf(scene), scene.level};
    currentScene = name;
    applySceneSettings(reading.scene);
    const double now = platform.seconds();
    glide.start(from, {reading.scene.camera, reading.scene.level}, now);
    glidedCamera = from.camera;
    title = fontCodes(name);
    titleUntil = now + titleSeconds;
    FormPaint();
}

// A pass of the loop moves the glide on; the level glides only while its demo does not move it.
// Whatever else moved the camera since the glide's last step (the pointer, a key, a recall) ends
// the glide where it is.
void Viewer::advanceTour() {
    if (!glide.running()) return;
    if (cameraOf(scene) != glidedCamera) {
        glide = Glide();
        return;
    }
    const SceneView view = glide.at(platform.seconds());
    applySceneView(view.camera, scene.levelDemoRunning ? scene.level : view.level);
    glidedCamera = cameraOf(scene);
}

bool Viewer::titleShown() const {
    return !title.empty() && platform.seconds() < titleUntil;
}

bool Viewer::touring() const {
    return glide.running() || titleShown();
}
