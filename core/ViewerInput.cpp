// The pointer over the view: mouse, wheel, touch and touchpad gestures.
#include "core/Viewer.h"

#include "app/frame/Demo.h"

#include <cmath>

namespace {
// A line's angle in degrees, counter-clockwise from the x axis on a screen whose y grows
// downwards, 0 .. 360.
double angleOf(double x1, double y1, double x2, double y2) {
    const double theta = std::atan2(-(y2 - y1), x2 - x1) * 180.0 / 3.14159265358979323846;
    return theta < 0 ? theta + 360 : theta;
}
} // namespace

void Viewer::FormMouseDown(int x, int y) {
    pointerMoved();
    lastMouseX = x;
    lastMouseY = y;
}

// Every callout's text turns white again and the buttons show their normal pictures.
void Viewer::clearHover() {
    unsigned changes = 0;
    if (!hoveredCallout.empty()) {
        hoveredCallout.clear();
        changes |= CalloutsChanged;
    }
    if (hoverImageActive) {
        highlightedButton.clear();
        hoverImageActive = false;
        changes |= ButtonsChanged;
    }
    changed(changes);
}

void Viewer::FormMouseMove(int x, int y, unsigned buttons, bool shift) {
    pointerMoved();
    clearHover();
    if ((buttons & LeftButton) && shift) {
        Orbit(scene, float(x - lastMouseX) * orbitDegreesPerPixel,
              float(y - lastMouseY) * orbitDegreesPerPixel);
        FormPaint();
        lastMouseX = x;
        lastMouseY = y;
    } else if (buttons & LeftButton) {
        Pan(scene, x - lastMouseX, y - lastMouseY);
        if (!scene.levelDemoRunning) FormPaint();
        lastMouseX = x;
        lastMouseY = y;
    } else if (buttons & RightButton) {
        // The options gesture: the top-right pixel of the client area.
        if (x == clientWidth - 1 && y == 0) platform.showWindow(CoreWindow::Options);
    } else if (pointerSetsLevel && SetLevelFromPointer(scene, x, y, clientHeight)) {
        FormPaint();
    }
}

void Viewer::FormMouseWheel(int delta) {
    WheelZoom(scene, wheel.take(delta));
    FormPaint();
}

// One finger drags like the left button; two pinch to zoom, turn about the vertical axis as
// they turn, and tilt as they move up or down together.
void Viewer::FormTouch(const std::vector<TouchPoint>& points, bool ended) {
    const std::size_t fingers = ended ? 0 : points.size();
    if (points.size() == 1) {
        const int x = int(std::lround(points.front().x)), y = int(std::lround(points.front().y));
        // A drag starts where the finger is, also when a second finger has just been lifted.
        if (touchFingers != 1)
            FormMouseDown(x, y);
        else
            FormMouseMove(x, y, LeftButton);
    } else if (points.size() >= 2 && touchFingers >= 2) {
        const TouchPoint& a = points[0];
        const TouchPoint& b = points[1];
        const double now = std::hypot(b.x - a.x, b.y - a.y);
        const double before = std::hypot(b.lastX - a.lastX, b.lastY - a.lastY);
        if (before > 0 && now > 0) {
            PinchZoom(scene, float(now / before));
            double turn = angleOf(a.x, a.y, b.x, b.y) - angleOf(a.lastX, a.lastY, b.lastX, b.lastY);
            if (turn < 0) turn += 360;
            const double tilt = (a.y + b.y) / 2.0 - (a.lastY + b.lastY) / 2.0;
            Orbit(scene, float(turn > 180 ? turn - 360 : turn), float(tilt) * orbitDegreesPerPixel);
            FormPaint();
        }
    }
    touchFingers = fingers;
}

// A touchpad's pinch zooms, its rotation turns the model.
void Viewer::FormGesture(Gesture gesture, float value) {
    if (gesture == Gesture::Zoom)
        PinchZoom(scene, 1 + value);
    else
        Orbit(scene, value, 0);
    FormPaint();
}
