// One of the two ways the frame's GL calls are carried out, off-screen on Mesa: through libGL in
// a desktop compatibility context, or through the layer on an OpenGL ES 3.0 context. A program
// links one of the two implementations (offscreen_path_gl or offscreen_path_es); the drawing code
// is the same. The path is ready to draw as the main window is: depth test on and the font's
// display lists built.
#pragma once

#include "EglOffscreen.h"

#include <string>
#include <vector>

class OffscreenPath {
  public:
    OffscreenPath(int width, int height); // throws std::runtime_error where it cannot start
    ~OffscreenPath();
    OffscreenPath(const OffscreenPath&) = delete;
    OffscreenPath& operator=(const OffscreenPath&) = delete;

    static const char* name();
    EglOffscreen& target() { return offscreen; }
    // Draw calls so far: glBegin/glEnd primitives (a font list draws one) through libGL, ES draw
    // calls through the layer.
    static long long drawCalls();
    // What the layer reported it did not carry out; always empty through libGL.
    const std::vector<std::string>& reports() const { return reported; }

  private:
    EglOffscreen offscreen;
    std::vector<std::string> reported;
};
