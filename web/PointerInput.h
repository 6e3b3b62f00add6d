// The page's pointer and wheel events in the form the core's handlers take them: DOM wheel
// deltas as the desktop's wheel delta or a touchpad's pinch, and the fingers on the view, which
// pointer events report one at a time, as the list of touch points a touch event of the desktop
// gives. Positions are in the view's CSS pixels, top-left origin. Plain C++, no browser calls.
#pragma once

#include "core/Viewer.h"

#include <map>
#include <optional>
#include <vector>

// DOM WheelEvent.deltaMode.
enum class WheelUnit { Pixel = 0, Line = 1, Page = 2 };

// The desktop's wheel delta (120 per notch, positive away from the user) of a DOM wheel delta
// (positive towards the user): a notch is about 100 pixels or 3 lines in the browsers.
int desktopWheelDelta(double deltaY, WheelUnit unit);

// A touchpad's pinch arrives as a wheel event with Ctrl: the zoom gesture's value (the factor
// less 1, Viewer::FormGesture) of its delta; none for a delta that is no number.
std::optional<float> touchpadPinch(double deltaY);

class TouchFingers {
  public:
    // Each gives every finger on the view in the order they came down, with where each was at the
    // last event; move gives nothing for a finger that never came down. After `up` the finger is
    // gone: no fingers left means the touch has ended.
    std::vector<TouchPoint> down(int id, double x, double y);
    std::vector<TouchPoint> move(int id, double x, double y);
    std::vector<TouchPoint> up(int id);
    bool none() const { return fingers.empty(); }

  private:
    std::vector<TouchPoint> points() const;
    std::map<int, TouchPoint> fingers; // by pointer id, which grows with every new pointer
};
