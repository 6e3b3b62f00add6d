#include "app/frame/EdgeSmoothing.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// A pixel is on an edge where the brightness around it spans at least this much, and at least
// an eighth of the brightest neighbour: shading across a surface stays below it.
constexpr int edgeContrast = 16;
constexpr int edgeShare = 3; // as a right shift: an eighth

// How far along an edge its ends are looked for: up to 20 pixels to either side, in growing
// steps, so that long, nearly straight edges get their long ramps.
constexpr int searchSteps[] = {1, 1, 1, 1, 2, 2, 4, 8};

// Mixing of a pixel that stands out from all around it (a lone step, a thin line): up to half
// with its neighbour across, so that lines one pixel thin keep most of their weight.
constexpr float thinLineMix = 0.5f;

// Weights of red, green and blue in 256ths; sums of them stay within 16 bits, which lets the
// compiler work on many pixels at once.
std::uint8_t brightness(std::uint32_t pixel) {
    const auto channel = [pixel](int shift) { return std::uint16_t(pixel >> shift & 0xff); };
    return std::uint8_t(std::uint16_t(channel(16) * 77 + channel(8) * 150 + channel(0) * 29) >> 8);
}

std::uint32_t mix(std::uint32_t a, std::uint32_t b, float share) {
    const int weight = int(share * 256 + 0.5f);
    std::uint32_t result = a & 0xff000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int from = int(a >> shift & 0xff), to = int(b >> shift & 0xff);
        result |= std::uint32_t(from + (((to - from) * weight + 128) >> 8)) << shift;
    }
    return result;
}

// The brightness plane seen from one pixel, with rows and columns clamped at the border.
struct Neighbourhood {
    const std::uint8_t* luma;
    int width;
    int height;
    int at(int x, int y) const {
        x = std::clamp(x, 0, width - 1);
        y = std::clamp(y, 0, height - 1);
        return luma[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

// How far the pixel at (x, y) is to be mixed with its neighbour across the edge, and which
// neighbour that is (dx, dy); 0 where the pixel stays as it is.
struct EdgeMix {
    float share = 0;
    int dx = 0;
    int dy = 0;
};

EdgeMix edgeMix(const Neighbourhood& plane, int x, int y) {
    const int m = plane.at(x, y);
    const int n = plane.at(x, y + 1), s = plane.at(x, y - 1);
    const int e = plane.at(x + 1, y), w = plane.at(x - 1, y);
    const int ne = plane.at(x + 1, y + 1), nw = plane.at(x - 1, y + 1);
    const int se = plane.at(x + 1, y - 1), sw = plane.at(x - 1, y - 1);
    const int highest = std::max({m, n, s, e, w}), lowest = std::min({m, n, s, e, w});
    const int range = highest - lowest;

    // An edge that runs along the rows changes the brightness from row to row, and the other way.
    const int acrossRows =
        std::abs(nw + sw - 2 * w) + 2 * std::abs(n + s - 2 * m) + std::abs(ne + se - 2 * e);
    const int acrossColumns =
        std::abs(nw + ne - 2 * n) + 2 * std::abs(w + e - 2 * m) + std::abs(sw + se - 2 * s);
    const bool alongRows = acrossRows >= acrossColumns;
    const int before = alongRows ? s : w, after = alongRows ? n : e;
    const bool towardsBefore = std::abs(before - m) >= std::abs(after - m);
    const int side = towardsBefore ? before : after;
    EdgeMix result;
    const int step = towardsBefore ? -1 : 1;
    (alongRows ? result.dy : result.dx) = step;

    // Brightness on the edge itself, between the pixel's line and the line across, at `k` pixels
    // along the edge from the pixel (doubled, to stay in whole numbers).
    const auto onEdgeAt = [&](int k) {
        return alongRows ? plane.at(x + k, y) + plane.at(x + k, y + step)
                         : plane.at(x, y + k) + plane.at(x + step, y + k);
    };
    const int edgeLevel = m + side;
    // The edge ends where its brightness has moved a quarter of the jump across it.
    const int endContrast = std::max(std::abs(before - m), std::abs(after - m)) / 2;
    const auto findEnd = [&](int direction, int& distance) {
        distance = 0;
        int difference = 0;
        for (const int stepLength : searchSteps) {
            distance += stepLength;
            difference = onEdgeAt(direction * distance) - edgeLevel;
            if (std::abs(difference) >= endContrast) break;
        }
        return difference;
    };
    int towardsLower = 0, towardsHigher = 0;
    const int endLower = findEnd(-1, towardsLower);
    const int endHigher = findEnd(1, towardsHigher);
    const bool lowerNearer = towardsLower < towardsHigher;
    const int nearest = std::min(towardsLower, towardsHigher);
    // Only the pixels on the side where the edge crosses over towards the nearer end are mixed:
    // those are the steps of the stairs.
    const bool centreDarker = 2 * m < edgeLevel;
    const bool endDarker = (lowerNearer ? endLower : endHigher) < 0;
    const float alongEdge = endDarker != centreDarker
                                ? 0.5f - float(nearest) / float(towardsLower + towardsHigher)
                                : 0.0f;

    // A pixel that differs from the average of its neighbours by much of the contrast around it
    // (a lone pixel of a step, a line one pixel thin) is mixed too.
    const float average = float(2 * (n + s + e + w) + ne + nw + se + sw) / 12.0f;
    float lone = std::clamp(std::abs(average - float(m)) / float(range), 0.0f, 1.0f);
    lone = lone * lone * (3 - 2 * lone);
    result.share = std::max(alongEdge, lone * lone * thinLineMix);
    return result;
}

} // namespace

void EdgeSmoother::computeLuma(const std::uint32_t* pixels, int firstRow, int endRow) {
    // Plain pointers: stores of bytes could alias anything else, the vector's own fields too.
    const std::size_t begin = std::size_t(firstRow) * std::size_t(width);
    const std::size_t end = std::size_t(endRow) * std::size_t(width);
    std::uint8_t* const out = luma.data();
    for (std::size_t i = begin; i < end; ++i) out[i] = brightness(pixels[i]);
}

void EdgeSmoother::findChanges(const std::uint32_t* pixels, int firstRow, int endRow,
                               std::vector<Change>& changes) {
    const Neighbourhood plane{luma.data(), width, height};
    std::vector<std::uint8_t> edge(std::size_t(width), 0);
    changes.clear();
    for (int y = firstRow; y < endRow; ++y) {
        const std::size_t row = std::size_t(y) * std::size_t(width);
        const std::uint8_t* here = luma.data() + row;
        const std::uint8_t* above = y + 1 < height ? here + width : here;
        const std::uint8_t* below = y > 0 ? here - width : here;
        // The contrast in the cross around each pixel, in one pass on bytes that the compiler
        // vectorises; the few pixels on edges are then looked at one by one.
        const auto isEdge = [&](int left, int x, int right) {
            const std::uint8_t highest = std::max(
                std::max(std::max(here[left], here[x]), here[right]), std::max(above[x], below[x]));
            const std::uint8_t lowest = std::min(
                std::min(std::min(here[left], here[x]), here[right]), std::min(above[x], below[x]));
            const std::uint8_t threshold =
                std::max(std::uint8_t(edgeContrast), std::uint8_t(highest >> edgeShare));
            return std::uint8_t(std::uint8_t(highest - lowest) >= threshold);
        };
        std::uint8_t* const flags = edge.data();
        for (int x = 1; x + 1 < width; ++x) flags[x] = isEdge(x - 1, x, x + 1);
        edge.front() = isEdge(0, 0, std::min(1, width - 1));
        edge.back() = isEdge(std::max(0, width - 2), width - 1, width - 1);
        for (int x = 0; x < width; ++x) {
            // Eight pixels off the edges are passed over at once.
            std::uint64_t eight = 0;
            if (x + 8 <= width) std::memcpy(&eight, &edge[std::size_t(x)], sizeof eight);
            if (x + 8 <= width && eight == 0) {
                x += 7;
                continue;
            }
            if (!edge[std::size_t(x)]) continue;
            const EdgeMix mixing = edgeMix(plane, x, y);
            if (mixing.share <= 0) continue;
            const int ox = std::clamp(x + mixing.dx, 0, width - 1);
            const int oy = std::clamp(y + mixing.dy, 0, height - 1);
            const std::uint32_t own = pixels[row + std::size_t(x)];
            const std::uint32_t mixed = mix(
                own, pixels[std::size_t(oy) * std::size_t(width) + std::size_t(ox)], mixing.share);
            if (mixed == own) continue;
            changes.push_back({std::uint32_t(row) + std::uint32_t(x), mixed});
            changedBlocks[std::size_t(y / blockSize * columns + x / blockSize)] = 1;
        }
    }
}

const std::vector<std::uint8_t>& EdgeSmoother::smooth(std::uint32_t* pixels, int width, int height,
                                                      int threads) {
    this->width = std::max(width, 0);
    this->height = std::max(height, 0);
    columns = (this->width + blockSize - 1) / blockSize;
    const int blockRows = (this->height + blockSize - 1) / blockSize;
    changedBlocks.assign(std::size_t(columns) * std::size_t(blockRows), 0);
    if (changedBlocks.empty()) return changedBlocks;
    luma.resize(std::size_t(this->width) * std::size_t(this->height));

    // The rows are shared out in runs of whole blocks. Every pixel reads its neighbours as they
    // were, so the brightness plane is complete before the edges are looked for, and the changes
    // are written only when all are known.
    threads = std::clamp(threads, 1, blockRows);
    changesOf.resize(std::size_t(threads));
    const auto inParallel = [threads](auto&& work) {
        std::vector<std::thread> helpers;
        for (int part = 1; part < threads; ++part) helpers.emplace_back(work, part);
        work(0);
        for (std::thread& helper : helpers) helper.join();
    };
    const auto firstRowOf = [&](int part) {
        return std::min(this->height, blockRows * part / threads * blockSize);
    };
    inParallel([&](int part) { computeLuma(pixels, firstRowOf(part), firstRowOf(part + 1)); });
    inParallel([&](int part) {
        findChanges(pixels, firstRowOf(part), firstRowOf(part + 1), changesOf[std::size_t(part)]);
    });
    for (const std::vector<Change>& changes : changesOf)
        for (const Change& change : changes) pixels[change.index] = change.colour;
    return changedBlocks;
}

void smoothEdges(std::uint32_t* pixels, int width, int height) {
    EdgeSmoother().smooth(pixels, width, height);
}
