// The view's pointer and wheel input as the page reports it (pointer events, wheel events), turned
// into the camera and level changes the desktop window makes: a left drag pans, with Shift held
// it turns; a pointer moving without a button sets the level; two fingers pinch to zoom, turn
// and tilt; the wheel zooms in steps, a touchpad's pinch (a wheel event with Ctrl) zooms
// smoothly. Positions are in the view's CSS pixels, top-left origin. Plain C++, no browser calls.
#pragma once

#include "app/frame/Camera.h"
#include "scene/SceneState.h"

#include <map>

// PointerEvent.buttons while the left button (or a pen's tip) is held.
inline constexpr unsigned primaryHeld = 1u;

// DOM WheelEvent.deltaMode.
enum class WheelUnit { Pixel = 0, Line = 1, Page = 2 };

// The desktop's wheel delta (120 per notch, positive away from the user) of a DOM wheel delta
// (positive towards the user): a notch is about 100 pixels or 3 lines in the browsers.
int desktopWheelDelta(double deltaY, WheelUnit unit);

class PointerInput {
  public:
    explicit PointerInput(SceneState& state) : state(state) {}

    // A pointer comes down: where a drag starts. `touch` for a finger.
    void down(int id, bool touch, double x, double y);
    // Each returns whether the view must be drawn again.
    bool move(int id, bool touch, double x, double y, unsigned buttons, bool shift, int viewHeight);
    void up(int id);
    bool wheel(double deltaY, WheelUnit unit, bool ctrl);

  private:
    struct Point {
        double x, y;
    };
    bool moveTouch(int id, double x, double y);
    bool dragFrom(Point& last, double x, double y, bool turn);

    SceneState& state;
    Point lastMouse{0, 0};
    std::map<int, Point> touches; // fingers on the view by pointer id
    WheelAccumulator wheelSteps;
};
