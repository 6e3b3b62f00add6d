#include "overlay/gl/PartLabelProjection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The frame's projection: 15 degrees vertical field of view, near plane 1000, far plane 10000.
constexpr float nearPlane = 1000, farPlane = 10000;
const float halfViewHeight = labelPlaneDepth * std::tan(7.5f * std::numbers::pi_v<float> / 180);

enum class Axis { X, Y, Z };

// The point turned about the axis as glRotatef turns it.
Point3 rotated(Point3 p, float degrees, Axis axis) {
    const float a = degrees * std::numbers::pi_v<float> / 180;
    const float c = std::cos(a), s = std::sin(a);
    switch (axis) {
    case Axis::X:
        return {p.x, c * p.y - s * p.z, s * p.y + c * p.z};
    case Axis::Y:
        return {c * p.x + s * p.z, p.y, -s * p.x + c * p.z};
    case Axis::Z:
        break;
    }
    return {c * p.x - s * p.y, s * p.x + c * p.y, p.z};
}

// Turned about X, then Y, then Z as GL applies the rotations to a point: the last first.
Point3 turned(Point3 p, float aboutX, float aboutY, float aboutZ) {
    return rotated(rotated(rotated(p, aboutZ, Axis::Z), aboutY, Axis::Y), aboutX, Axis::X);
}

// A point of a placement's frame in eye coordinates: the placement as applyPose sets it, inside
// the camera transform of RenderScene (translate, scale, rotate about X, Y, Z), applied to the
// point in reverse order.
Point3 eyePoint(const SceneState& s, const Pose& placement, Point3 p) {
    p = turned(p, placement.rotX, placement.rotY, placement.rotZ);
    p = {p.x + placement.posX, p.y + placement.posY, p.z + placement.posZ};
    p = turned(p, s.cameraRotX, s.cameraRotY, s.cameraRotZ);
    const float scale = s.zoom * 0.02f;
    return {p.x * scale + s.cameraPanX, p.y * scale + s.cameraPanY, p.z * scale - 2000};
}

// Where the line of sight through an eye point in front of the eye meets the plane.
PlanePoint onPlane(Point3 eye) {
    return {eye.x * labelPlaneDepth / -eye.z, eye.y * labelPlaneDepth / -eye.z};
}

// The part of the segment between the eye coordinates a and b that lies within the depths the
// projection shows; none where nothing does.
std::optional<Segment> withinDepths(Point3 a, Point3 b) {
    const float da = -a.z, db = -b.z;
    float t0 = 0, t1 = 1;
    for (const float limit : {nearPlane, farPlane}) {
        const bool keepAbove = limit == nearPlane;
        const bool aKept = keepAbove ? da >= limit : da <= limit;
        const bool bKept = keepAbove ? db >= limit : db <= limit;
        if (!aKept && !bKept) return std::nullopt;
        if (aKept == bKept) continue;
        const float t = (limit - da) / (db - da);
        if (aKept)
            t1 = std::min(t1, t);
        else
            t0 = std::max(t0, t);
    }
    if (t0 > t1) return std::nullopt;
    const auto at = [&](float t) {
        return Point3{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
    };
    return Segment{at(t0), at(t1)};
}

} // namespace

PlaneBox planeView(int clientWidth, int clientHeight) {
    const float aspect = float(std::max(clientWidth, 0)) / float(std::max(clientHeight, 1));
    const float halfWidth = halfViewHeight * aspect;
    return {-halfWidth, halfWidth, -halfViewHeight, halfViewHeight};
}

std::optional<PlanePoint> projectToPlane(const SceneState& state, const Pose& placement,
                                         Point3 point) {
    const Point3 eye = eyePoint(state, placement, point);
    if (!(-eye.z >= nearPlane && -eye.z <= farPlane)) return std::nullopt;
    return onPlane(eye);
}

std::optional<PlanePoint> nearestToMiddle(const SceneState& s, const Pose& placement,
                                          const Segment& segment, const PlaneBox& view) {
    const auto within =
        withinDepths(eyePoint(s, placement, segment.a), eyePoint(s, placement, segment.b));
    if (!within) return std::nullopt;
    const PlanePoint a = onPlane(within->a), b = onPlane(within->b);
    const auto at = [&](float t) {
        return PlanePoint{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
    };
    // How far out a point stands, by the larger of its two distances; of equally far points,
    // the one nearer the middle. Convex along the segment: narrow down on its least value.
    const auto distance = [&](float t) {
        const PlanePoint p = at(t);
        const float x = p.x / view.right, y = p.y / view.top;
        return std::max(std::abs(x), std::abs(y)) + 0.01f * std::hypot(x, y);
    };
    float low = 0, high = 1;
    for (int step = 0; step < 60; ++step) {
        const float m1 = low + (high - low) / 3, m2 = high - (high - low) / 3;
        if (distance(m1) < distance(m2))
            high = m2;
        else
            low = m1;
    }
    const PlanePoint nearest = at((low + high) / 2);
    return view.holds(nearest) ? std::optional(nearest) : std::nullopt;
}

PlaneBox modelExtent(const SceneState& s, const std::vector<ShownPart>& parts,
                     const PlaneBox& view) {
    std::optional<PlaneBox> extent;
    for (const ShownPart& part : parts)
        for (int corner = 0; corner < 8; ++corner) {
            const Point3 p{corner & 1 ? part.high.x : part.low.x,
                           corner & 2 ? part.high.y : part.low.y,
                           corner & 4 ? part.high.z : part.low.z};
            const Point3 eye = eyePoint(s, part.placement, p);
            if (eye.z > -1) continue; // at or behind the eye
            const PlanePoint q = onPlane(eye);
            if (!extent) extent = PlaneBox{q.x, q.x, q.y, q.y};
            extent = PlaneBox{std::min(extent->left, q.x), std::max(extent->right, q.x),
                              std::min(extent->bottom, q.y), std::max(extent->top, q.y)};
        }
    if (!extent) return {0, 0, 0, 0};
    const auto clampX = [&](float x) { return std::clamp(x, view.left, view.right); };
    const auto clampY = [&](float y) { return std::clamp(y, view.bottom, view.top); };
    return {clampX(extent->left), clampX(extent->right), clampY(extent->bottom),
            clampY(extent->top)};
}
