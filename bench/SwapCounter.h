// Counts the frames the process presents. The benchmark executable defines glXSwapBuffers and
// eglSwapBuffers itself and exports them, so the window system's calls land here first and are
// passed on to the real functions.
#pragma once

#include <cstdint>
#include <string>

struct SwapCounts {
    long long swaps = 0;
    std::int64_t firstSwapNs = 0; // CLOCK_MONOTONIC of the first presented frame, 0 before it
    std::string renderer;         // GL_RENDERER of the context that presented first
};

const SwapCounts& presentedFrames();
std::int64_t monotonicNs();
