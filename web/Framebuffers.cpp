#include "web/Framebuffers.h"

#include <emscripten/html5_webgl.h>
#define GL_GLES_PROTOTYPES 0
#include <GLES3/gl3.h>

#include <algorithm>
#include <cstddef>

namespace {

struct Functions {
    PFNGLGENFRAMEBUFFERSPROC GenFramebuffers;
    PFNGLBINDFRAMEBUFFERPROC BindFramebuffer;
    PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers;
    PFNGLGENRENDERBUFFERSPROC GenRenderbuffers;
    PFNGLBINDRENDERBUFFERPROC BindRenderbuffer;
    PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers;
    PFNGLRENDERBUFFERSTORAGEMULTISAMPLEPROC RenderbufferStorageMultisample;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus;
    PFNGLBLITFRAMEBUFFERPROC BlitFramebuffer;
    PFNGLREADPIXELSPROC ReadPixels;
    PFNGLGETINTEGERVPROC GetIntegerv;
};

template <typename F> void load(F& function, const char* name) {
    function = reinterpret_cast<F>(emscripten_webgl_get_proc_address(name));
}

const Functions& gl() {
    static const Functions functions = [] {
        Functions f{};
        load(f.GenFramebuffers, "glGenFramebuffers");
        load(f.BindFramebuffer, "glBindFramebuffer");
        load(f.DeleteFramebuffers, "glDeleteFramebuffers");
        load(f.GenRenderbuffers, "glGenRenderbuffers");
        load(f.BindRenderbuffer, "glBindRenderbuffer");
        load(f.DeleteRenderbuffers, "glDeleteRenderbuffers");
        load(f.RenderbufferStorageMultisample, "glRenderbufferStorageMultisample");
        load(f.FramebufferRenderbuffer, "glFramebufferRenderbuffer");
        load(f.CheckFramebufferStatus, "glCheckFramebufferStatus");
        load(f.BlitFramebuffer, "glBlitFramebuffer");
        load(f.ReadPixels, "glReadPixels");
        load(f.GetIntegerv, "glGetIntegerv");
        return f;
    }();
    return functions;
}

} // namespace

// RGB8, the format of a canvas without alpha: a multisampled buffer resolves only into one of
// the same format. The frame clears with alpha 0, which a buffer with alpha would keep.
Framebuffer::Framebuffer(int width, int height, int samples) : width_(width), height_(height) {
    gl().GenFramebuffers(1, &framebuffer);
    gl().GenRenderbuffers(1, &colour);
    gl().GenRenderbuffers(1, &depth);
    gl().BindRenderbuffer(GL_RENDERBUFFER, colour);
    gl().RenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGB8, width, height);
    gl().BindRenderbuffer(GL_RENDERBUFFER, depth);
    gl().RenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT24, width,
                                        height);
    gl().BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl().FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    gl().FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
    complete = width > 0 && height > 0 &&
               gl().CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    bindCanvasFramebuffer();
}

Framebuffer::~Framebuffer() {
    gl().DeleteRenderbuffers(1, &depth);
    gl().DeleteRenderbuffers(1, &colour);
    gl().DeleteFramebuffers(1, &framebuffer);
}

void Framebuffer::bind() const {
    gl().BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

void Framebuffer::copyTo(const Framebuffer* target) const {
    gl().BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    gl().BindFramebuffer(GL_DRAW_FRAMEBUFFER, target ? target->framebuffer : 0);
    gl().BlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT,
                         GL_NEAREST);
    bindCanvasFramebuffer();
}

std::vector<std::uint8_t> Framebuffer::readRgba() const {
    const std::size_t w = std::size_t(width_), h = std::size_t(height_), row = w * 4;
    std::vector<std::uint8_t> rgba(row * h);
    gl().BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    gl().ReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    bindCanvasFramebuffer();
    // GL's rows start at the bottom; turned over in place, as a picture may be 33 MB.
    for (std::size_t top = 0; 2 * top + 1 < h; ++top) {
        const auto topRow = rgba.begin() + std::ptrdiff_t(top * row);
        std::swap_ranges(topRow, topRow + std::ptrdiff_t(row),
                         rgba.begin() + std::ptrdiff_t((h - 1 - top) * row));
    }
    return rgba;
}

void bindCanvasFramebuffer() {
    gl().BindFramebuffer(GL_FRAMEBUFFER, 0);
}

int maximumSamples() {
    GLint samples = 0;
    gl().GetIntegerv(GL_MAX_SAMPLES, &samples);
    return samples;
}
