// The background colour dialog as a model: three sliders for red, green and blue (0..255) and the
// swatch they preview. Nothing changes in the view until the colour is applied; every show
// reloads the sliders from the background colour.
#pragma once

#include "scene/SceneState.h"

#include <array>
#include <functional>

// A colour component as a byte 0..255, for widget colours and slider positions: rounded to
// nearest, halves to even. Components outside 0..1 (kelo.ini does not limit them; GL clamps
// them itself) are limited first, so that no value can overflow the conversion.
int colourByte(float component);

class ColourChoice {
  public:
    // `changed` receives the Change flags of every step; `redraw` is the main window's redraw.
    ColourChoice(SceneState& state, std::function<void(unsigned)> changed,
                 std::function<void()> redraw);

    void FormShow();
    // Only the swatch follows a slider.
    void ScrollBarChange(int slider, int position);
    // Background := slider / 255; the main window takes the colour and redraws.
    void Apply();
    // "Default": all sliders to 0, then applied: the background becomes black.
    void BitBtn3Click();

    // Red, green, blue, each 0..255: the slider positions and the swatch.
    const std::array<int, 3>& sliders() const { return positions; }

  private:
    SceneState& scene;
    std::function<void(unsigned)> changed;
    std::function<void()> redraw;
    std::array<int, 3> positions{0, 0, 0};
};
