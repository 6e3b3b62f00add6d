// Renders frames of the start scene off-screen with real GL at 1280 x 720 and prints the median
// frame time, frames per second, vertices per frame and the peak memory of the process.
//   niveau_bench [frames]                          (default 300; needs a display)
//   niveau_bench live [seconds] [rounds] [--size WxH]... [--smoothing WAY]...
//                                                  the real window (see LiveBenchmark.h)
//   niveau_bench soak [minutes] [interval]         memory and files over time (SoakBenchmark.h)
#include "LiveBenchmark.h"
#include "SoakBenchmark.h"

#include "app/frame/Demo.h"
#include "app/frame/FrameRender.h"
#include "app/frame/StartScene.h"
#include "overlay/FontForm.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <GL/gl.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {
long long vertexCalls = 0;
}

extern "C" {
void __real_glVertex3f(GLfloat x, GLfloat y, GLfloat z);
void __wrap_glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    ++vertexCalls;
    __real_glVertex3f(x, y, z);
}
}

int main(int argc, char** argv) {
    if (argc > 3 && std::strcmp(argv[1], "--live-child") == 0) return runLiveChild(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "soak") == 0) {
        char self[4096] = {};
        if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
        return runSoakBenchmark(self, argc > 2 ? std::max(1, std::atoi(argv[2])) : 30,
                                argc > 3 ? std::max(1, std::atoi(argv[3])) : 30);
    }
    if (argc > 1 && std::strcmp(argv[1], "live") == 0) {
        char self[4096] = {};
        if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
        return runLiveBenchmark(self, argc - 2, argv + 2);
    }
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    QGuiApplication app(argc, argv);
    QSurfaceFormat format;
    format.setDepthBufferSize(24);
    QOffscreenSurface surface;
    surface.setFormat(format);
    surface.create();
    QOpenGLContext context;
    context.setFormat(format);
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::fprintf(stderr, "niveau_bench: no OpenGL context\n");
        return 1;
    }
    constexpr int width = 1280, height = 720;
    QOpenGLFramebufferObject target(width, height, QOpenGLFramebufferObject::Depth);
    target.bind();

    auto state = std::make_unique<SceneState>();
    InitialiseSceneState(*state);
    glEnable(GL_DEPTH_TEST);
    CreateFontForm();
    BuildStartScene(*state);
    ApplyProjection(width, height);

    std::vector<double> times;
    long long vertices = 0;
    for (int i = 0; i < frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        vertexCalls = 0;
        DemoStep(*state);
        RenderScene(*state, width, height);
        glFinish();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        vertices = vertexCalls;
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("frames: %d at %dx%d\n", frames, width, height);
    std::printf("median frame time: %.3f ms\n", median);
    std::printf("fps (median): %.1f\n", 1000.0 / median);
    std::printf("vertices per frame: %lld\n", vertices);
    std::printf("peak memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
