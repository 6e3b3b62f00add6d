// The edge filter on small pictures drawn here: which pixels it mixes, how far, and that the
// changed blocks it reports and its threads agree with what it did.
#include "app/frame/EdgeSmoothing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace {

constexpr std::uint32_t white = 0xffffffffu;
constexpr std::uint32_t black = 0xff000000u;

struct Picture {
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
    Picture(int width, int height, const std::function<std::uint32_t(int, int)>& colourAt)
        : width(width), height(height), pixels(std::size_t(width) * std::size_t(height)) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) pixels[std::size_t(y * width + x)] = colourAt(x, y);
    }
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y * width + x)]; }
    int green(int x, int y) const { return int(at(x, y) >> 8 & 0xff); }
};

// A nearly vertical edge, black to the left of x = 20 + y / 8 and white to its right: stairs of
// eight rows each.
Picture steepEdge() {
    return Picture(48, 48, [](int x, int y) { return x < 20 + y / 8 ? black : white; });
}

} // namespace

TEST(EdgeSmoothing, StairsOfALongEdgeBecomeARamp) {
    Picture picture = steepEdge();
    const Picture sharp = picture;
    smoothEdges(picture.pixels.data(), picture.width, picture.height);
    // Along each stair the pixels beside the step take grey levels that grow along the stair,
    // and the two ends of a stair lean towards their own sides.
    for (int stair = 1; stair < 5; ++stair) {
        const int step = 20 + stair; // the column where this stair's white begins
        std::vector<int> levels;
        for (int y = stair * 8; y < stair * 8 + 8; ++y)
            levels.push_back(picture.green(step - 1, y) + picture.green(step, y));
        EXPECT_GT(levels.front(), 255) << "lower end of stair " << stair << " leans to white";
        EXPECT_LT(levels.back(), 255) << "upper end of stair " << stair << " leans to black";
        EXPECT_TRUE(std::is_sorted(levels.rbegin(), levels.rend())) << "stair " << stair;
        const int mixed = int(
            std::count_if(levels.begin(), levels.end(), [](int level) { return level != 255; }));
        EXPECT_GE(mixed, 6) << "nearly every row of stair " << stair << " is mixed";
    }
    // Away from the edge nothing changes.
    for (int y = 0; y < picture.height; ++y) {
        EXPECT_EQ(picture.at(0, y), sharp.at(0, y));
        EXPECT_EQ(picture.at(picture.width - 1, y), sharp.at(picture.width - 1, y));
        EXPECT_EQ(picture.at(10, y), black);
        EXPECT_EQ(picture.at(35, y), white);
    }
}

TEST(EdgeSmoothing, ShadingAndFlatAreasStayAsTheyAreAndStraightEdgesNearly) {
    // A gentle gradient and a flat area: nothing to smooth.
    for (const auto& colourAt : std::vector<std::function<std::uint32_t(int, int)>>{
             [](int x, int y) { return 0xff000000u | std::uint32_t(60 + x + y) * 0x010101u; },
             [](int, int) { return 0xff4080c0u; }}) {
        Picture picture(32, 32, colourAt);
        const Picture before = picture;
        EdgeSmoother smoother;
        const std::vector<std::uint8_t>& changed =
            smoother.smooth(picture.pixels.data(), picture.width, picture.height);
        EXPECT_EQ(picture.pixels, before.pixels);
        EXPECT_EQ(std::count(changed.begin(), changed.end(), 1), 0);
    }
    // A straight edge has no stairs: its two columns are touched by a few levels at most.
    Picture straight(32, 32, [](int x, int) { return x < 16 ? black : white; });
    smoothEdges(straight.pixels.data(), straight.width, straight.height);
    for (int y = 0; y < straight.height; ++y) {
        EXPECT_LE(straight.green(15, y), 12) << y;
        EXPECT_GE(straight.green(16, y), 243) << y;
        EXPECT_EQ(straight.at(14, y), black);
        EXPECT_EQ(straight.at(17, y), white);
    }
}

TEST(EdgeSmoothing, ALineOnePixelThinKeepsMostOfItsWeight) {
    // A thin diagonal line, red on blue: smoothed, but not washed out.
    Picture picture(40, 40, [](int x, int y) { return x == y ? 0xffff0000u : 0xff0000ffu; });
    smoothEdges(picture.pixels.data(), picture.width, picture.height);
    for (int i = 5; i < 35; ++i) {
        const int red = int(picture.at(i, i) >> 16 & 0xff);
        EXPECT_GE(red, 128) << "the line's own pixel at " << i;
        EXPECT_LT(red, 255) << "mixed a little at " << i;
    }
    EXPECT_EQ(picture.at(30, 5), 0xff0000ffu) << "far from the line";
}

TEST(EdgeSmoothing, ReportsTheChangedBlocksAndKeepsAlpha) {
    Picture picture = steepEdge();
    const Picture sharp = picture;
    EdgeSmoother smoother;
    const std::vector<std::uint8_t> changed =
        smoother.smooth(picture.pixels.data(), picture.width, picture.height);
    const int block = EdgeSmoother::blockSize;
    ASSERT_EQ(smoother.blockColumns(), (picture.width + block - 1) / block);
    ASSERT_EQ(changed.size(), std::size_t(smoother.blockColumns()) *
                                  std::size_t((picture.height + block - 1) / block));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) == sharp.at(x, y)) continue;
            EXPECT_EQ(changed[std::size_t(y / block * smoother.blockColumns() + x / block)], 1)
                << "changed pixel " << x << ", " << y << " lies in a reported block";
            EXPECT_EQ(picture.at(x, y) >> 24, 0xffu) << "alpha kept";
        }
    }
    // The blocks far left and far right of the edge are not reported.
    for (int row = 0; row * block < picture.height; ++row) {
        EXPECT_EQ(changed[std::size_t(row * smoother.blockColumns())], 0);
        EXPECT_EQ(changed[std::size_t(row * smoother.blockColumns() + 2)], 0);
    }
}

TEST(EdgeSmoothing, ThreadsGiveTheSamePictureAsOne) {
    // Edges of several slopes, and sizes that do not fill whole blocks.
    for (const auto& [width, height] : {std::pair{97, 61}, {160, 128}, {33, 200}}) {
        const Picture sharp(width, height, [](int x, int y) {
            const bool disc = (x - 40) * (x - 40) + (y - 30) * (y - 30) < 500;
            return disc ? 0xffe02020u : (x * 3 + y * 7) % 50 < 25 ? 0xffa0c0ffu : 0xff606060u;
        });
        Picture one = sharp, several = sharp;
        smoothEdges(one.pixels.data(), width, height);
        EdgeSmoother smoother;
        smoother.smooth(several.pixels.data(), width, height, 3);
        EXPECT_EQ(one.pixels, several.pixels) << width << "x" << height;
        EXPECT_NE(one.pixels, sharp.pixels) << width << "x" << height;
    }
}

TEST(EdgeSmoothing, EmptyAndTinyPicturesAreHandled) {
    EdgeSmoother smoother;
    EXPECT_TRUE(smoother.smooth(nullptr, 0, 0).empty());
    Picture dot(1, 1, [](int, int) { return white; });
    smoother.smooth(dot.pixels.data(), 1, 1, 2);
    EXPECT_EQ(dot.at(0, 0), white);
    Picture pair(2, 1, [](int x, int) { return x ? white : black; });
    smoother.smooth(pair.pixels.data(), 2, 1);
    EXPECT_EQ(pair.pixels.size(), 2u);
}
