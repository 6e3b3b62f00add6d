#include "SwapCounter.h"

#include <GL/gl.h>

#include <dlfcn.h>
#include <time.h>

namespace {
SwapCounts counts;

void countSwap() {
    if (counts.swaps++ == 0) {
        counts.firstSwapNs = monotonicNs();
        if (const GLubyte* name = glGetString(GL_RENDERER))
            counts.renderer = reinterpret_cast<const char*>(name);
    }
}
} // namespace

const SwapCounts& presentedFrames() {
    return counts;
}

std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The GLX and EGL types are left opaque here; only the calling convention matters.
extern "C" {
__attribute__((visibility("default"))) void glXSwapBuffers(void* display, unsigned long drawable) {
    using Swap = void (*)(void*, unsigned long);
    static const auto real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    real(display, drawable);
    countSwap();
}

__attribute__((visibility("default"))) unsigned int eglSwapBuffers(void* display, void* surface) {
    using Swap = unsigned int (*)(void*, void*);
    static const auto real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "eglSwapBuffers"));
    const unsigned int presented = real(display, surface);
    countSwap();
    return presented;
}
}
