#include "web/PointerInput.h"

#include <algorithm>
#include <cmath>

int desktopWheelDelta(double deltaY, WheelUnit unit) {
    const double perUnit = unit == WheelUnit::Line ? 40 : unit == WheelUnit::Page ? 1200 : 1.2;
    if (!std::isfinite(deltaY)) return 0;
    return int(std::lround(std::clamp(-deltaY * perUnit, -1e6, 1e6)));
}

// 100 pixels of pinch (a notch) zoom by a factor of e.
std::optional<float> touchpadPinch(double deltaY) {
    if (!std::isfinite(deltaY)) return std::nullopt;
    return float(std::exp(-std::clamp(deltaY, -500.0, 500.0) / 100) - 1);
}

std::vector<TouchPoint> TouchFingers::points() const {
    std::vector<TouchPoint> all;
    for (const auto& [id, point] : fingers) all.push_back(point);
    return all;
}

// Every finger's last position becomes its present one: only the finger of this event moved.
std::vector<TouchPoint> TouchFingers::down(int id, double x, double y) {
    for (auto& [other, point] : fingers) point.lastX = point.x, point.lastY = point.y;
    fingers[id] = {float(x), float(y), float(x), float(y)};
    return points();
}

std::vector<TouchPoint> TouchFingers::move(int id, double x, double y) {
    const auto finger = fingers.find(id);
    if (finger == fingers.end()) return {};
    for (auto& [other, point] : fingers) point.lastX = point.x, point.lastY = point.y;
    finger->second.x = float(x);
    finger->second.y = float(y);
    return points();
}

std::vector<TouchPoint> TouchFingers::up(int id) {
    fingers.erase(id);
    for (auto& [other, point] : fingers) point.lastX = point.x, point.lastY = point.y;
    return points();
}
