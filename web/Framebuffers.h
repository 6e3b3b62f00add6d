// Framebuffers of the browser's WebGL 2 context beside the canvas's own: a multisampled one that
// the view's frames are drawn into when edges are smooth, and the off-screen pictures that are
// saved as files. Their ES functions come through emscripten's procedure addresses, as the GL 1.1
// layer's do, so that no ES function is called by a name the layer also defines.
#pragma once

#include <cstdint>
#include <vector>

class Framebuffer {
  public:
    // An RGB colour buffer and a depth buffer of `width` x `height` pixels, multisampled where
    // `samples` is above 0. Check valid() before use.
    Framebuffer(int width, int height, int samples);
    ~Framebuffer();
    Framebuffer(const Framebuffer&) = delete;
    Framebuffer& operator=(const Framebuffer&) = delete;

    bool valid() const { return complete; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Binds it for drawing; the GL 1.1 layer then draws into it.
    void bind() const;
    // Copies its colour into `target`'s (nullptr: the canvas) of the same size, resolving the
    // samples, and leaves the canvas bound.
    void copyTo(const Framebuffer* target) const;
    // Its pixels as RGBA bytes, rows top first, alpha 255; leaves the canvas bound.
    std::vector<std::uint8_t> readRgba() const;

  private:
    unsigned framebuffer = 0, colour = 0, depth = 0;
    int width_, height_;
    bool complete = false;
};

// Binds the canvas's own framebuffer for drawing.
void bindCanvasFramebuffer();
// The most samples a multisampled framebuffer may have in the current context.
int maximumSamples();
