// The desktop program's start frame at a given size, drawn through libGL off-screen on Mesa as the
// desktop view draws it (the clear colour set before the frame), written as a binary PPM: the
// reference the browser's start frame is compared with.
//   web_reference_frame <file.ppm> <width> <height>
#include "OffscreenPath.h"

#include "app/frame/FrameRender.h"
#include "app/frame/StartScene.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <file.ppm> <width> <height>\n", argv[0]);
        return 2;
    }
    const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
    try {
        const std::filesystem::path file = argv[1];
        if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
        OffscreenPath path(width, height);
        auto state = std::make_unique<SceneState>();
        InitialiseSceneState(*state);
        BuildStartScene(*state);
        glClearColor(state->backgroundRed, state->backgroundGreen, state->backgroundBlue, 0);
        ApplyProjection(width, height);
        RenderScene(*state, width, height);
        path.target().finish();
        const std::vector<std::uint8_t> rgb = path.target().readRgb();
        std::ofstream out(file, std::ios::binary);
        out << "P6\n" << width << " " << height << "\n255\n";
        out.write(reinterpret_cast<const char*>(rgb.data()), std::streamsize(rgb.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            return 1;
        }
        std::printf("%s on %s\n", OffscreenPath::name(), path.target().renderer().c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
