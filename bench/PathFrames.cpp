// One GL path's share of the path benchmark: renders the start scene off-screen at 1280 x 720,
// with the demos stepping as in the window, through the path this program links (libGL, or the
// layer on ES 3), and prints one line of key=value results: the median frame time in ms (the
// frame drawn and finished), the draw calls of one frame and the renderer.
//   niveau_frames_gl [frames]    niveau_frames_es [frames]    (default 200)
#include "OffscreenPath.h"

#include "app/frame/Demo.h"
#include "app/frame/FrameRender.h"
#include "app/frame/StartScene.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <vector>

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    constexpr int width = 1280, height = 720;
    try {
        OffscreenPath path(width, height);
        auto state = std::make_unique<SceneState>();
        InitialiseSceneState(*state);
        BuildStartScene(*state);
        ApplyProjection(width, height);

        std::vector<double> times;
        long long draws = 0;
        for (int i = 0; i < frames; ++i) {
            const long long drawsBefore = OffscreenPath::drawCalls();
            const auto start = std::chrono::steady_clock::now();
            DemoStep(*state);
            RenderScene(*state, width, height);
            path.target().finish();
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            draws = OffscreenPath::drawCalls() - drawsBefore;
        }
        std::sort(times.begin(), times.end());
        std::printf("median=%.3f draws=%lld renderer=%s\n", times[times.size() / 2], draws,
                    path.target().renderer().c_str());
        return path.reports().empty() ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
