// The edge filter on the frame in the window's back buffer: the frame is read back, smoothed on
// the processor (app/frame/EdgeSmoothing.h), and only the blocks of pixels that changed are
// drawn back, as textured quads, before the buffers are swapped. A software renderer reads and
// writes a few megabytes for it instead of filling every pixel four times.
#pragma once

#include "app/frame/EdgeSmoothing.h"

#include <QSize>

#include <GL/gl.h>

#include <cstdint>
#include <vector>

class SmoothingPass {
  public:
    SmoothingPass() = default;
    SmoothingPass(const SmoothingPass&) = delete;
    SmoothingPass& operator=(const SmoothingPass&) = delete;
    // The context that made the pass must be current.
    ~SmoothingPass();

    // Smooths the frame of `pixels` in the bound framebuffer. Leaves the GL state as it was.
    void apply(QSize pixels);

  private:
    void upload(QSize pixels, const std::vector<std::uint8_t>& changed);
    void drawBlocks(QSize pixels, const std::vector<std::uint8_t>& changed);

    EdgeSmoother smoother;
    std::vector<std::uint32_t> frame; // the frame as read back, then smoothed
    GLuint texture = 0;               // the smoothed frame, where it changed
    QSize textureSize;
    std::vector<GLfloat> corners; // the changed blocks as quads, in pixels
    std::vector<GLfloat> texels;  // and in texture coordinates
};
