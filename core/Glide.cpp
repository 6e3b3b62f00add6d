#include "core/Glide.h"

#include "app/frame/Camera.h"

#include <algorithm>
#include <cmath>

namespace {
float between(float a, float b, float t) {
    return a + (b - a) * t;
}

// From `a` towards `b` by the smaller of the two turns between them, wrapped as rotations are.
float angleBetween(float a, float b, float t) {
    return WrappedAngle(a + WrappedAngle(b - a) * t);
}

float zoomBetween(float a, float b, float t) {
    if (a <= 0 || b <= 0) return between(a, b, t);
    return a * std::pow(b / a, t);
}
} // namespace

void Glide::start(const SceneView& fromView, const SceneView& toView, double now) {
    from = fromView;
    to = toView;
    startTime = now;
    moving = true;
}

SceneView Glide::at(double now) {
    const double share = std::clamp((now - startTime) / seconds, 0.0, 1.0);
    if (!moving || share >= 1) {
        moving = false;
        return to;
    }
    const float t = float(share * share * (3 - 2 * share)); // smoothstep
    SceneView view;
    view.camera.rotX = angleBetween(from.camera.rotX, to.camera.rotX, t);
    view.camera.rotY = angleBetween(from.camera.rotY, to.camera.rotY, t);
    view.camera.rotZ = angleBetween(from.camera.rotZ, to.camera.rotZ, t);
    view.camera.panX = between(from.camera.panX, to.camera.panX, t);
    view.camera.panY = between(from.camera.panY, to.camera.panY, t);
    view.camera.zoom = zoomBetween(from.camera.zoom, to.camera.zoom, t);
    view.level = between(from.level, to.level, t);
    return view;
}
