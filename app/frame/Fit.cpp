#include "app/frame/Fit.h"

#include "app/frame/Camera.h"
#include "geometry/ChamberPipe.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr float assemblyY = -200; // where BuildStartScene places the assembly and the tank
constexpr double cameraDistance = 2000, nearPlane = 1000;
constexpr double degrees = 3.14159265358979323846 / 180;

// The parts' boxes, gathered in the chamber frame and moved to where the assembly stands.
struct Extent {
    std::vector<Box> boxes;
    void add(Point3 low, Point3 high) {
        boxes.push_back({{low.x, low.y + assemblyY, low.z}, {high.x, high.y + assemblyY, high.z}});
    }
};

// The parts' extents in the chamber frame (y = 0 at the lower connection centre, the tank
// towards -Z, the rail towards +Z), each a little generous around what its drawing reaches.
void addParts(const SceneState& s, Extent& e) {
    const float height = s.displayHeight;
    const float outer = s.pipeOuterRadius;
    const ChamberHeights h = chamberHeights(s);
    const bool pipeShown = s.pipeMode != DisplayMode::Off;
    if (pipeShown) {
        const float radius = std::max(s.flangeOuterRadius, outer + 20) + 10;
        e.add({-radius, h.bottom - 20, -radius}, {radius, h.top + 20, radius});
        if (s.connection.name != "FNull") {
            const float flange = std::max(s.connection.flangeDiameter / 2, outer);
            e.add({-flange, -flange, -(s.connection.nozzleLength + s.connection.flangeThickness)},
                  {flange, height + flange, 0});
        }
    }
    if (pipeShown && s.tankMode != DisplayMode::Off) {
        const float wall = -(s.connection.nozzleLength + 50);
        const float flange = s.connection.flangeDiameter / 2;
        e.add({-100, std::min(-30.0f, -flange), wall - 100},
              {100, std::max({height + 30, height + flange, s.level}), 0});
    }
    if (s.floatMode != DisplayMode::Off) {
        const float low = s.level - s.selectedFloat.immersionDepth - 15;
        const float radius = s.selectedFloat.outerDiameter / 2;
        e.add({-radius, low, -radius}, {radius, low + s.selectedFloat.length + 30, radius});
    }
    if (s.flapMode == DisplayMode::Whole || s.railMode != DisplayMode::Off)
        e.add({-20, h.railBottom - 20, outer},
              {s.scaleVisible ? 55.0f : 25.0f, h.railTop + 20, outer + 25});
    const float switchZ = -(outer + 10);
    for (const auto& [shown, point] : {std::pair{s.switch1Visible, s.switch1.switchPoint},
                                       std::pair{s.switch2Visible, s.switch2.switchPoint}})
        if (shown) e.add({-10, point - 85, switchZ - 10}, {10, point + 55, switchZ + 10});
    if (s.transmitterVisible) e.add({-5, -65, switchZ - 10}, {30, height + 85, switchZ + 10});
}

// A point turned as the camera turns the model: about X, then Y, then Z, applied to the point
// in the reverse order, as GL's matrices do.
Point3 turned(const SceneState& s, Point3 p) {
    const auto rotate = [](double angle, double& a, double& b) {
        const double c = std::cos(angle * degrees), sn = std::sin(angle * degrees);
        const double a2 = a * c - b * sn, b2 = a * sn + b * c;
        a = a2, b = b2;
    };
    double x = p.x, y = p.y, z = p.z;
    rotate(s.cameraRotZ, x, y);
    rotate(s.cameraRotY, z, x);
    rotate(s.cameraRotX, y, z);
    return {float(x), float(y), float(z)};
}

// The pan that keeps every corner within the fitted share of the view at scale k, as the
// middle of the pans that do; false when none does or a corner comes too near. A corner c at
// depth d shows at f (pan + k c) / d, so each corner allows an interval of pans.
bool fittedPan(const std::vector<Point3>& corners, double k, double aspect, double& panX,
               double& panY) {
    const double f = 1 / std::tan(7.5 * degrees);
    double lowX = -1e30, highX = 1e30, lowY = -1e30, highY = 1e30;
    for (const Point3& c : corners) {
        const double depth = cameraDistance - k * c.z;
        if (depth <= nearPlane) return false;
        const double reachY = fittedShare * depth / f, reachX = reachY * aspect;
        lowX = std::max(lowX, -reachX - k * c.x), highX = std::min(highX, reachX - k * c.x);
        lowY = std::max(lowY, -reachY - k * c.y), highY = std::min(highY, reachY - k * c.y);
    }
    panX = (lowX + highX) / 2, panY = (lowY + highY) / 2;
    return lowX <= highX && lowY <= highY;
}
} // namespace

std::vector<Box> ModelParts(const SceneState& state) {
    Extent extent;
    addParts(state, extent);
    return extent.boxes;
}

void FitModel(SceneState& state, int clientWidth, int clientHeight) {
    const std::vector<Box> parts = ModelParts(state);
    if (parts.empty() || clientWidth <= 0 || clientHeight <= 0) return;
    std::vector<Point3> corners;
    for (const Box& box : parts)
        for (int i = 0; i < 8; ++i)
            corners.push_back(
                turned(state, {i & 1 ? box.max.x : box.min.x, i & 2 ? box.max.y : box.min.y,
                               i & 4 ? box.max.z : box.min.z}));
    // The largest scale, within the zoom's range, at which a pan still keeps every corner in,
    // found by halving the range.
    const double aspect = double(clientWidth) / clientHeight;
    double low = smallestZoom * 0.02, high = largestZoom * 0.02, panX = 0, panY = 0;
    for (int step = 0; step < 60; ++step) {
        const double k = (low + high) / 2;
        double x, y;
        (fittedPan(corners, k, aspect, x, y) ? low : high) = k;
    }
    fittedPan(corners, low, aspect, panX, panY);
    state.zoom = float(low / 0.02);
    state.cameraPanX = float(panX);
    state.cameraPanY = float(panY);
}
