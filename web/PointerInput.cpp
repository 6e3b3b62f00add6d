#include "web/PointerInput.h"

#include "app/frame/Demo.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace {
int rounded(double value) {
    return int(std::lround(value));
}
} // namespace

int desktopWheelDelta(double deltaY, WheelUnit unit) {
    const double perUnit = unit == WheelUnit::Line ? 40 : unit == WheelUnit::Page ? 1200 : 1.2;
    if (!std::isfinite(deltaY)) return 0;
    return rounded(std::clamp(-deltaY * perUnit, -1e6, 1e6));
}

void PointerInput::down(int id, bool touch, double x, double y) {
    if (touch)
        touches[id] = {x, y};
    else
        lastMouse = {x, y};
}

bool PointerInput::move(int id, bool touch, double x, double y, unsigned buttons, bool shift,
                        int viewHeight) {
    if (touch) return moveTouch(id, x, y);
    if (buttons & primaryHeld) return dragFrom(lastMouse, x, y, shift);
    return SetLevelFromPointer(state, rounded(x), rounded(y), viewHeight);
}

void PointerInput::up(int id) {
    touches.erase(id);
}

bool PointerInput::wheel(double deltaY, WheelUnit unit, bool ctrl) {
    if (ctrl) { // a touchpad's pinch: the page's zoom gesture
        if (!std::isfinite(deltaY)) return false;
        PinchZoom(state, float(std::exp(-std::clamp(deltaY, -500.0, 500.0) / 100)));
        return true;
    }
    WheelZoom(state, wheelSteps.take(desktopWheelDelta(deltaY, unit)));
    return true;
}

// As the mouse: a pan, or a turn by half a degree a pixel, from the last position on.
bool PointerInput::dragFrom(Point& last, double x, double y, bool turn) {
    const int dx = rounded(x) - rounded(last.x), dy = rounded(y) - rounded(last.y);
    last = {x, y};
    if (turn)
        Orbit(state, float(dx) * orbitDegreesPerPixel, float(dy) * orbitDegreesPerPixel);
    else
        Pan(state, dx, dy);
    return true;
}

// One finger drags the model; two pinch (zoom by the change of their distance), turn it about
// the vertical axis as their line turns and tilt it as their centre moves up or down. Fingers
// beyond two are ignored.
bool PointerInput::moveTouch(int id, double x, double y) {
    const auto finger = touches.find(id);
    if (finger == touches.end()) return false;
    if (touches.size() == 1) return dragFrom(finger->second, x, y, false);
    auto first = touches.begin(), second = std::next(first);
    if (finger != first && finger != second) return false;
    const Point before[2] = {first->second, second->second};
    finger->second = {x, y};
    const Point now[2] = {first->second, second->second};
    const auto length = [](const Point* p) { return std::hypot(p[1].x - p[0].x, p[1].y - p[0].y); };
    // Counter-clockwise on the screen, whose y grows downwards.
    const auto angle = [](const Point* p) {
        return std::atan2(-(p[1].y - p[0].y), p[1].x - p[0].x) * 180 / std::numbers::pi;
    };
    if (!(length(before) > 0) || !(length(now) > 0)) return false;
    PinchZoom(state, float(length(now) / length(before)));
    double turn = angle(now) - angle(before);
    if (turn > 180) turn -= 360;
    if (turn < -180) turn += 360;
    const double tilt = (now[0].y + now[1].y - before[0].y - before[1].y) / 2;
    Orbit(state, float(turn), float(tilt) * orbitDegreesPerPixel);
    return true;
}
