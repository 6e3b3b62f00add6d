// Renders every scene of the matrix through the GL path the program links and writes each as a
// binary PPM:  <program> <folder>  ->  <folder>/<scene>.ppm (the folder is made if need be)
// Fails where the path cannot start or the layer reports a call it did not carry out.
#include "OffscreenPath.h"
#include "SceneMatrix.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

bool writePpm(const std::string& file, int width, int height,
              const std::vector<std::uint8_t>& rgb) {
    std::ofstream out(file, std::ios::binary);
    out << "P6\n" << width << " " << height << "\n255\n";
    out.write(reinterpret_cast<const char*>(rgb.data()), std::streamsize(rgb.size()));
    return bool(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        const MatrixScene& first = sceneMatrix().front();
        OffscreenPath path(first.width, first.height);
        std::printf("%s on %s\n", OffscreenPath::name(), path.target().renderer().c_str());
        for (const MatrixScene& scene : sceneMatrix()) {
            path.target().resize(scene.width, scene.height);
            RenderMatrixScene(scene);
            path.target().finish();
            const std::string file = folder + "/" + scene.name + ".ppm";
            if (!writePpm(file, scene.width, scene.height, path.target().readRgb())) {
                std::fprintf(stderr, "cannot write %s\n", file.c_str());
                return 1;
            }
        }
        for (const std::string& report : path.reports())
            std::fprintf(stderr, "layer reported: %s\n", report.c_str());
        return path.reports().empty() ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
