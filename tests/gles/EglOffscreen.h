// An off-screen GL context on Mesa without any window system: EGL's surfaceless platform, a
// context of the chosen API and a framebuffer object with eight-bit RGBA colour and a 24-bit
// depth buffer, bound for drawing. Its own GL calls go through eglGetProcAddress, so it links
// alike beside libGL and beside the layer, which defines the GL 1.1 names itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class OffscreenApi { DesktopCompatibility, Es3 };

class EglOffscreen {
  public:
    // Current on this thread from construction on; throws std::runtime_error where EGL or the
    // driver cannot make it.
    EglOffscreen(OffscreenApi api, int width, int height);
    ~EglOffscreen();
    EglOffscreen(const EglOffscreen&) = delete;
    EglOffscreen& operator=(const EglOffscreen&) = delete;

    // A GL or ES function of the current context by name, for the layer's table.
    static void* procAddress(const char* name);

    void resize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    // Waits for everything drawn so far.
    void finish() const;
    // The framebuffer's pixels as RGB bytes, rows top first.
    std::vector<std::uint8_t> readRgb() const;
    std::string renderer() const;

  private:
    void* display = nullptr;
    void* context = nullptr;
    unsigned framebuffer = 0, colourBuffer = 0, depthBuffer = 0;
    int width_ = 0, height_ = 0;
};
