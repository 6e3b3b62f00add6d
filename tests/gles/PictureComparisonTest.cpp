// Compares the pictures of the scene matrix drawn through libGL with those drawn through the
// layer on ES 3.0 (both written by the render_pictures programs before this test runs). A scene
// passes where at least 99.5 % of its pixels lie within 6/255 per channel of the libGL picture and
// no connected region of differing pixels is larger than a few pixels. Where it fails, the two
// pictures and a difference map go as PNG into the ES folder.
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int tolerance = 6;              // per channel, of 255
constexpr double requiredClose = 0.995;   // share of pixels within the tolerance
constexpr int largestDifferingRegion = 4; // pixels, eight-connected

struct Comparison {
    double closeShare = 0;
    int largestRegion = 0;
    QImage map; // differing pixels red over the libGL picture in grey
};

bool close(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Size of the largest eight-connected region of set cells.
int largestRegion(std::vector<bool> differs, int width, int height) {
    int largest = 0;
    std::vector<int> stack;
    for (int start = 0; start < width * height; ++start) {
        if (!differs[std::size_t(start)]) continue;
        differs[std::size_t(start)] = false;
        stack.assign(1, start);
        int size = 0;
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            ++size;
            const int x = p % width, y = p / width;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
                    const auto n = std::size_t(ny * width + nx);
                    if (differs[n]) differs[n] = false, stack.push_back(int(n));
                }
        }
        largest = std::max(largest, size);
    }
    return largest;
}

Comparison compare(const QImage& reference, const QImage& candidate) {
    const int w = reference.width(), h = reference.height();
    Comparison result;
    result.map = QImage(w, h, QImage::Format_RGB32);
    std::vector<bool> differs(std::size_t(w) * std::size_t(h));
    int closeCount = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb a = reference.pixel(x, y), b = candidate.pixel(x, y);
            const bool same = close(a, b);
            closeCount += same;
            differs[std::size_t(y * w + x)] = !same;
            const int grey = qGray(a) / 2 + 64;
            result.map.setPixel(x, y, same ? qRgb(grey, grey, grey) : qRgb(255, 0, 0));
        }
    result.closeShare = double(closeCount) / (double(w) * h);
    result.largestRegion = largestRegion(std::move(differs), w, h);
    return result;
}

// Share of pixels that differ from the top-left one: a picture that shows nothing but the
// background would pass any comparison with another such picture.
double drawnShare(const QImage& image) {
    const QRgb background = image.pixel(0, 0);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != background;
    return double(drawn) / (double(image.width()) * image.height());
}

std::set<std::string> scenesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".ppm") names.insert(entry.path().stem().string());
    return names;
}

} // namespace

TEST(PictureComparison, EverySceneThroughTheLayerLooksAsThroughLibGL) {
    const fs::path glFolder = GL_PICTURES, esFolder = ES_PICTURES;
    const std::set<std::string> scenes = scenesIn(glFolder);
    ASSERT_GE(scenes.size(), 10u) << "the libGL pictures are missing in " << glFolder;
    EXPECT_EQ(scenesIn(esFolder), scenes) << "both paths render the same scenes";

    for (const std::string& scene : scenes) {
        SCOPED_TRACE(scene);
        const std::string failurePictures[] = {"-libgl.png", "-layer.png", "-difference.png"};
        for (const std::string& suffix : failurePictures) fs::remove(esFolder / (scene + suffix));
        const QImage reference(QString::fromStdString((glFolder / (scene + ".ppm")).string()));
        const QImage candidate(QString::fromStdString((esFolder / (scene + ".ppm")).string()));
        ASSERT_FALSE(reference.isNull());
        ASSERT_FALSE(candidate.isNull()) << "no picture through the layer";
        ASSERT_EQ(candidate.size(), reference.size());
        EXPECT_GT(drawnShare(reference), 0.01) << "the libGL picture shows the scene";

        const Comparison c = compare(reference, candidate);
        const bool passes =
            c.closeShare >= requiredClose && c.largestRegion <= largestDifferingRegion;
        EXPECT_GE(c.closeShare, requiredClose);
        EXPECT_LE(c.largestRegion, largestDifferingRegion);
        std::printf("%-34s %8.4f %% close, largest differing region %d px\n", scene.c_str(),
                    100 * c.closeShare, c.largestRegion);
        if (!passes) {
            const QString base = QString::fromStdString((esFolder / scene).string());
            reference.save(base + QString::fromStdString(failurePictures[0]));
            candidate.save(base + QString::fromStdString(failurePictures[1]));
            c.map.save(base + QString::fromStdString(failurePictures[2]));
            ADD_FAILURE() << "pictures and difference map: " << base.toStdString() << "-*.png";
        }
    }
}
