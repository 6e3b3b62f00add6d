#include "EglOffscreen.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#define GL_GLES_PROTOTYPES 0
#include <GLES3/gl3.h>

#include <cstring>
#include <stdexcept>

namespace {

// The framebuffer functions, alike in desktop GL 3 and ES 3.
struct Functions {
    PFNGLGENFRAMEBUFFERSPROC GenFramebuffers;
    PFNGLBINDFRAMEBUFFERPROC BindFramebuffer;
    PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers;
    PFNGLGENRENDERBUFFERSPROC GenRenderbuffers;
    PFNGLBINDRENDERBUFFERPROC BindRenderbuffer;
    PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers;
    PFNGLRENDERBUFFERSTORAGEPROC RenderbufferStorage;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus;
    PFNGLREADPIXELSPROC ReadPixels;
    PFNGLFINISHPROC Finish;
    PFNGLGETSTRINGPROC GetString;
};

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error("EGL off-screen context: " + what);
}

template <typename F> void load(F& function, const char* name) {
    function = reinterpret_cast<F>(eglGetProcAddress(name));
    if (!function) fail(std::string("no ") + name);
}

Functions loadFunctions() {
    Functions f{};
    load(f.GenFramebuffers, "glGenFramebuffers");
    load(f.BindFramebuffer, "glBindFramebuffer");
    load(f.DeleteFramebuffers, "glDeleteFramebuffers");
    load(f.GenRenderbuffers, "glGenRenderbuffers");
    load(f.BindRenderbuffer, "glBindRenderbuffer");
    load(f.DeleteRenderbuffers, "glDeleteRenderbuffers");
    load(f.RenderbufferStorage, "glRenderbufferStorage");
    load(f.FramebufferRenderbuffer, "glFramebufferRenderbuffer");
    load(f.CheckFramebufferStatus, "glCheckFramebufferStatus");
    load(f.ReadPixels, "glReadPixels");
    load(f.Finish, "glFinish");
    load(f.GetString, "glGetString");
    return f;
}

// Loaded with the first context; the same entry points serve every later one.
const Functions& gl() {
    static const Functions functions = loadFunctions();
    return functions;
}

EGLDisplay surfacelessDisplay() {
    const char* extensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!extensions || !std::strstr(extensions, "EGL_MESA_platform_surfaceless"))
        fail("EGL_MESA_platform_surfaceless is missing");
    const EGLDisplay display =
        eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
        fail("no surfaceless display");
    return display;
}

} // namespace

EglOffscreen::EglOffscreen(OffscreenApi api, int width, int height) {
    display = surfacelessDisplay();
    const bool es = api == OffscreenApi::Es3;
    if (!eglBindAPI(es ? EGL_OPENGL_ES_API : EGL_OPENGL_API)) fail("API not available");
    const EGLint esAttributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_CONTEXT_MINOR_VERSION, 0,
                                   EGL_NONE};
    const EGLint desktopAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                        EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    context = eglCreateContext(display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT,
                               es ? esAttributes : desktopAttributes);
    if (context == EGL_NO_CONTEXT) fail("no context");
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context))
        fail("context cannot be made current");

    gl().GenFramebuffers(1, &framebuffer);
    gl().GenRenderbuffers(1, &colourBuffer);
    gl().GenRenderbuffers(1, &depthBuffer);
    gl().BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    resize(width, height);
    gl().FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                 colourBuffer);
    gl().FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
    if (gl().CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        fail("framebuffer incomplete");
}

EglOffscreen::~EglOffscreen() {
    gl().DeleteRenderbuffers(1, &depthBuffer);
    gl().DeleteRenderbuffers(1, &colourBuffer);
    gl().DeleteFramebuffers(1, &framebuffer);
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display, context);
    eglTerminate(display);
}

void* EglOffscreen::procAddress(const char* name) {
    return reinterpret_cast<void*>(eglGetProcAddress(name));
}

void EglOffscreen::resize(int width, int height) {
    width_ = width;
    height_ = height;
    gl().BindRenderbuffer(GL_RENDERBUFFER, colourBuffer);
    gl().RenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    gl().BindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    gl().RenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
}

void EglOffscreen::finish() const {
    gl().Finish();
}

std::vector<std::uint8_t> EglOffscreen::readRgb() const {
    const std::size_t w = std::size_t(width_), h = std::size_t(height_);
    std::vector<std::uint8_t> rgba(w * h * 4);
    gl().ReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    std::vector<std::uint8_t> rgb(w * h * 3);
    for (std::size_t y = 0; y < h; ++y) // GL's rows start at the bottom
        for (std::size_t x = 0; x < w; ++x)
            std::memcpy(&rgb[(y * w + x) * 3], &rgba[((h - 1 - y) * w + x) * 4], 3);
    return rgb;
}

std::string EglOffscreen::renderer() const {
    const auto* name = reinterpret_cast<const char*>(gl().GetString(GL_RENDERER));
    return name ? name : "";
}
